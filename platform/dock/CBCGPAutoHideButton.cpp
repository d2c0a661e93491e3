// CBCGPAutoHideButton.cpp: the button's text is the pane's caption at the time it is drawn.
#include "CBCGPAutoHideButton.h"
#include "CBCGPDockingControlBar.h"

CString CBCGPAutoHideButton::GetText() const
{
    CString strText;
    if (m_pBar != NULL && m_pBar->m_hWnd != NULL)
        m_pBar->GetWindowText(strText);
    return strText;
}

int CBCGPAutoHideButton::GetLength(CDC* pDC) const
{
    enum { MARGIN = 8, MIN_LENGTH = 24 };
    CString strText = GetText();
    int nText = strText.IsEmpty() ? 0 : pDC->GetTextExtent(strText).cx;
    return std::max((int)MIN_LENGTH, nText + 2 * MARGIN);
}
