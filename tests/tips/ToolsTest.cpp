// Tests of the tooltip's window and tools: the window class, the tool table and its per-tool
// settings, finding the tool under a point among real child windows, the display notification
// with its write-back, the size of the box, placement on a screen of known size and the region
// with its anchor.
#include <gtest/gtest.h>

#include "MarkupTest.rh"
#include "TipHarness.h"
#include "ToolsTest.rh"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <string>

namespace {

// printf into a string, so that several values compare in one line.
std::string Format(const char* fmt, ...)
{
    char sz[256];
    va_list args;
    va_start(args, fmt);
    vsnprintf(sz, sizeof(sz), fmt, args);
    va_end(args);
    return sz;
}

// Balloon sizes: margins 12/12, shadow 4/4, anchor 12 wide and 16 high, 16 from the side.
const int kMarginX = 12, kMarginY = 12, kShadow = 4, kAnchorWidth = 12, kAnchorHeight = 16, kAnchorMargin = 16;

using ToolTipClass = TipWindowTest<CTestTip>;

struct TipFixture : TipWindowTest<CTestTip>
{
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(TipWindowTest::SetUp());
        ASSERT_TRUE(tip.Create(&owner));
    }
};


// The whole table: each tool's text and identifier.
std::string Table(CUxToolTip& tip)
{
    std::string s;
    UXTOOLTIP_INFO ti;
    for (int i = 0; tip.GetTool(i, ti); i++)
        s += std::string(i ? " " : "") + (LPCTSTR)ti.sTooltip + "/" + std::to_string(ti.nIDTool);
    return s;
}

// One per-tool setting, read back as text so that every kind compares alike.
struct PerToolSetting
{
    const char* name;
    UINT nMaskBit;
    std::function<void(CUxToolTip&, UINT, int)> set;
    std::function<std::string(CUxToolTip&, int)> get;
};

std::string Text(UINT v) { return std::to_string(v); }

// The settings of a record that painting and tracking read, colours as 0xBBGGRR.
std::string Settings(const UXTOOLTIP_INFO& ti)
{
    return Format("styles %lx effect %u/%u colours %06lx %06lx %06lx direction %u behaviour %x",
        (unsigned long)ti.nStyles, ti.nEffect, ti.nGranularity, (unsigned long)ti.crBegin, (unsigned long)ti.crMid,
        (unsigned long)ti.crEnd, ti.nDirection, ti.nBehaviour);
}

// Whether each point (window coordinates) lies in the region, as a string of 1 and 0.
std::string Inside(const CRgn& rgn, std::initializer_list<POINT> points)
{
    std::string s;
    for (const POINT& p : points)
        s += rgn.PtInRegion(p) ? '1' : '0';
    return s;
}

} // namespace

