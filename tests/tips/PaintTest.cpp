// Tests of the tooltip's appearance: the table of sizes, the painting of gradients on off-screen
// surfaces, and the shadow, border, icon and text of tips shown, on pictures of their window and
// on the window itself.
#include <gtest/gtest.h>

#include "CClientDC.h"
#include "TipHarness.h"
#include "support/TestColors.h"
#include "support/TestSurface.h"
#include "tips/UxTipDrawer.h"

#include <climits>
#include <vector>

namespace {

const COLORREF kSentinel = RGB(0x12, 0x34, 0x56);

// Channel value of band i of a gradient from 0 to 255.
int Band(int i) { return (255 * i) >> 6; }

COLORREF Gray(int v) { return RGB(v, v, v); }

// A checkerboard of 4-pixel squares in two colours, so that a fill is seen against both.
const COLORREF kPatternA = RGB(0xFF, 0xC0, 0x3F);
const COLORREF kPatternB = RGB(0x5A, 0xA5, 0xFF);

COLORREF PatternAt(int x, int y) { return ((x / 4 + y / 4) % 2) ? kPatternB : kPatternA; }

// How many pixels of the surface bAsExpected(x, y, colour) refuses.
template <class TCheck> int Mismatches(const TestSurface& surface, TCheck bAsExpected)
{
    int nWrong = 0;
    for (int y = 0; y < surface.Height(); y++)
        for (int x = 0; x < surface.Width(); x++)
            nWrong += !bAsExpected(x, y, surface.Pixel(x, y));
    return nWrong;
}

void FillPattern(TestSurface& surface)
{
    for (int y = 0; y < surface.Height(); y++)
        for (int x = 0; x < surface.Width(); x++)
            surface.SetPixel(x, y, PatternAt(x, y));
}

// An icon of one colour, fully opaque (mask 0: the colour shows).
HICON SolidIcon(int cx, int cy, COLORREF color)
{
    const std::vector<DWORD> pixels(cx * cy, RGB(GetBValue(color), GetGValue(color), GetRValue(color)));
    const std::vector<WORD> mask((cx + 15) / 16 * cy, 0);
    ICONINFO info = {TRUE, 0, 0, ::CreateBitmap(cx, cy, 1, 1, mask.data()),
        ::CreateBitmap(cx, cy, 1, 32, pixels.data())};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return hIcon;
}

} // namespace

// ---- Gradients ----

TEST(ToolTipGradient, NarrowRectanglesFillEachColumnOnce)
{
    for (int nWidth = 1; nWidth <= 70; nWidth++)
    {
        for (int bHorz = 0; bHorz < 2; bHorz++)
        {
            // Along the gradient the rectangle is nWidth pixels, across it 2; it starts at 3.
            TestSurface surface(bHorz ? nWidth + 6 : 2, bHorz ? 2 : nWidth + 6, kSentinel);
            CRect rect = bHorz ? CRect(3, 0, 3 + nWidth, 2) : CRect(0, 3, 2, 3 + nWidth);
            CUxTipDrawer::FillGradient(&surface.DC(), rect, kBlack, kWhite, bHorz);

            // Pixel p along the gradient belongs to the last band whose start lies at or before it.
            EXPECT_EQ(0, Mismatches(surface, [&](int x, int y, COLORREF color) {
                const int p = bHorz ? x : y;
                COLORREF expected = kSentinel;
                if (p >= 3 && p < 3 + nWidth)
                    for (int i = 0; i < 64; i++)
                        if (3 + (nWidth * i) / 64 <= p)
                            expected = Gray(Band(i));
                return color == expected;
            })) << "width " << nWidth << (bHorz ? " across" : " down");
        }
    }

    // Empty, inverted and absurd rectangles paint nothing and end.
    TestSurface surface(8, 8, kSentinel);
    CUxTipDrawer::FillGradient(&surface.DC(), CRect(4, 0, 4, 8), kBlack, kWhite, TRUE);
    CUxTipDrawer::FillGradient(&surface.DC(), CRect(6, 0, 2, 8), kBlack, kWhite, TRUE);
    CUxTipDrawer::FillGradient(&surface.DC(), CRect(0, 6, 8, 2), kBlack, kWhite, FALSE);
    EXPECT_EQ(64, surface.Count(CRect(0, 0, 8, 8), kSentinel));
    CUxTipDrawer::FillGradient(&surface.DC(), CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), kBlack, kWhite, TRUE);
    EXPECT_EQ(Gray(Band(32)), surface.Pixel(7, 7)); // the middle band covers the whole surface
}

