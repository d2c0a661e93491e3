// DpiTest.cpp: the balloon's size for a text, and the size of pictures, at the DPI the tip is
// created at and at those a move to another monitor brings, against the 96-DPI sizes scaled.
#include "TipHarness.h"
#include "core/KwDpi.h"

using TipDpi = TipWindowTest<CUxToolTip>;

TEST_F(TipDpi, BalloonAndFontScaleWithTheDpi)
{
    ASSERT_TRUE(tip.Create(&owner, TRUE));
    tip.SetFont("Tahoma", 9);
    UXTOOLTIP_INFO ti = Record("A <b>rich</b> tip<br>over two lines", UXTT_MASK_STYLES,
        UXTT_STYLE_ROUNDED | UXTT_STYLE_ANCHOR | UXTT_STYLE_SHADOW);
    const CSize created = Show(ti, CPoint(300, 250)).Size();
    CSize at[3], pictures[3];
    const UINT dpis[3] = {96, 144, 192};
    for (int i = 0; i < 3; ++i)
    {
        RECT suggested = {0, 0, 10, 10};
        tip.SendMessage(WM_DPICHANGED, MAKEWPARAM(dpis[i], dpis[i]), (LPARAM)&suggested);
        at[i] = Show(ti, CPoint(300, 250)).Size();
        // The 12 x 8 bitmap 40 high, the 16 x 16 icon of the test's resources.
        pictures[i] = TextSize(tip, "<bmp=29601 cy=40><icon=29603>");
    }
    // Text widths round glyph by glyph: a few pixels' leeway, the margins and anchor none.
    auto expectScaled = [&](CSize sz, UINT nDpi, const char* what) {
        EXPECT_NEAR(::MulDiv(at[0].cx, nDpi, 96), sz.cx, 2 + sz.cx / 25) << what << " at " << nDpi;
        EXPECT_NEAR(::MulDiv(at[0].cy, nDpi, 96), sz.cy, 2 + sz.cy / 25) << what << " at " << nDpi;
    };
    expectScaled(created, CKwDpi::ForWindow(NULL), "created");
    expectScaled(at[1], 144, "moved");
    expectScaled(at[2], 192, "moved");
    EXPECT_EQ(CSize(28, 40), pictures[0]);
    EXPECT_EQ(CSize(42, 60), pictures[1]);
    EXPECT_EQ(CSize(56, 80), pictures[2]);
}
