// Tabbed containers and several panes in auto-hide strips, and both in saved layouts (groups made
// anew of the registered class), old layouts and damaged group records.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPAutoHideButton.h"
#include "CBCGPAutoHideToolBar.h"
#include "CBCGPDockManager.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPTabbedControlBar.h"
#include "CBCGPWorkspace.h"
#include "DockTestFrame.h"
#include "support/MessageRecorder.h"
#include "support/PumpUntil.h"
#include "support/TestRegistryApp.h"

#include <shlwapi.h>

#include <memory>
#include <string>
#include <vector>

// The container class the tests register, so that loaded groups show whose class made them.
class CStateTabbedBar : public CBCGPTabbedControlBar
{
    DECLARE_DYNCREATE(CStateTabbedBar)
};
IMPLEMENT_DYNCREATE(CStateTabbedBar, CBCGPTabbedControlBar)

namespace {

const char s_szKey[] = "Software\\KwUiTests";
enum { TOOLBOX, PROJECT, CLASSES, OUTPUT, FIND, PROPERTIES, PANES };
const UINT s_ids[PANES] = {301, 302, 303, 304, 305, 306};
typedef std::vector<std::string> Lines;

struct DockState : ::testing::Test
{
    CWinApp m_app{"KwDockStateTests"};
    CBCGPWorkspace m_workspace;
    CBCGPMDIFrameWnd* m_pFrame = nullptr;
    std::unique_ptr<CBCGPDockingControlBar[]> m_panes;

