// Auto-hide: panes collapsing to buttons in strips at their edges, sliding in over the client at
// once or animated, by code, by a click (until the focus leaves) and by a hover (until the mouse
// leaves), and the caption's pin toggling the mode.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPAutoHideButton.h"
#include "CBCGPAutoHideToolBar.h"
#include "CBCGPDockingControlBar.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMenuBar.h"
#include "CBCGPSlider.h"
#include "CBCGPStatusBar.h"
#include "DockTestFrame.h"
#include "support/MessageRecorder.h"
#include "support/PumpUntil.h"

#include <ostream>

void PrintTo(const CRect& rect, std::ostream* os);

namespace {

struct AutoHide : ::testing::Test
{
    CWinApp m_app{"KwAutoHideTests"};
    CBCGPMDIFrameWnd* m_pFrame = nullptr;
    CBCGPStatusBar m_status;
    CBCGPDockingControlBar m_left, m_bottom, m_right;
    CRect m_rectInside; // the frame's client area between menu bar and status bar
    const int T = CBCGPAutoHideToolBar::STRIP_SIZE, S = CBCGPSlider::SLIDER_SIZE;

    void SetUp() override
    {
        ::SetCursorPos(2000, 2000); // the mouse away from the panes
        ASSERT_TRUE((m_pFrame = NewDockTestFrame(m_app)) != nullptr);
        ASSERT_TRUE(m_status.Create(m_pFrame));
        struct { CBCGPDockingControlBar* pPane; const char* pszName; DWORD dwSide; CRect rect; } panes[] = {
            {&m_left, "Project", CBRS_LEFT, CRect(0, 0, 150, 200)},
            {&m_bottom, "Output", CBRS_BOTTOM, CRect(0, 0, 300, 100)},
            {&m_right, "Properties", CBRS_RIGHT, CRect(0, 0, 120, 200)}};
        for (auto& pane : panes)
            ASSERT_TRUE(DockNewPane(m_pFrame, *pane.pPane, pane.pszName, pane.dwSide, pane.rect));
        m_pFrame->RecalcLayout();
        PumpMessages(0);
        m_pFrame->GetClientRect(&m_rectInside);
        m_rectInside.top = Rect(m_pFrame->GetMenuBar()).bottom;
        m_rectInside.bottom = Rect(&m_status).top;
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
        m_app.m_pMainWnd = NULL;
    }
    CRect Rect(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        m_pFrame->ScreenToClient(&rect);
        return rect;
    }
    CRect Client() { return Rect(CWnd::FromHandle(m_pFrame->m_hWndMDIClient)); }
    CBCGPAutoHideToolBar* Hide(CBCGPDockingControlBar& pane)
    {
        return pane.SetAutoHideMode(TRUE, pane.GetDefaultSlider()->GetCurrentAlignment(), NULL, TRUE);
    }
    // The pane's button, in screen coordinates.
    CRect ButtonRect(CBCGPDockingControlBar& pane)
    {
        CRect rect = pane.GetAutoHideToolBar()->FindButton(&pane)->GetRect();
        pane.GetAutoHideToolBar()->ClientToScreen(&rect);
        return rect;
    }
    void SendToStrip(CBCGPDockingControlBar& pane, UINT message, CPoint point)
    {
        pane.GetAutoHideToolBar()->ScreenToClient(&point);
        pane.GetAutoHideToolBar()->SendMessage(message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(point.x, point.y));
    }
};

TEST_F(AutoHide, PanesCollapseIntoStripsAlongTheirEdgesAndComeBack)
{
    const CRect rectClient = Client();
    CBCGPAutoHideToolBar* pLeft = Hide(m_left);
    ASSERT_TRUE(pLeft != NULL);
    EXPECT_TRUE(m_left.IsAutoHideMode());
    EXPECT_FALSE(m_left.IsWindowVisible());
    EXPECT_TRUE(m_left.GetDefaultSlider() != NULL); // the toolkit toggles back through it
    // The strip runs down the left side between the bottom pane's edge and the menu bar; the
    // client takes the pane's place less the strip.
    EXPECT_EQ(CRect(0, m_rectInside.top, T, m_rectInside.bottom), Rect(pLeft));
    EXPECT_EQ(CRect(T, rectClient.top, rectClient.right, rectClient.bottom), Client());
    // A second edge: the bottom strip spans the frame, the left one ends above it.
    CBCGPAutoHideToolBar* pBottom = Hide(m_bottom);
    ASSERT_TRUE(pBottom != NULL && pBottom != pLeft);
    EXPECT_EQ(CRect(0, m_rectInside.bottom - T, m_rectInside.right, m_rectInside.bottom), Rect(pBottom));
    EXPECT_EQ(CRect(0, m_rectInside.top, T, m_rectInside.bottom - T), Rect(pLeft));
    EXPECT_EQ(CRect(T, m_rectInside.top, m_rectInside.right - 120 - S, m_rectInside.bottom - T), Client());
    // The button is the pane's, from the strip's start.
    EXPECT_EQ(1, pLeft->GetButtonCount());
    EXPECT_EQ(CBCGPAutoHideToolBar::BUTTON_GAP, pLeft->FindButton(&m_left)->GetRect().top);
    EXPECT_EQ(&m_left, pLeft->FindButton(&m_left)->GetAutoHideWindow());
    // Asking again changes nothing.
    EXPECT_EQ(pLeft, Hide(m_left));
    EXPECT_EQ(1, pLeft->GetButtonCount());
    // Back: the pane at its width, the empty strip gone.
    EXPECT_EQ(NULL, m_left.SetAutoHideMode(FALSE, CBRS_ALIGN_LEFT, NULL, TRUE));
    EXPECT_FALSE(m_left.IsAutoHideMode());
    EXPECT_FALSE(pLeft->IsWindowVisible());
    EXPECT_EQ(CRect(0, m_rectInside.top, 150, m_rectInside.bottom - T), Rect(&m_left));
    // Refused: a strip at another edge, and a floating pane.
    EXPECT_EQ(NULL, m_left.SetAutoHideMode(TRUE, CBRS_ALIGN_RIGHT, NULL, TRUE));
    ASSERT_TRUE(m_right.FloatControlBar(CRect(300, 300, 500, 450), DM_UNKNOWN, true));
    EXPECT_EQ(NULL, m_right.SetAutoHideMode(TRUE, CBRS_ALIGN_RIGHT, NULL, TRUE));
    EXPECT_FALSE(m_right.IsAutoHideMode());
}

TEST_F(AutoHide, SlidesInOverTheClientAtOnceOrAnimated)
{
    ASSERT_TRUE(Hide(m_left) != NULL);
    ASSERT_TRUE(Hide(m_right) != NULL);
    const CRect rectClient = Client();
    const int yBottom = m_rectInside.bottom; // over the docked bottom pane too
    // At once: next to the strip, the edge's thickness wide, on top of the client.
    m_left.Slide(TRUE, FALSE);
    EXPECT_TRUE(m_left.IsWindowVisible());
    EXPECT_EQ(CRect(T, m_rectInside.top, T + 150, yBottom), Rect(&m_left));
    EXPECT_EQ(rectClient, Client());
    CPoint point(T + 140, 100);
    EXPECT_EQ(m_left.m_hWnd, ::ChildWindowFromPointEx(m_pFrame->m_hWnd, point, CWP_SKIPINVISIBLE));
    m_left.Slide(FALSE, FALSE);
    EXPECT_FALSE(m_left.IsWindowVisible());
    // Animated: it starts narrow against the strip and grows to the same place, then goes back.
    // The mouse waits where it comes in, so that the pane's watch keeps it there once in.
    const CRect rectIn(m_rectInside.right - T - 120, m_rectInside.top, m_rectInside.right - T, yBottom);
    CPoint ptIn = rectIn.CenterPoint();
    m_pFrame->ClientToScreen(&ptIn);
    ::SetCursorPos(ptIn.x, ptIn.y);
    m_right.Slide(TRUE, TRUE);
    EXPECT_TRUE(m_right.IsWindowVisible());
    EXPECT_LT(Rect(&m_right).Width(), 120);
    EXPECT_EQ(rectIn.right, Rect(&m_right).right);
    EXPECT_TRUE(PumpUntil([&] { return Rect(&m_right) == rectIn; }));
    m_right.Slide(FALSE, TRUE);
    EXPECT_TRUE(m_right.IsWindowVisible());
    EXPECT_TRUE(PumpUntil([&] { return !m_right.IsWindowVisible(); }));
    // A frame too small for the whole pane keeps the client's minimum.
    m_pFrame->SetWindowPos(NULL, 0, 0, 200, 400, SWP_NOZORDER | SWP_NOMOVE);
    m_left.Slide(TRUE, FALSE);
    CRect rectFrame;
    m_pFrame->GetClientRect(&rectFrame);
    EXPECT_EQ(rectFrame.right - 2 * T - CBCGPDockManager::MIN_CLIENT_SIZE, Rect(&m_left).Width());
}

TEST_F(AutoHide, AClickKeepsThePaneInUntilTheFocusLeavesAHoverUntilTheMouseLeaves)
{
    Hide(m_bottom);
    const CRect rectIn(0, m_rectInside.bottom - T - 100, m_rectInside.right, m_rectInside.bottom - T);
    CPoint point = ButtonRect(m_bottom).CenterPoint();
    SendToStrip(m_bottom, WM_LBUTTONDOWN, point);
    EXPECT_TRUE(m_bottom.IsActive());
    EXPECT_TRUE(PumpUntil([&] { return Rect(&m_bottom) == rectIn; }));
    ::SetFocus(m_pFrame->m_hWndMDIClient);
    EXPECT_TRUE(PumpUntil([&] { return !m_bottom.IsWindowVisible(); }));
    // A hover: in while the mouse is over the button or the pane, out when it leaves them.
    ::SetCursorPos(point.x, point.y);
    SendToStrip(m_bottom, WM_MOUSEMOVE, point);
    EXPECT_TRUE(PumpUntil([&] { return Rect(&m_bottom) == rectIn; }));
    EXPECT_FALSE(m_bottom.IsActive());
    CRect rectScreen;
    m_bottom.GetWindowRect(&rectScreen);
    ::SetCursorPos(rectScreen.CenterPoint().x, rectScreen.CenterPoint().y);
    PumpMessages(3 * 100); // some turns of the pane's watch: it stays
    EXPECT_EQ(rectIn, Rect(&m_bottom));
    ::SetCursorPos(2000, 2000);
    EXPECT_TRUE(PumpUntil([&] { return !m_bottom.IsWindowVisible(); }));
}

TEST_F(AutoHide, ThePinTogglesAndShowingSlides)
{
    // The pin sits left of the close button and answers as a button of the caption.
    CRect rectPin = m_right.GetPinButtonRect(), rectClose = m_right.GetCloseButtonRect();
    ASSERT_FALSE(rectPin.IsRectEmpty());
    EXPECT_EQ(rectClose.top, rectPin.top);
    EXPECT_LT(rectPin.right, rectClose.left);
    CRect rectWindow;
    m_right.GetWindowRect(&rectWindow);
    CPoint point = rectPin.CenterPoint() + rectWindow.TopLeft();
    ASSERT_EQ(HTMAXBUTTON, m_right.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)));
    m_right.SendMessage(WM_NCLBUTTONDOWN, HTMAXBUTTON, MAKELPARAM(point.x, point.y));
    EXPECT_TRUE(m_right.IsAutoHideMode());
    // Showing an auto-hidden pane slides it in; hiding slides it back into its button.
    m_right.ShowControlBar(TRUE, FALSE, TRUE);
    EXPECT_TRUE(m_right.IsWindowVisible());
    EXPECT_TRUE(m_right.IsActive());
    EXPECT_EQ(m_rectInside.right - T, Rect(&m_right).right);
    m_right.ShowControlBar(FALSE, FALSE, FALSE);
    EXPECT_FALSE(m_right.IsWindowVisible());
    EXPECT_FALSE(m_right.IsActive());
    // Pinned again from the slid-in pane: docked where it was.
    m_right.Slide(TRUE, FALSE);
    m_right.GetWindowRect(&rectWindow);
    point = m_right.GetPinButtonRect().CenterPoint() + rectWindow.TopLeft();
    m_right.SendMessage(WM_NCLBUTTONDOWN, HTMAXBUTTON, MAKELPARAM(point.x, point.y));
    EXPECT_FALSE(m_right.IsAutoHideMode());
    EXPECT_EQ(CRect(m_rectInside.right - 120, m_rectInside.top, m_rectInside.right, m_rectInside.bottom - 100 - S),
        Rect(&m_right));
    // A pane that goes takes its button with it.
    CBCGPAutoHideToolBar* pStrip = Hide(m_left);
    m_left.DestroyWindow();
    EXPECT_EQ(0, pStrip->GetButtonCount());
}

} // namespace
