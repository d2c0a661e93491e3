// The update lock taken and given back only by its owner, and stored placements made fit to
// apply: length, show command, a rectangle off every monitor brought back into its area.
#include "frame/KwPlacement.h"
#include "frame/KwWindowUpdateLock.h"

#include <gtest/gtest.h>

namespace {

struct CPlainWnd : CWnd
{
    explicit CPlainWnd(const RECT& rc = CRect(0, 0, 300, 200))
    {
        CreateEx(0, AfxRegisterWndClass(0), "plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rc, NULL, 0);
    }
    ~CPlainWnd() override { DestroyWindow(); }
};

TEST(WindowUpdateLock, NestedLockLeavesTheOuterOneHeld)
{
    CPlainWnd outer, other;
    {
        CKwWindowUpdateLock lock(&outer);
        ASSERT_TRUE(lock.IsLocked());
        {
            CKwWindowUpdateLock inner(&other);
            EXPECT_FALSE(inner.IsLocked());
        }
        EXPECT_FALSE(::LockWindowUpdate(other.m_hWnd)); // still held
    }
    EXPECT_TRUE(::LockWindowUpdate(other.m_hWnd));
    ::LockWindowUpdate(NULL);
}

TEST(Placement, RepairMakesAForgedPlacementFit)
{
    CPlainWnd area(CRect(10, 10, 410, 310));
    CRect client;
    area.GetClientRect(&client);
    WINDOWPLACEMENT wp = {};
    wp.length = 7;
    wp.showCmd = 77;
    wp.rcNormalPosition = CRect(100000, -90000, 100100, -89950);
    CKwPlacement::Repair(wp, &area);
    EXPECT_EQ(sizeof(WINDOWPLACEMENT), wp.length);
    EXPECT_EQ((UINT)SW_SHOWNORMAL, wp.showCmd);
    CRect rc(wp.rcNormalPosition);
    EXPECT_EQ(CSize(100, 50), rc.Size());
    EXPECT_EQ(rc, rc & client);
    // Larger than the area and reversed, at the far ends of the coordinates.
    wp.showCmd = SW_SHOWMAXIMIZED;
    wp.rcNormalPosition = CRect(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    CKwPlacement::Repair(wp, &area);
    EXPECT_EQ((UINT)SW_SHOWMAXIMIZED, wp.showCmd);
    EXPECT_EQ(client, CRect(wp.rcNormalPosition));
    // On a monitor: left where it is, even outside the area.
    wp.rcNormalPosition = CRect(-20, 5, 80, 60);
    CKwPlacement::Repair(wp, &area);
    EXPECT_EQ(CRect(-20, 5, 80, 60), CRect(wp.rcNormalPosition));
    // A frame: into the nearest monitor's work area.
    wp.rcNormalPosition = CRect(-50000, 20, -49800, 220);
    CKwPlacement::Repair(wp, NULL);
    MONITORINFO mi = {};
    mi.cbSize = sizeof(MONITORINFO);
    ::GetMonitorInfoA(::MonitorFromRect(&wp.rcNormalPosition, MONITOR_DEFAULTTONULL), &mi);
    EXPECT_EQ(CSize(200, 200), CRect(wp.rcNormalPosition).Size());
    EXPECT_EQ(CRect(wp.rcNormalPosition), CRect(wp.rcNormalPosition) & CRect(mi.rcWork));
}

} // namespace
