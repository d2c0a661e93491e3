// Docking panes in an MDI frame: the layout edge by edge round the MDI client, sliders dragged
// with the mouse captured and clamped, hiding and the close button, floating by double-click and
// by code at the remembered place and back, and the frame's caption while a mini frame is active.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPDockingControlBar.h"
#include "CBCGPDockingMarkers.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMenuBar.h"
#include "CBCGPMiniFrameWnd.h"
#include "CBCGPSlider.h"
#include "CBCGPStatusBar.h"
#include "CBCGPTabbedControlBar.h"
#include "CBCGPVisualManager.h"
#include "DockFrameTest.rh"
#include "core/KwLook.h"
#include "support/MessageRecorder.h"
#include "support/TestSurface.h"

#include <afxpriv.h>

#include <ostream>
#include <string>

// Rectangles print as their corners when a comparison fails.
void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << "," << rect.top << ")-(" << rect.right << "," << rect.bottom << ")";
}

// The host's own containers, made by the library through their runtime class.
class CHostTabbedBar : public CBCGPTabbedControlBar
{
    DECLARE_DYNCREATE(CHostTabbedBar)
};
IMPLEMENT_DYNCREATE(CHostTabbedBar, CBCGPTabbedControlBar)

namespace {

// A pane that notes each time it is asked whether it may float.
class CRecordingPane : public CBCGPDockingControlBar
{
public:
    std::string* m_pLog = nullptr;
    BOOL m_bCanFloat = TRUE;
    BOOL CanFloat() const override
    {
        *m_pLog += "CanFloat;";
        return m_bCanFloat && CBCGPDockingControlBar::CanFloat();
    }
};

// Notes whether its caption was last drawn active.
class CCaptionFrame : public CBCGPMDIFrameWnd
{
public:
    BOOL m_bCaptionActive = FALSE;
    afx_msg BOOL OnNcActivate(BOOL bActive)
    {
        BOOL bResult = CBCGPMDIFrameWnd::OnNcActivate(bActive);
        m_bCaptionActive = bActive;
        return bResult;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCaptionFrame, CBCGPMDIFrameWnd)
    ON_WM_NCACTIVATE()
END_MESSAGE_MAP()

CRect ClientRectOf(CWnd* pFrame, HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    pFrame->ScreenToClient(&rect);
    return rect;
}

// A mouse message at a screen point, to the window that holds the capture (else hWnd).
void SendMouse(HWND hWnd, UINT message, CPoint point, WPARAM wParam = 0)
{
    HWND hTarget = ::GetCapture() != NULL ? ::GetCapture() : hWnd;
    ::ScreenToClient(hTarget, &point);
    ::SendMessageA(hTarget, message, wParam, MAKELPARAM(point.x, point.y));
}

struct DockingBar : ::testing::Test
{
    CWinApp m_app{"KwDockingTests"};
    CCaptionFrame* m_pFrame = nullptr;
    CBCGPStatusBar m_status;
    CRecordingPane m_top, m_bottom, m_left1, m_left2, m_right;
    std::string m_log;

