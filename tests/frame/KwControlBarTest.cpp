// Toolkit control bars and status bar over the docking library: the library operations the
// toolkit asks for in each state, command and context menu, compared whole; the library's own
// pane menu; the floating rules with undocking off; the hosted child; windows over status panes.
#include "MDIFrameTest.rh"

#include "frame/KwControlBar.h"
#include "frame/KwDockingManager.h"
#include "frame/KwStatusBar.h"
#include "frame/KwTabbedControlBar.h"
#include "res/resource.h"

#include <CBCGPDockManager.h>
#include <CBCGPMDIFrameWnd.h>
#include <CBCGPMiniFrameWnd.h>
#include <CBCGPPopupMenu.h>
#include <CBCGPTabWnd.h>
#include <bcgres.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <support/MenuText.h>
#include <support/MessageRecorder.h>

#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::string> Calls;

// The library operations the toolkit called, in order; what the library does inside one of them
// (a tab's container shown with it, say) is left out.
Calls s_calls;
int s_nDepth = 0;
struct LibraryCall
{
    explicit LibraryCall(const std::string& call) { s_nDepth++ == 0 ? s_calls.push_back(call) : void(); }
    ~LibraryCall() { s_nDepth--; }
};
Calls Take()
{
    return std::exchange(s_calls, Calls());
}

std::string Args(std::initializer_list<std::string> args)
{
    std::string text;
    for (const std::string& arg : args)
        text += (text.empty() ? "" : ",") + arg;
    return "(" + text + ")";
}
std::string Edge(DWORD dwAlignment)
{
    return dwAlignment == CBRS_ALIGN_LEFT ? "left" : dwAlignment == CBRS_ALIGN_BOTTOM ? "bottom" : std::to_string(dwAlignment);
}
using std::to_string;

// A bar (or container) that notes the library operations called on it, under its name.
template <class Base> class CRecording : public Base
{
public:
    std::string m_name = "Tabs";
    BOOL m_bCanFloatWhileFloating = FALSE; // what CanFloat answered inside FloatControlBar

    using Base::SetAutoHideMode;
    using Base::ShowControlBar;
    CBCGPAutoHideToolBar* SetAutoHideMode(BOOL bMode, DWORD dwAlign, CBCGPAutoHideToolBar* pBar, BOOL bTimer) override
    {
        LibraryCall call(m_name + ".SetAutoHideMode" + Args({to_string(bMode), Edge(dwAlign), pBar ? "strip" : "NULL", to_string(bTimer)}));
        return Base::SetAutoHideMode(bMode, dwAlign, pBar, bTimer);
    }
    void ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate) override
    {
        LibraryCall call(m_name + ".ShowControlBar" + Args({to_string(bShow), to_string(bDelay), to_string(bActivate)}));
        Base::ShowControlBar(bShow, bDelay, bActivate);
    }
    void Slide(BOOL bSlideOut, BOOL bUseTimer) override
    {
        LibraryCall call(m_name + ".Slide" + Args({to_string(bSlideOut), to_string(bUseTimer)}));
        Base::Slide(bSlideOut, bUseTimer);
    }
    BOOL FloatControlBar(CRect rect, BCGP_DOCK_METHOD method, bool bShow) override
    {
        bool bRecent = rect == this->m_recentDockInfo.m_rectRecentFloatingRect;
        LibraryCall call(m_name + ".FloatControlBar" + Args({bRecent ? "recent" : "other", to_string(method), to_string(bShow)}));
        m_bCanFloatWhileFloating = this->CanFloat();
        return Base::FloatControlBar(rect, method, bShow);
    }
    void OnPressCloseButton() override
    {
        LibraryCall call(m_name + ".OnPressCloseButton()");
        Base::OnPressCloseButton();
    }
};
typedef CRecording<CKwControlBar> CRecordingBar;

} // namespace

