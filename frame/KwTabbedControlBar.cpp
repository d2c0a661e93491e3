// KwTabbedControlBar.cpp: the container follows the bars' rules; its Float command floats the
// tab in front, or the whole container when it holds one tab.
#include "frame/KwTabbedControlBar.h"
#include "frame/KwControlBar.h"

#include "res/resource.h"

IMPLEMENT_SERIAL(CKwTabbedControlBar, CBCGPTabbedControlBar, VERSIONABLE_SCHEMA | 2)

BEGIN_MESSAGE_MAP(CKwTabbedControlBar, CBCGPTabbedControlBar)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_KW_BAR_AUTO_HIDE, &CKwTabbedControlBar::OnAutoHide)
    ON_UPDATE_COMMAND_UI(ID_KW_BAR_AUTO_HIDE, &CKwTabbedControlBar::OnUpdateAutoHide)
    ON_COMMAND(ID_KW_BAR_HIDE, &CKwTabbedControlBar::OnHide)
    ON_COMMAND(ID_KW_BAR_FLOAT, &CKwTabbedControlBar::OnFloat)
    ON_UPDATE_COMMAND_UI(ID_KW_BAR_FLOAT, &CKwTabbedControlBar::OnUpdateFloat)
END_MESSAGE_MAP()

CKwTabbedControlBar::CKwTabbedControlBar() : m_bFloatingByCommand(FALSE) {}

BOOL CKwTabbedControlBar::CanFloat() const
{
    return CKwControlBar::CanFloatBar(this, m_bFloatingByCommand, CBCGPTabbedControlBar::CanFloat());
}

void CKwTabbedControlBar::CKwWindow_OnExtendContextMenu(CMenu& menu)
{
    if (!CKwControlBar::AddOwnCommands(this, menu))
        CKwWindow::CKwWindow_OnExtendContextMenu(menu);
}

void CKwTabbedControlBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    // A click on the tabs counts as one on the container; one inside a tab's pane that no window
    // answered comes from the tab window as well, and does not.
    CWnd* pSource = pWnd;
    CRect rectTabs;
    m_wndTabs.GetTabsRect(rectTabs);
    m_wndTabs.ClientToScreen(&rectTabs);
    if (pWnd == &m_wndTabs && (rectTabs.PtInRect(point) || point == CPoint(-1, -1)))
        pSource = this;
    if (!CKwControlBar::TrackOwnContextMenu(this, this, pSource, point))
        CBCGPTabbedControlBar::OnContextMenu(pWnd, point);
}

void CKwTabbedControlBar::OnAutoHide()
{
    CKwControlBar::AutoHideBar(this);
}

void CKwTabbedControlBar::OnUpdateAutoHide(CCmdUI* pCmdUI)
{
    CKwControlBar::UpdateAutoHide(this, pCmdUI);
}

void CKwTabbedControlBar::OnHide()
{
    OnPressCloseButton();
}

void CKwTabbedControlBar::OnFloat()
{
    if (GetTabsNum() >= 2)
    {
        // The tab in front leaves; the container may go with it (one tab left), so nothing of it
        // is touched afterwards.
        int iActive = m_wndTabs.GetActiveTab();
        CWnd* pActive = m_wndTabs.GetActiveWnd();
        CKwControlBar* pBar = DYNAMIC_DOWNCAST(CKwControlBar, pActive);
        if (pBar != NULL)
            pBar->m_bFloatingByCommand = TRUE;
        FloatTab(pActive, iActive, DM_UNKNOWN, FALSE);
        if (pBar != NULL)
            pBar->m_bFloatingByCommand = FALSE;
    }
    else if (!IsTabbed())
        CKwControlBar::FloatBarByCommand(this, m_bFloatingByCommand);
}

void CKwTabbedControlBar::OnUpdateFloat(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsFloating() && !IsAutoHideMode() && (GetTabsNum() >= 2 || !IsTabbed()));
}