    void SetUp() override
    {
        m_pFrame = new CCaptionFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_DOCK_MAIN));
        m_app.m_pMainWnd = m_pFrame;
        m_pFrame->SetWindowPos(NULL, 0, 0, 800, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        static const UINT s_indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};
        ASSERT_TRUE(m_status.Create(m_pFrame));
        m_status.SetIndicators(s_indicators, 2);
        struct { CRecordingPane* pPane; const char* pszName; DWORD dwSide; CRect rect; } panes[] = {
            {&m_top, "Toolbox", CBRS_TOP, CRect(0, 0, 300, 60)}, {&m_bottom, "Output", CBRS_BOTTOM, CRect(0, 0, 300, 100)},
            {&m_left1, "Project", CBRS_LEFT, CRect(0, 0, 150, 200)}, {&m_left2, "Classes", CBRS_LEFT, CRect(0, 0, 150, 100)},
            {&m_right, "Properties", CBRS_RIGHT, CRect(0, 0, 120, 200)}};
        for (auto& pane : panes)
        {
            pane.pPane->m_pLog = &m_log;
            ASSERT_TRUE(pane.pPane->Create(pane.pszName, m_pFrame, pane.rect, TRUE, 0,
                WS_CHILD | WS_VISIBLE | pane.dwSide));
            pane.pPane->EnableDocking(CBRS_ALIGN_ANY);
            m_pFrame->DockControlBar(pane.pPane);
        }
        m_pFrame->RecalcLayout();
        PumpMessages(0);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow(); // deletes it, floating panes' mini frames too
        m_app.m_pMainWnd = NULL;
    }
    CRect Rect(CWnd* pWnd) { return ClientRectOf(m_pFrame, pWnd->m_hWnd); }
    CRect Client() { return ClientRectOf(m_pFrame, m_pFrame->m_hWndMDIClient); }
    CPoint Middle(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        return rect.CenterPoint();
    }
    // Presses the slider in its middle, moves the mouse by (dx, dy) and lets go.
    void Drag(CBCGPSlider* pSlider, int dx, int dy)
    {
        CPoint point = Middle(pSlider);
        SendMouse(pSlider->m_hWnd, WM_LBUTTONDOWN, point, MK_LBUTTON);
        ASSERT_EQ(pSlider->m_hWnd, ::GetCapture());
        SendMouse(pSlider->m_hWnd, WM_MOUSEMOVE, point + CPoint(dx / 2, dy / 2), MK_LBUTTON);
        SendMouse(pSlider->m_hWnd, WM_MOUSEMOVE, point + CPoint(dx, dy), MK_LBUTTON);
        SendMouse(pSlider->m_hWnd, WM_LBUTTONUP, point + CPoint(dx, dy));
        EXPECT_EQ(NULL, ::GetCapture());
    }
};

