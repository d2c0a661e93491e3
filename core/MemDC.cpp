// MemDC.cpp: the off-screen drawing surface.
#include "core/MemDC.h"

#include <atomic>

namespace {
// Surfaces larger than this are made for the occasion and freed.
const long long kMaxSpareBytes = 64ll << 20;

// The bitmap of the last surface, kept for the next one: touching a fresh bitmap of a window's
// size for the first time costs more than all the drawing done on it.
class CSpareBitmap
{
public:
    ~CSpareBitmap()
    {
        if (HBITMAP hBitmap = m_hBitmap.exchange(NULL))
            ::DeleteObject(hBitmap);
    }
    HBITMAP Take() { return m_hBitmap.exchange(NULL); }
    void Give(HBITMAP hBitmap)
    {
        if (HBITMAP hOld = m_hBitmap.exchange(hBitmap))
            ::DeleteObject(hOld);
    }

private:
    std::atomic<HBITMAP> m_hBitmap{NULL};
};

CSpareBitmap g_spare;

// What a bitmap is made of: a spare serves only a target whose compatible bitmaps are alike.
struct CFormat
{
    explicit CFormat(HBITMAP hBitmap)
    {
        DIBSECTION dib = {};
        const int nSize = ::GetObjectA(hBitmap, sizeof(dib), &dib);
        m_bValid = nSize != 0;
        m_bSection = nSize == (int)sizeof(DIBSECTION);
        m_bitmap = dib.dsBm;
        for (int i = 0; i < 3; ++i)
            m_masks[i] = m_bSection ? dib.dsBitfields[i] : 0;
    }
    BOOL IsLike(const CFormat& other) const
    {
        return m_bValid && other.m_bValid && m_bSection == other.m_bSection &&
            m_bitmap.bmBitsPixel == other.m_bitmap.bmBitsPixel && m_bitmap.bmPlanes == other.m_bitmap.bmPlanes &&
            m_masks[0] == other.m_masks[0] && m_masks[1] == other.m_masks[1] && m_masks[2] == other.m_masks[2];
    }
    BOOL Holds(int cx, int cy) const { return m_bitmap.bmWidth >= cx && m_bitmap.bmHeight >= cy; }

    BOOL m_bValid;
    BOOL m_bSection;
    BITMAP m_bitmap;
    DWORD m_masks[3];
};

// A bitmap compatible with pDC of at least cx by cy: the spare when it fits, else a new one.
HBITMAP CompatibleBitmap(CDC* pDC, int cx, int cy)
{
    HBITMAP hSpare = g_spare.Take();
    if (hSpare != NULL)
    {
        HBITMAP hProbe = ::CreateCompatibleBitmap(pDC->m_hDC, 1, 1);
        const CFormat spare(hSpare);
        const BOOL bFits = hProbe != NULL && spare.IsLike(CFormat(hProbe)) && spare.Holds(cx, cy);
        if (hProbe != NULL)
            ::DeleteObject(hProbe);
        if (bFits)
            return hSpare;
        ::DeleteObject(hSpare);
    }
    return ::CreateCompatibleBitmap(pDC->m_hDC, cx, cy);
}
} // namespace

CMemDC::CMemDC(CDC* pDC) : m_pOldBitmap(NULL), m_pDC(pDC), m_rect(0, 0, 0, 0), m_bMemDC(FALSE)
{
    pDC->GetClipBox(&m_rect);
    if (!pDC->IsPrinting() && !m_rect.IsRectEmpty() && CreateCompatibleDC(pDC))
    {
        if (m_bitmap.Attach(CompatibleBitmap(pDC, m_rect.Width(), m_rect.Height())))
        {
            m_pOldBitmap = SelectObject(&m_bitmap);
            SetWindowOrg(m_rect.left, m_rect.top);
            // A spare may be larger than the clip box: nothing is drawn beyond it.
            IntersectClipRect(&m_rect);
            m_bMemDC = TRUE;
            return;
        }
        DeleteDC();
    }
    // Printing, nothing to paint, or no memory for the bitmap: draw on the target's handles.
    m_bPrinting = pDC->m_bPrinting;
    m_hDC = pDC->m_hDC;
    m_hAttribDC = pDC->m_hAttribDC;
}

CMemDC::~CMemDC()
{
    if (m_bMemDC)
    {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top,
            SRCCOPY);
        SelectObject(m_pOldBitmap);
        DeleteDC();
        const CFormat format(m_bitmap);
        const long long nBytes = (long long)format.m_bitmap.bmWidthBytes * format.m_bitmap.bmHeight;
        if (nBytes <= kMaxSpareBytes)
            g_spare.Give((HBITMAP)m_bitmap.Detach());
        else
            m_bitmap.DeleteObject();
    }
    else
    {
        // The handles are the target's: leave them to it.
        m_hDC = NULL;
        m_hAttribDC = NULL;
    }
}

void CMemDC::PaintWindow(CWnd* pWnd, const std::function<void(CDC&)>& draw)
{
    if (HDC hGiven = (HDC)CWnd::GetCurrentMessage()->wParam)
    {
        CDC given;
        given.Attach(hGiven);
        draw(given);
        given.Detach();
        return;
    }
    CPaintDC dc(pWnd);
    draw(dc);
}