    void SetUp() override
    {
        ::SetCursorPos(2000, 2000);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, s_szKey);
        m_app.SetRegistryKey(s_szKey + strlen("Software\\"));
        m_workspace.SetRegistryBase("Layout");
        CBCGPDockingControlBar::m_pTabbedControlBarRTC = RUNTIME_CLASS(CStateTabbedBar);
        Build();
    }
    void TearDown() override
    {
        Destroy();
        CBCGPDockingControlBar::m_pTabbedControlBarRTC = NULL;
        ::SHDeleteKeyA(HKEY_CURRENT_USER, s_szKey);
    }
    // Every pane on its own: three on the left, two at the bottom, one on the right.
    void Build()
    {
        ASSERT_TRUE((m_pFrame = NewDockTestFrame(m_app)) != nullptr);
        m_panes.reset(new CBCGPDockingControlBar[PANES]);
        const char* names[PANES] = {"Toolbox", "Project", "Classes", "Output", "Find", "Properties"};
        const DWORD sides[PANES] = {CBRS_LEFT, CBRS_LEFT, CBRS_LEFT, CBRS_BOTTOM, CBRS_BOTTOM, CBRS_RIGHT};
        for (int i = 0; i < PANES; i++)
            ASSERT_TRUE(DockNewPane(m_pFrame, m_panes[i], names[i], sides[i], CRect(0, 0, 150, 100), s_ids[i]));
        m_pFrame->RecalcLayout();
        PumpMessages(0);
    }
    void Destroy()
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
        m_pFrame = nullptr;
        m_app.m_pMainWnd = NULL;
        PumpMessages(0);
        m_panes.reset();
    }
    CBCGPDockManager* Manager() { return m_pFrame->GetDockManager(); }
    CBCGPDockingControlBar& Pane(int i) { return m_panes[i]; }
    CBCGPTabbedControlBar* Group(int i) { return m_panes[i].GetParentTabbedBar(); }
    CBCGPDockingControlBar& Site(int i) { return Group(i) != NULL ? *Group(i) : m_panes[i]; }
    // Tabs the panes onto target's group, the last one in front.
    void Tab(int nTarget, std::initializer_list<int> panes)
    {
        for (int i : panes)
            ASSERT_TRUE(m_panes[i].AttachToTabWnd(&m_panes[nTarget], DM_UNKNOWN) != NULL);
    }
    CBCGPAutoHideToolBar* Hide(int i, DWORD dwEdge) { return Pane(i).SetAutoHideMode(TRUE, dwEdge, NULL, TRUE); }
    CBCGPAutoHideToolBar* Strip(DWORD dwEdge) { return Manager()->GetAutoHideToolBar(dwEdge); }
    CBCGPAutoHideButton* Button(DWORD dwEdge, int i) { return Strip(dwEdge)->GetButton(i); }
    // A strip's buttons: "," within a group, " / " between groups, pressed ones in brackets.
    std::string Buttons(DWORD dwEdge)
    {
        std::string result;
        for (int i = 0; Strip(dwEdge) != NULL && i < Strip(dwEdge)->GetButtonCount(); i++)
        {
            if (i > 0)
                result += Button(dwEdge, i - 1)->GetAutoHideWindow() == Button(dwEdge, i)->GetAutoHideWindow() ? "," : " / ";
            std::string strText = (LPCTSTR)Button(dwEdge, i)->GetText();
            result += Button(dwEdge, i)->IsShown() ? "[" + strText + "]" : strText;
        }
        return result;
    }
    // A click or a hover on a button, the mouse put there for the panes' watch as well.
    void Mouse(DWORD dwEdge, int i, UINT message)
    {
        CPoint point = Button(dwEdge, i)->GetRect().CenterPoint(), ptScreen = point;
        Strip(dwEdge)->ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        Strip(dwEdge)->SendMessage(message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(point.x, point.y));
    }
    BOOL IsAllIn(CBCGPDockingControlBar& pane)
    {
        CRect rect;
        pane.GetWindowRect(&rect);
        m_pFrame->ScreenToClient(&rect);
        return pane.IsWindowVisible() && rect == Manager()->GetSlideInRect(&pane);
    }
    // Each pane or group once, in the panes' order: its tabs (the active one starred) and class,
    // then where it is, with its window (screen) when docked and bRects; and the strips.
    Lines Describe(bool bRects = true)
    {
        Lines lines;
        std::vector<CBCGPDockingControlBar*> seen;
        for (int i = 0; i < PANES; i++)
        {
            if (std::count(seen.begin(), seen.end(), &Site(i)) != 0)
                continue;
            seen.push_back(&Site(i));
            CString strLine;
            for (int iTab = 0; Group(i) != NULL && iTab < Group(i)->GetTabsNum(); iTab++)
            {
                CString strName;
                Group(i)->GetUnderlyingWindow()->GetTabWnd(iTab)->GetWindowText(strName);
                strLine += strName + (iTab == Group(i)->GetUnderlyingWindow()->GetActiveTab() ? "* " : " ");
            }
            if (Group(i) != NULL)
                strLine += Group(i)->GetRuntimeClass()->m_lpszClassName;
            else
                Pane(i).GetWindowText(strLine);
            CRect rect;
            Site(i).GetWindowRect(&rect);
            strLine += Site(i).IsAutoHideMode() ? " hidden" : Site(i).IsFloating() ? " floating"
                : !Manager()->IsDocked(&Site(i)) ? " lost" : " docked";
            strLine.AppendFormat(" at %lx", Site(i).GetCurrentAlignment());
            if (bRects && Manager()->IsDocked(&Site(i)) && Site(i).IsVisible())
                strLine.AppendFormat(" (%ld,%ld)-(%ld,%ld)", rect.left, rect.top, rect.right, rect.bottom);
            lines.push_back((LPCTSTR)strLine);
        }
        for (DWORD dwEdge : {CBRS_ALIGN_LEFT, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_RIGHT})
            lines.push_back("strip: " + Buttons(dwEdge));
        return lines;
    }
};

