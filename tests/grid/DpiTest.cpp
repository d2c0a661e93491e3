// DpiTest.cpp: the grid's line height and scroll bar at the DPI it is created at and at those a
// move to another monitor brings, against its 96-DPI figures scaled.
#include "GridHost.h"
#include "core/KwDpi.h"

#include <gtest/gtest.h>

namespace {

class DpiGrid : public CKwGridCtrl
{
public:
    int LineHeight() const { return GetItemHeight(); }
    int BarWidth() const
    {
        CRect rect;
        m_scrollBar.GetWindowRect(&rect);
        return rect.Width() - 1; // the bar reaches one pixel beyond the client area
    }
};

struct Figures
{
    int nLine, nBar;
};

} // namespace

TEST(GridDpi, LinesAndScrollBarScaleWithTheDpi)
{
    GridHost host;
    DpiGrid grid;
    ASSERT_TRUE(grid.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 100), &host, 1000));
    grid.AddColumn("A", 80);
    for (int i = 0; i < 20; ++i)
        grid.SetTextItem(0, i, "x");
    CFont fonts[4];
    // As the host does at each DPI: a 9-point font made for it.
    auto measure = [&](CFont& font, UINT nDpi) {
        font.CreateFont(-::MulDiv(9, (int)nDpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma");
        grid.SetFont(&font);
        return Figures{grid.LineHeight(), grid.BarWidth()};
    };
    const UINT nSystem = CKwDpi::ForWindow(NULL);
    const Figures created = measure(fonts[0], nSystem);
    Figures at[3];
    const UINT dpis[3] = {96, 144, 192};
    for (int i = 0; i < 3; ++i)
    {
        RECT suggested = {0, 0, 300, 100};
        grid.SendMessage(WM_DPICHANGED, MAKEWPARAM(dpis[i], dpis[i]), (LPARAM)&suggested);
        at[i] = measure(fonts[i + 1], dpis[i]);
    }
    // A font's height rounds at each DPI; nothing else may stray from the scaled figure.
    auto expectScaled = [&](const Figures& f, UINT nDpi, const char* what) {
        EXPECT_NEAR(::MulDiv(at[0].nLine, nDpi, 96), f.nLine, 1.0 + nDpi / 96) << what << " at " << nDpi;
        EXPECT_NEAR(::MulDiv(at[0].nBar, nDpi, 96), f.nBar, 1) << what << " at " << nDpi;
    };
    expectScaled(created, nSystem, "created");
    expectScaled(at[1], 144, "moved");
    expectScaled(at[2], 192, "moved");
}
