// The panes' own context menu: where a right-click opens it, its items checked and enabled as
// the pane stands (docked, floating, auto-hidden, a tab), and what each command does.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPDockingControlBar.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMiniFrameWnd.h"
#include "CBCGPPopupMenu.h"
#include "CBCGPTabbedControlBar.h"
#include "DockFrameTest.rh"
#include "bcgres.h"
#include "support/MenuText.h"
#include "support/MessageRecorder.h"

#include <string>
#include <vector>

namespace {

// Notes each menu as its owner sets it up, and keeps it from showing.
class CMenuFrame : public CBCGPMDIFrameWnd
{
public:
    std::vector<std::string> m_menus;
    std::vector<CWnd*> m_owners;
    BOOL OnShowPopupMenu(CBCGPPopupMenu* pPopup) override
    {
        pPopup->GetParentWnd()->SendMessage(WM_INITMENUPOPUP, (WPARAM)pPopup->GetHMenu(), 0);
        m_menus.push_back(MenuItemStates(pPopup->GetHMenu()));
        m_owners.push_back(pPopup->GetParentWnd());
        return FALSE;
    }
};

struct BarMenu : ::testing::Test
{
    CWinApp m_app{"KwBarMenuTests"};
    CMenuFrame* m_pFrame = nullptr;
    CBCGPDockingControlBar m_left, m_tab, m_bottom, m_fixed;

