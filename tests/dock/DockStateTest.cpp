// Tabbed containers and auto-hidden panes in the saved layout: groups made anew of the registered
// class with their tabs in order and the active one, panes back in their strips in order, a
// layout of before these keys loading as it did, and damaged group records.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPAutoHideButton.h"
#include "CBCGPAutoHideToolBar.h"
#include "CBCGPDockManager.h"
#include "CBCGPDockingControlBar.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMiniFrameWnd.h"
#include "CBCGPSlider.h"
#include "CBCGPTabbedControlBar.h"
#include "CBCGPWorkspace.h"
#include "DockTestFrame.h"
#include "support/MessageRecorder.h"

#include <shlwapi.h>

#include <memory>
#include <string>
#include <vector>

// The container class the tests register, so that the loaded groups show whose class made them.
class CStateTabbedBar : public CBCGPTabbedControlBar
{
    DECLARE_DYNCREATE(CStateTabbedBar)
};
IMPLEMENT_DYNCREATE(CStateTabbedBar, CBCGPTabbedControlBar)

namespace {

const char s_szKey[] = "Software\\KwUiTests";

enum { TOOLBOX, PROJECT, CLASSES, OUTPUT, FIND, PROPERTIES, PANES };
const UINT s_ids[PANES] = {301, 302, 303, 304, 305, 306};

struct DockState : ::testing::Test
{
    CWinApp m_app{"KwDockStateTests"};
    CBCGPWorkspace m_workspace;
    CBCGPMDIFrameWnd* m_pFrame = nullptr;
    std::unique_ptr<CBCGPDockingControlBar[]> m_panes;
    CRuntimeClass* m_pWasRTC = CBCGPDockingControlBar::m_pTabbedControlBarRTC;

    void SetUp() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, s_szKey);
        m_app.SetRegistryKey(s_szKey + strlen("Software\\"));
        m_workspace.SetRegistryBase("Layout");
        CBCGPDockingControlBar::m_pTabbedControlBarRTC = RUNTIME_CLASS(CStateTabbedBar);
        Build();
    }
    void TearDown() override
    {
        Destroy();
        CBCGPDockingControlBar::m_pTabbedControlBarRTC = m_pWasRTC;
        ::SHDeleteKeyA(HKEY_CURRENT_USER, s_szKey);
    }
    // Every pane docked on its own: Toolbox, Project and Classes on the left, Output and Find at
    // the bottom, Properties on the right.
    void Build()
    {
        m_pFrame = NewDockTestFrame(m_app);
        ASSERT_TRUE(m_pFrame != nullptr);
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
    // Tabs the pane bars onto target's group, the last one active.
    void Tab(int nTarget, std::initializer_list<int> bars)
    {
        for (int i : bars)
            ASSERT_TRUE(m_panes[i].AttachToTabWnd(&m_panes[nTarget], DM_UNKNOWN) != NULL);
    }
    CString Section(LPCTSTR lpszRecord) { return CString("Layout\\") + lpszRecord; }
    // Each pane or group once, in the order of the panes: its tabs (the active one starred) and
    // the class of a group, then where it is: in its edge's strip (and where there), floating,
    // hidden or docked at an edge, with its window (screen) when bRects.
    std::vector<std::string> Describe(bool bRects = true)
    {
        std::vector<std::string> lines;
        std::vector<CBCGPDockingControlBar*> sites;
        for (int i = 0; i < PANES; i++)
        {
            CBCGPDockingControlBar* pSite = Group(i) != NULL ? Group(i) : &m_panes[i];
            if (std::count(sites.begin(), sites.end(), pSite) != 0)
                continue;
            sites.push_back(pSite);
            CString strLine;
            if (CBCGPTabbedControlBar* pGroup = Group(i))
            {
                CBCGPTabWnd* pTabs = pGroup->GetUnderlyingWindow();
                for (int iTab = 0; iTab < pTabs->GetTabsNum(); iTab++)
                {
                    CString strName;
                    pTabs->GetTabWnd(iTab)->GetWindowText(strName);
                    strLine += (iTab > 0 ? "," : "") + strName + (iTab == pTabs->GetActiveTab() ? "*" : "");
                }
                strLine += CString(" of ") + pGroup->GetRuntimeClass()->m_lpszClassName;
            }
            else
                m_panes[i].GetWindowText(strLine);
            CRect rect;
            if (pSite->IsAutoHideMode())
                strLine.AppendFormat(" hidden in strip %lx at %d", pSite->GetCurrentAlignment(),
                    pSite->GetAutoHideToolBar()->GetWindowIndex(pSite));
            else if (pSite->IsFloating())
            {
                pSite->GetParentMiniFrame()->GetWindowRect(&rect);
                strLine += " floating";
            }
            else if (!Manager()->IsDocked(pSite))
                strLine += " lost";
            else if (!pSite->IsVisible())
                strLine += " closed";
            else
            {
                pSite->GetWindowRect(&rect);
                strLine.AppendFormat(" docked at %lx", pSite->GetCurrentAlignment());
            }
            if (bRects && !rect.IsRectEmpty())
                strLine.AppendFormat(" (%ld,%ld)-(%ld,%ld)", rect.left, rect.top, rect.right, rect.bottom);
            lines.push_back((LPCTSTR)strLine);
        }
        CRect rect;
        ::GetWindowRect(m_pFrame->m_hWndMDIClient, &rect);
        char sz[64];
        sprintf(sz, "client (%ld,%ld)-(%ld,%ld)", rect.left, rect.top, rect.right, rect.bottom);
        if (bRects)
            lines.push_back(sz);
        return lines;
    }
};

