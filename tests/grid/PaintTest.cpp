// PaintTest.cpp: the grid's geometry, layout and scrolling numbers, and its painting read back
// from pixels: grid lines down to the grid's bottom, selected lines, the white box, text colour,
// bold and read-only cells, what is left out when the focus is elsewhere.
#include "GridHost.h"
#include "GridHost.rh"
#include "core/KwLineSelection.h"
#include "grid/KwHeaderCtrl.h"
#include "support/TestSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);

// The grid with its layout state in reach of the tests.
class PaintGrid : public CKwGridCtrl
{
public:
    void Select(UINT nLine) { m_pSelection->HitWithNothing(nLine); }
    void SetCurrentCell(UINT nColumn, UINT nLine)
    {
        m_nCurColumn = nColumn;
        m_nCurLine = nLine;
    }
    UINT TopLine() const { return m_nTopLine; }
    BOOL ScrollBarShown() const { return m_bScrollBarShown; }
    CScrollBar& ScrollBar() { return m_scrollBar; }
    int HeaderHeight() const { return GetHeaderHeight(); }
    int LineHeight() const { return GetItemHeight(); }
    CRect ItemRect(UINT nColumn, UINT nLine) const
    {
        CRect rect;
        GetItemRect(nColumn, nLine, rect);
        return rect;
    }
};

// A grid of its own in the test dialog, parented by it (so the dialog is its listener), with
// three columns 80 wide and a font whose lines are 20 pixels high (14 pixels, no leading).
class GridPaint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_host.m_grid.ShowWindow(SW_HIDE);
        ASSERT_TRUE(m_grid.Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 10, 10), &m_host, 1000));
        ASSERT_TRUE(m_font.CreateFont(14, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma"));
        m_grid.SetFont(&m_font);
        ASSERT_EQ(20, m_grid.LineHeight());
        for (int i = 0; i < 3; ++i)
            m_grid.AddColumn(CString((char)('A' + i)), 80);
    }

    // The client area: cx wide, nBody pixels below the header.
    void Size(int cx, int nBody) { m_grid.MoveWindow(0, 0, cx, m_grid.HeaderHeight() + nBody); }
    void Fill(int nLines, const char* pszText = "x")
    {
        for (int i = 0; i < nLines; ++i)
            m_grid.SetTextItem(0, i, pszText);
    }

    CRect Client() const
    {
        CRect rect;
        m_grid.GetClientRect(&rect);
        return rect;
    }

    // The grid's picture as it paints itself, over magenta.
    void Render(TestSurface& surface) { m_grid.SendMessage(WM_PAINT, (WPARAM)surface.DC().m_hDC); }

    // How many pixels of the rectangle show the colour.
    static int Count(const TestSurface& s, const CRect& r, COLORREF c)
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += s.Pixel(x, y) == c;
        return n;
    }

    // What a selected line makes of a colour: (NOT colour) OR highlight.
    COLORREF Lit(COLORREF c) const { return (~c & 0xFFFFFF) | m_highlight; }

    const COLORREF m_window = ::GetSysColor(COLOR_WINDOW);
    const COLORREF m_shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF m_text = ::GetSysColor(COLOR_BTNTEXT);
    const COLORREF m_highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    GridHost m_host;
    PaintGrid m_grid;
    CFont m_font;
};

} // namespace

TEST_F(GridPaint, CellRectanglesFollowTheHeaderAndEnsureVisibleScrollsTheLeastNeeded)
{
    Size(300, 100);
    Fill(10);
    const int h = m_grid.HeaderHeight();
    CRect rectHeader;
    m_grid.GetHeaderCtrl()->GetWindowRect(&rectHeader);
    EXPECT_EQ(rectHeader.Height() - 1, h);
    EXPECT_EQ(CRect(80, h + 40, 160, h + 60), m_grid.ItemRect(1, 2));
    EXPECT_EQ(CRect(240, h + 20, 240, h + 40), m_grid.ItemRect(7, 1)) << "beyond the columns: empty, at the end";

    m_grid.EnsureVisible(4);
    EXPECT_EQ(0u, m_grid.TopLine());
    m_grid.EnsureVisible(7);
    EXPECT_EQ(3u, m_grid.TopLine()) << "line 7 becomes the last visible line";
    EXPECT_EQ(CRect(0, h - 40, 80, h - 20), m_grid.ItemRect(0, 1)) << "lines above the top line lie above";
    m_grid.EnsureVisible(5);
    EXPECT_EQ(3u, m_grid.TopLine());
    m_grid.EnsureVisible(1);
    EXPECT_EQ(1u, m_grid.TopLine()) << "line 1 becomes the first visible line";
    m_grid.EnsureVisible(0xFFFFFFFF);
    EXPECT_EQ(1u, m_grid.TopLine());
}