// The container the library makes of the bars; it also notes the tab the toolkit brings forward.
class CRecordingTabbed : public CRecording<CKwTabbedControlBar>
{
    DECLARE_DYNCREATE(CRecordingTabbed)
public:
    BOOL FloatTab(CWnd* pBar, int nTabID, BCGP_DOCK_METHOD method, BOOL bHide) override
    {
        CRecordingBar* pRecording = dynamic_cast<CRecordingBar*>(pBar);
        LibraryCall call("Tabs.FloatTab" + Args({pRecording ? pRecording->m_name : "?", to_string(nTabID), to_string(method), to_string(bHide)}));
        return CKwTabbedControlBar::FloatTab(pBar, nTabID, method, bHide);
    }
    afx_msg LRESULT OnActiveTab(WPARAM wParam, LPARAM lParam)
    {
        LibraryCall call("Tabs.SetActiveTab(" + to_string(wParam) + ")");
        return OnChangeActiveTab(wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRecordingTabbed, CKwTabbedControlBar)
BEGIN_MESSAGE_MAP(CRecordingTabbed, CKwTabbedControlBar)
    ON_REGISTERED_MESSAGE(BCGM_CHANGE_ACTIVE_TAB, &CRecordingTabbed::OnActiveTab)
END_MESSAGE_MAP()

namespace {

// Notes each popup menu of the library that opens, with its items as its owner sets them up, and
// keeps it from showing.
class CMenuCatchingFrame : public CBCGPMDIFrameWnd
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

// A main frame with four bars, each hosting a list, and a status bar.
struct KwBars : ::testing::Test
{
    CWinApp m_app{"KwBarsTests"};
    CMenuCatchingFrame* m_pFrame = nullptr;
    CKwStatusBar m_status;
    CRecordingBar m_project, m_classes, m_output, m_properties;
    CListBox m_lists[4];

    void SetUp() override
    {
        CKwDockingManager::EnableUndocking(TRUE);
        m_pFrame = new CMenuCatchingFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_KW_VIEWER));
        m_app.m_pMainWnd = m_pFrame;
        m_pFrame->SetWindowPos(NULL, 0, 0, 800, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->EnableAutoHideBars(CBRS_ALIGN_ANY);
        static const UINT s_indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
        ASSERT_TRUE(m_status.Create(m_pFrame));
        m_status.SetIndicators(s_indicators, 3);
        CRecordingBar* bars[] = {&m_project, &m_classes, &m_output, &m_properties};
        const char* names[] = {"Project", "Classes", "Output", "Properties"};
        DWORD sides[] = {CBRS_LEFT, CBRS_LEFT, CBRS_BOTTOM, CBRS_RIGHT};
        for (int i = 0; i < 4; i++)
        {
            bars[i]->m_name = names[i];
            ASSERT_TRUE(bars[i]->Create(names[i], m_pFrame, CRect(0, 0, 150, 120), TRUE, 0, WS_CHILD | WS_VISIBLE | sides[i]));
            bars[i]->EnableDocking(CBRS_ALIGN_ANY);
            m_pFrame->DockControlBar(bars[i]);
            ASSERT_TRUE(m_lists[i].Create(WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 10, 10), bars[i], 1));
            bars[i]->SetChild(&m_lists[i]);
        }
        m_pFrame->RecalcLayout();
        PumpMessages(0);
        Take();
    }
    void TearDown() override
    {
        CKwDockingManager::EnableUndocking(TRUE);
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow(); // deletes it, and the mini frames of floating bars
        m_app.m_pMainWnd = NULL;
        // The main frame's end posted a quit; it would end the next test's modal loops at once.
        MSG msg;
        ::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    // Classes docked onto Project: a container of two tabs, Classes in front.
    CRecordingTabbed* MakeTabs()
    {
        CBCGPDockingControlBar::m_pTabbedControlBarRTC = RUNTIME_CLASS(CRecordingTabbed);
        CRecordingTabbed* pTabs = dynamic_cast<CRecordingTabbed*>(m_classes.AttachToTabWnd(&m_project, DM_STANDARD, TRUE));
        Take();
        return pTabs;
    }
    // A right-click on pSource at the screen point, as its context menu request reaches pTarget.
    static void RightClick(CWnd* pTarget, CWnd* pSource, CPoint point)
    {
        pTarget->SendMessage(WM_CONTEXTMENU, (WPARAM)pSource->m_hWnd, MAKELPARAM(point.x, point.y));
    }
    static CPoint CaptionPoint(CWnd* pBar) { return Rect(pBar).TopLeft() + CPoint(30, 8); }
    static CRect Rect(CWnd* pWnd, CWnd* pIn = NULL)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        if (pIn != NULL)
            pIn->ScreenToClient(&rect);
        return rect;
    }
};

void Command(CWnd* pWnd, UINT nID)
{
    pWnd->SendMessage(WM_COMMAND, nID);
}

// SetState on the bar: the library operations it called, then the state the bar answers.
Calls SetState(CKwControlBar& bar, int nState)
{
    bar.SetState(nState);
    Calls calls = Take();
    calls.push_back("state " + to_string(bar.GetState()));
    return calls;
}

TEST_F(KwBars, StatesMapOntoTheLibrarysOperations)
{
    // Auto-hidden and not shown: collapsed at once; then slid in, without switching again.
    EXPECT_EQ(Calls({"Output.SetAutoHideMode(1,bottom,NULL,1)", "Output.Slide(0,0)", "state 1"}), SetState(m_output, 1));
    EXPECT_EQ(Calls({"Output.ShowControlBar(1,0,1)", "state 7"}), SetState(m_output, 3));
    EXPECT_EQ(Calls({"Output.SetAutoHideMode(0,bottom,NULL,1)", "Output.ShowControlBar(1,0,1)", "state 6"}), SetState(m_output, 2));
    EXPECT_EQ(Calls({"Output.ShowControlBar(0,0,0)", "state 0"}), SetState(m_output, 4)); // on top alone is hidden
    // Hiding an auto-hidden bar slid in slides it out with the timer; once out it is left alone.
    SetState(m_output, 3);
    m_output.ShowControlBar(FALSE);
    for (DWORD dwStart = ::GetTickCount(); m_output.IsWindowVisible() && ::GetTickCount() - dwStart < 5000;)
        PumpMessages(10);
    m_output.ShowControlBar(FALSE);
    // Toggling a lone bar hides and shows it.
    m_properties.ToggleControlBar();
    m_properties.ToggleControlBar();
    EXPECT_EQ(Calls({"Output.Slide(0,1)", "Properties.ShowControlBar(0,0,0)", "Properties.ShowControlBar(1,0,1)"}), Take());
}

TEST_F(KwBars, ABackgroundTabShownStaysBehindAndTabsAutoHideWithTheirContainer)
{
    CRecordingTabbed* pTabs = MakeTabs();
    ASSERT_NE(nullptr, pTabs);
    CBCGPTabWnd* pTabWnd = pTabs->GetUnderlyingWindow();
    EXPECT_EQ(2, m_project.GetSiblingCount() + m_output.GetSiblingCount() - 1);
    // The container hidden, then the background tab shown but not on top: the container shows,
    // the other tab stays in front.
    pTabs->ShowControlBar(FALSE, FALSE, FALSE);
    EXPECT_EQ(0, m_project.GetState());
    Take();
    EXPECT_EQ(Calls({"Project.ShowControlBar(1,0,1)", "Tabs.SetActiveTab(1)", "state 2"}), SetState(m_project, 2));
    EXPECT_EQ(6, m_classes.GetState());
    // Toggling: a background tab comes to the front; the front one stays.
    m_classes.ToggleControlBar();
    m_project.ToggleControlBar();
    EXPECT_EQ(Calls({"Project.ShowControlBar(1,0,1)"}), Take());
    EXPECT_EQ(&m_project, pTabWnd->GetActiveWnd());
    // Auto-hide is the container's; the front tab stays on top in it.
    EXPECT_EQ(Calls({"Tabs.SetAutoHideMode(1,left,NULL,1)", "Tabs.Slide(0,0)", "state 5"}), SetState(m_project, 1));
    EXPECT_EQ(1, m_classes.GetState());
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
    RightClick(&m_classes, &m_classes, Rect(&m_classes).CenterPoint());
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

TEST_F(KwBars, UndockingOffKeepsBarsInPlaceButForTheFloatCommandAndALayoutRestore)
{
    EXPECT_TRUE(m_output.CanFloat());
    CKwDockingManager::EnableUndocking(FALSE);
    CPoint point = CaptionPoint(&m_output); // a double-click on the caption asks, and gets no
    m_output.SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(point.x, point.y));
    EXPECT_FALSE(m_output.IsFloating());
    CBCGPDockManager::m_bRestoringDockState = TRUE;
    EXPECT_TRUE(m_output.CanFloat());
    CBCGPDockManager::m_bRestoringDockState = FALSE;
    Command(&m_output, ID_KW_BAR_AUTO_HIDE);
    Command(&m_output, ID_KW_BAR_AUTO_HIDE);
    Command(&m_output, ID_KW_BAR_HIDE);
    EXPECT_EQ(Calls({"Output.SetAutoHideMode(1,bottom,NULL,1)", "Output.SetAutoHideMode(0,bottom,NULL,1)",
                  "Output.OnPressCloseButton()"}),
        Take());
    EXPECT_FALSE(m_output.IsWindowVisible());
    // Float works with undocking off, where dragging would not; the library is told it may.
    Command(&m_properties, ID_KW_BAR_FLOAT);
    EXPECT_EQ(Calls({"Properties.FloatControlBar(recent,2,1)"}), Take());
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
        Take());
    EXPECT_FALSE(pTabs->IsWindowVisible() || pTabs->CanFloat());
    CBCGPDockManager::m_bRestoringDockState = TRUE;
    EXPECT_TRUE(pTabs->CanFloat());
    CBCGPDockManager::m_bRestoringDockState = FALSE;
    pTabs->ShowControlBar(TRUE, FALSE, FALSE);
    Take();
    Command(pTabs, ID_KW_BAR_FLOAT); // the container goes: one tab is left
    EXPECT_EQ(Calls({"Tabs.FloatTab(Classes,1,0,0)"}), Take());
    EXPECT_TRUE(m_classes.IsFloating());
    EXPECT_FALSE(m_project.IsTabbed());
    EXPECT_FALSE(m_classes.CanFloat());
}