    void SetUp() override
    {
        m_pFrame = new CMenuFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_DOCK_MAIN));
        m_app.m_pMainWnd = m_pFrame;
        m_pFrame->SetWindowPos(NULL, 0, 0, 800, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->EnableAutoHideBars(CBRS_ALIGN_LEFT | CBRS_ALIGN_BOTTOM);
        struct { CBCGPDockingControlBar* pBar; const char* pszName; DWORD dwSide; DWORD dwStyle; } bars[] = {
            {&m_left, "Project", CBRS_LEFT, CBRS_BCGP_FLOAT | CBRS_BCGP_AUTOHIDE | CBRS_BCGP_CLOSE},
            {&m_tab, "Classes", CBRS_LEFT, CBRS_BCGP_FLOAT | CBRS_BCGP_AUTOHIDE | CBRS_BCGP_CLOSE},
            {&m_bottom, "Output", CBRS_BOTTOM, CBRS_BCGP_FLOAT | CBRS_BCGP_AUTOHIDE | CBRS_BCGP_CLOSE},
            {&m_fixed, "Toolbox", CBRS_RIGHT, 0}};
        for (auto& bar : bars)
        {
            ASSERT_TRUE(bar.pBar->Create(bar.pszName, m_pFrame, CRect(0, 0, 150, 120), TRUE, 0,
                WS_CHILD | WS_VISIBLE | bar.dwSide, CBRS_BCGP_REGULAR_TABS, bar.dwStyle));
            bar.pBar->EnableDocking(CBRS_ALIGN_ANY);
            m_pFrame->DockControlBar(bar.pBar);
        }
        m_pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
        m_app.m_pMainWnd = NULL;
        MSG msg;
        ::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    // A right-click at the screen point on pSource, as it reaches pTarget.
    void RightClick(CWnd* pTarget, CWnd* pSource, CPoint point)
    {
        pTarget->SendMessage(WM_CONTEXTMENU, (WPARAM)pSource->m_hWnd, MAKELPARAM(point.x, point.y));
    }
    CPoint Caption(CWnd* pBar)
    {
        CRect rect;
        pBar->GetWindowRect(&rect);
        return rect.TopLeft() + CPoint(20, 8);
    }
};

TEST_F(BarMenu, ItemsFollowThePanesPlace)
{
    // Docked; then with no floating, auto-hide or close allowed; the client area opens nothing.
    RightClick(&m_bottom, &m_bottom, Caption(&m_bottom));
    RightClick(&m_fixed, &m_fixed, Caption(&m_fixed));
    CRect rect;
    m_bottom.GetWindowRect(&rect);
    RightClick(&m_bottom, &m_bottom, rect.CenterPoint());
    // Floating: back to its edge by Docking; auto-hide only when docked.
    m_bottom.FloatControlBar(CRect(100, 100, 300, 250));
    RightClick(m_bottom.GetParentMiniFrame(), m_bottom.GetParentMiniFrame(), CPoint(150, 108)); // its caption
    RightClick(m_bottom.GetParentMiniFrame(), m_bottom.GetParentMiniFrame(), CPoint(150, 200)); // its client: nothing
    RightClick(&m_bottom, &m_bottom, CPoint(-1, -1)); // from the keyboard
    m_bottom.SendMessage(WM_COMMAND, ID_BCGP_BAR_DOCKING);
    EXPECT_FALSE(m_bottom.IsFloating());
    // Auto-hidden: Auto Hide checked, Docking pins it again.
    m_bottom.SendMessage(WM_COMMAND, ID_BCGP_BAR_AUTOHIDE);
    EXPECT_TRUE(m_bottom.IsAutoHideMode());
    m_bottom.ShowControlBar(TRUE, FALSE, FALSE);
    RightClick(&m_bottom, &m_bottom, Caption(&m_bottom));
    m_bottom.SendMessage(WM_COMMAND, ID_BCGP_BAR_DOCKING);
    EXPECT_FALSE(m_bottom.IsAutoHideMode());
    // The keyboard on a docked pane: below its caption.
    RightClick(&m_left, &m_left, CPoint(-1, -1));
    EXPECT_EQ(std::vector<std::string>({"Floating;Docking v;Auto Hide;Hide;",
                  "Floating (grey);Docking v;Auto Hide (grey);Hide (grey);", "Floating v;Docking;Auto Hide (grey);Hide;", "Floating v;Docking;Auto Hide (grey);Hide;",
                  "Floating;Docking;Auto Hide v;Hide;", "Floating;Docking v;Auto Hide;Hide;"}),
        m_pFrame->m_menus);
    EXPECT_EQ(std::vector<CWnd*>({&m_bottom, &m_fixed, &m_bottom, &m_bottom, &m_bottom, &m_left}), m_pFrame->m_owners);
}

TEST_F(BarMenu, ATabsMenuFloatsTheTabAndHidesOrAutoHidesItsContainer)
{
    CBCGPTabbedControlBar* pTabs = DYNAMIC_DOWNCAST(CBCGPTabbedControlBar, m_tab.AttachToTabWnd(&m_left, DM_STANDARD));
    ASSERT_NE(nullptr, pTabs);
    CBCGPTabWnd* pTabWnd = pTabs->GetUnderlyingWindow();
    CRect rectTab;
    pTabWnd->GetTabRect(0, rectTab);
    pTabWnd->ClientToScreen(&rectTab);
    RightClick(pTabs, pTabWnd, rectTab.CenterPoint());
    // The container's caption: its own menu.
    RightClick(pTabs, pTabs, Caption(pTabs));
    EXPECT_EQ(std::vector<CWnd*>({&m_left, pTabs}), m_pFrame->m_owners);
    EXPECT_EQ(std::vector<std::string>({"Floating;Docking v;Auto Hide;Hide;", "Floating;Docking v;Auto Hide;Hide;"}),
        m_pFrame->m_menus);
    m_left.SendMessage(WM_COMMAND, ID_BCGP_BAR_AUTOHIDE);
    EXPECT_TRUE(pTabs->IsAutoHideMode());
    m_left.SendMessage(WM_COMMAND, ID_BCGP_BAR_AUTOHIDE);
    EXPECT_FALSE(pTabs->IsAutoHideMode());
    m_left.SendMessage(WM_COMMAND, ID_BCGP_BAR_HIDE);
    EXPECT_FALSE(pTabs->IsWindowVisible());
    // Shown again by its tab: the container comes back with that tab in front.
    m_left.ShowControlBar(TRUE, FALSE, FALSE);
    EXPECT_TRUE(pTabs->IsWindowVisible());
    EXPECT_EQ(&m_left, pTabWnd->GetActiveWnd());
    m_left.SendMessage(WM_COMMAND, ID_BCGP_BAR_FLOATING); // the container dissolves
    EXPECT_TRUE(m_left.IsFloating());
    EXPECT_FALSE(m_tab.IsTabbed());
}

} // namespace