TEST_F(GridPaint, ScrollBarRangePageAndLimitsOfScrolling)
{
    Size(300, 100);
    Fill(10);
    ASSERT_TRUE(m_grid.ScrollBarShown());
    EXPECT_TRUE(m_grid.ScrollBar().IsWindowVisible());
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    m_grid.ScrollBar().GetScrollInfo(&info);
    EXPECT_EQ(0, info.nMin);
    EXPECT_EQ(10, info.nMax) << "11 reachable lines with the append line";
    EXPECT_EQ(5u, info.nPage);

    // The bar stands at the right edge, one pixel beyond the client area; the header ends at it.
    // Neither is painted over by the grid.
    const CRect client = Client();
    CRect rectBar, rectHeader;
    m_grid.ScrollBar().GetWindowRect(&rectBar);
    m_grid.ScreenToClient(&rectBar);
    const int cx = ::GetSystemMetrics(SM_CXVSCROLL), h = m_grid.HeaderHeight();
    EXPECT_EQ(CRect(client.right - cx, 0, client.right + 1, client.bottom + 1), rectBar);
    m_grid.GetHeaderCtrl()->GetWindowRect(&rectHeader);
    m_grid.ScreenToClient(&rectHeader);
    EXPECT_EQ(CRect(0, 0, client.right - cx, h + 1), rectHeader);
    TestSurface s(client.Width(), client.Height(), kMagenta);
    Render(s);
    EXPECT_EQ((client.right - cx) * (h + 1), Count(s, CRect(0, 0, client.right - cx, h + 1), kMagenta));
    EXPECT_EQ(cx * client.Height(), Count(s, CRect(client.right - cx, 0, client.right, client.bottom), kMagenta));
    EXPECT_EQ(0, Count(s, CRect(0, h + 1, client.right - cx, client.bottom), kMagenta));

    m_grid.SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(6u, m_grid.TopLine());
    m_grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(6u, m_grid.TopLine()) << "at most maximum - page + 1";
    m_grid.SendMessage(WM_VSCROLL, SB_PAGEUP);
    EXPECT_EQ(1u, m_grid.TopLine());
    m_grid.SendMessage(WM_VSCROLL, SB_PAGEUP);
    EXPECT_EQ(0u, m_grid.TopLine()) << "not below the minimum";
    m_grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    m_grid.SendMessage(WM_VSCROLL, SB_ENDSCROLL);
    m_grid.SendMessage(WM_VSCROLL, SB_THUMBPOSITION);
    EXPECT_EQ(1u, m_grid.TopLine());
    m_grid.ScrollBar().GetScrollInfo(&info);
    EXPECT_EQ(1, info.nPos);

    // The wheel posts line steps to the grid.
    m_grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-WHEEL_DELTA), MAKELPARAM(10, 10));
    m_host.Pump(50);
    EXPECT_LT(1u, m_grid.TopLine());
    m_grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)(10 * WHEEL_DELTA)), MAKELPARAM(10, 10));
    m_host.Pump(50);
    EXPECT_EQ(0u, m_grid.TopLine());

    // Once every line fits, the bar goes and the header takes the whole width.
    m_grid.RemoveItemsAtAndBelow(2);
    EXPECT_FALSE(m_grid.ScrollBarShown());
    EXPECT_FALSE(m_grid.ScrollBar().IsWindowVisible());
    m_grid.GetHeaderCtrl()->GetWindowRect(&rectHeader);
    EXPECT_EQ(client.Width(), rectHeader.Width());
}