TEST_F(DockState, GroupsAndHiddenPanesComeBackInTheSameFrameAndInARebuiltOne)
{
    // Two groups with a background tab in front: Project and Classes on the left, hidden after
    // Toolbox into the left strip; Output, Find and Properties docked at the bottom, the edge
    // resized after the group floated and came back.
    Tab(PROJECT, {CLASSES});
    Tab(OUTPUT, {FIND, PROPERTIES});
    Group(OUTPUT)->GetUnderlyingWindow()->SetActiveTab(1);
    Group(OUTPUT)->FloatControlBar(CRect(300, 300, 500, 450), DM_UNKNOWN, true); // docked by the manager then
    Group(OUTPUT)->DockToRecentPos();
    Manager()->OnSliderMove(Group(OUTPUT)->GetDefaultSlider(), -40);
    ASSERT_TRUE(Pane(TOOLBOX).SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, NULL, TRUE) != NULL);
    ASSERT_TRUE(Pane(CLASSES).SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, NULL, TRUE) != NULL);
    PumpMessages(0);
    const std::vector<std::string> expected = Describe();
    ASSERT_EQ(4u, expected.size());
    EXPECT_EQ("Toolbox hidden in strip 1000 at 0", expected[0]);
    EXPECT_EQ("Project,Classes* of CStateTabbedBar hidden in strip 1000 at 1", expected[1]);
    ASSERT_TRUE(m_workspace.SaveState(NULL, m_pFrame));

    // The same frame otherwise: the groups broken up, others made, panes pinned and unpinned.
    Pane(TOOLBOX).SetAutoHideMode(FALSE, CBRS_ALIGN_LEFT, NULL, TRUE);
    Pane(PROJECT).SetAutoHideMode(FALSE, CBRS_ALIGN_LEFT, NULL, TRUE);
    Pane(FIND).FloatControlBar(CRect(300, 300, 500, 450), DM_UNKNOWN, true);
    Tab(TOOLBOX, {FIND});
    Pane(PROPERTIES).SetAutoHideMode(TRUE, CBRS_ALIGN_BOTTOM, NULL, TRUE);
    ASSERT_TRUE(m_workspace.LoadState(NULL, m_pFrame));
    PumpMessages(0);
    EXPECT_EQ(expected, Describe());
    EXPECT_FALSE(CBCGPDockManager::m_bRestoringDockState);

    // A frame built anew, every pane on its own.
    Destroy();
    Build();
    ASSERT_TRUE(m_workspace.LoadState(NULL, m_pFrame));
    PumpMessages(0);
    EXPECT_EQ(expected, Describe());
    // The hidden group slides in as it did.
    Pane(PROJECT).Slide(TRUE, FALSE);
    EXPECT_TRUE(Group(PROJECT)->IsWindowVisible());
    EXPECT_EQ(0, Group(PROJECT)->GetUnderlyingWindow()->GetActiveTab());
}