TEST(ToolTipGradient, EffectsPaintTheirPieces)
{
    const CRect rect(0, 0, 128, 128);
    const COLORREF kFromRedToGreen = RGB(3, 251, 0); // band 63 of red to green
    const COLORREF kFromGreenToBlue = RGB(0, 3, 251);

    struct Sample { int x, y; COLORREF color; };
    struct Case { UINT nEffect; COLORREF crFirst, crMid, crLast; std::vector<Sample> samples; };
    const std::vector<Case> cases = {
        // Solid, and any effect above 6 like it.
        {UXTT_EFFECT_SOLID, kRed, kGreen, kBlue, {{0, 0, kRed}, {127, 127, kRed}, {64, 64, kRed}}},
        {7, kRed, kGreen, kBlue, {{0, 0, kRed}, {127, 127, kRed}, {64, 64, kRed}}},
        {0xFFFFFFFF, kGreen, kRed, kBlue, {{0, 127, kGreen}, {127, 0, kGreen}}},
        // Two colours over the whole rectangle, across and down.
        {UXTT_EFFECT_HGRADIENT, kBlack, kRed, kWhite,
         {{0, 77, kBlack}, {64, 0, Gray(Band(32))}, {127, 127, Gray(251)}}},
        {UXTT_EFFECT_VGRADIENT, kBlack, kRed, kWhite,
         {{77, 0, kBlack}, {0, 64, Gray(Band(32))}, {127, 127, Gray(251)}}},
        // Symmetric: the last colour in the middle, the first at both sides.
        {UXTT_EFFECT_HCGRADIENT, kBlack, kRed, kWhite,
         {{0, 9, kBlack}, {63, 9, Gray(251)}, {64, 9, kWhite}, {127, 9, Gray(3)}}},
        {UXTT_EFFECT_VCGRADIENT, kBlack, kRed, kWhite,
         {{9, 0, kBlack}, {9, 63, Gray(251)}, {9, 64, kWhite}, {9, 127, Gray(3)}}},
        // Three colours: first, middle, last.
        {UXTT_EFFECT_3HGRADIENT, kRed, kGreen, kBlue,
         {{0, 50, kRed}, {63, 50, kFromRedToGreen}, {64, 50, kGreen}, {127, 50, kFromGreenToBlue}}},
        {UXTT_EFFECT_3VGRADIENT, kRed, kGreen, kBlue,
         {{50, 0, kRed}, {50, 63, kFromRedToGreen}, {50, 64, kGreen}, {50, 127, kFromGreenToBlue}}},
    };
    for (const Case& c : cases)
    {
        TestSurface surface(130, 130, kSentinel);
        CUxTipDrawer::FillBackground(&surface.DC(), rect, c.nEffect, c.crFirst, c.crMid, c.crLast);
        for (const Sample& s : c.samples)
            EXPECT_EQ(s.color, surface.Pixel(s.x, s.y)) << "effect " << c.nEffect << " at " << s.x << "," << s.y;
        // Still all around the rectangle.
        EXPECT_EQ(2 * 130 + 2 * 128, surface.Count(CRect(128, 0, 130, 130), kSentinel) +
                                         surface.Count(CRect(0, 128, 128, 130), kSentinel))
            << "effect " << c.nEffect;
    }
}

// ---- Shadow, border, icon and text of a tip shown ----

namespace {

struct ToolTipPaint : TipWindowTest<CTestTip>
{
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(TipWindowTest::SetUp());
        ASSERT_TRUE(tip.Create(&owner));
        tip.SetColor(UXTT_COLOR_SHADOW, RGB(0x80, 0x80, 0x80));
        tip.SetColor(UXTT_COLOR_BORDER, kBlack);
        tip.SetGradientColors(kWhite, kWhite, kWhite);
    }
    // A picture of the tip on screen, drawn over the surface (the size of its client area) as
    // over the screen.
    void Picture(TestSurface& surface)
    {
        tip.SendMessage(WM_PRINTCLIENT, (WPARAM)surface.DC().m_hDC, PRF_CLIENT);
    }
    CSize ClientSize()
    {
        CRect rc;
        tip.GetClientRect(&rc);
        return rc.Size();
    }
    // Copies the window's own surface into a test surface.
    void CopyWindow(TestSurface& surface)
    {
        HDC hDC = ::GetDC(tip.m_hWnd);
        ::BitBlt(surface.DC().m_hDC, 0, 0, surface.Width(), surface.Height(), hDC, 0, 0, SRCCOPY);
        ::ReleaseDC(tip.m_hWnd, hDC);
    }
};

} // namespace