TEST_F(GridPaint, FontIsBorrowedAndGivenToTheHeader)
{
    EXPECT_EQ((HFONT)m_font, (HFONT)m_grid.SendMessage(WM_GETFONT));
    EXPECT_EQ((HFONT)m_font, (HFONT)m_grid.GetHeaderCtrl()->SendMessage(WM_GETFONT));
    CFont big;
    ASSERT_TRUE(big.CreateFont(30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma"));
    m_grid.SetFont(&big);
    EXPECT_LT(30, m_grid.LineHeight());
    m_grid.DestroyWindow();
    LOGFONTA lf = {};
    EXPECT_NE(0, ::GetObjectA((HFONT)m_font, sizeof(lf), &lf)) << "the grid never deletes the fonts it is given";
    EXPECT_NE(0, ::GetObjectA((HFONT)big, sizeof(lf), &lf));
}

TEST_F(GridPaint, CellsAreAskedForColumnByColumnDownToTheClientBottom)
{
    // Column 1 has no width and column 2 lies beyond the client area: they are asked all the same.
    HDITEMA item = {};
    item.mask = HDI_WIDTH;
    m_grid.GetHeaderCtrl()->SetItem(1, &item);
    Size(60, 50);
    Fill(6);
    m_grid.EnsureVisible(3);
    ASSERT_EQ(2u, m_grid.TopLine());
    m_grid.SetCurrentCell(2, 3);
    m_grid.SetShowWhiteBoxAlways(TRUE);
    m_host.m_calls.clear();
    m_host.m_bRecordGetItem = true;
    TestSurface s(60, Client().Height(), kMagenta);
    Render(s);
    // Lines 2 to 4 start above the client bottom; the white box's cell is drawn again last.
    EXPECT_EQ(std::vector<std::string>({"GetItem 0 2", "GetItem 0 3", "GetItem 0 4", "GetItem 1 2", "GetItem 1 3",
                  "GetItem 1 4", "GetItem 2 2", "GetItem 2 3", "GetItem 2 4", "GetItem 2 3"}),
        m_host.m_calls);
}

TEST_F(GridPaint, GridLinesEndAtTheGridsBottomByInsertMode)
{
    Size(240, 100);
    Fill(2);
    const int h = m_grid.HeaderHeight();
    const CRect client = Client();
    auto horizontal = [&](TestSurface& s, int y) { return Count(s, CRect(100, y, 140, y + 1), m_shadow); };
    auto vertical = [&](TestSurface& s, int y0, int y1) { return Count(s, CRect(80, y0, 81, y1), m_shadow); };
    {
        TestSurface s(client.Width(), client.Height(), kMagenta);
        Render(s);
        // Below line 0, line 1 and the append line, dotted; none further down.
        EXPECT_EQ(20, horizontal(s, h + 20));
        EXPECT_EQ(20, horizontal(s, h + 40));
        EXPECT_EQ(20, horizontal(s, h + 60));
        EXPECT_EQ(0, horizontal(s, h + 80));
        EXPECT_EQ(30, vertical(s, h + 1, h + 61));
        EXPECT_EQ(0, vertical(s, h + 61, client.bottom));
        EXPECT_EQ(0, Count(s, CRect(0, h + 1, client.right, client.bottom), kMagenta));
    }
    m_grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
    {
        TestSurface s(client.Width(), client.Height(), kMagenta);
        Render(s);
        EXPECT_EQ(20, horizontal(s, h + 40));
        EXPECT_EQ(0, horizontal(s, h + 60));
        EXPECT_EQ(0, vertical(s, h + 41, client.bottom));
    }
    m_grid.SetInsertMode(CKwGridCtrl::eInsertUnlimited);
    {
        TestSurface s(client.Width(), client.Height(), kMagenta);
        Render(s);
        EXPECT_EQ(20, horizontal(s, h + 60));
        EXPECT_EQ(20, horizontal(s, h + 80));
        EXPECT_EQ((client.bottom - h) / 2, vertical(s, h, client.bottom));
    }
}

TEST_F(GridPaint, SelectedLineIsLitAndTheWhiteBoxIsAFramedCellInTheWindowColour)
{
    Size(240, 100);
    Fill(3, "WWWW");
    m_grid.SetTextItem(1, 1, "x");
    m_grid.Select(1);
    m_grid.SetCurrentCell(1, 1);
    m_grid.SetShowSelectionAlways(TRUE);
    m_grid.SetShowWhiteBoxAlways(TRUE);
    const int h = m_grid.HeaderHeight();
    TestSurface s(240, Client().Height(), kMagenta);
    Render(s);

    // Line 1 from one pixel below its top to its bottom, the whole width, is (NOT old) OR
    // highlight: the window colour lit, the text light. Its top row (a grid line) and the lines
    // around stay as they were.
    const COLORREF lit = Lit(m_window), litText = Lit(m_text), litShadow = Lit(m_shadow);
    ASSERT_NE(lit, m_window);
    const CRect column0(0, h + 21, 80, h + 40);
    EXPECT_GT(Count(s, column0, litText), 0);
    EXPECT_EQ(80 * 19, Count(s, column0, lit) + Count(s, column0, litText));
    EXPECT_EQ(79 * 19, Count(s, CRect(161, h + 21, 240, h + 40), lit));
    EXPECT_EQ(0, Count(s, CRect(0, h + 1, 240, h + 21), lit));
    EXPECT_EQ(0, Count(s, CRect(0, h + 41, 240, h + 60), lit));
    EXPECT_GT(Count(s, CRect(0, h + 41, 80, h + 60), m_text), 0);

    // Cell (1, 1) is 80..160 by h+20..h+40: the box 82..159 by h+22..h+39 in the window colour
    // with the cell drawn again inside, framed one pixel outside, its right and bottom sides on
    // the cell's last pixels.
    const CRect box(82, h + 22, 159, h + 39);
    EXPECT_GT(Count(s, box, m_text), 0);
    EXPECT_EQ(77 * 17, Count(s, box, m_window) + Count(s, box, m_text));
    const std::vector<std::pair<COLORREF, char>> legend = {
        {m_window, '.'}, {m_shadow, '#'}, {lit, 'h'}, {litShadow, 'H'}};
    EXPECT_EQ(".#.#\n"
              "H.#.\n"
              "h#..\n"
              "H...\n"
              "h#..\n",
        s.Picture(CRect(80, h + 20, 84, h + 25), legend));
    EXPECT_EQ("....H\n"
              "...#h\n"
              "#.#.H\n"
              ".#.#.\n",
        s.Picture(CRect(156, h + 37, 161, h + 41), legend));
    EXPECT_EQ(79, Count(s, CRect(81, h + 21, 160, h + 22), m_shadow) + Count(s, CRect(81, h + 21, 160, h + 22), m_window));
}

TEST_F(GridPaint, SelectionAndWhiteBoxShowOnlyWhileTheFocusIsInTheGridOrItsEditor)
{
    Size(240, 100);
    Fill(2);
    const CRect client = Client();
    const CRect frameSide(81, m_grid.HeaderHeight() + 22, 82, m_grid.HeaderHeight() + 39);
    const COLORREF lit = Lit(m_window);
    auto render = [&](TestSurface& s) {
        m_grid.Select(0);
        m_grid.SetCurrentCell(1, 1);
        Render(s);
    };

    m_host.GetDlgItem(IDC_GRIDHOST_BEFORE)->SetFocus();
    TestSurface elsewhere(client.Width(), client.Height(), kMagenta);
    render(elsewhere);
    EXPECT_EQ(0, Count(elsewhere, client, lit));
    EXPECT_EQ(0, Count(elsewhere, frameSide, m_shadow)) << "no white box frame";

    m_grid.SetFocus();
    TestSurface focused(client.Width(), client.Height(), kMagenta);
    render(focused);
    EXPECT_GT(Count(focused, client, lit), 0);
    EXPECT_GT(Count(focused, frameSide, m_shadow), 0);

    m_grid.SetCurItem(0, 1);
    ASSERT_NE(nullptr, m_grid.GetEditor());
    ASSERT_EQ(m_grid.GetEditor()->m_hWnd, ::GetFocus());
    TestSurface editing(client.Width(), client.Height(), kMagenta);
    render(editing);
    EXPECT_GT(Count(editing, client, lit), 0) << "the editor is inside the grid";
}

TEST_F(GridPaint, CellTextsColoursBoldAndReadOnlyBackground)
{
    Size(240, 100);
    CKwGridCtrlItem item;
    item.sText = "MMMM";
    item.clrText = RGB(255, 0, 0);
    m_grid.SetItem(0, 0, item);
    item.clrText = 0xFFFFFFFF;
    item.bBold = TRUE;
    m_grid.SetItem(1, 0, item);
    m_grid.SetTextItem(2, 0, "MMMM");
    CStringArray choices;
    choices.Add("one");
    choices.Add("two");
    choices.Add("three");
    CKwGridCtrlItem index;
    index.nType = 1;
    index.nIndex = 5;
    index.pChoices = &choices;
    index.sText = "not shown";
    m_grid.SetItem(0, 1, index);
    index.nIndex = 2;
    m_grid.SetItem(0, 2, index);
    m_grid.SetTextItem(1, 1, "&x");
    m_grid.SetTextItem(1, 2, "x");
    m_grid.SetTextItem(2, 1, "a text far too long for its narrow column");
    const int h = m_grid.HeaderHeight();
    const CRect client = Client();
    TestSurface s(client.Width(), client.Height(), kMagenta);
    Render(s);

    EXPECT_GT(Count(s, CRect(0, h, 80, h + 20), RGB(255, 0, 0)), 0);
    EXPECT_EQ(0, Count(s, CRect(0, h, 80, h + 20), m_text));
    // Ink: what is not background within the cells' text rectangles.
    const int nBold = 17 * 75 - Count(s, CRect(83, h + 3, 158, h + 20), m_window);
    const int nNormal = 17 * 75 - Count(s, CRect(163, h + 3, 238, h + 20), m_window);
    EXPECT_GT(nNormal, 0);
    EXPECT_GT(nBold, nNormal) << "the bold font has more ink";

    EXPECT_EQ(0, Count(s, CRect(1, h + 21, 80, h + 40), m_text)) << "index 5 of 3 choices: nothing";
    EXPECT_GT(Count(s, CRect(1, h + 41, 80, h + 60), m_text), 0) << "index 2: the third choice";
    // "&x" keeps its ampersand: more than twice the ink columns of "x".
    auto inkColumns = [&](int y0) {
        int n = 0;
        for (int x = 81; x < 160; ++x)
            n += Count(s, CRect(x, y0, x + 1, y0 + 19), m_text) > 0;
        return n;
    };
    EXPECT_GT(inkColumns(h + 21), inkColumns(h + 41) * 2);
    // The long text ends 2 pixels short of the cell's right side, in dots on one baseline.
    int nLastInk = 0, nTop = INT_MAX, nBottom = 0;
    for (int x = 161; x < 240; ++x)
        if (Count(s, CRect(x, h + 21, x + 1, h + 40), m_text) > 0)
            nLastInk = x;
    ASSERT_GT(nLastInk, 200);
    EXPECT_LT(nLastInk, 238);
    for (int y = h + 21; y < h + 40; ++y)
        if (Count(s, CRect(nLastInk - 8, y, nLastInk + 1, y + 1), m_text) > 0)
        {
            nTop = std::min(nTop, y);
            nBottom = y;
        }
    EXPECT_LE(nBottom - nTop, 2) << "an ellipsis, not a cut letter";

    m_grid.SetReadOnly(TRUE);
    TestSurface readOnly(client.Width(), client.Height(), kMagenta);
    Render(readOnly);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), readOnly.Pixel(60, h + 70));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), readOnly.Pixel(230, h + 10));
}