TEST_F(KwBars, TheChildFillsTheBarInsideAOnePixelBorderAndTakesTheFocus)
{
    CRect rectBar;
    for (int cx : {800, 900}) // and after the frame grows
    {
        m_pFrame->SetWindowPos(NULL, 0, 0, cx, 650, SWP_NOZORDER | SWP_NOMOVE);
        m_output.GetClientRect(&rectBar);
        EXPECT_EQ(CRect(1, 1, rectBar.right - 1, rectBar.bottom - 1), Rect(&m_lists[2], &m_output));
    }
    m_output.SetFocus();
    EXPECT_EQ(m_lists[2].m_hWnd, ::GetFocus());
    // Enter reaches the control with the focus at once, where a dialog would take it; other keys
    // take the usual way.
    MessageRecorder recorder;
    recorder.Watch(m_lists[2].m_hWnd, "list");
    MSG msg = {};
    msg.hwnd = m_lists[2].m_hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_RETURN;
    EXPECT_TRUE(m_output.PreTranslateMessage(&msg));
    msg.wParam = VK_DOWN;
    EXPECT_FALSE(m_output.PreTranslateMessage(&msg));
    EXPECT_TRUE(recorder.Matches({{"list", WM_KEYDOWN, msgSent | msgWParam, VK_RETURN}}));
}

