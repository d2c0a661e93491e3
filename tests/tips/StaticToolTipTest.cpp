// Tests of the plain static tip: its place beside an anchor at each edge of the work area, the
// fallback when no side fits, the size of an empty tip and the painting.
#include <gtest/gtest.h>

#include "core/KwLook.h"
#include "core/KwPalette.h"
#include "support/TestSurface.h"
#include "tips/UxToolTip.h"
#include "tips/KwStaticToolTipCtrl.h"
#include "tips/KwWorkArea.h"

#include <string>

namespace {

struct StaticTip : ::testing::Test
{
    CKwStaticToolTipCtrl tip;
    CRect area = CKwWorkArea::Get();
    void SetUp() override { ASSERT_TRUE(tip.Create(NULL)); }
    CRect Show(CRect anchor, const char* text)
    {
        tip.Update(anchor, text);
        CRect rc;
        tip.GetWindowRect(&rc);
        return rc;
    }
};

// Each corner of the work area sends the tip to another side of the anchor (3 pixels apart from
// it); the size stays the one measured for the text.
TEST_F(StaticTip, PlacesBesideTheAnchorAtEachEdge)
{
    CRect size = area;
    tip.SetWindowText("Sin(x): the sine of x");
    tip.CalcRect(size);
    CSize sz = size.Size();
    int r = area.right - 20, b = area.bottom - 2; // anchors 30 wide and 8 high near the edges
    const CRect anchors[] = {CRect(100, 100, 200, 116), CRect(100, b - 8, 200, b), CRect(r - 30, 100, r, 116),
        CRect(r - 30, b - 8, r, b)};
    const CPoint expected[] = {CPoint(203, 100), CPoint(203, b - sz.cy), CPoint(r - 33 - sz.cx, 100),
        CPoint(r - 33 - sz.cx, b - sz.cy)};
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(CRect(expected[i], sz), Show(anchors[i], "Sin(x): the sine of x")) << i;
}

// A text as high as the work area fits nowhere: bottom-aligned on the wider side, moved down to
// 5 pixels below the work area's top.
TEST_F(StaticTip, TextTooLongFallsBackBelowTheTop)
{
    std::string text;
    for (int i = 0; i < 200; i++)
        text += "line\n";
    CRect rc = Show(CRect(area.right - 300, 50, area.right - 200, 70), text.c_str());
    EXPECT_EQ(area.top + 5, rc.top);
    EXPECT_EQ(area.right - 303, rc.right);
    rc = Show(CRect(100, 50, 200, 70), text.c_str());
    EXPECT_EQ(203, rc.left);
    EXPECT_EQ(area.top + 5, rc.top);
}

// An empty text gives indents and borders only (the measure used to keep the whole rectangle).
TEST_F(StaticTip, EmptyTextIsIndentsAndBorders)
{
    int h = tip.GetHTextIndent(), v = tip.GetVTextIndent(), b = ::GetSystemMetrics(SM_CXBORDER);
    CRect rc(50, 50, 500, 500);
    tip.CalcRect(rc);
    EXPECT_EQ(CSize(2 * h + 1 + 2 * b, 2 * v + 1 + 2 * b), rc.Size());
    EXPECT_EQ(CPoint(0, 0), rc.TopLeft());
}

// The light yellow fills the client area; the black text keeps inside the indents.
TEST_F(StaticTip, PaintsTextInsideTheIndents)
{
    Show(CRect(100, 100, 200, 116), "Wide WWW text");
    CRect client;
    tip.GetClientRect(&client);
    TestSurface surface(client.Width(), client.Height(), RGB(255, 0, 0));
    tip.SendMessage(WM_PRINTCLIENT, (WPARAM)surface.DC().m_hDC, PRF_CLIENT);
    int h = tip.GetHTextIndent(), v = tip.GetVTextIndent();
    CRect text(h, v, client.right - h - 1, client.bottom - v - 1);
    int nBlack = surface.Count(client, RGB(0, 0, 0));
    EXPECT_GT(nBlack, 10);
    EXPECT_EQ(nBlack, surface.Count(text, RGB(0, 0, 0)));
    EXPECT_EQ(client.Width() * client.Height(), nBlack + surface.Count(client, RGB(0xFF, 0xFF, 0xE1)));
}

// In the dark look both tips take its colours: the static one paints them, the rich one's
// defaults follow each switch while the colours its host set stay.
TEST_F(StaticTip, BothTipsFollowTheLookWithTheirDefaultColours)
{
    CUxToolTip rich;
    ASSERT_TRUE(rich.Create(&tip));
    rich.SetColor(UXTT_COLOR_BORDER, RGB(1, 2, 3));
    const COLORREF classicText = rich.GetColor(UXTT_COLOR_TEXT), classicBack = rich.GetColor(UXTT_COLOR_BK_MID);
    Show(CRect(100, 100, 200, 116), "Wide WWW text");
    CRect client;
    tip.GetClientRect(&client);
    TestSurface surface(client.Width(), client.Height(), RGB(255, 0, 0));
    CKwLook::SetLook(CKwLook::eDark, FALSE);
    tip.SendMessage(WM_PRINTCLIENT, (WPARAM)surface.DC().m_hDC, PRF_CLIENT);
    const COLORREF back = CKwPalette::Get(CKwPalette::eStaticTipBack), text = CKwPalette::Get(CKwPalette::eStaticTipText);
    EXPECT_EQ(CKwPalette::Get(CKwPalette::eTipText), rich.GetColor(UXTT_COLOR_TEXT));
    EXPECT_EQ(CKwPalette::Get(CKwPalette::eTipBack), rich.GetColor(UXTT_COLOR_BK_MID));
    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    EXPECT_NE(classicBack, back);
    EXPECT_GT(surface.Count(client, text), 10);
    EXPECT_EQ(client.Width() * client.Height(), surface.Count(client, text) + surface.Count(client, back));
    EXPECT_EQ(classicText, rich.GetColor(UXTT_COLOR_TEXT));
    EXPECT_EQ(classicBack, rich.GetColor(UXTT_COLOR_BK_MID));
    EXPECT_EQ(RGB(1, 2, 3), rich.GetColor(UXTT_COLOR_BORDER)) << "the host's";
}

} // namespace