TEST_F(GridPaint, EditorsLieOverTheCurrentCellAndFollowItsColumnAndLine)
{
    Size(300, 100);
    CStringArray choices;
    choices.Add("one");
    choices.Add("two");
    CKwGridCtrlItem combo;
    combo.nType = 2;
    combo.sText = "two";
    combo.pChoices = &choices;
    m_grid.SetItem(2, 0, combo);
    CKwGridCtrlItem empty;
    empty.nType = 3;
    empty.sText = "e";
    m_grid.SetItem(2, 1, empty);
    for (int i = 0; i < 10; ++i)
        m_grid.SetTextItem(1, i, "x");
    const int h = m_grid.HeaderHeight();
    auto editorRect = [&] {
        CRect rect;
        m_grid.GetEditor()->GetWindowRect(&rect);
        m_grid.ScreenToClient(&rect);
        return rect;
    };
    auto droppedRect = [&] {
        CRect rect;
        m_grid.GetEditor()->SendMessage(CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&rect);
        m_grid.ScreenToClient(&rect);
        return rect;
    };

    // An edit box: the cell shrunk by 3 at left and top, 2 at right and bottom.
    m_grid.SetCurItem(1, 2);
    ASSERT_NE(nullptr, m_grid.GetEditor());
    EXPECT_EQ(CRect(83, h + 43, 158, h + 58), editorRect());

    // The header's divider dragged: the editor follows its column at once; scrolled, its line.
    CHeaderCtrl& header = *m_grid.GetHeaderCtrl();
    header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, 5));
    header.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 5));
    header.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(100, 5));
    EXPECT_EQ(CRect(103, h + 43, 178, h + 58), editorRect());
    m_grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(CRect(103, h + 23, 178, h + 38), editorRect());
    m_grid.SendMessage(WM_VSCROLL, SB_TOP);

    // The host fits the columns to the width, the first one stretching: the editor follows.
    m_grid.SetAutoResizeColumns(TRUE, 0);
    CRect first;
    header.SendMessage(HDM_GETITEMRECT, 0, (LPARAM)&first);
    EXPECT_GT(first.right, 100);
    EXPECT_EQ(CRect(first.right + 3, h + 43, first.right + 78, h + 58), editorRect());
    m_grid.SetAutoResizeColumns(FALSE);
    HDITEMA width = {};
    width.mask = HDI_WIDTH;
    width.cxy = 100;
    header.SetItem(0, &width);

    // A combo keeps the cell's left, top and right; it is made as high as its cell and a list of
    // 20 lines, 4 when empty. The combo reports its list as that height less its closed face.
    m_grid.SetCurItem(2, 0);
    ASSERT_NE(nullptr, dynamic_cast<CComboBox*>(m_grid.GetEditor()));
    CRect closed = editorRect(), dropped = droppedRect();
    EXPECT_EQ(CRect(180, h, 260, h + closed.Height()), closed);
    EXPECT_EQ(CRect(180, h, 260, dropped.bottom), dropped);
    EXPECT_EQ(20 + 20 * 20, dropped.Height() + closed.Height());
    m_grid.SetCurItem(2, 1);
    ASSERT_NE(nullptr, dynamic_cast<CComboBox*>(m_grid.GetEditor()));
    closed = editorRect();
    dropped = droppedRect();
    EXPECT_EQ(CRect(180, h + 20, 260, dropped.bottom), dropped);
    EXPECT_EQ(20 + 4 * 20, dropped.Height() + closed.Height());
}

