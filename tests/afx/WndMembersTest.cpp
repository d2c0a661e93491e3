// CWnd members with logic of their own: style changes with a frame recalculation, the scroll
// limit, centring, descendants by id and the owner.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "support/MessageRecorder.h"

namespace {

class WndMembers : public ::testing::Test
{
protected:
    CWnd m_parent;
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP | WS_VISIBLE,
            CRect(100, 100, 400, 300), NULL, 0));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
};

TEST_F(WndMembers, StyleChangesRecalculateTheFrameOnlyWhenAskedAndOnlyWhenSomethingChanged)
{
    MessageRecorder recorder;
    recorder.Watch(m_parent.m_hWnd, "wnd");
    recorder.Ignore(WM_STYLECHANGING);
    recorder.Ignore(WM_STYLECHANGED);
    EXPECT_FALSE(m_parent.ModifyStyle(0, WS_POPUP, SWP_FRAMECHANGED)); // nothing changes
    EXPECT_TRUE(m_parent.ModifyStyle(0, WS_BORDER)); // no flags: no SetWindowPos
    EXPECT_TRUE(m_parent.GetStyle() & WS_BORDER);
    const std::vector<ExpectedMsg> none = {};
    EXPECT_TRUE(recorder.Matches(none));

    EXPECT_TRUE(m_parent.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED));
    EXPECT_TRUE(m_parent.GetExStyle() & WS_EX_CLIENTEDGE);
    const std::vector<ExpectedMsg> frameChanged = {
        {"wnd", WM_WINDOWPOSCHANGING, msgSent},
        {"wnd", WM_NCCALCSIZE, msgSent | msgWParam, TRUE},
        {"wnd", WM_WINDOWPOSCHANGED, msgSent},
        // The edge moved and shrank the client area.
        {"wnd", WM_MOVE, msgSent},
        {"wnd", WM_SIZE, msgSent},
    };
    EXPECT_TRUE(recorder.Matches(frameChanged));
}

TEST_F(WndMembers, TheScrollLimitIsTheRangeLessThePage)
{
    SCROLLINFO info = {};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 10;
    m_parent.ModifyStyle(0, WS_VSCROLL, SWP_FRAMECHANGED);
    m_parent.SetScrollInfo(SB_VERT, &info);
    EXPECT_EQ(90, m_parent.GetScrollLimit(SB_VERT));
    info.nPage = 0; // no page: the whole range
    m_parent.SetScrollInfo(SB_VERT, &info);
    EXPECT_EQ(99, m_parent.GetScrollLimit(SB_VERT));
}

TEST_F(WndMembers, ChildrenCentreOverTheirParentAndStayInside)
{
    CRect rcClient;
    m_parent.GetClientRect(&rcClient);
    CWnd child;
    ASSERT_TRUE(child.Create(NULL, "child", WS_VISIBLE, CRect(0, 0, 50, 20), &m_parent, 1));
    child.CenterWindow();
    CRect rc;
    child.GetWindowRect(&rc);
    m_parent.ScreenToClient(&rc);
    EXPECT_EQ(CRect(rcClient.Width() / 2 - 25, rcClient.Height() / 2 - 10, rcClient.Width() / 2 + 25,
                  rcClient.Height() / 2 + 10),
        rc);
    // Larger than the parent: kept at the parent's top left.
    child.MoveWindow(0, 0, rcClient.Width() + 40, rcClient.Height() + 40);
    child.CenterWindow();
    child.GetWindowRect(&rc);
    m_parent.ScreenToClient(&rc);
    EXPECT_EQ(CPoint(0, 0), rc.TopLeft());
}

TEST_F(WndMembers, DescendantsByIdAtAnyDepthAndOwners)
{
    CWnd child, grandChild;
    ASSERT_TRUE(child.Create(NULL, "child", WS_VISIBLE, CRect(0, 0, 100, 50), &m_parent, 1));
    ASSERT_TRUE(grandChild.Create(NULL, "grandchild", WS_VISIBLE, CRect(0, 0, 50, 20), &child, 7));
    HWND hForeign = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, child.m_hWnd, (HMENU)8, NULL, NULL);
    EXPECT_EQ(NULL, m_parent.GetDlgItem(7)); // direct children only
    EXPECT_EQ(&grandChild, m_parent.GetDescendantWindow(7));
    EXPECT_EQ(&grandChild, m_parent.GetDescendantWindow(7, TRUE));
    EXPECT_EQ(hForeign, m_parent.GetDescendantWindow(8)->GetSafeHwnd());
    EXPECT_EQ(NULL, m_parent.GetDescendantWindow(8, TRUE)); // no object of its own
    EXPECT_EQ(NULL, m_parent.GetDescendantWindow(9));
    EXPECT_EQ(&m_parent, grandChild.GetTopLevelParent());
    EXPECT_EQ(&child, grandChild.GetOwner()); // a child's owner is its parent
    // Another owner leaves a child where it is.
    grandChild.SetOwner(&m_parent);
    EXPECT_EQ(&m_parent, grandChild.GetOwner());
    EXPECT_EQ(&child, grandChild.GetParent());
    EXPECT_EQ(&m_parent, grandChild.GetTopLevelParent());
    grandChild.SetOwner(NULL);
    EXPECT_EQ(&child, grandChild.GetOwner());

    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), "popup", WS_POPUP, CRect(0, 0, 10, 10), &m_parent, 0));
    EXPECT_EQ(&m_parent, popup.GetOwner());
    EXPECT_EQ(&popup, popup.GetTopLevelParent());
    EXPECT_EQ(&m_parent, popup.GetTopLevelOwner());
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
    popup.SetOwner(&other); // the system's owner follows: the popup stays above the other window
    EXPECT_EQ(other.m_hWnd, ::GetWindow(popup.m_hWnd, GW_OWNER));
    popup.DestroyWindow();
    other.DestroyWindow();
}

} // namespace
