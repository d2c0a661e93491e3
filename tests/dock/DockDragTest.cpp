// Dragging panes with the mouse: the markers over a pane and at the frame's sides, the outline of
// where the pane goes, drops that split a pane's place, floating frames dragged by their caption,
// tabs pulled out of their container, and Esc putting everything back as it was. The mouse goes
// as messages to the window that holds the capture.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPDockingControlBar.h"
#include "CBCGPDockingMarkers.h"
#include "CBCGPDockingPreview.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMiniFrameWnd.h"
#include "CBCGPSlider.h"
#include "CBCGPStatusBar.h"
#include "CBCGPTabbedControlBar.h"
#include "DockFrameTest.rh"
#include "support/MessageRecorder.h"

#include <sstream>
#include <string>

namespace {

using Marker = CBCGPDockingMarkers::Marker;

struct DockDrag : ::testing::Test
{
    CWinApp m_app{"KwDockDragTests"};
    CBCGPMDIFrameWnd* m_pFrame = nullptr;
    CBCGPStatusBar m_status;
    CBCGPDockingControlBar m_project, m_classes, m_props, m_output;

    void SetUp() override
    {
        m_pFrame = new CBCGPMDIFrameWnd;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_DOCK_MAIN));
        m_app.m_pMainWnd = m_pFrame;
        m_pFrame->SetWindowPos(NULL, 0, 0, 800, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(m_status.Create(m_pFrame));
        struct { CBCGPDockingControlBar* pPane; const char* pszName; DWORD dwSide; } panes[] = {
            {&m_project, "Project", CBRS_LEFT}, {&m_classes, "Classes", CBRS_LEFT},
            {&m_props, "Properties", CBRS_RIGHT}, {&m_output, "Output", CBRS_BOTTOM}};
        for (auto& pane : panes)
        {
            ASSERT_TRUE(pane.pPane->Create(pane.pszName, m_pFrame, CRect(0, 0, 160, 120), TRUE, 0,
                WS_CHILD | WS_VISIBLE | pane.dwSide));
            pane.pPane->EnableDocking(CBRS_ALIGN_ANY);
            m_pFrame->DockControlBar(pane.pPane);
        }
        ASSERT_NE(nullptr, m_classes.AttachToTabWnd(&m_project, DM_STANDARD, FALSE));
        m_pFrame->RecalcLayout();
        PumpMessages(0);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
        m_app.m_pMainWnd = NULL;
    }
    static CRect Screen(CWnd* pWnd)
    {
        CRect rect(0, 0, 0, 0);
        if (pWnd != NULL && pWnd->m_hWnd != NULL && pWnd->IsWindowVisible())
            pWnd->GetWindowRect(&rect);
        return rect;
    }
    // Every visible window of the frame and its floating frames, each with its rectangle and
    // text, in Z order: the whole layout as one string.
    std::string Layout()
    {
        std::ostringstream out;
        auto note = [&](HWND hWnd) {
            if (!::IsWindowVisible(hWnd))
                return;
            CRect rect;
            ::GetWindowRect(hWnd, &rect);
            char szText[64] = "";
            ::GetWindowTextA(hWnd, szText, sizeof(szText));
            out << szText << "(" << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom << ") ";
        };
        for (HWND hWnd = ::GetWindow(m_pFrame->m_hWnd, GW_CHILD); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
            note(hWnd);
        for (CBCGPDockingControlBar* pPane : {&m_project, &m_classes, &m_props, &m_output})
        {
            note(pPane->m_hWnd);
            if (pPane->IsFloating())
                note(pPane->GetParentMiniFrame()->m_hWnd);
        }
        return out.str();
    }
    // A mouse message at a screen point, to the window that holds the capture (else hWnd).
    static void Mouse(HWND hWnd, UINT message, CPoint point, WPARAM wParam = MK_LBUTTON)
    {
        HWND hTarget = ::GetCapture() != NULL ? ::GetCapture() : hWnd;
        ::ScreenToClient(hTarget, &point);
        ::SendMessageA(hTarget, message, wParam, MAKELPARAM(point.x, point.y));
    }
    static CPoint PressCaption(CBCGPDockingControlBar& pane)
    {
        CPoint point = Screen(&pane).TopLeft() + CPoint(30, 5);
        pane.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
        return point;
    }
    // Drags pane's caption off its place and over the marker of pTarget's cross (the frame's
    // when pTarget is NULL).
    CPoint DragOver(CBCGPDockingControlBar& pane, CBCGPDockingControlBar* pTarget, Marker marker)
    {
        CPoint point = PressCaption(pane);
        Mouse(pane.m_hWnd, WM_MOUSEMOVE, point + CPoint(30, 30));
        return MoveOver(pane, pTarget, marker);
    }
    CPoint MoveOver(CBCGPDockingControlBar& pane, CBCGPDockingControlBar* pTarget, Marker marker)
    {
        CPoint point = pTarget != NULL ? Screen(pTarget).CenterPoint()
                                       : m_pFrame->GetDockManager()->GetDockingArea().CenterPoint();
        Mouse(pane.m_hWnd, WM_MOUSEMOVE, point);
        CRect rectMarker = pTarget != NULL ? CBCGPDockingMarkers::GetMarkerRect(Screen(pTarget), marker)
                                           : CBCGPDockingMarkers::GetFrameMarkerRect(
                                                 m_pFrame->GetDockManager()->GetDockingArea(), marker);
        Mouse(pane.m_hWnd, WM_MOUSEMOVE, rectMarker.CenterPoint());
        return rectMarker.CenterPoint();
    }
};

TEST_F(DockDrag, APaneDroppedOnASideOfAnotherSharesItsPlaceAlongTheEdgeWithASliderBetween)
{
    CBCGPTabbedControlBar* pLeft = m_project.GetParentTabbedBar();
    ASSERT_NE(nullptr, pLeft);
    DragOver(m_output, &m_props, CBCGPDockingMarkers::MARKER_BOTTOM);
    ASSERT_TRUE(m_output.IsFloating());
    CRect rectProps = Screen(&m_props);
    // Over a pane at the right edge: its middle, its top and bottom (along the edge), and the
    // frame's four sides; the lit one outlines the lower half of the pane.
    CBCGPDockingMarkers* pMarkers = m_output.GetDockingMarkers();
    ASSERT_TRUE(pMarkers != nullptr && m_output.GetDockingPreview() != nullptr);
    using M = CBCGPDockingMarkers;
    EXPECT_EQ(M::Bit(M::MARKER_TOP) | M::Bit(M::MARKER_BOTTOM) | M::Bit(M::MARKER_CENTER) | M::FRAME,
        pMarkers->GetShownMarkers());
    EXPECT_EQ(M::MARKER_BOTTOM, pMarkers->GetLitMarker());
    EXPECT_EQ(rectProps, pMarkers->GetTargetRect());
    CRect rectHalf(rectProps.left, rectProps.bottom - rectProps.Height() / 2, rectProps.right, rectProps.bottom);
    EXPECT_EQ(rectHalf, m_output.GetDockingPreview()->GetPreviewRect());
    // Between the markers, no outline.
    Mouse(m_output.m_hWnd, WM_MOUSEMOVE, rectProps.TopLeft() + CPoint(3, 3));
    EXPECT_EQ(M::MARKER_NONE, pMarkers->GetLitMarker());
    EXPECT_TRUE(m_output.GetDockingPreview()->GetPreviewRect().IsRectEmpty());
    CPoint point = MoveOver(m_output, &m_props, M::MARKER_BOTTOM);
    Mouse(m_output.m_hWnd, WM_LBUTTONUP, point, 0);
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_FALSE(pMarkers->IsWindowVisible());
    EXPECT_FALSE(m_output.GetDockingPreview()->IsWindowVisible());
    // Docked below the pane in its old place, half each, a slider between; the bottom edge gone.
    ASSERT_FALSE(m_output.IsFloating());
    EXPECT_EQ(CBRS_ALIGN_RIGHT, m_output.GetCurrentAlignment());
    CRect rectAbove = Screen(&m_props), rectBelow = Screen(&m_output);
    CRect rectStatus = Screen(&m_status);
    EXPECT_EQ(rectAbove.left, rectBelow.left);
    EXPECT_EQ(rectAbove.right, rectBelow.right);
    EXPECT_EQ(rectAbove.Width(), rectProps.Width());
    EXPECT_EQ(rectAbove.bottom + CBCGPSlider::SLIDER_SIZE, rectBelow.top);
    EXPECT_LE(abs(rectAbove.Height() - rectBelow.Height()), 1);
    EXPECT_EQ(rectStatus.top, rectBelow.bottom); // the edge runs down to the status bar now
    // Dropped on the top of the left container: it goes above, on the left edge.
    CPoint ptDrop = DragOver(m_output, pLeft, M::MARKER_TOP);
    Mouse(m_output.m_hWnd, WM_LBUTTONUP, ptDrop, 0);
    EXPECT_EQ(CBRS_ALIGN_LEFT, m_output.GetCurrentAlignment());
    EXPECT_EQ(Screen(pLeft).top - CBCGPSlider::SLIDER_SIZE, Screen(&m_output).bottom);
    EXPECT_EQ(Screen(&m_props).bottom, rectStatus.top);
}

TEST_F(DockDrag, TheFramesMarkersDockAtItsSidesWhereTheOutlineShowed)
{
    using M = CBCGPDockingMarkers;
    // Over the client, away from any pane: the frame's markers alone.
    CPoint point = PressCaption(m_props);
    Mouse(m_props.m_hWnd, WM_MOUSEMOVE, point - CPoint(60, 0));
    CPoint ptTop = MoveOver(m_props, NULL, M::MARKER_FRAME_TOP);
    CBCGPDockingMarkers* pMarkers = m_props.GetDockingMarkers();
    ASSERT_TRUE(pMarkers != nullptr && m_props.GetDockingPreview() != nullptr);
    EXPECT_EQ(M::FRAME, pMarkers->GetShownMarkers());
    EXPECT_EQ(M::MARKER_FRAME_TOP, pMarkers->GetLitMarker());
    CRect rectPreview = m_props.GetDockingPreview()->GetPreviewRect();
    CRect rectArea = m_pFrame->GetDockManager()->GetDockingArea();
    // A new edge: across the whole frame at its top, as thick as the pane is high.
    EXPECT_EQ(CRect(rectArea.left, rectArea.top, rectArea.right, rectArea.top + Screen(&m_props).Height()), rectPreview);
    Mouse(m_props.m_hWnd, WM_LBUTTONUP, ptTop, 0);
    EXPECT_EQ(CBRS_ALIGN_TOP, m_props.GetCurrentAlignment());
    EXPECT_EQ(CRect(rectArea.left, rectArea.top, rectArea.right, rectArea.top + rectPreview.Height()), Screen(&m_props));
    // Onto an edge with a pane already: after it, the outline showing its share.
    CPoint ptBottom = DragOver(m_props, NULL, M::MARKER_FRAME_BOTTOM);
    rectPreview = m_props.GetDockingPreview()->GetPreviewRect();
    Mouse(m_props.m_hWnd, WM_LBUTTONUP, ptBottom, 0);
    EXPECT_EQ(rectPreview, Screen(&m_props));
    EXPECT_EQ(Screen(&m_output).right + CBCGPSlider::SLIDER_SIZE, Screen(&m_props).left);
    // Let go beside the markers, the pane floats where it was dragged.
    point = PressCaption(m_props);
    Mouse(m_props.m_hWnd, WM_MOUSEMOVE, point - CPoint(200, 200));
    Mouse(m_props.m_hWnd, WM_LBUTTONUP, point - CPoint(200, 200), 0);
    EXPECT_TRUE(m_props.IsFloating());
    EXPECT_FALSE(pMarkers->IsWindowVisible());
}

TEST_F(DockDrag, EscLeavesEverythingAsItWas)
{
    // Two panes at the bottom: the first one dragged must come back first.
    m_pFrame->DockControlBar(&m_props, AFX_IDW_DOCKBAR_BOTTOM);
    const std::string strBefore = Layout();
    // A docked pane, floated by the drag and over a marker.
    DragOver(m_output, &m_project, CBCGPDockingMarkers::MARKER_CENTER);
    ASSERT_TRUE(m_output.IsFloating() && m_output.GetDockingMarkers() != nullptr);
    m_output.SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(m_output.IsDragging());
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(strBefore, Layout());
    EXPECT_FALSE(m_output.GetDockingMarkers()->IsWindowVisible());
    // The same when the mouse is taken away mid-drag.
    DragOver(m_props, &m_output, CBCGPDockingMarkers::MARKER_CENTER);
    ::ReleaseCapture();
    EXPECT_EQ(strBefore, Layout());
    // A floating pane dragged by its mini frame's caption goes back to where it floated.
    ASSERT_TRUE(m_props.FloatControlBar(CRect(200, 150, 450, 400)));
    const std::string strFloating = Layout();
    CBCGPMiniFrameWnd* pMini = m_props.GetParentMiniFrame();
    pMini->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(260, 158));
    ASSERT_EQ(m_props.m_hWnd, ::GetCapture());
    Mouse(pMini->m_hWnd, WM_MOUSEMOVE, CPoint(300, 200));
    EXPECT_EQ(CRect(240, 192, 490, 442), Screen(pMini));
    MoveOver(m_props, &m_output, CBCGPDockingMarkers::MARKER_CENTER);
    // Esc pressed in a control of the pane, through the application's message route.
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, m_props.m_hWnd, NULL, NULL, NULL);
    MSG msg = {hEdit, WM_KEYDOWN, VK_ESCAPE, 0};
    EXPECT_TRUE(m_app.PreTranslateMessage(&msg));
    EXPECT_EQ(strFloating, Layout());
    ::DestroyWindow(hEdit);
    m_props.DockToRecentPos();
    // A tab pulled out of its container (which dissolves) and brought back, in its place.
    const std::string strDocked = Layout();
    CBCGPTabbedControlBar* pLeft = m_project.GetParentTabbedBar();
    CBCGPTabWnd* pTabs = pLeft->GetUnderlyingWindow();
    CRect rectTab;
    pTabs->GetTabRect(0, rectTab);
    pTabs->ClientToScreen(&rectTab);
    Mouse(pTabs->m_hWnd, WM_LBUTTONDOWN, rectTab.CenterPoint());
    Mouse(pTabs->m_hWnd, WM_MOUSEMOVE, rectTab.CenterPoint() - CPoint(0, 80));
    ASSERT_TRUE(m_project.IsFloating());
    EXPECT_EQ(nullptr, m_classes.GetParentTabbedBar());
    m_project.SendMessage(WM_KEYDOWN, VK_ESCAPE);
    ASSERT_NE(nullptr, m_project.GetParentTabbedBar());
    EXPECT_EQ(&m_project, m_project.GetParentTabbedBar()->GetUnderlyingWindow()->GetTabWnd(0));
    EXPECT_EQ(strDocked, Layout());
    // With three tabs the container stays, and the middle tab goes back into it at its place.
    ASSERT_NE(nullptr, m_output.AttachToTabWnd(&m_project, DM_STANDARD, FALSE));
    pLeft = m_project.GetParentTabbedBar();
    pTabs = pLeft->GetUnderlyingWindow();
    pTabs->SetActiveTab(1);
    CWnd* pMiddle = pTabs->GetTabWnd(1);
    const std::string strThree = Layout();
    pTabs->GetTabRect(1, rectTab);
    pTabs->ClientToScreen(&rectTab);
    Mouse(pTabs->m_hWnd, WM_LBUTTONDOWN, rectTab.CenterPoint());
    Mouse(pTabs->m_hWnd, WM_MOUSEMOVE, rectTab.CenterPoint() - CPoint(0, 80));
    ASSERT_EQ(2, pTabs->GetTabsNum());
    pMiddle->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(pMiddle, pTabs->GetTabWnd(1));
    EXPECT_EQ(strThree, Layout());
}

