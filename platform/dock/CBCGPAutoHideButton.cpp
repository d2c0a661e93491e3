// CBCGPAutoHideButton.cpp: the button's text is its pane's (or tab's) caption at the time it is drawn.
#include "CBCGPAutoHideButton.h"
#include "CBCGPTabbedControlBar.h"

CString CBCGPAutoHideButton::GetText() const
{
    CString strText;
    if (m_hTab != NULL)
        CWnd::FromHandle(m_hTab)->GetWindowText(strText); // empty once the tab is gone
    else if (m_pBar != NULL && m_pBar->m_hWnd != NULL)
        m_pBar->GetWindowText(strText);
    return strText;
}

CBCGPDockingControlBar* CBCGPAutoHideButton::GetTarget() const
{
    auto* pTab = DYNAMIC_DOWNCAST(CBCGPDockingControlBar, CWnd::FromHandlePermanent(m_hTab));
    return pTab != NULL && pTab->GetParentTabbedBar() == m_pBar ? pTab : m_pBar;
}

BOOL CBCGPAutoHideButton::IsShown() const
{
    if (m_pBar == NULL || m_pBar->m_hWnd == NULL || !m_pBar->IsWindowVisible())
        return FALSE;
    auto* pTabbed = DYNAMIC_DOWNCAST(CBCGPTabbedControlBar, m_pBar);
    CWnd* pActive = pTabbed != NULL ? pTabbed->GetUnderlyingWindow()->GetActiveWnd() : NULL;
    return m_hTab == NULL || (pActive != NULL && pActive->m_hWnd == m_hTab);
}

int CBCGPAutoHideButton::GetLength(CDC* pDC, UINT nDpi) const
{
    enum { MARGIN = 8, MIN_LENGTH = 24 };
    CString strText = GetText();
    int nText = strText.IsEmpty() ? 0 : pDC->GetTextExtent(strText).cx;
    return std::max(CDpi::Scale(MIN_LENGTH, nDpi), nText + 2 * CDpi::Scale(MARGIN, nDpi));
}