TEST_F(GridPaint, APartialRepaintMatchesTheWholePicture)
{
    Size(240, 100);
    for (int i = 0; i < 4; ++i)
        m_grid.SetTextItem(i % 3, i, "cell");
    m_grid.Select(2);
    m_grid.SetCurrentCell(1, 1);
    m_grid.SetShowSelectionAlways(TRUE);
    m_grid.SetShowWhiteBoxAlways(TRUE);
    const CRect client = Client();
    const int h = m_grid.HeaderHeight();
    TestSurface whole(client.Width(), client.Height(), kMagenta);
    Render(whole);
    const std::vector<std::pair<COLORREF, char>> legend = {
        {m_window, '.'}, {m_shadow, '#'}, {m_text, 't'}, {Lit(m_window), 'h'}, {Lit(m_shadow), 'H'}};
    // Odd offsets, so that dotted lines and the off-screen origin would show any shift.
    for (const CRect part : {CRect(37, h + 13, 151, h + 71), CRect(81, h + 3, 82, h + 90)})
    {
        TestSurface partial(client.Width(), client.Height(), kMagenta);
        partial.DC().IntersectClipRect(&part);
        Render(partial);
        EXPECT_EQ(whole.Picture(part, legend), partial.Picture(part, legend));
        EXPECT_EQ(kMagenta, partial.Pixel(part.left - 1, part.top)) << "nothing outside the clip box";
    }
}
