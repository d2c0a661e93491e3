// MemDC.cpp: the off-screen drawing surface.
#include "grid/MemDC.h"

CMemDC::CMemDC(CDC* pDC) : m_pOldBitmap(NULL), m_pDC(pDC), m_rect(0, 0, 0, 0), m_bMemDC(FALSE)
{
    pDC->GetClipBox(&m_rect);
    if (!pDC->IsPrinting() && !m_rect.IsRectEmpty() && CreateCompatibleDC(pDC))
    {
        if (m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height()))
        {
            m_pOldBitmap = SelectObject(&m_bitmap);
            SetWindowOrg(m_rect.left, m_rect.top);
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
        m_bitmap.DeleteObject();
        DeleteDC();
    }
    else
    {
        // The handles are the target's: leave them to it.
        m_hDC = NULL;
        m_hAttribDC = NULL;
    }
}