TEST_F(DockingBar, PanesTakeTheEdgesInOrderAroundTheClientWithSlidersBetween)
{
    CRect rectFrame;
    m_pFrame->GetClientRect(&rectFrame);
    const int S = CBCGPSlider::SLIDER_SIZE, C = CBCGPDockingControlBar::CAPTION_HEIGHT;
    int yTop = Rect(m_pFrame->GetMenuBar()).bottom;
    int yBottom = Rect(&m_status).top;
    EXPECT_EQ(CRect(0, yBottom, rectFrame.right, rectFrame.bottom), Rect(&m_status));
    // Top and bottom across the frame, left and right between them; the client in the middle.
    EXPECT_EQ(CRect(0, yTop, rectFrame.right, yTop + 60), Rect(&m_top));
    EXPECT_EQ(CRect(0, yBottom - 100, rectFrame.right, yBottom), Rect(&m_bottom));
    int yInnerTop = yTop + 60 + S, yInnerBottom = yBottom - 100 - S;
    EXPECT_EQ(150, Rect(&m_left1).Width());
    EXPECT_EQ(CRect(rectFrame.right - 120, yInnerTop, rectFrame.right, yInnerBottom), Rect(&m_right));
    EXPECT_EQ(CRect(150 + S, yInnerTop, rectFrame.right - 120 - S, yInnerBottom), Client());
    // Two panes on one edge share its length two to one, as they were made, with a slider between.
    int nAvail = yInnerBottom - yInnerTop - S;
    EXPECT_EQ(CRect(0, yInnerTop, 150, yInnerTop + nAvail * 2 / 3), Rect(&m_left1));
    EXPECT_EQ(CRect(0, Rect(&m_left1).bottom + S, 150, yInnerBottom), Rect(&m_left2));
    // The caption is outside the client area, which is all the pane's window's.
    CRect rectClient;
    m_left1.GetClientRect(&rectClient);
    EXPECT_EQ(CSize(150, Rect(&m_left1).Height() - C), rectClient.Size());
    // Each pane's default slider is its edge's, toward the client.
    EXPECT_EQ(m_left1.GetDefaultSlider(), m_left2.GetDefaultSlider());
    DWORD aligns[] = {m_top.GetDefaultSlider()->GetCurrentAlignment(), m_bottom.GetDefaultSlider()->GetCurrentAlignment(),
        m_left1.GetDefaultSlider()->GetCurrentAlignment(), m_right.GetDefaultSlider()->GetCurrentAlignment()};
    EXPECT_EQ(std::vector<DWORD>({CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT}),
        std::vector<DWORD>(aligns, aligns + 4));
    EXPECT_EQ(CRect(150, yInnerTop, 150 + S, yInnerBottom), Rect(m_left1.GetDefaultSlider()));
    // A bigger frame gives the client all the room.
    CRect rectPane = Rect(&m_right);
    m_pFrame->SetWindowPos(NULL, 0, 0, 900, 600, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(rectPane + CPoint(100, 0), Rect(&m_right));
    EXPECT_EQ(150, Rect(&m_left1).Width());
}

TEST_F(DockingBar, SlidersResizeTheirPanesByMouseWithinLimits)
{
    CRect rectClient = Client();
    Drag(m_left1.GetDefaultSlider(), 30, 7);
    EXPECT_EQ(180, Rect(&m_left1).Width());
    EXPECT_EQ(180, Rect(&m_left2).Width());
    EXPECT_EQ(rectClient.left + 30, Client().left);
    // The right edge grows to the left; the bottom one upward.
    Drag(m_right.GetDefaultSlider(), -20, 0);
    EXPECT_EQ(140, Rect(&m_right).Width());
    Drag(m_bottom.GetDefaultSlider(), 0, -15);
    EXPECT_EQ(115, Rect(&m_bottom).Height());
    // Neither side collapses: the client keeps its minimum, the pane too.
    Drag(m_left1.GetDefaultSlider(), 2000, 0);
    EXPECT_EQ(CBCGPDockManager::MIN_CLIENT_SIZE, Client().Width());
    Drag(m_left1.GetDefaultSlider(), -10, 0); // at once, no dead distance
    EXPECT_EQ(CBCGPDockManager::MIN_CLIENT_SIZE + 10, Client().Width());
    Drag(m_left1.GetDefaultSlider(), -2000, 0);
    EXPECT_EQ(CBCGPDockManager::MIN_PANE_SIZE, Rect(&m_left1).Width());
    // The slider between the two left panes moves length from one to the other.
    int nLength = Rect(&m_left1).Height() + Rect(&m_left2).Height();
    CBCGPSlider* pInner = DYNAMIC_DOWNCAST(CBCGPSlider, CWnd::FromHandle(::ChildWindowFromPoint(m_pFrame->m_hWnd,
        CPoint(10, Rect(&m_left1).bottom + 1))));
    ASSERT_TRUE(pInner != NULL && pInner->IsInner());
    int nFirst = Rect(&m_left1).Height();
    Drag(pInner, 0, -40);
    EXPECT_EQ(nFirst - 40, Rect(&m_left1).Height());
    EXPECT_EQ(nLength, Rect(&m_left1).Height() + Rect(&m_left2).Height());
    Drag(pInner, 0, 5000);
    EXPECT_EQ(CBCGPDockManager::MIN_PANE_SIZE, Rect(&m_left2).Height());
    // The mouse back past where the clamp held it: the slider waits until it is under it again.
    CPoint point = Middle(pInner);
    SendMouse(pInner->m_hWnd, WM_LBUTTONDOWN, point, MK_LBUTTON);
    SendMouse(pInner->m_hWnd, WM_MOUSEMOVE, point + CPoint(0, 100), MK_LBUTTON);
    SendMouse(pInner->m_hWnd, WM_LBUTTONUP, point + CPoint(0, 60));
    EXPECT_EQ(CBCGPDockManager::MIN_PANE_SIZE, Rect(&m_left2).Height());
}

TEST_F(DockingBar, HiddenPanesGiveTheirPlaceAndTheCloseButtonHides)
{
    CRect rectFirst = Rect(&m_left1), rectSecond = Rect(&m_left2), rectClient = Client();
    m_left2.ShowControlBar(FALSE, FALSE, FALSE);
    EXPECT_FALSE(m_left2.IsVisible());
    EXPECT_EQ(CRect(rectFirst.TopLeft(), rectSecond.BottomRight()), Rect(&m_left1));
    m_left2.ShowControlBar(TRUE, FALSE, FALSE);
    EXPECT_EQ(rectFirst, Rect(&m_left1));
    EXPECT_EQ(rectSecond, Rect(&m_left2));
    // The close button: the hit test finds it; pressed and released outside it, nothing.
    CRect rectClose = m_right.GetCloseButtonRect();
    CRect rectWindow;
    m_right.GetWindowRect(&rectWindow);
    CPoint ptClose = rectClose.CenterPoint() + rectWindow.TopLeft();
    LRESULT nHit = m_right.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptClose.x, ptClose.y));
    ASSERT_EQ(HTCLOSE, nHit);
    m_right.SendMessage(WM_NCLBUTTONDOWN, nHit, MAKELPARAM(ptClose.x, ptClose.y));
    SendMouse(m_right.m_hWnd, WM_LBUTTONUP, ptClose + CPoint(-40, 0));
    EXPECT_TRUE(m_right.IsVisible());
    m_right.SendMessage(WM_NCLBUTTONDOWN, nHit, MAKELPARAM(ptClose.x, ptClose.y));
    SendMouse(m_right.m_hWnd, WM_LBUTTONUP, ptClose);
    EXPECT_FALSE(m_right.IsVisible());
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(rectClient.right + 120 + CBCGPSlider::SLIDER_SIZE, Client().right);
    // An edge left without panes has no slider showing.
    EXPECT_FALSE(m_right.GetDefaultSlider()->IsWindowVisible());
}

