// CHtmlPainter.cpp: a display list onto a device context.
#include "CHtmlPainter.h"
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
    const RECT& rcClip)
{
    Fill(hDC, rcClip, list.crPage);
    int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    HGDIOBJ hOldFont = ::GetCurrentObject(hDC, OBJ_FONT);
    std::vector<INT> advances;
    for (const CHtmlDisplayList::CItem& item : list.items) {
        RECT rc = { item.box.left - xScroll, item.box.top - yScroll, item.box.right - xScroll, item.box.bottom - yScroll };
        RECT rcVisible;
        if (!::IntersectRect(&rcVisible, &rc, &rcClip))
            continue;
        switch (item.nKind) {
        case CHtmlDisplayList::CItem::kindFill:
            Fill(hDC, rc, item.cr);
            break;
        case CHtmlDisplayList::CItem::kindFrame:
            Frame(hDC, rc, item.cr, item.nThickness);
            break;
        case CHtmlDisplayList::CItem::kindText: {
            if (item.crBack != 0xFFFFFFFF)
                Fill(hDC, rc, item.crBack);
            std::wstring s = CHtmlGdiResources::Wide(item.strText.data(), item.strText.size());
            ::SelectObject(hDC, resources.Font(item.font));
            ::SetTextColor(hDC, item.cr);
            // Drawn with the advances it was laid out with: a device context may space glyphs
            // otherwise (Wine draws unsmoothed text with narrower hinted advances).
            resources.Advances(item.font, s, advances);
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
