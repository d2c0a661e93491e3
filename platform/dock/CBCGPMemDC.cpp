// CBCGPMemDC.cpp: the surface is shifted so that rect's corner is its origin.
#include "CBCGPMemDC.h"

#include <algorithm>

CBCGPMemDC::CBCGPMemDC(CDC& dc, const CRect& rect) : m_dc(dc), m_rect(rect), m_pOldBitmap(NULL), m_bMemDC(FALSE)
{
    if (m_rect.IsRectEmpty() || !m_dcMem.CreateCompatibleDC(&m_dc) ||
        !m_bitmap.CreateCompatibleBitmap(&m_dc, std::max(1, m_rect.Width()), std::max(1, m_rect.Height())))
        return;
    m_pOldBitmap = m_dcMem.SelectObject(&m_bitmap);
    m_dcMem.SetViewportOrg(-m_rect.left, -m_rect.top);
    m_bMemDC = TRUE;
}

CBCGPMemDC::~CBCGPMemDC()
{
    if (!m_bMemDC)
        return;
    m_dcMem.SetViewportOrg(0, 0);
    m_dc.BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), &m_dcMem, 0, 0, SRCCOPY);
    m_dcMem.SelectObject(m_pOldBitmap);
}