TEST_F(DockingBar, DoubleClickFloatsAtTheRememberedPlaceAndDocksBackAskingCanFloatEachTime)
{
    CRect rectWindow;
    m_left1.GetWindowRect(&rectWindow);
    CPoint ptCaption = rectWindow.TopLeft() + CPoint(10, 5);
    LRESULT nHit = m_left1.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptCaption.x, ptCaption.y));
    ASSERT_EQ(HTCAPTION, nHit);
    // Refused: stays docked, having been asked.
    m_left1.m_bCanFloat = FALSE;
    m_left1.SendMessage(WM_NCLBUTTONDBLCLK, nHit, MAKELPARAM(ptCaption.x, ptCaption.y));
    EXPECT_FALSE(m_left1.IsFloating());
    m_left1.m_bCanFloat = TRUE;
    m_left1.SendMessage(WM_NCLBUTTONDBLCLK, nHit, MAKELPARAM(ptCaption.x, ptCaption.y));
    EXPECT_EQ("CanFloat;CanFloat;", m_log);
    ASSERT_TRUE(m_left1.IsFloating());
    CBCGPMiniFrameWnd* pMiniFrame = m_left1.GetParentMiniFrame();
    EXPECT_EQ(pMiniFrame, m_left1.GetParent());
    EXPECT_EQ(m_pFrame->m_hWnd, ::GetWindow(pMiniFrame->m_hWnd, GW_OWNER));
    EXPECT_TRUE(pMiniFrame->IsWindowVisible());
    EXPECT_TRUE((pMiniFrame->GetExStyle() & WS_EX_TOOLWINDOW) != 0);
    EXPECT_EQ(NULL, m_left1.GetDefaultSlider());
    // The pane fills its mini frame, without a caption of its own; its neighbour takes the edge.
    CRect rectInside, rectPane;
    pMiniFrame->GetClientRect(&rectInside);
    m_left1.GetClientRect(&rectPane);
    EXPECT_EQ(rectInside, rectPane);
    EXPECT_EQ(Rect(m_left2.GetDefaultSlider()).Height(), Rect(&m_left2).Height());
    // Moved, then docked back by a double-click on the mini frame's caption: last on its edge.
    pMiniFrame->SetWindowPos(NULL, 300, 200, 220, 180, SWP_NOZORDER | SWP_NOACTIVATE);
    pMiniFrame->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_FALSE(m_left1.IsFloating());
    EXPECT_EQ(m_pFrame, m_left1.GetParent());
    EXPECT_EQ(Rect(&m_left2).bottom + CBCGPSlider::SLIDER_SIZE, Rect(&m_left1).top);
    EXPECT_EQ(CRect(300, 200, 520, 380), m_left1.m_recentDockInfo.m_rectRecentFloatingRect);
    // By code, at the remembered rectangle (as the Float command does), and back.
    EXPECT_TRUE(m_left1.FloatControlBar(m_left1.m_recentDockInfo.m_rectRecentFloatingRect, DM_DBL_CLICK, true));
    m_left1.GetParentMiniFrame()->GetWindowRect(&rectWindow);
    EXPECT_EQ(CRect(300, 200, 520, 380), rectWindow);
    // Closed while floating, the mini frame hides with the pane and shows with it.
    m_left1.GetParentMiniFrame()->SendMessage(WM_CLOSE);
    EXPECT_FALSE(m_left1.IsVisible());
    EXPECT_FALSE(m_left1.GetParentMiniFrame()->IsWindowVisible());
    m_left1.ShowControlBar(TRUE, FALSE, FALSE);
    EXPECT_TRUE(m_left1.GetParentMiniFrame()->IsWindowVisible());
    m_pFrame->DockControlBar(&m_left1, AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_FALSE(m_left1.IsFloating());
    EXPECT_EQ(CBRS_ALIGN_RIGHT, m_left1.GetDefaultSlider()->GetCurrentAlignment());
    EXPECT_EQ("CanFloat;CanFloat;", m_log); // code does not ask
}