TEST_F(DockState, AContainerHidesAsOneGroupAndEachTabsButtonBringsThatTabIn)
{
    Tab(PROJECT, {CLASSES});
    Group(PROJECT)->GetUnderlyingWindow()->SetActiveTab(0);
    ASSERT_TRUE(Hide(TOOLBOX, CBRS_ALIGN_LEFT) != NULL);
    // Asked through a tab, the whole container hides, apart from the pane hidden before.
    ASSERT_EQ(Strip(CBRS_ALIGN_LEFT), Hide(CLASSES, CBRS_ALIGN_LEFT));
    EXPECT_TRUE(Pane(PROJECT).IsAutoHideMode());
    EXPECT_EQ("Toolbox / Project,Classes", Buttons(CBRS_ALIGN_LEFT));
    const int nGap = CBCGPAutoHideToolBar::BUTTON_GAP;
    EXPECT_EQ(Button(CBRS_ALIGN_LEFT, 0)->GetRect().bottom + nGap + CBCGPAutoHideToolBar::GROUP_GAP,
        Button(CBRS_ALIGN_LEFT, 1)->GetRect().top);
    EXPECT_EQ(Button(CBRS_ALIGN_LEFT, 1)->GetRect().bottom + nGap, Button(CBRS_ALIGN_LEFT, 2)->GetRect().top);
    // A click on the background tab's button: in with that tab in front and the focus in it,
    // over the documents, which do not paint over it.
    Mouse(CBRS_ALIGN_LEFT, 2, WM_LBUTTONDOWN);
    EXPECT_TRUE(Pane(CLASSES).IsActive());
    EXPECT_TRUE(PumpUntil([&] { return IsAllIn(Site(PROJECT)); }));
    EXPECT_EQ("Toolbox / Project,[Classes]", Buttons(CBRS_ALIGN_LEFT));
    HDC hDC = ::GetDC(m_pFrame->m_hWndMDIClient);
    HRGN hVisible = ::CreateRectRgn(0, 0, 0, 0);
    CRect rectGroup;
    Site(PROJECT).GetWindowRect(&rectGroup);
    EXPECT_TRUE(::GetRandomRgn(hDC, hVisible, SYSRGN) == 1 && !::PtInRegion(hVisible, rectGroup.right - 5, rectGroup.top + 5));
    ::DeleteObject(hVisible);
    ::ReleaseDC(m_pFrame->m_hWndMDIClient, hDC);
    // A hover over the other tab's button takes nothing from the group the user works in.
    Mouse(CBRS_ALIGN_LEFT, 1, WM_MOUSEMOVE);
    EXPECT_EQ("Toolbox / Project,[Classes]", Buttons(CBRS_ALIGN_LEFT));
    ::SetFocus(m_pFrame->m_hWndMDIClient);
    EXPECT_TRUE(PumpUntil([&] { return !Site(PROJECT).IsWindowVisible(); }));
    // Once the group is out it does; another pane's button then slides it out at once, and the
    // watch of the pane that went leaves the one under the mouse in.
    Mouse(CBRS_ALIGN_LEFT, 1, WM_MOUSEMOVE);
    EXPECT_TRUE(PumpUntil([&] { return IsAllIn(Site(PROJECT)); }));
    EXPECT_EQ("Toolbox / [Project],Classes", Buttons(CBRS_ALIGN_LEFT));
    Mouse(CBRS_ALIGN_LEFT, 0, WM_MOUSEMOVE);
    EXPECT_FALSE(Site(PROJECT).IsWindowVisible());
    PumpMessages(3 * 100);
    EXPECT_TRUE(IsAllIn(Pane(TOOLBOX)));
}

TEST_F(DockState, WhileHiddenTheGroupFollowsItsTabs)
{
    Tab(PROJECT, {CLASSES});
    Hide(PROJECT, CBRS_ALIGN_LEFT);
    Hide(OUTPUT, CBRS_ALIGN_BOTTOM);
    // A hidden pane joining the hidden group leaves its own strip for the group.
    Tab(PROJECT, {OUTPUT});
    EXPECT_EQ("Project,Classes,Output", Buttons(CBRS_ALIGN_LEFT));
    EXPECT_EQ("", Buttons(CBRS_ALIGN_BOTTOM));
    // A tab floating off takes its button along; with one tab left the group goes, and its
    // last pane stays hidden in its place.
    ASSERT_TRUE(Pane(CLASSES).FloatControlBar(CRect(300, 300, 500, 450), DM_UNKNOWN, true));
    EXPECT_EQ("Project,Output", Buttons(CBRS_ALIGN_LEFT));
    ASSERT_TRUE(Pane(OUTPUT).FloatControlBar(CRect(300, 100, 500, 250), DM_UNKNOWN, true));
    EXPECT_EQ(Lines({"Toolbox docked at 1000", "Project hidden at 1000", "Classes floating at 1000", "Output floating at 1000",
                  "Find docked at 8000", "Properties docked at 4000", "strip: Project", "strip: ", "strip: "}),
        Describe(false));
}

TEST_F(DockState, GroupsAndStripsComeBackInARebuiltFrame)
{
    // Project and Classes (in front) hidden after Toolbox; Output, Find (in front) and
    // Properties at the bottom, floated and docked back by the manager, the edge resized.
    Tab(PROJECT, {CLASSES});
    Tab(OUTPUT, {FIND, PROPERTIES});
    Group(OUTPUT)->GetUnderlyingWindow()->SetActiveTab(1);
    Group(OUTPUT)->FloatControlBar(CRect(300, 300, 500, 450), DM_UNKNOWN, true);
    Group(OUTPUT)->DockToRecentPos();
    Manager()->OnSliderMove(Group(OUTPUT)->GetDefaultSlider(), -40);
    Hide(TOOLBOX, CBRS_ALIGN_LEFT);
    Hide(CLASSES, CBRS_ALIGN_LEFT);
    const Lines expected = Describe();
    EXPECT_EQ("strip: Toolbox / Project,Classes", expected[3]);
    ASSERT_TRUE(m_workspace.SaveState(NULL, m_pFrame));
    Destroy();
    Build();
    ASSERT_TRUE(m_workspace.LoadState(NULL, m_pFrame));
    EXPECT_EQ(expected, Describe());
}