TEST_F(ToolTipPaint, ShadowDarkensWhatLiesBeneathAndTheBodyCoversIt)
{
    const COLORREF crShadow = RGB(0xF0, 0x0F, 0xAA);
    tip.SetColor(UXTT_COLOR_SHADOW, crShadow);
    Show(Record("<hr=30>", UXTT_MASK_STYLES | UXTT_MASK_DIRECTION, UXTT_STYLE_SHADOW | UXTT_STYLE_ROUNDED,
                UXTT_DIR_ABOVE_LEFT), CPoint(400, 300));
    TestSurface surface(ClientSize().cx, ClientSize().cy);
    FillPattern(surface);
    Picture(surface);

    // The window is the body and the body moved by the shadow's offset; the body is what of it
    // also lies that offset further on.
    CRgn rgnWindow, rgnBody;
    WindowRegion(rgnWindow);
    rgnBody.CreateRectRgn(0, 0, 0, 0);
    rgnBody.CopyRgn(&rgnWindow);
    rgnBody.OffsetRgn(-4, -4);
    rgnBody.CombineRgn(&rgnBody, &rgnWindow, RGN_AND);
    int nShadowOnly = 0;
    EXPECT_EQ(0, Mismatches(surface, [&](int x, int y, COLORREF color) {
        if (rgnBody.PtInRegion(x, y))
            return color == kWhite || color == kBlack;
        if (!rgnWindow.PtInRegion(x, y))
            return color == PatternAt(x, y);
        nShadowOnly++;
        return color == (PatternAt(x, y) & crShadow);
    }));
    EXPECT_GT(nShadowOnly, 200);
}

TEST_F(ToolTipPaint, BorderFollowsTheRegionAndNothingLeavesIt)
{
    tip.SetColor(UXTT_COLOR_BORDER, kRed);
    for (int nBorder = 1; nBorder <= 2; nBorder++)
    {
        tip.SetSize(UXTT_SIZE_BORDER_CX, nBorder);
        tip.SetSize(UXTT_SIZE_BORDER_CY, nBorder);
        // A rounded body below an anchor, and a text that draws nothing.
        Show(Record("<t=3>", UXTT_MASK_STYLES | UXTT_MASK_DIRECTION, UXTT_STYLE_ROUNDED | UXTT_STYLE_ANCHOR,
                    UXTT_DIR_BELOW_RIGHT), CPoint(400, 300));
        TestSurface surface(ClientSize().cx, ClientSize().cy);
        FillPattern(surface);
        Picture(surface);

        // Inside the region: red where a neighbour within the border width is outside it, white
        // elsewhere; outside: the pattern untouched.
        CRgn rgn;
        WindowRegion(rgn);
        int nBorderPixels = 0;
        EXPECT_EQ(0, Mismatches(surface, [&](int x, int y, COLORREF color) {
            if (!rgn.PtInRegion(x, y))
                return color == PatternAt(x, y);
            bool bEdge = false;
            for (int d = 1; d <= nBorder; d++)
                bEdge = bEdge || !rgn.PtInRegion(x - d, y) || !rgn.PtInRegion(x + d, y) ||
                        !rgn.PtInRegion(x, y - d) || !rgn.PtInRegion(x, y + d);
            nBorderPixels += bEdge;
            return color == (bEdge ? kRed : kWhite);
        })) << "border " << nBorder;
        EXPECT_GT(nBorderPixels, 150 * nBorder);
    }
}

