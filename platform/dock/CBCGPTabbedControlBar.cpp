// CBCGPTabbedControlBar.cpp: the container is made by runtime class and deletes itself when its
// window goes; its panes are children of its tab window while they are tabs.
#include "CBCGPTabbedControlBar.h"
#include "CBCGPAutoHideToolBar.h"
#include "CBCGPDockManager.h"
#include "CBCGPMiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CBCGPTabbedControlBar, CBCGPDockingControlBar)

BEGIN_MESSAGE_MAP(CBCGPTabbedControlBar, CBCGPDockingControlBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_REGISTERED_MESSAGE(BCGM_CHANGE_ACTIVE_TAB, &CBCGPTabbedControlBar::OnChangeActiveTab)
    ON_REGISTERED_MESSAGE(BCGM_TAB_TEAR_OFF, &CBCGPTabbedControlBar::OnTabTearOff)
END_MESSAGE_MAP()

CBCGPTabbedControlBar::CBCGPTabbedControlBar() {}

int CBCGPTabbedControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CBCGPDockingControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    CBCGPTabWnd::Location location =
        (m_dwTabbedStyle & CBRS_BCGP_OUTLOOK_TABS) != 0 ? CBCGPTabWnd::LOCATION_TOP : CBCGPTabWnd::LOCATION_BOTTOM;
    m_wndTabs.SetTabBorderSize(0, FALSE);
    m_wndTabs.EnableTabTearOff(TRUE);
    return m_wndTabs.Create(CBCGPTabWnd::STYLE_FLAT, CRect(0, 0, 0, 0), this, 1, location) ? 0 : -1;
}

void CBCGPTabbedControlBar::OnSize(UINT nType, int cx, int cy)
{
    CBCGPDockingControlBar::OnSize(nType, cx, cy);
    if (m_wndTabs.m_hWnd != NULL)
        m_wndTabs.SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBCGPTabbedControlBar::PostNcDestroy()
{
    delete this; // made by runtime class: nobody else owns it
}

BOOL CBCGPTabbedControlBar::AddTab(CWnd* pNewBar, BOOL bVisible, BOOL bSetActive, BOOL bDetachable)
{
    CBCGPDockingControlBar* pBar = DYNAMIC_DOWNCAST(CBCGPDockingControlBar, pNewBar);
    if (pBar == NULL || pBar == this || pBar->m_hWnd == NULL || m_wndTabs.GetTabFromHwnd(pBar->m_hWnd) >= 0 ||
        DYNAMIC_DOWNCAST(CBCGPTabbedControlBar, pBar) != NULL)
        return FALSE;
    CString strLabel;
    pBar->GetWindowText(strLabel);
    m_wndTabs.AddTab(pBar, strLabel, (UINT)-1, bDetachable);
    int iTab = m_wndTabs.GetTabFromHwnd(pBar->m_hWnd);
    if (iTab < 0)
        return FALSE;
    // The caption goes: the container shows the name.
    pBar->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (!bVisible)
        pBar->ShowWindow(SW_HIDE);
    if (bSetActive || m_wndTabs.GetActiveTab() < 0)
        m_wndTabs.SetActiveTab(iTab);
    m_wndTabs.RecalcLayout();
    OnChangeActiveTab(0, 0);
    return TRUE;
}

BOOL CBCGPTabbedControlBar::FloatTab(CWnd* pBar, int nTabID, BCGP_DOCK_METHOD dockMethod, BOOL bHide)
{
    CBCGPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CBCGPDockingControlBar, pBar);
    if (pPane == NULL || pPane->m_hWnd == NULL || m_wndTabs.GetTabFromHwnd(pPane->m_hWnd) != nTabID ||
        !m_wndTabs.IsTabDetachable(nTabID) || !pPane->CanFloat())
        return FALSE;
    // Docked back later, the pane goes to the container's edge.
    if (GetCurrentAlignment() != 0)
        pPane->SetBarStyle((pPane->GetBarStyle() & ~CBRS_ALIGN_ANY) | GetCurrentAlignment());
    DetachBar(pPane); // this may be gone from here on
    return pPane->FloatControlBar(pPane->m_recentDockInfo.m_rectRecentFloatingRect, dockMethod, !bHide);
}

void CBCGPTabbedControlBar::DetachBar(CBCGPDockingControlBar* pBar)
{
    int iTab = m_wndTabs.GetTabFromHwnd(pBar->m_hWnd);
    if (iTab < 0)
        return;
    m_wndTabs.RemoveTab(iTab);
    pBar->SetParent(m_pDockSite);
    pBar->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (m_wndTabs.GetTabsNum() <= 1)
        Dissolve();
    else
        OnChangeActiveTab(0, 0);
}

void CBCGPTabbedControlBar::Dissolve()
{
    CFrameWnd* pDockSite = m_pDockSite;
    CBCGPDockingControlBar* pLast = DYNAMIC_DOWNCAST(CBCGPDockingControlBar, m_wndTabs.GetTabWnd(0));
    // Auto-hidden, the container docks first: its last pane takes its place and then its button.
    const BOOL bAutoHide = m_pAutoHideBar != NULL;
    if (bAutoHide)
        CBCGPDockingControlBar::SetAutoHideMode(FALSE, GetCurrentAlignment(), NULL, FALSE);
    if (pLast != NULL)
    {
        BOOL bVisible = IsVisible();
        m_wndTabs.RemoveTab(0);
        pLast->SetParent(pDockSite);
        pLast->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        if (IsFloating())
        {
            CRect rect;
            GetParentMiniFrame()->GetWindowRect(&rect);
            pLast->FloatControlBar(rect, DM_UNKNOWN, bVisible != FALSE);
        }
        else
        {
            CBCGPDockManager* pManager = GetDockManager();
            if (pManager != NULL && pManager->ReplaceControlBar(this, pLast))
                pLast->ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
            if (bAutoHide)
                pLast->SetAutoHideMode(TRUE, pLast->GetCurrentAlignment(), NULL, TRUE);
        }
    }
    DestroyWindow();
    pDockSite->RecalcLayout();
}

LRESULT CBCGPTabbedControlBar::OnChangeActiveTab(WPARAM, LPARAM)
{
    // The caption names the pane in front.
    CString strText;
    if (CWnd* pActive = m_wndTabs.GetActiveWnd())
        pActive->GetWindowText(strText);
    SetWindowText(strText);
    SendMessage(WM_NCPAINT);
    // Hidden in a strip: its buttons follow its tabs.
    if (m_pAutoHideBar != NULL)
        m_pAutoHideBar->UpdateTabButtons(this);
    return 0;
}

LRESULT CBCGPTabbedControlBar::OnTabTearOff(WPARAM wParam, LPARAM lParam)
{
    auto* pBar = DYNAMIC_DOWNCAST(CBCGPDockingControlBar, m_wndTabs.GetTabWnd((int)wParam));
    return pBar != NULL && lParam != 0 && pBar->TearOffTab(*(const POINT*)lParam);
}