// An application key nobody may write: the save says it failed, the panes stay where they are,
// and the layout saved before still loads.
TEST_F(DockState, ALayoutThatCannotBeWrittenFailsTheSaveAndTheOldOneStillLoads)
{
    Tab(PROJECT, {CLASSES});
    ASSERT_TRUE(m_workspace.SaveState(NULL, m_pFrame));
    const Lines saved = Describe();
    Hide(TOOLBOX, CBRS_ALIGN_LEFT);
    const Lines changed = Describe();
    const std::string strApp = std::string(s_szKey) + "\\KwDockStateTests";
    ASSERT_TRUE(DenyRegistryWrites(HKEY_CURRENT_USER, strApp.c_str()));
    EXPECT_FALSE(m_workspace.SaveState(NULL, m_pFrame));
    EXPECT_EQ(changed, Describe());
    Destroy();
    Build();
    EXPECT_TRUE(m_workspace.LoadState(NULL, m_pFrame));
    EXPECT_EQ(saved, Describe());
    EXPECT_TRUE(DenyRegistryWrites(HKEY_CURRENT_USER, strApp.c_str(), false));
}

TEST_F(DockState, DamagedGroupsLoadWhatTheyCanAndLoseNoPane)
{
    Tab(PROJECT, {CLASSES});
    Tab(OUTPUT, {FIND});
    ASSERT_TRUE(m_workspace.SaveState(NULL, m_pFrame));
    const CString strGroup0 = "Layout\\TabbedBar-0", strGroup1 = "Layout\\TabbedBar-1";
    auto load = [&] {
        EXPECT_TRUE(m_workspace.LoadState(NULL, m_pFrame));
        Lines lines = Describe(false);
        return Lines(lines.begin(), lines.end() - 3);
    };
    // Panes gone from the first group (the active tab named by its place in the stored list); the
    // second names a pane of the first, which leaves it one tab: no group, its panes on their own
    // at its place.
    m_app.WriteProfileString(strGroup0, "Bars", "302,999,303,998");
    m_app.WriteProfileInt(strGroup0, "ActiveTab", 2);
    m_app.WriteProfileString(strGroup1, "Bars", "303,304");
    EXPECT_EQ(Lines({"Toolbox docked at 1000", "Project Classes* CStateTabbedBar docked at 1000", "Output docked at 8000",
                  "Find docked at 8000", "Properties docked at 4000"}),
        load());
    // One pane left of the first, a list of the wrong type in the second.
    Tab(OUTPUT, {FIND});
    m_app.WriteProfileString(strGroup0, "Bars", "302,999");
    DWORD dwBars = 304;
    m_app.WriteProfileBinary(strGroup1, "Bars", (LPBYTE)&dwBars, sizeof(dwBars));
    const Lines apart = {"Toolbox docked at 1000", "Project docked at 1000", "Classes docked at 1000",
        "Output docked at 8000", "Find docked at 8000", "Properties docked at 4000"};
    EXPECT_EQ(apart, load());
    // An absurd count and tab, and a list that is none.
    m_app.WriteProfileInt("Layout", "TabbedBars", 2000000000);
    m_app.WriteProfileString(strGroup0, "Bars", "302,303");
    m_app.WriteProfileInt(strGroup0, "ActiveTab", 99);
    m_app.WriteProfileString(strGroup1, "Bars", "304;305");
    EXPECT_EQ("Project* Classes CStateTabbedBar docked at 1000", load()[1]);
    // A layout of before groups and strips (no count, no places in strips) breaks up the group
    // and unpins the pane of today.
    m_app.WriteProfileString("Layout", "TabbedBars", NULL);
    for (UINT nID : s_ids)
    {
        CString strRecord;
        strRecord.Format("Layout\\DockingBar-%u", nID);
        ASSERT_TRUE(m_app.WriteProfileString(strRecord, "AutoHide", NULL));
    }
    Hide(PROPERTIES, CBRS_ALIGN_RIGHT);
    EXPECT_EQ(apart, load());
}

} // namespace
