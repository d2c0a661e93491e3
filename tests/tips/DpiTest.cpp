// DpiTest.cpp: the balloon's size for a text, and pictures' sizes, at the DPI the tip is created
// at and at those a move to another monitor brings, against the 96-DPI sizes scaled.
#include "TipHarness.h"
#include "core/KwDpi.h"

using TipDpi = TipWindowTest<CTestTip>;

TEST_F(TipDpi, BalloonFontAndPicturesScaleWithTheDpi)
{
    ASSERT_TRUE(tip.Create(&owner, TRUE));
    tip.SetFont("Tahoma", 9);
    UXTOOLTIP_INFO ti = Record("A <b>rich</b> tip<br>over two lines", UXTT_MASK_STYLES,
        UXTT_STYLE_ROUNDED | UXTT_STYLE_ANCHOR | UXTT_STYLE_SHADOW);
    const CSize created = Show(ti, CPoint(300, 250)).Size();
    const UINT nSystem = CKwDpi::ForWindow(NULL), dpis[3] = {96, 144, 192};
    CSize at[3];
    for (int i = 0; i < 3; ++i)
    {
        tip.SendMessage(WM_DPICHANGED, MAKEWPARAM(dpis[i], dpis[i]));
        at[i] = Show(ti, CPoint(300, 250)).Size();
        // The 12 x 8 bitmap 40 high and the 16 x 16 icon of the test's resources.
        EXPECT_EQ(CSize(28 * dpis[i] / 96, 40 * dpis[i] / 96), TextSize(tip, "<bmp=29601 cy=40><icon=29603>"));
    }
    // Text widths round glyph by glyph: a few pixels' leeway.
    for (auto [sz, nDpi] : {std::make_pair(created, nSystem), {at[1], 144u}, {at[2], 192u}})
    {
        EXPECT_NEAR(::MulDiv(at[0].cx, nDpi, 96), sz.cx, 2 + sz.cx / 25) << nDpi;
        EXPECT_NEAR(::MulDiv(at[0].cy, nDpi, 96), sz.cy, 2 + sz.cy / 25) << nDpi;
    }
    // Shown on a monitor of 144 DPI: the size for it, as if it had been there from the start.
    tip.m_onShown = [this] { tip.SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144)); };
    EXPECT_EQ(at[1], Show(ti, CPoint(300, 250)).Size());
}
