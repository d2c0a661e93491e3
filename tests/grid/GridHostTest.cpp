// GridHostTest.cpp: the grid takes the placeholder's place, id and tab order in a real dialog.
#include "GridHost.h"
#include "GridHost.rh"

#include <gtest/gtest.h>

TEST(GridHost, GridTakesThePlaceholdersPlaceAndTabOrder)
{
    GridHost host;
    ASSERT_TRUE(::IsWindow(host.m_grid.m_hWnd));
    EXPECT_EQ(host.m_grid.m_hWnd, ::GetDlgItem(host.m_hWnd, IDC_GRIDHOST_GRID));
    EXPECT_EQ(host.m_grid.m_hWnd, ::GetWindow(::GetDlgItem(host.m_hWnd, IDC_GRIDHOST_BEFORE), GW_HWNDNEXT));
    LONG style = ::GetWindowLongA(host.m_grid.m_hWnd, GWL_STYLE);
    EXPECT_EQ((LONG)(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN), style & 0xFFFF0000);
}