TEST_F(KwBars, TheLibrarysPaneMenuFollowsThePanesPlaceAndActsOnTheContainerOfATab)
{
    // Floating (opened on its mini frame's caption, not its client) and docked back; auto-hidden
    // and pinned again; from the keyboard below the caption.
    m_output.FloatControlBar(CRect(100, 100, 300, 250), DM_UNKNOWN, true);
    CWnd* pMini = (CWnd*)m_output.GetParentMiniFrame();
    RightClick(pMini, pMini, CPoint(150, 108));
    RightClick(pMini, pMini, CPoint(150, 200));
    Command(&m_output, ID_BCGP_BAR_DOCKING);
    EXPECT_FALSE(m_output.IsFloating());
    Command(&m_output, ID_BCGP_BAR_AUTOHIDE);
    m_output.ShowControlBar(TRUE);
    RightClick(&m_output, &m_output, Rect(&m_output).CenterPoint()); // the client area opens nothing
    RightClick(&m_output, &m_output, CPoint(-1, -1));
    Command(&m_output, ID_BCGP_BAR_DOCKING);
    EXPECT_FALSE(m_output.IsAutoHideMode());
    EXPECT_EQ(std::vector<std::string>({"Floating v;Docking;Auto Hide (grey);Hide;", "Floating;Docking;Auto Hide v;Hide;"}),
        m_pFrame->m_menus);
    // A tab's menu: auto-hide and hide act on its container, which shows again with that tab.
    CRecordingTabbed* pTabs = MakeTabs();
    ASSERT_NE(nullptr, pTabs);
    Command(&m_project, ID_BCGP_BAR_AUTOHIDE);
    EXPECT_TRUE(pTabs->IsAutoHideMode());
    Command(&m_project, ID_BCGP_BAR_AUTOHIDE);
    Command(&m_project, ID_BCGP_BAR_HIDE);
    EXPECT_FALSE(pTabs->IsWindowVisible());
    m_project.ShowControlBar(TRUE, FALSE, FALSE);
    EXPECT_EQ(&m_project, pTabs->GetUnderlyingWindow()->GetActiveWnd());
    EXPECT_EQ(Calls({"Tabs.SetAutoHideMode(1,left,NULL,1)", "Tabs.SetAutoHideMode(0,left,NULL,1)",
                  "Tabs.OnPressCloseButton()", "Project.ShowControlBar(1,0,0)"}),
        Take());
    Command(&m_project, ID_BCGP_BAR_FLOATING); // the container dissolves
    EXPECT_TRUE(m_project.IsFloating());
    EXPECT_FALSE(m_classes.IsTabbed());
    // A pane that may neither float, auto-hide nor close.
    CBCGPDockingControlBar fixed;
    ASSERT_TRUE(fixed.Create("Toolbox", m_pFrame, CRect(0, 0, 100, 100), TRUE, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP,
        CBRS_BCGP_REGULAR_TABS, 0));
    m_pFrame->DockControlBar(&fixed, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->m_menus.clear();
    RightClick(&fixed, &fixed, CaptionPoint(&fixed));
    EXPECT_EQ(std::vector<std::string>({"Floating (grey);Docking v;Auto Hide (grey);Hide (grey);"}), m_pFrame->m_menus);
}

TEST_F(KwBars, StatusBarWindowsFollowTheirPanesUntilTheyGo)
{
    CWnd progress, label, other;
    CWnd* pGone = new CWnd;
    ASSERT_TRUE(progress.Create(PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &m_status, 1));
    // A window of the frame, not of the bar: placed in its own parent's coordinates.
    ASSERT_TRUE(label.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), m_pFrame, 2));
    ASSERT_TRUE(pGone->Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &m_status, 3));
    auto pane = [this](UINT nID) {
        CRect rect;
        m_status.GetItemRect(m_status.CommandToIndex(nID), &rect);
        rect.DeflateRect(1, 1);
        return rect;
    };
    m_status.AssignWndToPane(&progress, ID_INDICATOR_NUM);
    m_status.AssignWndToPane(&label, ID_INDICATOR_CAPS);
    m_status.AssignWndToPane(pGone, ID_INDICATOR_CAPS);
    EXPECT_EQ(pane(ID_INDICATOR_NUM), Rect(&progress, &m_status));
    EXPECT_EQ(pane(ID_INDICATOR_CAPS), Rect(&label, &m_status));
    // The host deletes a window; the bar goes on without it.
    delete pGone;
    ASSERT_TRUE(other.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(3, 3, 20, 10), &m_status, 4));
    // The frame wider: the panes move right, the windows with them.
    m_pFrame->SetWindowPos(NULL, 0, 0, 900, 600, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(pane(ID_INDICATOR_NUM), Rect(&progress, &m_status));
    EXPECT_EQ(pane(ID_INDICATOR_CAPS), Rect(&label, &m_status));
    EXPECT_EQ(CRect(3, 3, 20, 10), Rect(&other, &m_status));
    // A second pane for the same window replaces the first; a pane the bar does not have leaves
    // the window where it is.
    CRect rectLabel = Rect(&label, &m_status);
    m_status.AssignWndToPane(&progress, ID_SEPARATOR);
    m_status.AssignWndToPane(&label, 0xE7FF);
    m_pFrame->SetWindowPos(NULL, 0, 0, 850, 600, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(pane(ID_SEPARATOR), Rect(&progress, &m_status));
    EXPECT_EQ(rectLabel, Rect(&label, &m_status));
    m_status.AssignWndToPane(NULL, ID_INDICATOR_NUM); // no window: nothing to keep
}

} // namespace