TEST_F(DockState, ALayoutOfBeforeGroupsAndStripsLoadsAsItDidAndBreaksUpTodaysGroups)
{
    Manager()->OnSliderMove(Pane(OUTPUT).GetDefaultSlider(), -40);
    Pane(FIND).ShowControlBar(FALSE, FALSE, FALSE);
    ASSERT_TRUE(m_workspace.SaveState(NULL, m_pFrame));
    const std::vector<std::string> expected = Describe();
    // What the layout would have held then: no group count, no places in strips.
    m_app.WriteProfileString("Layout", "TabbedBars", NULL);
    for (int i = 0; i < PANES; i++)
    {
        CString strRecord;
        strRecord.Format("DockingBar-%u", s_ids[i]);
        ASSERT_TRUE(m_app.WriteProfileString(Section(strRecord), "AutoHide", NULL));
    }
    Tab(PROJECT, {CLASSES, TOOLBOX});
    Pane(PROJECT).SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, NULL, TRUE);
    Tab(OUTPUT, {FIND});
    Pane(PROPERTIES).SetAutoHideMode(TRUE, CBRS_ALIGN_RIGHT, NULL, TRUE);
    ASSERT_TRUE(m_workspace.LoadState(NULL, m_pFrame));
    PumpMessages(0);
    EXPECT_EQ(expected, Describe());
    for (DWORD dwEdge : {CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT})
        EXPECT_EQ(0, Manager()->GetAutoHideToolBar(dwEdge)->GetButtonCount());
}

TEST_F(DockState, DamagedGroupsLoadWhatTheyCanAndLoseNoPane)
{
    Tab(PROJECT, {CLASSES});
    Tab(OUTPUT, {FIND});
    ASSERT_TRUE(m_workspace.SaveState(NULL, m_pFrame));
    const CString strGroup0 = Section("TabbedBar-0"), strGroup1 = Section("TabbedBar-1");
    auto load = [&] {
        EXPECT_TRUE(m_workspace.LoadState(NULL, m_pFrame));
        PumpMessages(0);
        return Describe(false);
    };
    typedef std::vector<std::string> Lines;
    // Panes gone from the first group (the active tab named by its place in the stored list); the
    // second names a pane of the first, which leaves it one tab: no group, its panes on their own
    // at its place.
    m_app.WriteProfileString(strGroup0, "Bars", "302,999,303,998");
    m_app.WriteProfileInt(strGroup0, "ActiveTab", 2);
    m_app.WriteProfileString(strGroup1, "Bars", "303,304");
    EXPECT_EQ(Lines({"Toolbox docked at 1000", "Project,Classes* of CStateTabbedBar docked at 1000",
                  "Output docked at 8000", "Find docked at 8000", "Properties docked at 4000"}),
        load());
    // One pane left of the first, and values of the wrong type in the second, and in the count.
    Tab(OUTPUT, {FIND});
    m_app.WriteProfileString(strGroup0, "Bars", "302,999");
    DWORD dwBars = 304;
    m_app.WriteProfileBinary(strGroup1, "Bars", (LPBYTE)&dwBars, sizeof(dwBars));
    EXPECT_EQ(Lines({"Toolbox docked at 1000", "Project docked at 1000", "Classes docked at 1000",
                  "Output docked at 8000", "Find docked at 8000", "Properties docked at 4000"}),
        load());
    m_app.WriteProfileString("Layout", "TabbedBars", "2");
    m_app.WriteProfileString(strGroup0, "Bars", "302,303");
    EXPECT_EQ(6u, load().size());
    // An absurd count and tab, lists that are none, and a list too long to be one.
    m_app.WriteProfileInt("Layout", "TabbedBars", 2000000000);
    m_app.WriteProfileInt(strGroup0, "ActiveTab", 99);
    m_app.WriteProfileString(strGroup1, "Bars", "304;305");
    for (int k = 2; k < 6; k++)
    {
        CString strGroup;
        strGroup.Format("TabbedBar-%d", k);
        m_app.WriteProfileString(Section(strGroup), "Bars", k == 2 ? "abc" : k == 3 ? "304,,305" : "");
        m_app.WriteProfileInt(Section(strGroup), "Edge", CBRS_ALIGN_BOTTOM);
    }
    CString strLong = "304";
    while (strLong.GetLength() < 5000)
        strLong += ",305";
    m_app.WriteProfileString(Section("TabbedBar-4"), "Bars", strLong);
    EXPECT_EQ(Lines({"Toolbox docked at 1000", "Project*,Classes of CStateTabbedBar docked at 1000",
                  "Output docked at 8000", "Find docked at 8000", "Properties docked at 4000"}),
        load());
    // A group at no edge: its panes by their own records, the one taken out of it too.
    m_app.WriteProfileInt(strGroup0, "Edge", CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT);
    Pane(PROJECT).GetParentTabbedBar()->DetachBar(&Pane(CLASSES));
    EXPECT_EQ(Lines({"Toolbox docked at 1000", "Project docked at 1000", "Classes docked at 1000",
                  "Output docked at 8000", "Find docked at 8000", "Properties docked at 4000"}),
        load());
}

} // namespace
