// Tests of the plain static tip: its place beside an anchor at each edge of the work area, the
// fallback when no side fits, its size for a text, painting, and moving without showing again.
#include <gtest/gtest.h>

#include "support/MessageRecorder.h"
#include "support/TestSurface.h"
#include "tips/KwStaticToolTipCtrl.h"
#include "tips/KwWorkArea.h"

#include <string>

namespace {

std::string Text(const CRect& rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

struct StaticTip : ::testing::Test
{
    CKwStaticToolTipCtrl tip;
    CRect area = CKwWorkArea::Get();
    void SetUp() override { ASSERT_TRUE(tip.Create(NULL)); }
    void TearDown() override { tip.DestroyWindow(); }
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
    struct Case
    {
        CRect anchor;
        CPoint expected; // top-left
    } cases[] = {
        {CRect(100, 100, 200, 116), CPoint(203, 100)},
        {CRect(100, area.bottom - 10, 200, area.bottom - 2), CPoint(203, area.bottom - 2 - sz.cy)},
        {CRect(area.right - 50, 100, area.right - 20, 116), CPoint(area.right - 53 - sz.cx, 100)},
        {CRect(area.right - 50, area.bottom - 10, area.right - 20, area.bottom - 2),
            CPoint(area.right - 53 - sz.cx, area.bottom - 2 - sz.cy)},
    };
    for (const Case& c : cases)
    {
        CRect rc = Show(c.anchor, "Sin(x): the sine of x");
        EXPECT_EQ(CRect(c.expected, sz), rc) << c.anchor.left << "," << c.anchor.top;
        EXPECT_TRUE(tip.IsWindowVisible());
    }
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

// An empty text gives indents and borders only; the text wraps at the width given.
TEST_F(StaticTip, SizeOfTheText)
{
    int h = tip.GetHTextIndent(), v = tip.GetVTextIndent(), b = ::GetSystemMetrics(SM_CXBORDER);
    EXPECT_GT(h, 0);
    CRect rc(50, 50, 500, 500);
    tip.CalcRect(rc);
    EXPECT_EQ(Text(CRect(0, 0, 2 * h + 1 + 2 * b, 2 * v + 1 + 2 * b)), Text(rc));
    tip.SetWindowText("one two three four five six seven eight nine ten");
    CRect wide(0, 0, 1000, 1000), narrow(0, 0, 60, 1000);
    tip.CalcRect(wide);
    tip.CalcRect(narrow);
    EXPECT_LT(narrow.Width(), wide.Width());
    EXPECT_GT(narrow.Height(), 2 * wide.Height());
}

// A second Update moves and repaints the tip without showing it again, and never activates it.
TEST_F(StaticTip, SecondUpdateMovesWithoutShowing)
{
    MessageRecorder rec;
    rec.Watch(tip.m_hWnd, "tip");
    Show(CRect(100, 100, 200, 116), "a");
    Show(CRect(100, 200, 200, 216), "b");
    int nShows = 0, nActivations = 0;
    for (const auto& e : rec.Log())
    {
        nShows += e.message == WM_SHOWWINDOW;
        nActivations += e.message == WM_ACTIVATE;
    }
    EXPECT_EQ(1, nShows);
    EXPECT_EQ(0, nActivations);
    CRect rc;
    tip.GetWindowRect(&rc);
    EXPECT_EQ(200, rc.top);
}

// The light yellow fills the client area; the black text keeps inside the indents.
TEST_F(StaticTip, PaintsTextInsideTheIndents)
{
    CRect rc = Show(CRect(100, 100, 200, 116), "Wide WWW text");
    CRect client;
    tip.GetClientRect(&client);
    TestSurface surface(client.Width(), client.Height(), RGB(255, 0, 0));
    tip.SendMessage(WM_PRINTCLIENT, (WPARAM)surface.DC().m_hDC, PRF_CLIENT);
    int h = tip.GetHTextIndent(), v = tip.GetVTextIndent();
    CRect text(h, v, client.right - h - 1, client.bottom - v - 1);
    EXPECT_EQ(0, surface.Count(client, RGB(255, 0, 0)));
    EXPECT_GT(surface.Count(text, RGB(0, 0, 0)), 10);
    int nBlackOutside = surface.Count(client, RGB(0, 0, 0)) - surface.Count(text, RGB(0, 0, 0));
    EXPECT_EQ(0, nBlackOutside);
    EXPECT_EQ(RGB(0xFF, 0xFF, 0xE1), surface.Pixel(0, 0));
}

} // namespace
