// CellToolTipTest.cpp: the texts of the grid's tooltips come from the listener just before a tip
// shows: for the cell under the mouse, or for the header.
#include "NavigationFixture.h"

#include "grid/KwHeaderCtrl.h"

class GridToolTip : public GridNavigationTest
{
protected:
    GridToolTip()
    {
        Fill(3);
        host.m_sToolTipText = "from the listener";
        // The grid's tooltip window: a "CUxTooltip" popup of this thread owned by the dialog.
        ::EnumThreadWindows(::GetCurrentThreadId(), FindTip, (LPARAM)this);
    }
    static BOOL CALLBACK FindTip(HWND hWnd, LPARAM lParam)
    {
        char szClass[32] = "";
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        GridToolTip* pTest = (GridToolTip*)lParam;
        if (lstrcmpA(szClass, "CUxTooltip") != 0 || ::GetWindow(hWnd, GW_OWNER) != pTest->host.m_hWnd)
            return TRUE;
        pTest->m_hTip = hWnd;
        return FALSE;
    }

    // What the tooltip sends its owner before it shows a tip of hWndTool at a screen point;
    // returns the text the tip will show.
    CString Display(HWND hWndTool, CPoint screenPoint)
    {
        UXTOOLTIP_INFO ti;
        ti.hWnd = hWndTool;
        ti.sTooltip = "stale";
        UXTOOLTIP_NOTIFY notify = {};
        notify.hdr.hwndFrom = m_hTip;
        notify.hdr.idFrom = (UINT_PTR)::GetDlgCtrlID(m_hTip);
        notify.hdr.code = UXTTN_DISPLAY;
        notify.pt = &screenPoint;
        notify.ti = &ti;
        m_lResult = grid.SendMessage(WM_NOTIFY, notify.hdr.idFrom, (LPARAM)&notify);
        return ti.sTooltip;
    }

    HWND m_hTip = NULL;
    LRESULT m_lResult = -1;
};

TEST_F(GridToolTip, OverACellTheListenerGivesTheTextWithTheCellReadElseForNoCell)
{
    ASSERT_NE((HWND)NULL, m_hTip);
    host.m_bRecordGetItem = true;
    EXPECT_EQ("from the listener", Display(grid.m_hWnd, ScreenPoint(host.CellPoint(1, 2))));
    EXPECT_EQ(0, m_lResult);
    CPoint below = host.CellPoint(1, 4); // insert mode 1: lines 0 to 3 can be reached
    EXPECT_EQ("from the listener", Display(grid.m_hWnd, ScreenPoint(below)));
    CPoint right = host.CellPoint(0, 1);
    right.x = 3 * 80 + 10;
    Display(grid.m_hWnd, ScreenPoint(right));
    EXPECT_EQ((Calls{"GetItem 1 2", "GetToolTipText 1 2", "GetToolTipText 1 -1", "GetToolTipText -1 1"}), host.m_calls);
}

TEST_F(GridToolTip, OverTheHeaderTheListenerIsAskedForNoCellAndAnyOtherToolGetsNoText)
{
    ASSERT_NE((HWND)NULL, m_hTip);
    host.m_bRecordGetItem = true;
    EXPECT_EQ("from the listener", Display(grid.GetHeaderCtrl()->m_hWnd, ScreenPoint(CPoint(10, 5))));
    EXPECT_EQ("", Display(host.m_hWnd, ScreenPoint(CPoint(10, 5))));
    EXPECT_EQ((Calls{"GetToolTipText -1 -1"}), host.m_calls);
}

TEST_F(GridToolTip, RestingTheMouseOnACellAsksTheListenerOnceAndAKeyHidesTheTip)
{
    ASSERT_NE((HWND)NULL, m_hTip);
    FocusGrid();
    CPoint point = host.CellPoint(2, 1);
    CPoint screenPoint = ScreenPoint(point);
    ::SetCursorPos(screenPoint.x, screenPoint.y);
    grid.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    // The tip shows after its initial delay of half a second: wait for it, however busy the
    // machine, up to a bound that only a fault reaches.
    for (DWORD start = ::GetTickCount(); !::IsWindowVisible(m_hTip) && ::GetTickCount() - start < 15000;)
        host.Pump(20);
    EXPECT_EQ(Calls{"GetToolTipText 2 1"}, host.m_calls);
    ASSERT_TRUE(::IsWindowVisible(m_hTip));
    // The key goes to the tooltip first, which hides, and still moves the white box.
    host.PressKey(VK_DOWN);
    EXPECT_FALSE(::IsWindowVisible(m_hTip));
    EXPECT_EQ(GridCell(0, 1), Cur());
}
