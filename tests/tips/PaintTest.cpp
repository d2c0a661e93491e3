// Tests of the tooltip's appearance: the table of sizes, and the painting of gradients, shadow,
// border, icon and text on the pixels of off-screen surfaces and of the window.
#include <gtest/gtest.h>

#include "CClientDC.h"
#include "TipHarness.h"
#include "support/TestSurface.h"
#include "tips/UxToolTip.h"
#include "support/TestColors.h"

#include <climits>
#include <vector>

namespace {

const COLORREF kSentinel = RGB(0x12, 0x34, 0x56);

// Opens the painting side to the tests, beside what CTestTip opens.
class CPaintedTip : public CTestTip
{
public:
    using CUxToolTip::FillGradient;
    using CUxToolTip::OnDraw;
    using CUxToolTip::OnDrawBackground;
    using CUxToolTip::OnDrawShadow;
    using CUxToolTip::PrintTitleString;
    using CUxToolTip::m_crColor;
    using CUxToolTip::m_nDirection;

    CPaintedTip()
    {
        m_crColor[UXTT_COLOR_SHADOW] = RGB(0x80, 0x80, 0x80);
        m_crColor[UXTT_COLOR_BORDER] = kBlack;
    }

    // The shown record: solid background of one colour, no text, no icon.
    void Show(DWORD nStyles, UINT nEffect, COLORREF crBegin, COLORREF crMid = 0, COLORREF crEnd = 0)
    {
        m_pToolInfo.nStyles = nStyles;
        m_pToolInfo.nEffect = nEffect;
        m_pToolInfo.crBegin = crBegin;
        m_pToolInfo.crMid = crMid;
        m_pToolInfo.crEnd = crEnd;
    }
};

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

// ---- Settings ----

TEST(ToolTipSettings, TablesOfSizesOfBothForms)
{
    CPaintedTip tip;
    const UINT balloon[UXTT_SIZE_COUNT] = {16, 16, 12, 12, 4, 4, 12, 16, 16, 1, 1};
    const UINT rectangle[UXTT_SIZE_COUNT] = {0, 0, 3, 1, 0, 0, 0, 0, 0, 1, 1};
    tip.SetDefaultSizes(FALSE);
    for (int i = 0; i < UXTT_SIZE_COUNT; i++)
        EXPECT_EQ(rectangle[i], tip.GetSize(i)) << "size " << i;
    tip.SetDefaultSizes(TRUE);
    // Indices outside the table change nothing and read as 0.
    tip.SetSize(UXTT_SIZE_COUNT, 77);
    tip.SetSize(-1, 77);
    for (int i = 0; i < UXTT_SIZE_COUNT; i++)
        EXPECT_EQ(balloon[i], tip.GetSize(i)) << "size " << i;
    EXPECT_EQ(0u, tip.GetSize(UXTT_SIZE_COUNT));
    EXPECT_EQ(0u, tip.GetSize(-1));
}

// ---- Gradients ----

TEST(ToolTipGradient, EachChannelInSixtyFourIntegerSteps)
{
    CPaintedTip tip;
    // Downwards, and from a colour to a darker one: each channel on its own.
    TestSurface vert(3, 64 + 10, kSentinel);
    const COLORREF crFrom = RGB(200, 10, 255), crTo = RGB(8, 100, 0);
    tip.FillGradient(&vert.DC(), CRect(1, 5, 2, 69), crFrom, crTo, FALSE);
    EXPECT_EQ(crFrom, vert.Pixel(1, 5));
    EXPECT_EQ(RGB(11, 98, 3), vert.Pixel(1, 68)); // (c * 64 + 63 * (to - c)) >> 6
    EXPECT_EQ(RGB(104, 55, 127), vert.Pixel(1, 5 + 32));
    EXPECT_EQ(3 * vert.Height() - 64, vert.Count(CRect(0, 0, 3, vert.Height()), kSentinel)); // nothing outside
}

TEST(ToolTipGradient, NarrowRectanglesFillEachColumnOnce)
{
    CPaintedTip tip;
    for (int nWidth = 1; nWidth <= 70; nWidth++)
    {
        for (int bHorz = 0; bHorz < 2; bHorz++)
        {
            // Along the gradient the rectangle is nWidth pixels, across it 2; it starts at 3.
            TestSurface surface(bHorz ? nWidth + 6 : 2, bHorz ? 2 : nWidth + 6, kSentinel);
            CRect rect = bHorz ? CRect(3, 0, 3 + nWidth, 2) : CRect(0, 3, 2, 3 + nWidth);
            tip.FillGradient(&surface.DC(), rect, kBlack, kWhite, bHorz);

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
    tip.FillGradient(&surface.DC(), CRect(4, 0, 4, 8), kBlack, kWhite, TRUE);
    tip.FillGradient(&surface.DC(), CRect(6, 0, 2, 8), kBlack, kWhite, TRUE);
    tip.FillGradient(&surface.DC(), CRect(0, 6, 8, 2), kBlack, kWhite, FALSE);
    EXPECT_EQ(64, surface.Count(CRect(0, 0, 8, 8), kSentinel));
    tip.FillGradient(&surface.DC(), CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), kBlack, kWhite, TRUE);
    EXPECT_EQ(Gray(Band(32)), surface.Pixel(7, 7)); // the middle band covers the whole surface
}

TEST(ToolTipGradient, EffectsPaintTheirPieces)
{
    CPaintedTip tip;
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
        tip.Show(0, c.nEffect, c.crFirst, c.crMid, c.crLast);
        CRect rc = rect;
        tip.OnDrawBackground(&surface.DC(), &rc);
        for (const Sample& s : c.samples)
            EXPECT_EQ(s.color, surface.Pixel(s.x, s.y)) << "effect " << c.nEffect << " at " << s.x << "," << s.y;
        // Still all around the rectangle.
        EXPECT_EQ(2 * 130 + 2 * 128, surface.Count(CRect(128, 0, 130, 130), kSentinel) +
                                         surface.Count(CRect(0, 128, 128, 130), kSentinel))
            << "effect " << c.nEffect;
    }
}

// ---- Shadow, border, icon ----

TEST(ToolTipDraw, ShadowDarkensWhatLiesBeneathAndTheBodyCoversIt)
{
    // The shadow is drawn first, ANDing its colour into what lies beneath; the body, clipped
    // to its region, comes over it.
    CPaintedTip tip;
    tip.SetDefaultSizes(TRUE);
    const COLORREF crShadow = RGB(0xF0, 0x0F, 0xAA);
    tip.m_crColor[UXTT_COLOR_SHADOW] = crShadow;
    tip.m_nDirection = UXTT_DIR_ABOVE_LEFT;
    tip.Show(UXTT_STYLE_SHADOW, UXTT_EFFECT_SOLID, kWhite);
    tip.m_rgnToolTip.CreateRoundRectRgn(0, 0, 41, 31, 12, 12);
    tip.m_rgnShadow.CreateRoundRectRgn(4, 4, 45, 35, 12, 12);
    TestSurface surface(48, 40);
    FillPattern(surface);
    tip.OnDraw(&surface.DC(), CRect(0, 0, 47, 39));

    int nShadowOnly = 0;
    EXPECT_EQ(0, Mismatches(surface, [&](int x, int y, COLORREF color) {
        if (tip.m_rgnToolTip.PtInRegion(x, y))
            return color == kWhite || color == kBlack;
        if (!tip.m_rgnShadow.PtInRegion(x, y))
            return color == PatternAt(x, y);
        nShadowOnly++;
        return color == (PatternAt(x, y) & crShadow);
    }));
    EXPECT_GT(nShadowOnly, 200);
    EXPECT_EQ(R2_COPYPEN, surface.DC().GetROP2()); // the caller's raster operation comes back
}

TEST(ToolTipDraw, BorderFollowsTheRegionAndNothingLeavesIt)
{
    for (int nBorder = 1; nBorder <= 2; nBorder++)
    {
        CPaintedTip tip;
        tip.SetDefaultSizes(TRUE);
        tip.SetSize(UXTT_SIZE_BORDER_CX, nBorder);
        tip.SetSize(UXTT_SIZE_BORDER_CY, nBorder);
        tip.m_crColor[UXTT_COLOR_BORDER] = kRed;
        tip.m_nDirection = UXTT_DIR_BELOW_RIGHT;
        tip.Show(UXTT_STYLE_ROUNDED | UXTT_STYLE_ANCHOR, UXTT_EFFECT_SOLID, kWhite);

        // A rounded body below an anchor whose apex is at (10, 0).
        CRgn body, anchor;
        body.CreateRoundRectRgn(0, 16, 61, 51, 16, 16);
        POINT apex[3] = {{10, 0}, {16, 16}, {28, 16}};
        anchor.CreatePolygonRgn(apex, 3, ALTERNATE);
        tip.m_rgnToolTip.CreateRectRgn(0, 0, 0, 0);
        tip.m_rgnToolTip.CombineRgn(&body, &anchor, RGN_OR);

        TestSurface surface(70, 60);
        FillPattern(surface);
        tip.OnDraw(&surface.DC(), CRect(0, 0, 69, 59));

        // Inside the region: red where a neighbour within the border width is outside it,
        // white elsewhere; outside: the pattern untouched.
        int nBorderPixels = 0;
        EXPECT_EQ(0, Mismatches(surface, [&](int x, int y, COLORREF color) {
            const CRgn& rgn = tip.m_rgnToolTip;
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
        // The clipping of the caller is given back.
        surface.DC().FillSolidRect(65, 55, 2, 2, kGreen);
        EXPECT_EQ(kGreen, surface.Pixel(66, 56));
    }
}

TEST(ToolTipDraw, IconAndTextPlacedByStyleDirectionAndSizes)
{
    // A green icon of 16, and a run of spaces on a red background that shows the text's line.
    HICON hIcon = SolidIcon(16, 16, kGreen);
    ASSERT_TRUE(hIcon != NULL);
    const CString sText("<cb=0xFF>      ");
    const int kTop = 0, kCentred = -1, kBottom = -2;
    // content: what margins, anchor space and shadow leave of (0, 0, 200, 120); icon: empty for
    // none; nText: where the text lies in the content.
    struct Case { BOOL bBalloon; DWORD nStyles; UINT nDirection; CRect content, icon; int nText; };
    // Balloon: margins 12, anchor space 16 on the cursor's side, shadow 4 at the right and bottom.
    // Rectangle: margins 3 and 1, no anchor space, no shadow room even with the style.
    const CRect above(12, 12, 188, 92), below(12, 28, 188, 108);
    const CRect aboveShadow(12, 12, 184, 88), belowShadow(12, 28, 184, 104), plain(3, 1, 197, 119);
    const CRect none(0, 0, 0, 0);
    const Case cases[] = {
        {TRUE, 0, UXTT_DIR_ABOVE_LEFT, above, none, kTop},
        {TRUE, 0, UXTT_DIR_BELOW_RIGHT, below, none, kTop},
        {TRUE, UXTT_STYLE_TEXT_VCENTER, UXTT_DIR_BELOW_RIGHT, below, none, kCentred},
        {TRUE, UXTT_STYLE_TEXT_BOTTOM, UXTT_DIR_ABOVE_RIGHT, above, none, kBottom},
        {TRUE, UXTT_STYLE_TEXT_BOTTOM | UXTT_STYLE_TEXT_VCENTER, UXTT_DIR_BELOW_LEFT, below, none, kBottom},
        {TRUE, UXTT_STYLE_SHADOW, UXTT_DIR_BELOW_RIGHT, belowShadow, CRect(12, 28, 28, 44), kTop},
        {TRUE, UXTT_STYLE_SHADOW | UXTT_STYLE_ICON_VCENTER, UXTT_DIR_BELOW_LEFT, belowShadow, CRect(12, 58, 28, 74),
         kTop},
        {TRUE, UXTT_STYLE_SHADOW | UXTT_STYLE_ICON_BOTTOM | UXTT_STYLE_TEXT_VCENTER, UXTT_DIR_BELOW_RIGHT, belowShadow,
         CRect(12, 88, 28, 104), kCentred},
        // Centred wins over bottom.
        {TRUE, UXTT_STYLE_SHADOW | UXTT_STYLE_ICON_VCENTER | UXTT_STYLE_ICON_BOTTOM, UXTT_DIR_BELOW_RIGHT,
         belowShadow, CRect(12, 58, 28, 74), kTop},
        {TRUE, UXTT_STYLE_SHADOW | UXTT_STYLE_ICON_BOTTOM, UXTT_DIR_ABOVE_LEFT, aboveShadow, CRect(12, 72, 28, 88),
         kTop},
        {TRUE, UXTT_STYLE_ICON_BOTTOM | UXTT_STYLE_TEXT_BOTTOM, UXTT_DIR_ABOVE_RIGHT, above, CRect(12, 76, 28, 92),
         kBottom},
        {FALSE, UXTT_STYLE_SHADOW, UXTT_DIR_BELOW_RIGHT, plain, CRect(3, 1, 19, 17), kTop},
        {FALSE, UXTT_STYLE_ICON_BOTTOM, UXTT_DIR_ABOVE_LEFT, plain, CRect(3, 103, 19, 119), kTop},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "styles " << c.nStyles << " direction " << c.nDirection);
        CPaintedTip tip;
        tip.SetDefaultSizes(c.bBalloon);
        tip.SetDefaultFont();
        tip.m_rgnToolTip.CreateRectRgn(0, 0, 201, 121);
        tip.m_rgnShadow.CreateRectRgn(0, 0, 0, 0);
        tip.m_nDirection = c.nDirection;
        tip.m_pToolInfo.sTooltip = sText;
        tip.m_pToolInfo.hIcon = c.icon.IsRectEmpty() ? NULL : hIcon;
        tip.m_szToolIcon = c.icon.Size();
        tip.Show(c.nStyles, UXTT_EFFECT_SOLID, kWhite);
        TestSurface surface(201, 121);
        const CSize szText = tip.PrintTitleString(&surface.DC(), CRect(0, 0, 200, 120), sText, TRUE);
        ASSERT_GT(szText.cy, 0);
        tip.m_szTextTooltip = szText;
        tip.OnDraw(&surface.DC(), CRect(0, 0, 200, 120));

        EXPECT_EQ(c.icon, BoundsOf(surface, kGreen));
        // Beside the icon, the margin apart.
        const int nLeft = c.content.left + (c.icon.IsRectEmpty() ? 0 : c.icon.Width() + c.content.left);
        const int nTop = c.nText == kTop      ? c.content.top
                         : c.nText == kBottom ? c.content.bottom - szText.cy
                                              : c.content.top + (c.content.Height() - szText.cy) / 2;
        EXPECT_EQ(CRect(CPoint(nLeft, nTop), szText), BoundsOf(surface, kRed));
    }
    ::DestroyIcon(hIcon);
}

TEST(ToolTipDraw, TextLiesOnTheBackgroundWithoutACellOfItsOwn)
{
    // A fresh context draws text in black on an opaque white cell; the tip's text is drawn
    // transparent, so the background shows between the letters.
    CPaintedTip tip;
    tip.SetDefaultSizes(FALSE);
    tip.SetDefaultFont();
    tip.m_crColor[UXTT_COLOR_BORDER] = kBlue;
    tip.m_rgnToolTip.CreateRectRgn(0, 0, 101, 31);
    tip.m_pToolInfo.sTooltip = "MW il";
    tip.Show(0, UXTT_EFFECT_HGRADIENT, kGreen, kGreen, kGreen); // bands leave the context's colours

    TestSurface surface(101, 31, kRed);
    tip.m_szTextTooltip = tip.PrintTitleString(&surface.DC(), CRect(0, 0, 100, 30), tip.m_pToolInfo.sTooltip, TRUE);
    tip.OnDraw(&surface.DC(), CRect(0, 0, 100, 30));
    EXPECT_FALSE(BoundsOf(surface, kBlack).IsRectEmpty());
    EXPECT_TRUE(BoundsOf(surface, kWhite).IsRectEmpty());
    EXPECT_EQ(kGreen, surface.Pixel(3 + 1, 1 + tip.m_szTextTooltip.cy - 1)); // in the text's cell
}

// ---- The window ----

namespace {

struct ToolTipWindow : TipWindowTest<CPaintedTip>
{
    // Copies the window's own surface into a test surface.
    void CopyWindow(TestSurface& surface)
    {
        HDC hDC = ::GetDC(tip.m_hWnd);
        ::BitBlt(surface.DC().m_hDC, 0, 0, surface.Width(), surface.Height(), hDC, 0, 0, SRCCOPY);
        ::ReleaseDC(tip.m_hWnd, hDC);
    }
};

} // namespace

TEST_F(ToolTipWindow, EachDisplayIsPaintedOnce)
{
    ASSERT_TRUE(tip.Create(&owner, FALSE));
    tip.m_crColor[UXTT_COLOR_BORDER] = kBlue;
    tip.SetWindowPos(NULL, 200, 150, 81, 41, SWP_NOZORDER | SWP_NOACTIVATE);
    tip.m_rgnToolTip.CreateRectRgn(0, 0, 60, 30);
    tip.Show(0, UXTT_EFFECT_SOLID, kGreen);
    tip.ShowWindow(SW_SHOWNOACTIVATE);
    tip.UpdateWindow();
    CClientDC(&tip).FillSolidRect(0, 0, 81, 41, kSentinel);
    auto repaint = [this](BOOL bErase) {
        tip.InvalidateRect(NULL, bErase);
        tip.UpdateWindow();
    };

    // Nothing pending: neither erased nor painted.
    repaint(TRUE);
    TestSurface surface(81, 41, kWhite);
    CopyWindow(surface);
    EXPECT_EQ(CRect(0, 0, 81, 41), BoundsOf(surface, kSentinel));
    EXPECT_EQ(std::make_pair(-1, -1), tip.Indices());

    // A pending help tip is painted and becomes the shown one. The composition covers the
    // client area less its last column and row.
    tip.m_nIndexCurrentWnd = -2;
    repaint(FALSE);
    EXPECT_EQ(std::make_pair(-1, -2), tip.Indices());
    CopyWindow(surface);
    EXPECT_EQ(kBlue, surface.Pixel(0, 0));
    EXPECT_EQ(kBlue, surface.Pixel(59, 29));
    EXPECT_EQ(kGreen, surface.Pixel(30, 15));
    EXPECT_EQ(41, surface.Count(CRect(80, 0, 81, 41), kSentinel));
    EXPECT_EQ(81, surface.Count(CRect(0, 40, 81, 41), kSentinel));

    // Painted once: a later paint leaves it as it is, whatever the record says now.
    tip.Show(0, UXTT_EFFECT_SOLID, kRed);
    repaint(TRUE);
    CopyWindow(surface);
    EXPECT_EQ(kGreen, surface.Pixel(30, 15));
    EXPECT_EQ(-2, tip.m_nIndexDisplayWnd);

    // The next display, of a tool.
    tip.m_nIndexCurrentWnd = 0;
    repaint(FALSE);
    CopyWindow(surface);
    EXPECT_EQ(kRed, surface.Pixel(30, 15));
    EXPECT_EQ(std::make_pair(-1, 0), tip.Indices());
}

TEST_F(ToolTipWindow, AToolIsPaintedInItsOwnColoursOrInTheSlotsOfTheMomentItShows)
{
    ASSERT_TRUE(tip.Create(&owner));
    tip.SetGradientColors(kRed, kRed, kRed);
    tip.SetEffectBk(UXTT_EFFECT_SOLID);
    tip.AddTool(&owner, "own colours");
    CRect rcArea(0, 0, 10, 10);
    tip.AddTool(&owner, "the slots", (HICON)NULL, &rcArea);
    tip.SetGradientColors(kBlue, kBlue, kBlue, 0);

    // The background at the left of the body, beside the text, as the window shows it.
    auto onScreen = [this] {
        tip.UpdateWindow();
        CRect box, rcClient;
        tip.m_rgnToolTip.GetRgnBox(&box);
        tip.GetClientRect(&rcClient);
        TestSurface surface(rcClient.Width(), rcClient.Height(), kSentinel);
        CopyWindow(surface);
        return surface.Pixel(box.left + 4, box.bottom - 10);
    };
    auto shown = [&](int nTool) {
        UXTOOLTIP_INFO ti;
        EXPECT_TRUE(tip.GetTool(nTool, ti));
        CPoint pt(20, 20);
        tip.ShowHelpTooltip(pt, ti);
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
