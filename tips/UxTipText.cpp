// UxTipText.cpp: a tip's text measured and drawn on a device context.
#include "tips/UxTipText.h"

#include "tips/UxTipDcMeasurer.h"
#include "tips/UxTipDrawer.h"

CSize CUxTipText::Print(CDC* pDC, const CRect& rect, const CString& sText, BOOL bMeasure, const LOGFONT& lfBase,
                        const COLORREF* pColors, CUxTipPictures& pictures)
{
    if (pDC == NULL || pDC->GetSafeHdc() == NULL) {
        if (bMeasure) {
            m_lines.widths.clear();
            m_lines.heights.clear();
        }
        return CSize(0, 0);
    }
    // Both passes of one text read it once.
    if (sText != m_sText || sText.IsEmpty()) {
        m_markup.Parse(sText, sText.GetLength());
        m_sText = sText;
    }
    CUxTipDcMeasurer measurer(pDC, lfBase, m_markup, pictures);
    CUxTipDrawer drawer(pDC, m_markup, pColors, pictures, !bMeasure);
    const UxTipRect area = {rect.left, rect.top, rect.right, rect.bottom};
    const UxTipSize sz = CUxTipLayout::LayOut(m_markup, area, bMeasure != FALSE, m_lines, measurer, drawer);
    return CSize(sz.cx, sz.cy);
}

void CUxTipText::Clear()
{
    m_lines.widths.clear();
    m_lines.heights.clear();
    m_markup.Parse(NULL, 0);
    m_sText.Empty();
}
