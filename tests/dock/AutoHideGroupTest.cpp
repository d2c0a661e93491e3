// Auto-hide of tabbed containers and of several panes in one strip: a container hides as one group
// with a button for each tab, which slides it in with that tab in front; the group follows its
// tabs while hidden; one pane is in at a time, and each watch slides out only its own pane.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPAutoHideButton.h"
#include "CBCGPAutoHideToolBar.h"
#include "CBCGPDockingControlBar.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPTabbedControlBar.h"
#include "DockTestFrame.h"
#include "support/MessageRecorder.h"
#include "support/PumpUntil.h"

#include <string>

void PrintTo(const CRect& rect, std::ostream* os);

namespace {

struct AutoHideGroups : ::testing::Test
{
    CWinApp m_app{"KwAutoHideGroupTests"};
    CBCGPMDIFrameWnd* m_pFrame = nullptr;
    CBCGPDockingControlBar m_toolbox, m_project, m_classes, m_output, m_find;
    CBCGPTabbedControlBar* m_pGroup = nullptr; // Project and Classes, Project in front

    void SetUp() override
    {
        ::SetCursorPos(2000, 2000);
        m_pFrame = NewDockTestFrame(m_app);
        ASSERT_TRUE(m_pFrame != nullptr);
        struct { CBCGPDockingControlBar* pPane; const char* pszName; DWORD dwSide; } panes[] = {
            {&m_toolbox, "Toolbox", CBRS_LEFT}, {&m_project, "Project", CBRS_LEFT}, {&m_classes, "Classes", CBRS_LEFT},
            {&m_output, "Output", CBRS_BOTTOM}, {&m_find, "Find", CBRS_BOTTOM}};
        for (auto& pane : panes)
            ASSERT_TRUE(DockNewPane(m_pFrame, *pane.pPane, pane.pszName, pane.dwSide, CRect(0, 0, 150, 100)));
        ASSERT_TRUE(m_classes.AttachToTabWnd(&m_project, DM_UNKNOWN) != NULL);
        m_pGroup = m_project.GetParentTabbedBar();
        ASSERT_TRUE(m_pGroup != NULL);
        m_pGroup->GetUnderlyingWindow()->SetActiveTab(0);
        m_pFrame->RecalcLayout();
        PumpMessages(0);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
        m_app.m_pMainWnd = NULL;
    }
    CBCGPAutoHideToolBar* Strip(DWORD dwEdge) { return m_pFrame->GetDockManager()->GetAutoHideToolBar(dwEdge); }
    CBCGPAutoHideToolBar* Hide(CBCGPDockingControlBar& pane, DWORD dwEdge) { return pane.SetAutoHideMode(TRUE, dwEdge, NULL, TRUE); }
    // The strip's buttons: "," within a group, " / " between groups, the pressed ones in brackets.
    std::string Buttons(DWORD dwEdge)
    {
        std::string result;
        CBCGPAutoHideToolBar* pStrip = Strip(dwEdge);
        for (int i = 0; pStrip != NULL && i < pStrip->GetButtonCount(); i++)
        {
            CBCGPAutoHideButton* pButton = pStrip->GetButton(i);
            if (i > 0)
                result += pStrip->GetButton(i - 1)->GetAutoHideWindow() == pButton->GetAutoHideWindow() ? "," : " / ";
            std::string strText = (LPCTSTR)pButton->GetText();
            result += pButton->IsShown() ? "[" + strText + "]" : strText;
        }
        return result;
    }
    CBCGPAutoHideButton* Button(DWORD dwEdge, int i) { return Strip(dwEdge)->GetButton(i); }
    // A click or a hover on the button (the mouse put there for the pane's watch as well).
    void Mouse(DWORD dwEdge, int i, UINT message)
    {
        CPoint point = Button(dwEdge, i)->GetRect().CenterPoint();
        CPoint ptScreen = point;
        Strip(dwEdge)->ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        Strip(dwEdge)->SendMessage(message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(point.x, point.y));
    }
    BOOL IsAllIn(CBCGPDockingControlBar& pane)
    {
        CRect rect;
        pane.GetWindowRect(&rect);
        m_pFrame->ScreenToClient(&rect);
        return pane.IsWindowVisible() && rect == m_pFrame->GetDockManager()->GetSlideInRect(&pane);
    }
};

TEST_F(AutoHideGroups, AContainerHidesAsOneGroupAndEachTabsButtonBringsThatTabIn)
{
    ASSERT_TRUE(Hide(m_toolbox, CBRS_ALIGN_LEFT) != NULL);
    // Asked through a tab, the whole container hides, next to the pane hidden before.
    ASSERT_EQ(Strip(CBRS_ALIGN_LEFT), Hide(m_classes, CBRS_ALIGN_LEFT));
    EXPECT_TRUE(m_pGroup->IsAutoHideMode());
    EXPECT_TRUE(m_project.IsAutoHideMode());
    EXPECT_FALSE(m_pGroup->IsWindowVisible());
    EXPECT_EQ("Toolbox / Project,Classes", Buttons(CBRS_ALIGN_LEFT));
    EXPECT_EQ(m_pGroup, Button(CBRS_ALIGN_LEFT, 2)->GetAutoHideWindow());
    const int nGap = CBCGPAutoHideToolBar::BUTTON_GAP;
    EXPECT_EQ(Button(CBRS_ALIGN_LEFT, 0)->GetRect().bottom + nGap + CBCGPAutoHideToolBar::GROUP_GAP,
        Button(CBRS_ALIGN_LEFT, 1)->GetRect().top);
    EXPECT_EQ(Button(CBRS_ALIGN_LEFT, 1)->GetRect().bottom + nGap, Button(CBRS_ALIGN_LEFT, 2)->GetRect().top);

    // A click on the background tab's button: in with that tab in front, and the focus in it.
    Mouse(CBRS_ALIGN_LEFT, 2, WM_LBUTTONDOWN);
    EXPECT_TRUE(m_classes.IsActive());
    EXPECT_TRUE(PumpUntil([&] { return IsAllIn(*m_pGroup); }));
    EXPECT_EQ("Toolbox / Project,[Classes]", Buttons(CBRS_ALIGN_LEFT));
    // The documents below do not paint over it.
    HDC hDC = ::GetDC(m_pFrame->m_hWndMDIClient);
    HRGN hVisible = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(1, ::GetRandomRgn(hDC, hVisible, SYSRGN));
    CRect rectGroup;
    m_pGroup->GetWindowRect(&rectGroup);
    EXPECT_FALSE(::PtInRegion(hVisible, rectGroup.right - 5, rectGroup.CenterPoint().y));
    ::DeleteObject(hVisible);
    ::ReleaseDC(m_pFrame->m_hWndMDIClient, hDC);
    // A hover over the other tab's button takes nothing from the container the user works in.
    Mouse(CBRS_ALIGN_LEFT, 1, WM_MOUSEMOVE);
    EXPECT_EQ("Toolbox / Project,[Classes]", Buttons(CBRS_ALIGN_LEFT));
    ::SetFocus(m_pFrame->m_hWndMDIClient);
    EXPECT_TRUE(PumpUntil([&] { return !m_pGroup->IsWindowVisible(); }));
    // A hover brings the other tab in, until the mouse leaves.
    Mouse(CBRS_ALIGN_LEFT, 1, WM_MOUSEMOVE);
    EXPECT_TRUE(PumpUntil([&] { return IsAllIn(*m_pGroup); }));
    EXPECT_EQ("Toolbox / [Project],Classes", Buttons(CBRS_ALIGN_LEFT));
    ::SetCursorPos(2000, 2000);
    EXPECT_TRUE(PumpUntil([&] { return !m_pGroup->IsWindowVisible(); }));
    // By code, through a tab: the same.
    m_classes.ShowControlBar(TRUE, FALSE, TRUE);
    EXPECT_TRUE(IsAllIn(*m_pGroup));
    EXPECT_TRUE(m_classes.IsActive());
    EXPECT_EQ("Toolbox / Project,[Classes]", Buttons(CBRS_ALIGN_LEFT));
    m_classes.ShowControlBar(FALSE, FALSE, FALSE);
    EXPECT_FALSE(m_pGroup->IsWindowVisible());

    // Pinned again through the other tab: docked with both tabs, its buttons gone.
    EXPECT_EQ(NULL, m_project.SetAutoHideMode(FALSE, CBRS_ALIGN_LEFT, NULL, TRUE));
    EXPECT_FALSE(m_classes.IsAutoHideMode());
    EXPECT_TRUE(m_pGroup->IsWindowVisible());
    EXPECT_TRUE(m_pFrame->GetDockManager()->IsDocked(m_pGroup));
    EXPECT_EQ(2, m_pGroup->GetTabsNum());
    EXPECT_EQ("Toolbox", Buttons(CBRS_ALIGN_LEFT));
}

TEST_F(AutoHideGroups, WhileHiddenTheGroupFollowsItsTabs)
{
    Hide(*m_pGroup, CBRS_ALIGN_LEFT);
    Hide(m_output, CBRS_ALIGN_BOTTOM);
    // A hidden pane joining the hidden container leaves its own strip for the group.
    ASSERT_TRUE(m_output.AttachToTabWnd(&m_project, DM_UNKNOWN, FALSE) != NULL);
    EXPECT_EQ("Project,Classes,Output", Buttons(CBRS_ALIGN_LEFT));
    EXPECT_EQ("", Buttons(CBRS_ALIGN_BOTTOM));
    EXPECT_TRUE(m_output.IsAutoHideMode());
    EXPECT_EQ(NULL, m_output.GetAutoHideToolBar());
    // A tab floating off takes its button along.
    ASSERT_TRUE(m_classes.FloatControlBar(CRect(300, 300, 500, 450), DM_UNKNOWN, true));
    EXPECT_EQ("Project,Output", Buttons(CBRS_ALIGN_LEFT));
    EXPECT_FALSE(m_classes.IsAutoHideMode());
    // The last but one: the container goes, and its last pane stays hidden in its place.
    ASSERT_TRUE(m_output.FloatControlBar(CRect(300, 100, 500, 250), DM_UNKNOWN, true));
    EXPECT_EQ("Project", Buttons(CBRS_ALIGN_LEFT));
    EXPECT_EQ(&m_project, Button(CBRS_ALIGN_LEFT, 0)->GetAutoHideWindow());
    EXPECT_FALSE(m_project.IsTabbed());
    EXPECT_FALSE(m_project.IsWindowVisible());
    m_project.Slide(TRUE, FALSE);
    EXPECT_TRUE(IsAllIn(m_project));
}

TEST_F(AutoHideGroups, OnePaneIsInAtATimeAndEachWatchSlidesOutOnlyItsOwn)
{
    Hide(m_output, CBRS_ALIGN_BOTTOM);
    Hide(m_find, CBRS_ALIGN_BOTTOM);
    Hide(*m_pGroup, CBRS_ALIGN_LEFT);
    EXPECT_EQ("Output / Find", Buttons(CBRS_ALIGN_BOTTOM));
    Mouse(CBRS_ALIGN_BOTTOM, 0, WM_LBUTTONDOWN);
    EXPECT_TRUE(PumpUntil([&] { return IsAllIn(m_output); }));
    // Another button of the strip: the pane in goes at once, with its focus.
    Mouse(CBRS_ALIGN_BOTTOM, 1, WM_MOUSEMOVE);
    EXPECT_FALSE(m_output.IsWindowVisible());
    EXPECT_FALSE(m_output.IsActive());
    EXPECT_TRUE(PumpUntil([&] { return IsAllIn(m_find); }));
    PumpMessages(3 * 100); // turns of every watch: the one under the mouse stays
    EXPECT_TRUE(IsAllIn(m_find));
    EXPECT_EQ("Output / [Find]", Buttons(CBRS_ALIGN_BOTTOM));
    // A button of another strip as well.
    Mouse(CBRS_ALIGN_LEFT, 0, WM_MOUSEMOVE);
    EXPECT_FALSE(m_find.IsWindowVisible());
    EXPECT_TRUE(PumpUntil([&] { return IsAllIn(*m_pGroup); }));
    ::SetCursorPos(2000, 2000);
    EXPECT_TRUE(PumpUntil([&] { return !m_pGroup->IsWindowVisible(); }));
    EXPECT_FALSE(m_output.IsWindowVisible());
}

} // namespace