TEST_F(DockingBar, AnActiveMiniFrameKeepsTheFramesCaptionActive)
{
    m_pFrame->SetForegroundWindow();
    PumpMessages(0);
    ASSERT_TRUE(m_right.FloatControlBar(CRect(100, 100, 300, 300)));
    CBCGPMiniFrameWnd* pMiniFrame = m_right.GetParentMiniFrame();
    EXPECT_TRUE(pMiniFrame->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE));
    pMiniFrame->SetActiveWindow();
    PumpMessages(0);
    EXPECT_EQ(pMiniFrame->m_hWnd, ::GetActiveWindow());
    EXPECT_TRUE(m_pFrame->m_bCaptionActive);
    // A window the frame does not own takes the activation: the caption goes inactive.
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "Other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, NULL, NULL));
    other.SetActiveWindow();
    PumpMessages(0);
    EXPECT_FALSE(m_pFrame->m_bCaptionActive);
    EXPECT_EQ(0u, m_pFrame->m_nFlags & WF_STAYACTIVE);
    other.DestroyWindow();
}

// The pane's window rectangle equals its client's: it shows no caption of its own.
bool HasNoCaption(CWnd* pWnd)
{
    CRect rectWindow, rectClient;
    pWnd->GetWindowRect(&rectWindow);
    pWnd->GetClientRect(&rectClient);
    return rectWindow.Size() == rectClient.Size();
}

