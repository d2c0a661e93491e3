// The status bar's windows over its panes: placed at once and after every size change, moved to
// a new pane, forgotten once destroyed, left alone for a pane the bar does not have.
#include "KwBarsHost.h"

#include <afxcmn.h>
#include <commctrl.h>

namespace {

CRect PaneRect(CKwStatusBar& bar, UINT nID)
{
    CRect rect;
    bar.GetItemRect(bar.CommandToIndex(nID), &rect);
    rect.DeflateRect(1, 1);
    return rect;
}

CRect RectIn(CWnd& parent, HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    parent.ScreenToClient(&rect);
    return rect;
}

TEST_F(KwBars, StatusBarWindowsFollowTheirPanes)
{
    CWnd progress, label;
    ASSERT_TRUE(progress.Create(PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &m_status, 1));
    // A window of the frame, not of the bar: placed in its own parent's coordinates.
    ASSERT_TRUE(label.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), m_pFrame, 2));
    m_status.AssignWndToPane(&progress, ID_INDICATOR_NUM);
    m_status.AssignWndToPane(&label, ID_INDICATOR_CAPS);
    EXPECT_EQ(PaneRect(m_status, ID_INDICATOR_NUM), RectIn(m_status, progress.m_hWnd));
    EXPECT_EQ(PaneRect(m_status, ID_INDICATOR_CAPS), RectIn(m_status, label.m_hWnd));
    // The frame wider: the panes move right, the windows with them.
    m_pFrame->SetWindowPos(NULL, 0, 0, 900, 600, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(PaneRect(m_status, ID_INDICATOR_NUM), RectIn(m_status, progress.m_hWnd));
    EXPECT_EQ(PaneRect(m_status, ID_INDICATOR_CAPS), RectIn(m_status, label.m_hWnd));
    // A second pane for the same window replaces the first.
    m_status.AssignWndToPane(&progress, ID_SEPARATOR);
    m_pFrame->SetWindowPos(NULL, 0, 0, 850, 600, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(PaneRect(m_status, ID_SEPARATOR), RectIn(m_status, progress.m_hWnd));
    // A pane the bar does not have: the window stays where it is.
    CRect rectBefore = RectIn(m_status, label.m_hWnd);
    m_status.AssignWndToPane(&label, 0xE7FF);
    m_pFrame->SetWindowPos(NULL, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(rectBefore, RectIn(m_status, label.m_hWnd));
    EXPECT_EQ(PaneRect(m_status, ID_SEPARATOR), RectIn(m_status, progress.m_hWnd));
}

TEST_F(KwBars, AStatusBarWindowDeletedByTheHostIsForgotten)
{
    CWnd* pProgress = new CWnd;
    ASSERT_TRUE(pProgress->Create(PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &m_status, 1));
    m_status.AssignWndToPane(pProgress, ID_INDICATOR_NUM);
    pProgress->DestroyWindow();
    delete pProgress;
    // The next window may get the same object address and the bar must not move it for the old one.
    CWnd other;
    ASSERT_TRUE(other.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(3, 3, 20, 10), &m_status, 2));
    m_pFrame->SetWindowPos(NULL, 0, 0, 900, 600, SWP_NOZORDER | SWP_NOMOVE);
    m_status.SendMessage(WM_SIZE, 0, 0);
    EXPECT_EQ(CRect(3, 3, 20, 10), RectIn(m_status, other.m_hWnd));
    m_status.AssignWndToPane(NULL, ID_INDICATOR_NUM); // no window: nothing to keep
}

} // namespace
