// DpiTest.cpp: the grid's line height and scroll bar at the DPI it is created at and at those a
// move to another monitor brings, against its 96-DPI figures scaled; the header's separators; a large list's titles.
#include "GridHost.h"
#include "core/KwDpi.h"
#include "core/KwPalette.h"
#include "grid/KwHeaderCtrl.h"
#include "grid/LargeListCtrlTools.h"
#include "grid/LargeListWnd.h"
#include "support/TestSurface.h"
#include <gtest/gtest.h>

namespace {
struct DpiGrid : CKwGridCtrl
{
    CFont m_fonts[4];
    // Line height and scroll bar width (a pixel beyond the client) with a host's 9-point font;
    // the column given 80 pixels at 96 DPI.
    CSize Figures(int i, UINT nDpi)
    {
        m_fonts[i].CreateFont(-::MulDiv(9, (int)nDpi, 72), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
        SetFont(&m_fonts[i]);
        CRect bar, column;
        m_scrollBar.GetWindowRect(&bar);
        m_pHeaderCtrl->GetItemRect(0, &column);
        EXPECT_EQ(CKwDpi::Scale(80, nDpi), column.Width()) << nDpi;
        return CSize(GetItemHeight(), bar.Width() - 1);
    }
};
} // namespace

TEST(GridDpi, LinesAndScrollBarScaleWithTheDpi)
{
    GridHost host;
    DpiGrid grid;
    ASSERT_TRUE(grid.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 100), &host, 1000));
    grid.AddColumn("A", 80);
    const UINT nSystem = CKwDpi::ForWindow(NULL), dpis[3] = {96, 144, 192};
    const CSize created = grid.Figures(3, nSystem);
    CSize at[3];
    for (int i = 0; i < 3; ++i)
    {
        grid.SendMessage(WM_DPICHANGED, MAKEWPARAM(dpis[i], dpis[i]));
        at[i] = grid.Figures(i, dpis[i]);
    }
    // A font's height rounds at each DPI; the scroll bar may not stray from the scaled figure.
    for (auto [sz, nDpi] : {std::make_pair(created, nSystem), {at[1], 144u}, {at[2], 192u}})
    {
        EXPECT_NEAR(::MulDiv(at[0].cx, nDpi, 96), sz.cx, 1.0 + nDpi / 96) << "lines at " << nDpi;
        EXPECT_NEAR(::MulDiv(at[0].cy, nDpi, 96), sz.cy, 1) << "scroll bar at " << nDpi;
    }
}

TEST(GridDpi, HeaderSeparatorsStopShortOfTheEdgesByTheScaledInset)
{
    GridHost host;
    CKwHeaderCtrl header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 40), &host, 1000));
    header.AddItem("A", 80);
    for (UINT nDpi : {96u, 192u})
    {
        header.SetDpi(nDpi);
        TestSurface surface(300, 40);
        header.SendMessage(WM_PAINT, (WPARAM)surface.DC().m_hDC);
        const int x = CKwDpi::Scale(80, nDpi), n = CKwDpi::Scale(2, nDpi);
        auto at = [&](int y) { return surface.Pixel(x, y) == CKwPalette::Get(CKwPalette::eFaceShadow) ? '+' : '-'; };
        EXPECT_EQ("-++-", std::string({at(n - 1), at(n), at(39 - n), at(40 - n)})) << nDpi;
    }
}

TEST(GridDpi, LargeListTitlesFitAsAt96AndWidthsFollowAMove)
{
    GridHost host;
    CLargeListWnd list;
    list.AddColumn("Members");
    list.AddColumn("Length"); // the last column fills the rest
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 600, 200), &host, 1000));
    CFont fonts[2];
    auto width = [&](UINT i) { // in the GUI font at i + 1 times 96 DPI
        list.SendMessage(WM_SETFONT, (WPARAM)CKwDpi::GuiFont(96 * (i + 1), fonts[i]));
        CLargeListCtrlTools::FitColumnToHeader(list, 0, 96 * (i + 1));
        return list.GetColumnWidth(0);
    };
    EXPECT_NEAR(2 * width(0), width(1), 6); // the title's hinting differs by a few pixels
    list.SendMessage(WM_DPICHANGED, MAKEWPARAM(96, 96));
    list.SetColumnWidth(0, 100);
    list.SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192));
    const int n192 = list.GetColumnWidth(0);
    list.SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144));
    EXPECT_EQ(std::make_pair(200, 150), std::make_pair(n192, list.GetColumnWidth(0)));
}