TEST_F(DockingBar, PanesDockedOntoAPaneShareItsPlaceAsTabsAndTheLastTabLeftTakesItBack)
{
    CBCGPDockingControlBar::m_pTabbedControlBarRTC = RUNTIME_CLASS(CHostTabbedBar);
    CRect rectRight = Rect(&m_right);
    CBCGPDockingControlBar* pResult = NULL;
    CBCGPDockingControlBar* pMade = m_left2.AttachToTabWnd(&m_right, DM_STANDARD, TRUE, &pResult);
    CBCGPDockingControlBar::m_pTabbedControlBarRTC = NULL;
    auto* pTabbed = DYNAMIC_DOWNCAST(CHostTabbedBar, pMade);
    ASSERT_NE(nullptr, pTabbed);
    EXPECT_EQ(pMade, pResult);
    EXPECT_EQ(rectRight, Rect(pTabbed));
    EXPECT_EQ(CBRS_ALIGN_RIGHT, pTabbed->GetCurrentAlignment());
    // The left edge is all the first pane's now.
    EXPECT_EQ(Rect(m_left1.GetDefaultSlider()).Height(), Rect(&m_left1).Height());
    CBCGPTabWnd* pTabs = pTabbed->GetUnderlyingWindow();
    ASSERT_EQ(2, pTabs->GetTabsNum());
    EXPECT_EQ(&m_right, pTabs->GetTabWnd(0));
    EXPECT_EQ(&m_left2, pTabs->GetTabWnd(1));
    EXPECT_EQ(pTabbed, m_left2.GetParentTabbedBar());
    EXPECT_TRUE(HasNoCaption(&m_left2) && HasNoCaption(&m_right));
    CString strCaption;
    pTabbed->GetWindowText(strCaption);
    EXPECT_STREQ("Classes", strCaption);
    EXPECT_TRUE(m_left2.IsWindowVisible());
    EXPECT_FALSE(m_right.IsWindowVisible());
    pTabs->SetActiveTab(0);
    pTabbed->GetWindowText(strCaption);
    EXPECT_STREQ("Properties", strCaption);
    EXPECT_TRUE(m_right.IsWindowVisible());
    // A third pane, floating, joins the same container through one of its tabs.
    ASSERT_TRUE(m_top.FloatControlBar(CRect(100, 100, 400, 300)));
    EXPECT_EQ(pTabbed, m_top.AttachToTabWnd(&m_right, DM_MOUSE, FALSE));
    EXPECT_FALSE(m_top.IsFloating());
    EXPECT_EQ(3, pTabs->GetTabsNum());
    EXPECT_EQ(0, pTabs->GetActiveTab());
    // Its float command floats just that tab, at its remembered place, asking it first.
    m_log.clear();
    EXPECT_TRUE(m_top.FloatControlBar(m_top.m_recentDockInfo.m_rectRecentFloatingRect, DM_DBL_CLICK, true));
    EXPECT_EQ("CanFloat;", m_log);
    ASSERT_TRUE(m_top.IsFloating());
    CRect rectFloat;
    m_top.GetParentMiniFrame()->GetWindowRect(&rectFloat);
    EXPECT_EQ(CRect(100, 100, 400, 300), rectFloat);
    EXPECT_EQ(2, pTabs->GetTabsNum());
    // One tab left: the pane takes the container's place again, with its caption, and the
    // container goes.
    HWND hTabbed = pTabbed->m_hWnd;
    rectRight = Rect(pTabbed);
    EXPECT_TRUE(pTabbed->FloatTab(&m_left2, 1, DM_UNKNOWN, TRUE));
    EXPECT_FALSE(::IsWindow(hTabbed));
    EXPECT_TRUE(m_left2.IsFloating());
    EXPECT_FALSE(m_left2.GetParentMiniFrame()->IsWindowVisible());
    EXPECT_EQ(m_pFrame, m_right.GetParent());
    EXPECT_EQ(rectRight, Rect(&m_right));
    EXPECT_FALSE(HasNoCaption(&m_right));
    EXPECT_TRUE(m_right.IsWindowVisible());
    // Docked back, the floated tab goes to the edge its container had.
    EXPECT_TRUE(m_left2.DockToRecentPos());
    EXPECT_EQ(CBRS_ALIGN_RIGHT, m_left2.GetCurrentAlignment());
}