TEST_F(ToolTipPaint, IconAndTextPlacedByStyleDirectionAndSizes)
{
    // A green icon, and a run of spaces on a red background that shows the text's first line.
    // One of them fills the content's height, the other is placed in it by the styles.
    HICON hTall = SolidIcon(16, 64, kGreen), hSmall = SolidIcon(16, 16, kGreen);
    const char* kShort = "<cb=0xFF>      ";
    const char* kTall = "<cb=0xFF>      <br=5>";
    const int H0 = TextSize(tip, "x").cy;
    const int kTop = 0, kCentred = 1, kBottom = 2;
    struct Case { BOOL bBalloon; DWORD nStyles; UINT nDirection; bool bTallIcon; int nIcon, nText; };
    const Case cases[] = {
        {TRUE, 0, UXTT_DIR_ABOVE_LEFT, true, kTop, kTop},
        {TRUE, UXTT_STYLE_TEXT_VCENTER, UXTT_DIR_BELOW_RIGHT, true, kTop, kCentred},
        {TRUE, UXTT_STYLE_TEXT_BOTTOM, UXTT_DIR_ABOVE_RIGHT, true, kTop, kBottom},
        // Bottom wins over centred for the text, centred over bottom for the icon.
        {TRUE, UXTT_STYLE_TEXT_BOTTOM | UXTT_STYLE_TEXT_VCENTER, UXTT_DIR_BELOW_LEFT, true, kTop, kBottom},
        {TRUE, UXTT_STYLE_SHADOW, UXTT_DIR_BELOW_RIGHT, false, kTop, kTop},
        {TRUE, UXTT_STYLE_SHADOW | UXTT_STYLE_ICON_VCENTER, UXTT_DIR_BELOW_LEFT, false, kCentred, kTop},
        {TRUE, UXTT_STYLE_SHADOW | UXTT_STYLE_ICON_VCENTER | UXTT_STYLE_ICON_BOTTOM, UXTT_DIR_ABOVE_RIGHT, false,
         kCentred, kTop},
        {TRUE, UXTT_STYLE_SHADOW | UXTT_STYLE_ICON_BOTTOM, UXTT_DIR_ABOVE_LEFT, false, kBottom, kTop},
        // The plain form: margins 3 and 1, no room for an anchor or a shadow.
        {FALSE, UXTT_STYLE_SHADOW, UXTT_DIR_BELOW_RIGHT, false, kTop, kTop},
        {FALSE, UXTT_STYLE_ICON_BOTTOM | UXTT_STYLE_TEXT_VCENTER, UXTT_DIR_ABOVE_LEFT, true, kBottom, kCentred},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "styles " << c.nStyles << " direction " << c.nDirection);
        tip.SetDefaultSizes(c.bBalloon);
        UXTOOLTIP_INFO ti = Record(c.bTallIcon ? kShort : kTall, UXTT_MASK_STYLES | UXTT_MASK_DIRECTION, c.nStyles,
                                   c.nDirection);
        ti.hIcon = c.bTallIcon ? hTall : hSmall;
        Show(ti, CPoint(400, 300));
        ASSERT_EQ(c.nDirection, tip.GetShownDirection());
        const CSize szClient = ClientSize();
        TestSurface surface(szClient.cx, szClient.cy);
        Picture(surface);

        // What margins, anchor space and shadow leave of the client area less its last column
        // and row.
        const int mx = (int)tip.GetSize(UXTT_SIZE_MARGIN_CX), my = (int)tip.GetSize(UXTT_SIZE_MARGIN_CY);
        const int nShadow = (c.nStyles & UXTT_STYLE_SHADOW) ? (int)tip.GetSize(UXTT_SIZE_SHADOW_CX) : 0;
        const int nAnchor = (int)tip.GetSize(UXTT_SIZE_ANCHOR_HEIGHT);
        CRect content(mx, my, szClient.cx - 1 - nShadow - mx, szClient.cy - 1 - nShadow - my);
        (c.nDirection >= 2 ? content.top : content.bottom) += c.nDirection >= 2 ? nAnchor : -nAnchor;
        auto place = [&](int nHow, int cy) {
            return nHow == kTop ? content.top : nHow == kBottom ? content.bottom - cy
                                                                 : content.top + (content.Height() - cy) / 2;
        };
        const CSize szIcon(16, c.bTallIcon ? 64 : 16);
        const CSize szText = TextSize(tip, ti.sTooltip);
        EXPECT_EQ(CRect(CPoint(mx, place(c.nIcon, szIcon.cy)), szIcon), BoundsOf(surface, kGreen));
        EXPECT_EQ(CRect(CPoint(mx + szIcon.cx + mx, place(c.nText, szText.cy)), CSize(szText.cx, H0)),
                  BoundsOf(surface, kRed));
    }
    ::DestroyIcon(hTall);
    ::DestroyIcon(hSmall);
}

