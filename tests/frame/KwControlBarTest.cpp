// Toolkit control bars over the docking library: the operations the toolkit asks of it for each
// state, command and context menu, compared whole; the floating rules with undocking off; the
// hosted child.
#include "KwBarsHost.h"

#include "frame/KwDockingManager.h"
#include "res/resource.h"

#include <CBCGPDockManager.h>
#include <CBCGPTabWnd.h>
#include <support/MenuText.h>
#include <support/MessageRecorder.h>

namespace {

void Command(CWnd* pWnd, UINT nID)
{
    pWnd->SendMessage(WM_COMMAND, nID);
}

TEST_F(KwBars, StatesMapOntoTheLibrarysOperations)
{
    // Auto-hidden and not shown: collapsed to its button at once.
    m_output.SetState(1);
    EXPECT_EQ(Calls({"Output.SetAutoHideMode(1,bottom,NULL,1)", "Output.Slide(0,0)"}), LibraryLog::Take());
    EXPECT_EQ(1, m_output.GetState());
    EXPECT_FALSE(m_output.IsWindowVisible());
    // Already auto-hidden, shown: slid in, not switched again.
    m_output.SetState(3);
    EXPECT_EQ(Calls({"Output.ShowControlBar(1,0,1)"}), LibraryLog::Take());
    EXPECT_EQ(7, m_output.GetState());
    // Pinned and shown.
    m_output.SetState(2);
    EXPECT_EQ(Calls({"Output.SetAutoHideMode(0,bottom,NULL,1)", "Output.ShowControlBar(1,0,1)"}), LibraryLog::Take());
    EXPECT_EQ(6, m_output.GetState());
    // On top alone is not shown: hidden.
    m_output.SetState(4);
    EXPECT_EQ(Calls({"Output.ShowControlBar(0,0,0)"}), LibraryLog::Take());
    EXPECT_EQ(0, m_output.GetState());
    // Hiding an auto-hidden bar that is slid in slides it out with the timer; one slid out already
    // is left alone.
    m_output.SetState(3);
    LibraryLog::Take();
    m_output.ShowControlBar(FALSE);
    for (DWORD dwStart = ::GetTickCount(); m_output.IsWindowVisible() && ::GetTickCount() - dwStart < 5000;)
        PumpMessages(10);
    m_output.ShowControlBar(FALSE);
    EXPECT_EQ(Calls({"Output.Slide(0,1)"}), LibraryLog::Take());
}

TEST_F(KwBars, ABackgroundTabShownStaysBehindAndTabsAutoHideWithTheirContainer)
{
    CRecordingTabbed* pTabs = MakeTabs();
    ASSERT_NE(nullptr, pTabs);
    CBCGPTabWnd* pTabWnd = pTabs->GetUnderlyingWindow();
    ASSERT_EQ(&m_classes, pTabWnd->GetActiveWnd());
    EXPECT_EQ(2, m_project.GetState());
    EXPECT_EQ(6, m_classes.GetState());
    EXPECT_EQ(2, m_project.GetSiblingCount());
    EXPECT_EQ(1, m_output.GetSiblingCount());
    // The container hidden, then the background tab shown but not on top: the container shows,
    // the other tab stays in front.
    pTabs->ShowControlBar(FALSE, FALSE, FALSE);
    EXPECT_EQ(0, m_project.GetState());
    LibraryLog::Take();
    m_project.SetState(2);
    EXPECT_EQ(Calls({"Project.ShowControlBar(1,0,1)", "Tabs.SetActiveTab(1)"}), LibraryLog::Take());
    EXPECT_EQ(2, m_project.GetState());
    EXPECT_EQ(6, m_classes.GetState());
    EXPECT_EQ(&m_classes, pTabWnd->GetActiveWnd());
    // Toggling: a background tab comes to the front; the front one stays.
    m_classes.ToggleControlBar();
    EXPECT_EQ(Calls(), LibraryLog::Take());
    m_project.ToggleControlBar();
    EXPECT_EQ(Calls({"Project.ShowControlBar(1,0,1)"}), LibraryLog::Take());
    EXPECT_EQ(&m_project, pTabWnd->GetActiveWnd());
    // Auto-hide is the container's.
    m_project.SetState(1);
    EXPECT_EQ(Calls({"Tabs.SetAutoHideMode(1,left,NULL,1)", "Tabs.Slide(0,0)"}), LibraryLog::Take());
    EXPECT_EQ(1, m_classes.GetState() & 1);
    EXPECT_FALSE(pTabs->IsWindowVisible());
}

TEST_F(KwBars, ToggleShowsAndHidesALoneBar)
{
    m_properties.ToggleControlBar();
    m_properties.ToggleControlBar();
    EXPECT_EQ(Calls({"Properties.ShowControlBar(0,0,0)", "Properties.ShowControlBar(1,0,1)"}), LibraryLog::Take());
    EXPECT_EQ(6, m_properties.GetState());
}

TEST_F(KwBars, TheContextMenuIsTheLibrarysUnlessUndockingIsOff)
{
    CRecordingTabbed* pTabs = MakeTabs();
    ASSERT_NE(nullptr, pTabs);
    CRect rectTab;
    pTabs->GetUnderlyingWindow()->GetTabRect(0, rectTab);
    pTabs->GetUnderlyingWindow()->ClientToScreen(&rectTab);
    CPoint ptTab = rectTab.CenterPoint();
    // Undocking on: the library's menu on the caption, and on a tab for that tab's pane.
    RightClick(&m_output, &m_output, CaptionPoint(&m_output));
    RightClick(pTabs, pTabs->GetUnderlyingWindow(), ptTab);
    // Off: the bar's own, and the container's own from its tabs; nothing from inside a tab's
    // pane, though the request reaches the container as one from its tab window.
    CKwDockingManager::EnableUndocking(FALSE);
    RightClick(&m_output, &m_output, CaptionPoint(&m_output));
    RightClick(pTabs, pTabs->GetUnderlyingWindow(), ptTab);
    RightClick(&m_classes, &m_classes, Middle(&m_classes));
    // From the keyboard: near the bar's top left corner.
    RightClick(&m_properties, &m_properties, CPoint(-1, -1));
    EXPECT_EQ(std::vector<std::string>({"Floating;Docking v;Auto Hide;Hide;", "Floating;Docking v;Auto Hide;Hide;",
                  "Auto Hide;-;Hide;Float;", "Auto Hide;-;Hide;Float;", "Auto Hide;-;Hide;Float;"}),
        m_pFrame->m_menus);
    EXPECT_EQ(std::vector<CWnd*>({&m_output, &m_project, &m_output, pTabs, &m_properties}), m_pFrame->m_owners);
    // A child's menu passes through its bar: the bar adds its commands only where it shows them.
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    m_project.CKwWindow_OnExtendContextMenu(menu);
    EXPECT_EQ("", MenuItemStates(menu.m_hMenu));
    m_properties.CKwWindow_OnExtendContextMenu(menu);
    EXPECT_EQ("Auto Hide;-;Hide;Float;", MenuItemStates(menu.m_hMenu));
    // An auto-hidden bar can neither float nor auto-hide without its slider... it has one: checked.
    m_pFrame->m_menus.clear();
    m_output.SetAutoHideMode(TRUE);
    m_output.ShowControlBar(TRUE);
    RightClick(&m_output, &m_output, CaptionPoint(&m_output));
    CKwDockingManager::EnableUndocking(TRUE);
    RightClick(&m_output, &m_output, CaptionPoint(&m_output));
    EXPECT_EQ(std::vector<std::string>({"Auto Hide v;-;Hide;Float (grey);", "Floating;Docking;Auto Hide v;Hide;"}),
        m_pFrame->m_menus);
}

TEST_F(KwBars, CommandsOfTheBarAndOfItsContainer)
{
    CKwDockingManager::EnableUndocking(FALSE);
    Command(&m_output, ID_KW_BAR_AUTO_HIDE);
    Command(&m_output, ID_KW_BAR_AUTO_HIDE);
    Command(&m_output, ID_KW_BAR_HIDE);
    EXPECT_EQ(Calls({"Output.SetAutoHideMode(1,bottom,NULL,1)", "Output.SetAutoHideMode(0,bottom,NULL,1)",
                  "Output.OnPressCloseButton()"}),
        LibraryLog::Take());
    EXPECT_FALSE(m_output.IsWindowVisible());
    // Float works with undocking off, where dragging would not; the library is told it may.
    EXPECT_FALSE(m_properties.CanFloat());
    Command(&m_properties, ID_KW_BAR_FLOAT);
    EXPECT_EQ(Calls({"Properties.FloatControlBar(recent,2,1)"}), LibraryLog::Take());
    EXPECT_TRUE(m_properties.IsFloating());
    EXPECT_TRUE(m_properties.m_bCanFloatWhileFloating);
    EXPECT_FALSE(m_properties.CanFloat());
    // The container: auto-hide and hide act on it, float takes the tab in front out.
    CRecordingTabbed* pTabs = MakeTabs();
    ASSERT_NE(nullptr, pTabs);
    Command(pTabs, ID_KW_BAR_AUTO_HIDE);
    Command(pTabs, ID_KW_BAR_AUTO_HIDE);
    Command(pTabs, ID_KW_BAR_HIDE);
    EXPECT_EQ(Calls({"Tabs.SetAutoHideMode(1,left,NULL,1)", "Tabs.SetAutoHideMode(0,left,NULL,1)",
                  "Tabs.OnPressCloseButton()"}),
        LibraryLog::Take());
    EXPECT_FALSE(pTabs->IsWindowVisible());
    pTabs->ShowControlBar(TRUE, FALSE, FALSE);
    LibraryLog::Take();
    Command(pTabs, ID_KW_BAR_FLOAT); // the container goes: one tab is left
    EXPECT_EQ(Calls({"Tabs.FloatTab(Classes,1,0,0)"}), LibraryLog::Take());
    EXPECT_TRUE(m_classes.IsFloating());
    EXPECT_FALSE(m_project.IsTabbed());
    EXPECT_FALSE(m_classes.CanFloat());
}

TEST_F(KwBars, UndockingOffKeepsBarsInPlaceExceptForALayoutBeingRestored)
{
    EXPECT_TRUE(m_output.CanFloat());
    CKwDockingManager::EnableUndocking(FALSE);
    EXPECT_FALSE(m_output.CanFloat());
    // A double-click on the caption asks, and gets no.
    CPoint point = CaptionPoint(&m_output);
    m_output.SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(point.x, point.y));
    EXPECT_FALSE(m_output.IsFloating());
    CBCGPDockManager::m_bRestoringDockState = TRUE;
    EXPECT_TRUE(m_output.CanFloat());
    CBCGPDockManager::m_bRestoringDockState = FALSE;
    // The container follows the same rules.
    CRecordingTabbed* pTabs = MakeTabs();
    ASSERT_NE(nullptr, pTabs);
    EXPECT_FALSE(pTabs->CanFloat());
    CBCGPDockManager::m_bRestoringDockState = TRUE;
    EXPECT_TRUE(pTabs->CanFloat());
    CBCGPDockManager::m_bRestoringDockState = FALSE;
}