TEST_F(ToolTipClass, TheWindowIsAHiddenPopupOfTheOwnerAndSizesOutsideTheTableReadAsZero)
{
    CTestTip second; // the second registers nothing and throws nothing
    ASSERT_TRUE(tip.Create(&owner, FALSE));
    EXPECT_EQ(0u, tip.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(owner.m_hWnd, ::GetWindow(tip.m_hWnd, GW_OWNER));
    ASSERT_TRUE(second.Create(&owner));
    // Create takes the table of the form asked for: the plain one has no anchor.
    EXPECT_EQ(0, tip.GetSize(UXTT_SIZE_ANCHOR_HEIGHT));
    EXPECT_NE(0, second.GetSize(UXTT_SIZE_ANCHOR_HEIGHT));
    second.SetSize(-1, 77);
    second.SetSize(UXTT_SIZE_COUNT, 77);
    EXPECT_EQ(0, second.GetSize(-1));
    EXPECT_EQ(0, second.GetSize(UXTT_SIZE_COUNT));
    second.DestroyWindow();
}

TEST_F(TipFixture, ToolsAreReplacedForTheSameWindowAndAreaAndAppendedOtherwise)
{
    HWND hChild = owner.AddChild(CRect(10, 10, 110, 60));
    CWnd* pChild = CWnd::FromHandle(hChild);
    CRect rcLeft(0, 0, 50, 50), rcRight(50, 0, 100, 50), rcOther(1, 1, 2, 2);
    tip.AddTool(pChild, "whole", (HICON)NULL, NULL, 1);
    tip.AddTool(pChild, "left", (HICON)NULL, &rcLeft, 2);
    tip.AddTool(pChild, "right", (HICON)NULL, &rcRight, 3);
    tip.AddTool(&owner, "owner", (HICON)NULL, NULL, 4);
    // Same window, equal area: replaced in place, whatever else differs; the empty area is an
    // area like any other; another area is appended.
    UXTOOLTIP_INFO ti;
    ti.hWnd = hChild;
    ti.rectBounds = rcLeft;
    ti.sTooltip = "left2";
    ti.nIDTool = 20;
    tip.AddTool(ti);
    tip.AddTool(pChild, "whole2", (HICON)NULL, NULL, 5);
    tip.AddTool(pChild, "other", (HICON)NULL, &rcOther, 6);
    EXPECT_EQ("whole2/5 left2/20 right/3 owner/4 other/6", Table(tip));

    // Looking up by window and area, by window alone, by identifier.
    EXPECT_EQ("2 0 -1 3 4 -1", Format("%d %d %d %d %d %d", tip.FindTool(pChild, &rcRight), tip.FindTool(pChild),
                                   tip.FindTool(pChild, CRect(0, 0, 1, 1)), tip.FindTool(&owner), tip.FindTool(6u),
                                   tip.FindTool(99u)));

    // Removing moves the later tools down; SetAtTool replaces only an existing tool; indices
    // outside are refused and leave the caller's record alone.
    EXPECT_FALSE(tip.RemoveTool(5));
    EXPECT_FALSE(tip.RemoveTool(-1));
    EXPECT_TRUE(tip.RemoveTool(1));
    ti.sTooltip = "set";
    tip.SetAtTool(3, ti);
    tip.SetAtTool(4, ti);
    EXPECT_EQ("whole2/5 right/3 owner/4 set/20", Table(tip));
    EXPECT_FALSE(tip.GetTool(4, ti));
    EXPECT_EQ(CString("set"), ti.sTooltip);

    EXPECT_FALSE(tip.IsExistTool(4));
    tip.RemoveAllTools();
    EXPECT_EQ("", Table(tip));
}

TEST_F(TipFixture, ToolsTakeTheirTextAndIconFromResources)
{
    CRect rcA(0, 0, 10, 10), rcB(10, 0, 20, 10), rcC(20, 0, 30, 10);
    HICON hGiven = ::LoadIcon(NULL, IDI_WARNING);
    tip.AddTool(&owner, IDS_TOOLSTEST_TEXT, hGiven, &rcA, 1);
    tip.AddTool(&owner, CString("plain"), IDI_MARKUPTEST_ICON, CSize(32, 32), &rcB, 2);
    tip.AddTool(&owner, IDS_TOOLSTEST_TEXT, IDI_MARKUPTEST_ICON, CSize(0, 0), &rcC, 3);
    tip.AddTool(&owner, 0xFFF0u, 0xFFF1u, CSize(0, 0), NULL, 4); // neither exists
    ASSERT_EQ(4, tip.GetToolCount());

    // Each tool's text and icon size: icons are loaded at the size asked for, else at their own.
    UXTOOLTIP_INFO ti[4];
    std::string sTools;
    for (int i = 0; i < 4; i++)
    {
        ASSERT_TRUE(tip.GetTool(i, ti[i]));
        const CSize sz = CUxTipPictures::SizeOfIcon(ti[i].hIcon);
        sTools += Format("%s %ldx%ld|", (LPCTSTR)ti[i].sTooltip, (long)sz.cx, (long)sz.cy);
    }
    EXPECT_EQ("Text from the resources 32x32|plain 32x32|Text from the resources 16x16| 0x0|", sTools);
    EXPECT_EQ(hGiven, ti[0].hIcon);
    EXPECT_TRUE(rcC == CRect(ti[2].rectBounds) && ti[2].nIDTool == 3u && ti[2].nMask == 0u);

    // Added again with the same icon, a tool takes the icon already loaded: a host that renews
    // its tools does not pile up icons.
    tip.AddTool(&owner, CString("again"), IDI_MARKUPTEST_ICON, CSize(32, 32), &rcB, 2);
    UXTOOLTIP_INFO again;
    ASSERT_TRUE(tip.GetTool(1, again));
    EXPECT_EQ(CString("again"), again.sTooltip);
    EXPECT_EQ(ti[1].hIcon, again.hIcon);
    EXPECT_NE(ti[1].hIcon, ti[2].hIcon); // another size is another icon
}

TEST_F(TipFixture, EachPerToolSettingIsTheToolsOwnWithItsMaskBitAndOtherwiseTheGlobalOne)
{
    const PerToolSetting settings[] = {
        {"styles", UXTT_MASK_STYLES, [](CUxToolTip& t, UINT v, int i) { t.SetStyles(v, i); },
         [](CUxToolTip& t, int i) { return Text(t.GetStyles(i)); }},
        {"effect", UXTT_MASK_EFFECT, [](CUxToolTip& t, UINT v, int i) { t.SetEffectBk(v, (BYTE)(v + 1), i); },
         [](CUxToolTip& t, int i) {
             BYTE n = 0;
             UINT v = t.GetEffectBk(n, i);
             return Text(v) + "/" + Text(n) + "/" + Text(t.GetEffectBk(i));
         }},
        {"colours", UXTT_MASK_COLORS, [](CUxToolTip& t, UINT v, int i) { t.SetGradientColors(v, v + 1, v + 2, i); },
         [](CUxToolTip& t, int i) {
             COLORREF a = 0, b = 0, c = 0;
             t.GetGradientColors(a, b, c, i);
             return Text(a) + " " + Text(b) + " " + Text(c);
         }},
        {"direction", UXTT_MASK_DIRECTION, [](CUxToolTip& t, UINT v, int i) { t.SetDirection(v, i); },
         [](CUxToolTip& t, int i) { return Text(t.GetDirection(i)); }},
        {"behaviour", UXTT_MASK_BEHAVIOUR, [](CUxToolTip& t, UINT v, int i) { t.SetBehaviour(v, i); },
         [](CUxToolTip& t, int i) { return Text(t.GetBehaviour(i)); }},
    };
    for (const PerToolSetting& s : settings)
    {
        SCOPED_TRACE(s.name);
        CTestTip tip;
        UXTOOLTIP_INFO ti;
        tip.AddTool(ti);
        ti.rectBounds.right = 1;
        tip.AddTool(ti);
        s.set(tip, 1, -1);
        s.set(tip, 2, 0);
        EXPECT_EQ(s.nMaskBit, tip.GetMaskTool(0));
        EXPECT_EQ(0u, tip.GetMaskTool(1));
        const std::string sOne = s.get(tip, -1), sTwo = s.get(tip, 0);
        EXPECT_NE(sOne, sTwo);
        EXPECT_EQ(sOne, s.get(tip, 1));
        // An index outside the table addresses the global value.
        s.set(tip, 3, 2);
        const std::string sThree = s.get(tip, 7);
        EXPECT_EQ(sThree, s.get(tip, 1));
        EXPECT_NE(sOne, sThree);
        EXPECT_EQ(sTwo, s.get(tip, 0));
        // A tool whose mask loses the bit reads the global value again, and gets its own back.
        tip.ModifyMaskTool(0, 0, s.nMaskBit);
        EXPECT_EQ(sThree, s.get(tip, 0));
        tip.ModifyMaskTool(0, s.nMaskBit, 0);
        EXPECT_EQ(sTwo, s.get(tip, 0));
    }
}

TEST_F(TipFixture, MasksStylesDirectionsAndTheNotificationWindow)
{
    tip.AddTool(&owner, "a");
    CRect rc(0, 0, 5, 5);
    tip.AddTool(&owner, "b", (HICON)NULL, &rc);

    tip.SetMaskTool(0, UXTT_MASK_STYLES | UXTT_MASK_EFFECT);
    tip.ModifyMaskTool(0, UXTT_MASK_COLORS, UXTT_MASK_STYLES);
    EXPECT_EQ((UINT)(UXTT_MASK_EFFECT | UXTT_MASK_COLORS), tip.GetMaskTool(0));
    tip.ModifyMaskTool(0, UXTT_MASK_STYLES, UXTT_MASK_STYLES); // removed, then added
    EXPECT_EQ((UINT)(UXTT_MASK_STYLES | UXTT_MASK_EFFECT | UXTT_MASK_COLORS), tip.GetMaskTool(0));
    tip.SetMaskTool(0);
    tip.SetMaskTool(7, 0x1F);
    EXPECT_EQ("0 0", Format("%u %u", tip.GetMaskTool(0), tip.GetMaskTool(7)));

    // Modifying the styles of a tool without styles of its own starts from the global ones;
    // from then on its own are modified, whatever the global ones become.
    tip.ModifyStyles(UXTT_STYLE_TEXT_VCENTER, UXTT_STYLE_SHADOW, 0);
    EXPECT_EQ((DWORD)(UXTT_STYLE_DEFAULT & ~UXTT_STYLE_SHADOW) | UXTT_STYLE_TEXT_VCENTER, tip.GetStyles(0));
    tip.SetStyles(UXTT_STYLE_ANCHOR);
    tip.ModifyStyles(UXTT_STYLE_ICON_BOTTOM, UXTT_STYLE_ICON_VCENTER, 0);
    EXPECT_EQ((DWORD)UXTT_STYLE_ANCHOR | UXTT_STYLE_ROUNDED | UXTT_STYLE_TEXT_VCENTER | UXTT_STYLE_ICON_BOTTOM,
        tip.GetStyles(0));

    // The background's colour slots are the global gradient colours.
    tip.SetColor(UXTT_COLOR_BK_BEGIN, RGB(4, 0, 0));
    COLORREF crBegin = 0, crMid = 0, crEnd = 0;
    tip.GetGradientColors(crBegin, crMid, crEnd, 1);
    EXPECT_EQ(RGB(4, 0, 0), crBegin);

    // Directions 4 and above change nothing.
    tip.SetDirection(UXTT_DIR_ABOVE_LEFT, 1);
    tip.SetDirection(4, 1);
    tip.SetDirection(4, 0);
    tip.SetDirection(7);
    EXPECT_EQ("above left 0, tool 0 own 0, global 3", Format("above left %u, tool 0 own %u, global %u",
        tip.GetDirection(1), tip.GetMaskTool(0) & UXTT_MASK_DIRECTION, tip.GetDirection()));

    // Without an owner there is nothing to notify.
    CTestTip orphan;
    orphan.SetNotify(TRUE);
    EXPECT_FALSE(orphan.GetNotify());
}

TEST_F(TipFixture, TheToolUnderAPointIsFoundAmongRealChildWindows)
{
    HWND hA = owner.AddChild(CRect(10, 10, 110, 60));
    HWND hB = owner.AddChild(CRect(150, 10, 250, 60));
    HWND hDisabled = owner.AddChild(CRect(10, 100, 110, 150), FALSE);
    CRect rcB1(0, 0, 50, 50), rcB2(25, 0, 100, 50), rcOwnerLow(0, 90, 300, 200);
    tip.AddTool(CWnd::FromHandle(hA), "A", (HICON)NULL, NULL, 1);            // 0
    tip.AddTool(CWnd::FromHandle(hB), "B1", (HICON)NULL, &rcB1, 2);          // 1
    tip.AddTool(CWnd::FromHandle(hB), "B2", (HICON)NULL, &rcB2, 3);          // 2
    tip.AddTool(CWnd::FromHandle(hDisabled), "D", (HICON)NULL, NULL, 4);     // 3
    tip.AddTool(&owner, "low", (HICON)NULL, &rcOwnerLow, 5);                 // 4
    tip.AddTool(NULL, "nowhere", (HICON)NULL, NULL, 6);                      // 5

    struct Case { int x, y, nExpected; };
    const Case cases[] = {
        {12, 12, 0}, {109, 59, 0},             // a whole-window tool, corner to corner
        {160, 20, 1}, {180, 20, 1},            // B1; where B1 and B2 overlap the earlier wins
        {200, 20, 2}, {249, 59, 2},            // B2 alone
        {20, 120, 4},                          // a disabled child lets the owner's tool answer
        {200, 120, 4},                         // the owner's own area
        {200, 80, -1}, {5, 5, -1},             // the owner outside its tool
    };
    for (const Case& c : cases)
    {
        CPoint pt(c.x, c.y);
        EXPECT_EQ(c.nExpected, tip.FindTool(pt)) << c.x << "," << c.y;
        EXPECT_EQ(ScreenPoint(owner.m_hWnd, c.x, c.y), pt) << "converted to the screen in place";
    }

    auto find = [this](CPoint pt) { return tip.FindTool(pt); };
    // With the global style for disabled children, the disabled child's own tool answers...
    tip.ModifyStyles(UXTT_STYLE_DISABLED, 0);
    EXPECT_EQ(3, find(CPoint(20, 120)));
    // ... but not when only a tool carries it.
    tip.ModifyStyles(0, UXTT_STYLE_DISABLED);
    tip.ModifyStyles(UXTT_STYLE_DISABLED, 0, 3);
    EXPECT_EQ(4, find(CPoint(20, 120)));

    // A tool whose window has gone is never found; the owner under it is. Over the tip itself:
    // no tool.
    ::DestroyWindow(hA);
    EXPECT_EQ(-1, find(CPoint(12, 12)));
    tip.SetWindowPos(NULL, 450, 300, 40, 40, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    EXPECT_EQ(-1, find(CPoint(460, 310) - CSize(ScreenPoint(owner.m_hWnd, 0, 0))));
}

TEST_F(TipFixture, TheReceiverSeesTheAreaOnTheOwnerAndMayChangeAllButTheArea)
{
    HWND hChild = owner.AddChild(CRect(150, 10, 250, 60));
    CRect rcArea(5, 6, 25, 16);
    tip.AddTool(CWnd::FromHandle(hChild), "before", (HICON)NULL, &rcArea, 42);
    UXTOOLTIP_INFO ti;
    ASSERT_TRUE(tip.GetTool(0, ti));
    const CPoint pt(400, 300);

    // No notification window: nothing is sent.
    Show(ti, pt);
    EXPECT_EQ(0, owner.m_nNotifications);

    tip.SetNotify(TRUE);
    tip.SetDlgCtrlID(77);
    owner.m_onDisplay = [&](UXTOOLTIP_NOTIFY& notify) {
        notify.ti->sTooltip = "after<br>on two lines";
        notify.ti->nMask = UXTT_MASK_DIRECTION;
        notify.ti->nDirection = UXTT_DIR_ABOVE_LEFT;
        ::SetRect(&notify.ti->rectBounds, 0, 0, 1, 1);
    };
    const CRect rcWindow = Show(ti, pt);
    ASSERT_EQ(1, owner.m_nNotifications);
    const UXTOOLTIP_NOTIFY& seen = owner.m_lastNotify;
    EXPECT_TRUE(seen.hdr.hwndFrom == tip.m_hWnd && seen.hdr.idFrom == 77 && seen.hdr.code == 0x464);
    EXPECT_EQ(CRect(155, 16, 175, 26), CRect(owner.m_lastInfo.rectBounds)); // on the owner's client area
    EXPECT_EQ(CString("before"), owner.m_lastInfo.sTooltip);

    // What the receiver wrote is shown: its text sizes the box, its direction places it.
    const CSize szText = TextSize(tip, "after<br>on two lines");
    EXPECT_EQ((UINT)UXTT_DIR_ABOVE_LEFT, tip.GetShownDirection());
    EXPECT_EQ(CSize(szText.cx + 2 * kMarginX + kShadow + 2, szText.cy + 2 * kMarginY + kAnchorHeight + kShadow + 2),
              rcWindow.Size());
    // The stored tool is untouched.
    UXTOOLTIP_INFO stored;
    ASSERT_TRUE(tip.GetTool(0, stored));
    EXPECT_TRUE(stored.sTooltip == "before" && stored.nMask == 0 && CRect(stored.rectBounds) == rcArea);
}

TEST_F(TipFixture, TheShownRecordCarriesTheEffectiveSettingsAndTheBoxItsMargins)
{
    tip.SetNotify(TRUE);
    tip.ModifyStyles(UXTT_STYLE_TEXT_VCENTER, UXTT_STYLE_SHADOW);
    tip.SetEffectBk(UXTT_EFFECT_HCGRADIENT, 5);
    tip.SetGradientColors(RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3));
    tip.SetDirection(UXTT_DIR_BELOW_LEFT);
    tip.SetBehaviour(UXTT_BEHAVIOUR_CLOSE_OVER);
    tip.AddTool(&owner, "global");
    CRect rc(0, 0, 10, 10);
    tip.AddTool(&owner, "own", (HICON)NULL, &rc);
    tip.SetStyles(UXTT_STYLE_SHADOW, 1);
    tip.SetEffectBk(UXTT_EFFECT_VGRADIENT, 9, 1);
    tip.SetGradientColors(RGB(7, 0, 0), RGB(8, 0, 0), RGB(9, 0, 0), 1);
    tip.SetDirection(UXTT_DIR_ABOVE_RIGHT, 1);
    tip.SetBehaviour(UXTT_BEHAVIOUR_NO_AUTOPOP, 1);

    const CPoint pt(400, 300);
    UXTOOLTIP_INFO ti;
    ASSERT_TRUE(tip.GetTool(0, ti));
    Show(ti, pt);
    const UXTOOLTIP_INFO& seen = owner.m_lastInfo; // the receiver already sees them
    EXPECT_EQ("styles 2d effect 3/5 colours 010101 020202 030303 direction 2 behaviour 4", Settings(seen));
    EXPECT_EQ(0u, seen.nMask);
    EXPECT_TRUE(tip.IsWindowVisible());

    ASSERT_TRUE(tip.GetTool(1, ti));
    CRect rcWindow = Show(ti, pt);
    EXPECT_EQ("styles 2 effect 2/9 colours 000007 000008 000009 direction 1 behaviour 10", Settings(seen));
    // Box: text, margins, the anchor's space and the shadow; above the cursor, to the right.
    const CSize szText = TextSize(tip, "own");
    EXPECT_EQ(CRect(pt.x - kAnchorMargin, pt.y + 2 - (szText.cy + 2 * kMarginY + kAnchorHeight + kShadow + 2),
                  pt.x - kAnchorMargin + szText.cx + 2 * kMarginX + kShadow + 2, pt.y + 2), rcWindow);

    // An icon beside the text adds its width and the gap; alone, only its width.
    ti = Record("own", UXTT_MASK_STYLES);
    ti.hIcon = ::LoadIcon(NULL, IDI_WARNING);
    const CSize szIcon = CUxTipPictures::SizeOfIcon(ti.hIcon);
    ASSERT_GT(szIcon.cx, 0);
    rcWindow = Show(ti, pt);
    EXPECT_EQ(CSize(szText.cx + szIcon.cx + 3 * kMarginX + 2, std::max(szIcon.cy, szText.cy) + 2 * kMarginY +
                  kAnchorHeight + 2), rcWindow.Size());
    ti.sTooltip.Empty();
    EXPECT_EQ(szIcon.cx + 2 * kMarginX + 2, Show(ti, pt).Width());
}

TEST_F(TipFixture, ATipOfAbsurdSizeIsCutToTheScreen)
{
    // The text measures 2^26 pixels each way; the window, its region and its anchor stay
    // within the screen.
    CWindowDC screen(NULL);
    const CRect rcScreen(0, 0, screen.GetDeviceCaps(HORZRES), screen.GetDeviceCaps(VERTRES));
    for (UINT nDirection : {UXTT_DIR_ABOVE_RIGHT, UXTT_DIR_BELOW_LEFT})
    {
        const CRect rcWindow = Show(Record("<br=100000000><hr=100000000>x", UXTT_MASK_DIRECTION, 0, nDirection),
                                    rcScreen.CenterPoint());
        // Neither way fits: at the screen's corner, moved by the shadow when left of the cursor.
        const int nShift = tip.GetShownDirection() == UXTT_DIR_BELOW_LEFT ? kShadow : 0;
        EXPECT_EQ(CRect(0, 0, rcScreen.right + 2, rcScreen.bottom + 2) + CPoint(nShift, nShift), rcWindow);
        CRgn rgn;
        WindowRegion(rgn);
        CRect rcRegion;
        rgn.GetRgnBox(&rcRegion);
        EXPECT_TRUE(CRect(0, 0, rcScreen.right + 2, rcScreen.bottom + 2).PtInRect(rcRegion.BottomRight()))
            << rcRegion.bottom;
    }
}

TEST_F(TipFixture, ATipWithNeitherTextNorIconIsNotShownUnlessTheReceiverGivesItOne)
{
    const CPoint pt(300, 200);
    Show(Record(""), pt);
    EXPECT_FALSE(tip.IsWindowVisible());

    // The box is measured on the receiver's text.
    tip.SetNotify(TRUE);
    owner.m_onDisplay = [](UXTOOLTIP_NOTIFY& notify) { notify.ti->sTooltip = "just in time<br>on two lines"; };
    const CRect rcWindow = Show(Record(""), pt);
    EXPECT_EQ(1, owner.m_nNotifications);
    EXPECT_TRUE(tip.IsWindowVisible());
    EXPECT_EQ(TextSize(tip, "just in time<br>on two lines").cy + 2 * kMarginY + kAnchorHeight + kShadow + 2,
              rcWindow.Height());
}

TEST_F(TipFixture, TheRegionIsTheBodyWithAnAnchorWhoseApexIsAtTheCursorAndItsShadow)
{
    // A box 224 wide: a rule of 200 between the margins.
    const CPoint pt(400, 300);
    for (UINT nDirection = 0; nDirection < 4; nDirection++)
    {
        for (DWORD nStyles : {(DWORD)(UXTT_STYLE_ANCHOR | UXTT_STYLE_ROUNDED), (DWORD)UXTT_STYLE_DEFAULT})
        {
            SCOPED_TRACE(testing::Message() << "direction " << nDirection << " styles " << nStyles);
            const CRect rcWindow = Show(Record("<hr=200>", UXTT_MASK_STYLES | UXTT_MASK_DIRECTION, nStyles,
                                               nDirection), pt);
            ASSERT_EQ(nDirection, tip.GetShownDirection());
            CRgn rgn;
            WindowRegion(rgn);

            // Beside the body's right edge, at its middle: the shadow, when there is one.
            const bool bShadow = (nStyles & UXTT_STYLE_SHADOW) != 0;
            const CSize box = rcWindow.Size() - CSize(2, 2) - (bShadow ? CSize(kShadow, kShadow) : CSize(0, 0));
            const int yMiddle = nDirection < 2 ? (box.cy - kAnchorHeight) / 2 : kAnchorHeight + (box.cy - kAnchorHeight) / 2;
            EXPECT_EQ(bShadow ? "11" : "10", Inside(rgn, {{box.cx - 1, yMiddle}, {box.cx + kShadow - 1, yMiddle + 2}}));
            if (bShadow)
                continue; // its anchor lies beside the tip's

            CPoint apex = pt - rcWindow.TopLeft();
            int dy = nDirection < 2 ? -1 : 1;                           // from the apex towards the box
            int dx = (nDirection == 0 || nDirection == 2) ? -1 : 1;     // from the apex along the anchor
            // along pixels along the anchor and towards pixels towards the box, from the apex.
            auto at = [&](int along, int towards) { return POINT{apex.x + dx * along, apex.y + dy * towards}; };
            // The anchor starts straight at the apex, and widens towards its base.
            EXPECT_EQ("1111", Inside(rgn, {at(1, 3), at(2, 6), at(5, 10), at(8, 14)}));
            EXPECT_EQ("0000", Inside(rgn, {at(-2, 3), at(5, 3), at(kAnchorWidth - 1, 10), at(0, -2)}));
            // Beside the anchor the reserved space is empty; the body lies past it (far from the
            // anchor, still over the box).
            EXPECT_EQ("01", Inside(rgn, {at(100, kAnchorHeight / 2), at(100, kAnchorHeight + 20)}));
        }
    }

    // Without the anchor style: the body alone, right and bottom edges included; corners
    // follow the rounded style.
    for (DWORD nStyles : {0ul, (unsigned long)UXTT_STYLE_ROUNDED})
    {
        const CRect rcWindow = Show(Record("<hr=200>", UXTT_MASK_STYLES | UXTT_MASK_DIRECTION, nStyles,
                                           UXTT_DIR_BELOW_RIGHT), pt);
        const int w = rcWindow.Width() - 2, h = rcWindow.Height() - 2;
        CRgn rgn;
        WindowRegion(rgn);
        CRect rcBox;
        rgn.GetRgnBox(&rcBox);
        if (nStyles == 0)
        {
            EXPECT_EQ(CRect(0, kAnchorHeight, w + 1, h + 1), rcBox);
        }
        EXPECT_EQ(nStyles ? "0000" : "1111", Inside(rgn, {{0, kAnchorHeight}, {w, kAnchorHeight}, {0, h}, {w, h}}));
        EXPECT_EQ("1111", Inside(rgn, {{8, kAnchorHeight + 8}, {100, kAnchorHeight}, {0, h / 2 + 8}, {100, h - 1}}));
        EXPECT_EQ("0", Inside(rgn, {{kAnchorMargin + 1, 3}}));
    }
}