TEST_F(DockingBar, AFloatingContainerLeavesItsLastPaneFloatingWhereItWas)
{
    ASSERT_TRUE(m_right.FloatControlBar(CRect(200, 150, 450, 400)));
    auto* pTabbed = DYNAMIC_DOWNCAST(CBCGPTabbedControlBar, m_bottom.AttachToTabWnd(&m_right, DM_STANDARD));
    ASSERT_NE(nullptr, pTabbed);
    ASSERT_TRUE(pTabbed->IsFloating());
    EXPECT_FALSE(m_right.IsFloating());
    CRect rect;
    pTabbed->GetParentMiniFrame()->GetWindowRect(&rect);
    EXPECT_EQ(CRect(200, 150, 450, 400), rect);
    // Refused by the pane: the tab stays.
    m_bottom.m_bCanFloat = FALSE;
    EXPECT_FALSE(pTabbed->FloatTab(&m_bottom, 1, DM_UNKNOWN));
    EXPECT_FALSE(pTabbed->FloatTab(&m_bottom, 0, DM_UNKNOWN)); // not that tab
    m_bottom.m_bCanFloat = TRUE;
    EXPECT_EQ(&m_bottom, pTabbed->GetUnderlyingWindow()->GetTabWnd(1));
    // The last pane docked at an edge: the container dissolves into a floating pane.
    m_pFrame->DockControlBar(&m_bottom, AFX_IDW_DOCKBAR_BOTTOM);
    ASSERT_TRUE(m_right.IsFloating());
    m_right.GetParentMiniFrame()->GetWindowRect(&rect);
    EXPECT_EQ(CRect(200, 150, 450, 400), rect);
    EXPECT_EQ(CBRS_ALIGN_BOTTOM, m_bottom.GetCurrentAlignment());
    EXPECT_TRUE(HasNoCaption(&m_right));
}

TEST_F(DockingBar, DraggedByItsCaptionAPaneFloatsAndDocksWhereTheMarkersSay)
{
    auto pressCaption = [&](CBCGPDockingControlBar& pane) {
        CRect rect;
        pane.GetWindowRect(&rect);
        CPoint point = rect.TopLeft() + CPoint(30, 5);
        pane.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
        EXPECT_EQ(pane.m_hWnd, ::GetCapture());
        return point;
    };
    // Refused: the pane stays where it is and lets the mouse go.
    m_left2.m_bCanFloat = FALSE;
    CPoint point = pressCaption(m_left2);
    SendMouse(m_left2.m_hWnd, WM_MOUSEMOVE, point + CPoint(40, 40), MK_LBUTTON);
    EXPECT_EQ("CanFloat;", m_log);
    EXPECT_FALSE(m_left2.IsFloating());
    EXPECT_EQ(NULL, ::GetCapture());
    m_left2.m_bCanFloat = TRUE;
    // A wobble within the drag distance does nothing; a real move floats the pane under the mouse.
    point = pressCaption(m_left2);
    SendMouse(m_left2.m_hWnd, WM_MOUSEMOVE, point + CPoint(1, 1), MK_LBUTTON);
    EXPECT_FALSE(m_left2.IsFloating());
    CRect rectBefore;
    m_left2.GetWindowRect(&rectBefore);
    SendMouse(m_left2.m_hWnd, WM_MOUSEMOVE, point + CPoint(40, 30), MK_LBUTTON);
    ASSERT_TRUE(m_left2.IsFloating());
    CRect rectFloat;
    m_left2.GetParentMiniFrame()->GetWindowRect(&rectFloat);
    EXPECT_EQ(rectBefore.TopLeft() + CPoint(40, 30), rectFloat.TopLeft());
    // Over the right pane: its markers show, the middle one lit under the mouse.
    CPoint ptRight = Middle(&m_right);
    SendMouse(m_left2.m_hWnd, WM_MOUSEMOVE, ptRight, MK_LBUTTON);
    m_left2.GetParentMiniFrame()->GetWindowRect(&rectFloat);
    EXPECT_EQ(rectBefore.TopLeft() + (ptRight - point), rectFloat.TopLeft());
    CBCGPDockingMarkers* pMarkers = m_left2.GetDockingMarkers();
    ASSERT_NE(nullptr, pMarkers);
    EXPECT_TRUE(pMarkers->IsWindowVisible());
    CRect rectRight;
    m_right.GetWindowRect(&rectRight);
    EXPECT_EQ(rectRight, pMarkers->GetTargetRect());
    EXPECT_EQ(CBCGPDockingMarkers::MARKER_CENTER, pMarkers->HitTest(ptRight));
    // Dropped on the middle marker: a tab of the right pane.
    SendMouse(m_left2.m_hWnd, WM_LBUTTONUP, ptRight);
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_FALSE(pMarkers->IsWindowVisible());
    ASSERT_NE(nullptr, m_left2.GetParentTabbedBar());
    EXPECT_EQ(m_left2.GetParentTabbedBar(), m_right.GetParentTabbedBar());
    // The bottom pane dropped on the container's top marker shares its place at the right edge,
    // above it.
    CBCGPTabbedControlBar* pTabbed = m_right.GetParentTabbedBar();
    point = pressCaption(m_bottom);
    SendMouse(m_bottom.m_hWnd, WM_MOUSEMOVE, point - CPoint(0, 40), MK_LBUTTON);
    CRect rectTabbed;
    pTabbed->GetWindowRect(&rectTabbed);
    CPoint ptTop = CBCGPDockingMarkers::GetMarkerRect(rectTabbed, CBCGPDockingMarkers::MARKER_TOP).CenterPoint();
    SendMouse(m_bottom.m_hWnd, WM_MOUSEMOVE, ptTop, MK_LBUTTON);
    SendMouse(m_bottom.m_hWnd, WM_LBUTTONUP, ptTop);
    EXPECT_FALSE(m_bottom.IsFloating());
    EXPECT_EQ(CBRS_ALIGN_RIGHT, m_bottom.GetCurrentAlignment());
    EXPECT_EQ(Rect(pTabbed).left, Rect(&m_bottom).left);
    EXPECT_LT(Rect(&m_bottom).bottom, Rect(pTabbed).top);
    // Let go away from any marker: it stays floating where it is.
    point = pressCaption(m_top);
    SendMouse(m_top.m_hWnd, WM_MOUSEMOVE, point + CPoint(60, 200), MK_LBUTTON);
    SendMouse(m_top.m_hWnd, WM_LBUTTONUP, point + CPoint(60, 200));
    EXPECT_TRUE(m_top.IsFloating());
}

} // namespace