TEST_F(ToolTipPaint, TextLiesOnTheBackgroundWithoutACellOfItsOwn)
{
    // A fresh context draws text in black on an opaque white cell; the tip's text is drawn
    // transparent, so the background shows between the letters.
    tip.SetDefaultSizes(FALSE);
    tip.SetColor(UXTT_COLOR_BORDER, kBlue);
    UXTOOLTIP_INFO ti = Record("MW il", UXTT_MASK_STYLES | UXTT_MASK_EFFECT | UXTT_MASK_COLORS);
    ti.nEffect = UXTT_EFFECT_HGRADIENT; // bands leave the context's colours
    ti.crBegin = ti.crMid = ti.crEnd = kGreen;
    Show(ti, CPoint(400, 300));
    TestSurface surface(ClientSize().cx, ClientSize().cy, kRed);
    Picture(surface);
    EXPECT_FALSE(BoundsOf(surface, kBlack).IsRectEmpty());
    EXPECT_TRUE(BoundsOf(surface, kWhite).IsRectEmpty());
    EXPECT_EQ(kGreen, surface.Pixel(3 + 1, 1 + TextSize(tip, "MW il").cy - 1)); // in the text's cell
}

TEST_F(ToolTipPaint, EachDisplayIsPaintedOnceOnTheWindow)
{
    tip.SetColor(UXTT_COLOR_BORDER, kBlue);
    tip.SetDefaultSizes(FALSE);
    const UXTOOLTIP_INFO green = [] {
        UXTOOLTIP_INFO ti = Record("<hr=60><br=2>", UXTT_MASK_STYLES | UXTT_MASK_COLORS);
        ti.crBegin = kGreen;
        return ti;
    }();
    Show(green, CPoint(400, 300));
    tip.UpdateWindow();
    const CSize sz = ClientSize();
    TestSurface surface(sz.cx, sz.cy, kWhite);
    CopyWindow(surface);
    EXPECT_EQ(kBlue, surface.Pixel(0, 0));
    EXPECT_EQ(kGreen, surface.Pixel(sz.cx / 2, sz.cy - 4));

    // Painted once: a later paint, erasing or not, leaves the window as it is.
    CClientDC(&tip).FillSolidRect(0, 0, sz.cx, sz.cy, kSentinel);
    for (BOOL bErase : {TRUE, FALSE})
    {
        tip.InvalidateRect(NULL, bErase);
        tip.UpdateWindow();
    }
    CopyWindow(surface);
    EXPECT_EQ(kSentinel, surface.Pixel(sz.cx / 2, sz.cy - 4));

    // The next display is painted.
    UXTOOLTIP_INFO red = green;
    red.crBegin = kRed;
    Show(red, CPoint(400, 300));
    tip.UpdateWindow();
    CopyWindow(surface);
    EXPECT_EQ(kRed, surface.Pixel(sz.cx / 2, sz.cy - 4));
}

TEST_F(ToolTipPaint, AToolIsPaintedInItsOwnColoursOrInTheSlotsOfTheMomentItShows)
{
    tip.SetGradientColors(kRed, kRed, kRed);
    tip.SetEffectBk(UXTT_EFFECT_SOLID);
    tip.AddTool(&owner, "own colours");
    CRect rcArea(0, 0, 10, 10);
    tip.AddTool(&owner, "the slots", (HICON)NULL, &rcArea);
    tip.SetGradientColors(kBlue, kBlue, kBlue, 0);

    // The background at the left of the body, beside the text, as the window shows it.
    auto onScreen = [this] {
        tip.UpdateWindow();
        CRgn rgn;
        WindowRegion(rgn);
        CRect box;
        rgn.GetRgnBox(&box);
        TestSurface surface(ClientSize().cx, ClientSize().cy, kSentinel);
        CopyWindow(surface);
        return surface.Pixel(box.left + 4, box.bottom - 14);
    };
    auto shown = [&](int nTool) {
        UXTOOLTIP_INFO ti;
        EXPECT_TRUE(tip.GetTool(nTool, ti));
        Show(ti, CPoint(400, 300));
        return onScreen();
    };
    EXPECT_EQ(kBlue, shown(0));
    EXPECT_EQ(kRed, shown(1));

    // Changing the slots does not touch the tip on screen; the next display takes them.
    tip.SetGradientColors(kGreen, kGreen, kGreen);
    tip.Invalidate(FALSE);
    EXPECT_EQ(kRed, onScreen());
    EXPECT_EQ(kGreen, shown(1));
    EXPECT_EQ(kBlue, shown(0));
}