TEST_F(KwBars, TheChildFillsTheBarInsideAOnePixelBorderAndTakesTheFocus)
{
    CRect rectBar, rectChild;
    m_output.GetClientRect(&rectBar);
    m_lists[2].GetWindowRect(&rectChild);
    m_output.ScreenToClient(&rectChild);
    EXPECT_EQ(CRect(1, 1, rectBar.right - 1, rectBar.bottom - 1), rectChild);
    // Still after the frame grows.
    m_pFrame->SetWindowPos(NULL, 0, 0, 900, 650, SWP_NOZORDER | SWP_NOMOVE);
    m_output.GetClientRect(&rectBar);
    m_lists[2].GetWindowRect(&rectChild);
    m_output.ScreenToClient(&rectChild);
    EXPECT_EQ(CRect(1, 1, rectBar.right - 1, rectBar.bottom - 1), rectChild);
    m_output.SetFocus();
    EXPECT_EQ(m_lists[2].m_hWnd, ::GetFocus());
    // Enter reaches the control with the focus at once, where a dialog would take it; other keys
    // take the usual way.
    MessageRecorder recorder;
    recorder.Watch(m_lists[2].m_hWnd, "list");
    MSG msg = {m_lists[2].m_hWnd, WM_KEYDOWN, VK_RETURN, 0};
    EXPECT_TRUE(m_output.PreTranslateMessage(&msg));
    msg.wParam = VK_DOWN;
    EXPECT_FALSE(m_output.PreTranslateMessage(&msg));
    EXPECT_TRUE(recorder.Matches({{"list", WM_KEYDOWN, msgSent | msgWParam, VK_RETURN}}));
}

} // namespace