TEST_F(DockDrag, FloatingFramesAndTornOffTabsDockInTheSameDrag)
{
    // A floating pane dragged by its mini frame's caption onto a pane's middle: a tab there.
    ASSERT_TRUE(m_props.FloatControlBar(CRect(200, 150, 450, 400)));
    CBCGPMiniFrameWnd* pMini = m_props.GetParentMiniFrame();
    pMini->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(260, 158));
    CPoint point = MoveOver(m_props, &m_output, CBCGPDockingMarkers::MARKER_CENTER);
    ASSERT_NE(nullptr, m_props.GetDockingPreview());
    EXPECT_EQ(Screen(&m_output), m_props.GetDockingPreview()->GetPreviewRect());
    Mouse(m_props.m_hWnd, WM_LBUTTONUP, point, 0);
    ASSERT_NE(nullptr, m_props.GetParentTabbedBar());
    EXPECT_EQ(m_output.GetParentTabbedBar(), m_props.GetParentTabbedBar());
    // A tab pulled up off the strip floats under the mouse, then docks at the frame's right.
    CBCGPTabbedControlBar* pBottom = m_props.GetParentTabbedBar();
    CBCGPTabWnd* pTabs = pBottom->GetUnderlyingWindow();
    ASSERT_EQ(1, pTabs->GetTabFromHwnd(m_props.m_hWnd));
    CRect rectTab;
    pTabs->GetTabRect(1, rectTab);
    pTabs->ClientToScreen(&rectTab);
    // Along the strip it stays.
    Mouse(pTabs->m_hWnd, WM_LBUTTONDOWN, rectTab.CenterPoint());
    Mouse(pTabs->m_hWnd, WM_MOUSEMOVE, rectTab.CenterPoint() + CPoint(20, 0));
    EXPECT_EQ(pBottom, m_props.GetParentTabbedBar());
    CPoint ptOff = rectTab.CenterPoint() - CPoint(0, 60);
    Mouse(pTabs->m_hWnd, WM_MOUSEMOVE, ptOff);
    ASSERT_TRUE(m_props.IsFloating());
    EXPECT_EQ(m_props.m_hWnd, ::GetCapture());
    EXPECT_TRUE(Screen(m_props.GetParentMiniFrame()).PtInRect(ptOff));
    EXPECT_EQ(nullptr, m_output.GetParentTabbedBar()); // the last tab took the container's place
    point = MoveOver(m_props, NULL, CBCGPDockingMarkers::MARKER_FRAME_RIGHT);
    Mouse(m_props.m_hWnd, WM_LBUTTONUP, point, 0);
    EXPECT_FALSE(m_props.IsFloating());
    EXPECT_EQ(CBRS_ALIGN_RIGHT, m_props.GetCurrentAlignment());
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(DockDrag, APaneDraggedOffAndDockedBackTakesTheWholeEdge)
{
    CRect rectOutput = Screen(&m_output);
    CPoint point = PressCaption(m_output);
    Mouse(m_output.m_hWnd, WM_MOUSEMOVE, point - CPoint(100, 100));
    Mouse(m_output.m_hWnd, WM_LBUTTONUP, point - CPoint(100, 100), 0);
    ASSERT_TRUE(m_output.IsFloating());
    ASSERT_TRUE(m_output.DockToRecentPos());
    EXPECT_EQ(rectOutput, Screen(&m_output));
}

} // namespace