// Switched to the dark look, the frame repaints its menu bar, the panes' captions, the sliders and
// the status bar from the dark manager: none of the classic face is left on the window.
TEST_F(DockingBar, TheDarkLookRepaintsMenuCaptionsSlidersAndStatusBar)
{
    m_pFrame->UpdateWindow();
    CKwLook::SetLook(CKwLook::eDark, FALSE);
    m_pFrame->RedrawWindow(NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
    CRect rectFrame;
    m_pFrame->GetClientRect(&rectFrame);
    TestSurface surface(rectFrame.Width(), rectFrame.Height());
    HDC hDC = ::GetDC(m_pFrame->m_hWnd);
    ::BitBlt(surface.DC().m_hDC, 0, 0, rectFrame.Width(), rectFrame.Height(), hDC, 0, 0, SRCCOPY);
    ::ReleaseDC(m_pFrame->m_hWnd, hDC);
    const COLORREF bar = pManager->GetBarBackgroundColor(), face = pManager->GetSysColor(COLOR_BTNFACE);
    const COLORREF caption = pManager->GetCaptionColor(FALSE), classicFace = ::GetSysColor(COLOR_BTNFACE);
    CRect rectCaption = Rect(&m_right);
    rectCaption.bottom = rectCaption.top + 10;
    CRect rectSlider = ClientRectOf(m_pFrame, m_right.GetDefaultSlider()->m_hWnd);
    CRect rectMenu = Rect((CWnd*)m_pFrame->GetMenuBar());
    CRect rectStatus = Rect(&m_status);
    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    CBCGPVisualManager::SetDefaultManager(NULL);
    EXPECT_EQ(0, surface.Count(rectFrame, classicFace));
    EXPECT_GT(surface.Count(rectCaption, caption), rectCaption.Width() * 8);
    EXPECT_EQ(rectSlider.Width() * rectSlider.Height(), surface.Count(rectSlider, bar));
    EXPECT_GT(surface.Count(rectMenu, face), rectMenu.Width() * rectMenu.Height() / 2);
    EXPECT_GT(surface.Count(rectStatus, bar), rectStatus.Width() * rectStatus.Height() / 2);
}
