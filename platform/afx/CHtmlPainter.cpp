// CHtmlPainter.cpp: a display list onto a device context.
#include "CHtmlPainter.h"
#include "CDpi.h"
#include "CHtmlGdiResources.h"

#include <gdiplus.h>

#include <vector>

void CHtmlPainter::Fill(HDC hDC, const RECT& rc, COLORREF cr)
{
    COLORREF crOld = ::SetBkColor(hDC, cr);
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rc, NULL, 0, NULL);
    ::SetBkColor(hDC, crOld);
}

void CHtmlPainter::Frame(HDC hDC, const RECT& rc, COLORREF cr, int nThickness)
{
    int t = nThickness;
    Fill(hDC, RECT { rc.left, rc.top, rc.right, rc.top + t }, cr);
    Fill(hDC, RECT { rc.left, rc.bottom - t, rc.right, rc.bottom }, cr);
    Fill(hDC, RECT { rc.left, rc.top + t, rc.left + t, rc.bottom - t }, cr);
    Fill(hDC, RECT { rc.right - t, rc.top + t, rc.right, rc.bottom - t }, cr);
}

void CHtmlPainter::Paint(HDC hDC, const CHtmlDisplayList& list, CHtmlGdiResources& resources, int xScroll, int yScroll,
    const RECT& rcClip, UINT nDpi)
{
    auto scale = [nDpi](int n) { return CDpi::Scale(n, nDpi); };
    Fill(hDC, rcClip, list.crPage);
    int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    HGDIOBJ hOldFont = ::GetCurrentObject(hDC, OBJ_FONT);
    std::vector<INT> advances;
    for (const CHtmlDisplayList::CItem& item : list.items) {
        RECT rc = { scale(item.box.left) - xScroll, scale(item.box.top) - yScroll, scale(item.box.right) - xScroll,
            scale(item.box.bottom) - yScroll };
        RECT rcVisible;
        if (!::IntersectRect(&rcVisible, &rc, &rcClip))
            continue;
        switch (item.nKind) {
        case CHtmlDisplayList::CItem::kindFill:
            Fill(hDC, rc, item.cr);
            break;
        case CHtmlDisplayList::CItem::kindFrame:
            Frame(hDC, rc, item.cr, scale(item.nThickness));
            break;
        case CHtmlDisplayList::CItem::kindText: {
            if (item.crBack != 0xFFFFFFFF)
                Fill(hDC, rc, item.crBack);
            std::wstring s = CHtmlGdiResources::Wide(item.strText.data(), item.strText.size());
            CHtmlFont font = item.font;
            font.nSize = scale(font.nSize);
            ::SelectObject(hDC, resources.Font(font));
            ::SetTextColor(hDC, item.cr);
            // Drawn with the advances it was laid out with: a device context may space glyphs
            // otherwise (Wine draws unsmoothed text with narrower hinted advances). At another
            // DPI each glyph goes where its laid-out place scales to.
            resources.Advances(item.font, s, advances);
            int nLaidOut = 0, nPlaced = 0;
            for (size_t i = 0; nDpi != CDpi::kDefault && i < advances.size(); i++) {
                nLaidOut += advances[i];
                advances[i] = scale(nLaidOut) - nPlaced;
                nPlaced += advances[i];
            }
            ::ExtTextOutW(hDC, rc.left, rc.top, 0, NULL, s.c_str(), (UINT)s.size(), advances.data());
            break;
        }
        case CHtmlDisplayList::CItem::kindImage: {
            Gdiplus::GpImage* pImage = (Gdiplus::GpImage*)resources.Image(item.strText);
            Gdiplus::GpGraphics* pGraphics = NULL; // one per picture: GDI draws on the same context between them
            if (pImage != NULL && Gdiplus::DllExports::GdipCreateFromHDC(hDC, &pGraphics) == Gdiplus::Ok) {
                Gdiplus::DllExports::GdipDrawImageRectI(pGraphics, pImage, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
                Gdiplus::DllExports::GdipDeleteGraphics(pGraphics);
            } else
                Frame(hDC, rc, RGB(128, 128, 128), 1); // a picture that cannot be read
            break;
        }
        }
    }
    ::SelectObject(hDC, hOldFont);
    ::SetBkMode(hDC, nOldMode);
}
