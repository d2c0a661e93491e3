// PaintTest.cpp: the grid's geometry, layout and scrolling numbers, and its painting read back
// from pixels: grid lines down to the grid's bottom, selected lines, the white box, text colour,
// bold and read-only cells, what is left out when the focus is elsewhere.
#include "GridHost.h"
#include "GridHost.rh"
#include "core/KwLineSelection.h"
#include "core/KwLook.h"
#include "core/KwPalette.h"
#include "grid/KwHeaderCtrl.h"
#include "support/TestSurface.h"
#include "support/TestColors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

// The grid with its layout state in reach of the tests.
class PaintGrid : public CKwGridCtrl
{
public:
    void Select(UINT nLine) { m_navigator.GetSelection().HitWithNothing(nLine); }
    void SetCurrentCell(UINT nColumn, UINT nLine) { m_navigator.SetCell(nColumn, nLine); }
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

    // The client area: cx wide, nBody pixels below the header (of height h).
    void Size(int cx, int nBody)
    {
        h = m_grid.HeaderHeight();
        m_grid.MoveWindow(0, 0, cx, h + nBody);
        m_grid.GetClientRect(&m_client);
    }
    void Fill(int nLines, const char* pszText = "x")
    {
        for (int i = 0; i < nLines; ++i)
            m_grid.SetTextItem(0, i, pszText);
    }

    // The grid's picture as it paints itself into a surface of its client size over magenta,
    // clipped to a part of it when given.
    std::unique_ptr<TestSurface> Paint(const CRect* pClip = nullptr)
    {
        auto s = std::make_unique<TestSurface>(m_client.Width(), m_client.Height(), kMagenta);
        if (pClip != nullptr)
            s->DC().IntersectClipRect(pClip);
        m_grid.SendMessage(WM_PAINT, (WPARAM)s->DC().m_hDC);
        return s;
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
    int h = 0;
    CRect m_client;
};

} // namespace

TEST_F(GridPaint, CellRectanglesFollowTheHeaderAndEnsureVisibleScrollsTheLeastNeeded)
{
    Size(300, 100);
    Fill(10);
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
    const int cx = ::GetSystemMetrics(SM_CXVSCROLL), right = m_client.right, bottom = m_client.bottom;
    CRect rectBar, rectHeader;
    m_grid.ScrollBar().GetWindowRect(&rectBar);
    m_grid.ScreenToClient(&rectBar);
    EXPECT_EQ(CRect(right - cx, 0, right + 1, bottom + 1), rectBar);
    m_grid.GetHeaderCtrl()->GetWindowRect(&rectHeader);
    m_grid.ScreenToClient(&rectHeader);
    EXPECT_EQ(CRect(0, 0, right - cx, h + 1), rectHeader);
    auto s = Paint();
    EXPECT_EQ((right - cx) * (h + 1), s->Count(CRect(0, 0, right - cx, h + 1), kMagenta));
    EXPECT_EQ(cx * bottom, s->Count(CRect(right - cx, 0, right, bottom), kMagenta));
    EXPECT_EQ(0, s->Count(CRect(0, h + 1, right - cx, bottom), kMagenta));

    // At most maximum - page + 1, not below the minimum; the end of a scroll and the thumb's
    // position move nothing.
    const std::pair<int, UINT> steps[] = {{SB_BOTTOM, 6}, {SB_LINEDOWN, 6}, {SB_PAGEUP, 1}, {SB_PAGEUP, 0},
                                          {SB_LINEDOWN, 1}, {SB_ENDSCROLL, 1}, {SB_THUMBPOSITION, 1}};
    for (const auto& step : steps)
    {
        m_grid.SendMessage(WM_VSCROLL, step.first);
        EXPECT_EQ(step.second, m_grid.TopLine()) << "after code " << step.first;
    }
    m_grid.ScrollBar().GetScrollInfo(&info);
    EXPECT_EQ(1, info.nPos);

    // Back at the top, once every line fits, the bar goes and the header takes the whole width.
    m_grid.SendMessage(WM_VSCROLL, SB_TOP);
    m_grid.RemoveItemsAtAndBelow(2);
    EXPECT_FALSE(m_grid.ScrollBarShown());
    EXPECT_FALSE(m_grid.ScrollBar().IsWindowVisible());
    m_grid.GetHeaderCtrl()->GetWindowRect(&rectHeader);
    EXPECT_EQ(right, rectHeader.Width());
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
    Paint();
    // Lines 2 to 4 start above the client bottom; the white box's cell is drawn again last.
    EXPECT_EQ(std::vector<std::string>({"GetItem 0 2", "GetItem 0 3", "GetItem 0 4", "GetItem 1 2", "GetItem 1 3",
                  "GetItem 1 4", "GetItem 2 2", "GetItem 2 3", "GetItem 2 4", "GetItem 2 3"}),
        m_host.m_calls);
}

TEST_F(GridPaint, GridLinesEndAtTheGridsBottomByInsertMode)
{
    Size(240, 100);
    Fill(2);
    const int bottom = m_client.bottom;
    // Per insert mode, the dotted horizontal line at each line's bottom (20 pixels of 40 in
    // shadow, or none) and the vertical one at column 0's right side between two heights.
    struct Case
    {
        CKwGridCtrl::EInsertMode eMode;
        std::vector<int> horizontal; // at h + 20, h + 40, h + 60, h + 80
        int y0, y1, nVertical;
    } const cases[] = {
        // Below line 0, line 1 and the append line; none further down.
        {CKwGridCtrl::eInsertAppendLine, {20, 20, 20, 0}, h + 1, h + 61, 30},
        {CKwGridCtrl::eInsertAppendLine, {20, 20, 20, 0}, h + 61, bottom, 0},
        {CKwGridCtrl::eInsertFixed, {20, 20, 0, 0}, h + 41, bottom, 0},
        {CKwGridCtrl::eInsertUnlimited, {20, 20, 20, 20}, h, bottom, (bottom - h) / 2},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "mode " << c.eMode << " from " << c.y0);
        m_grid.SetInsertMode(c.eMode);
        auto s = Paint();
        for (int i = 0; i < 4; i++)
            EXPECT_EQ(c.horizontal[i], s->Count(CRect(100, h + 20 * (i + 1), 140, h + 20 * (i + 1) + 1), m_shadow)) << i;
        EXPECT_EQ(c.nVertical, s->Count(CRect(80, c.y0, 81, c.y1), m_shadow));
        EXPECT_EQ(0, s->Count(CRect(0, h + 1, 240, bottom), kMagenta));
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
    auto s = Paint();

    // Line 1 from one pixel below its top to its bottom, the whole width, is (NOT old) OR
    // highlight: the window colour lit, the text light. Its top row (a grid line) and the lines
    // around stay as they were.
    const COLORREF lit = Lit(m_window), litText = Lit(m_text), litShadow = Lit(m_shadow);
    ASSERT_NE(lit, m_window);
    const CRect column0(0, h + 21, 80, h + 40);
    EXPECT_GT(s->Count(column0, litText), 0);
    EXPECT_EQ(80 * 19, s->Count(column0, lit) + s->Count(column0, litText));
    EXPECT_EQ(79 * 19, s->Count(CRect(161, h + 21, 240, h + 40), lit));
    EXPECT_EQ(0, s->Count(CRect(0, h + 1, 240, h + 21), lit));
    EXPECT_EQ(0, s->Count(CRect(0, h + 41, 240, h + 60), lit));
    EXPECT_GT(s->Count(CRect(0, h + 41, 80, h + 60), m_text), 0);

    // Cell (1, 1) is 80..160 by h+20..h+40: the box 82..159 by h+22..h+39 in the window colour
    // with the cell drawn again inside, framed one pixel outside, its right and bottom sides on
    // the cell's last pixels.
    const CRect box(82, h + 22, 159, h + 39);
    EXPECT_GT(s->Count(box, m_text), 0);
    EXPECT_EQ(77 * 17, s->Count(box, m_window) + s->Count(box, m_text));
    const std::vector<std::pair<COLORREF, char>> legend = {
        {m_window, '.'}, {m_shadow, '#'}, {lit, 'h'}, {litShadow, 'H'}};
    EXPECT_EQ(".#.#\n"
              "H.#.\n"
              "h#..\n"
              "H...\n"
              "h#..\n",
        s->Picture(CRect(80, h + 20, 84, h + 25), legend));
    EXPECT_EQ("....H\n"
              "...#h\n"
              "#.#.H\n"
              ".#.#.\n",
        s->Picture(CRect(156, h + 37, 161, h + 41), legend));
    const CRect frameTop(81, h + 21, 160, h + 22);
    EXPECT_EQ(79, s->Count(frameTop, m_shadow) + s->Count(frameTop, m_window));
}

TEST_F(GridPaint, SelectionAndWhiteBoxShowOnlyWhileTheFocusIsInTheGridOrItsEditor)
{
    Size(240, 100);
    Fill(2);
    const CRect frameSide(81, h + 22, 82, h + 39);
    const COLORREF lit = Lit(m_window);
    auto paint = [&] {
        m_grid.Select(0);
        m_grid.SetCurrentCell(1, 1);
        return Paint();
    };

    m_host.GetDlgItem(IDC_GRIDHOST_BEFORE)->SetFocus();
    auto s = paint();
    EXPECT_EQ(0, s->Count(m_client, lit));
    EXPECT_EQ(0, s->Count(frameSide, m_shadow)) << "no white box frame";

    m_grid.SetFocus();
    s = paint();
    EXPECT_GT(s->Count(m_client, lit), 0);
    EXPECT_GT(s->Count(frameSide, m_shadow), 0);

    m_grid.SetCurItem(0, 1);
    ASSERT_NE(nullptr, m_grid.GetEditor());
    ASSERT_EQ(m_grid.GetEditor()->m_hWnd, ::GetFocus());
    s = paint();
    EXPECT_GT(s->Count(m_client, lit), 0) << "the editor is inside the grid";
}

TEST_F(GridPaint, CellTextsColoursBoldAndReadOnlyBackground)
{
    Size(240, 100);
    CKwGridCtrlItem item = GridItem(CKwGridCtrlItem::eText, "MMMM");
    item.clrText = RGB(255, 0, 0);
    m_grid.SetItem(0, 0, item);
    item.clrText = 0xFFFFFFFF;
    item.bBold = TRUE;
    m_grid.SetItem(1, 0, item);
    m_grid.SetTextItem(2, 0, "MMMM");
    CStringArray choices;
    GridHost::SetChoices(choices, {"one", "two", "three"});
    m_grid.SetItem(0, 1, GridItem(CKwGridCtrlItem::eIndexDropDown, "not shown", 5, &choices));
    m_grid.SetItem(0, 2, GridItem(CKwGridCtrlItem::eIndexDropDown, "not shown", 2, &choices));
    m_grid.SetTextItem(1, 1, "&x");
    m_grid.SetTextItem(1, 2, "x");
    m_grid.SetTextItem(2, 1, "a text far too long for its narrow column");
    auto s = Paint();

    EXPECT_GT(s->Count(CRect(0, h, 80, h + 20), RGB(255, 0, 0)), 0);
    EXPECT_EQ(0, s->Count(CRect(0, h, 80, h + 20), m_text));
    // Ink: what is not background within the cells' text rectangles.
    const int nBold = 17 * 75 - s->Count(CRect(83, h + 3, 158, h + 20), m_window);
    const int nNormal = 17 * 75 - s->Count(CRect(163, h + 3, 238, h + 20), m_window);
    EXPECT_GT(nNormal, 0);
    EXPECT_GT(nBold, nNormal) << "the bold font has more ink";

    EXPECT_EQ(0, s->Count(CRect(1, h + 21, 80, h + 40), m_text)) << "index 5 of 3 choices: nothing";
    EXPECT_GT(s->Count(CRect(1, h + 41, 80, h + 60), m_text), 0) << "index 2: the third choice";
    // The columns of line y0 with ink between x0 and x1, and the rows where they have it.
    auto ink = [&](int x0, int x1, int y0, std::vector<int>& rows) {
        std::vector<int> columns;
        for (int x = x0; x < x1; ++x)
            for (int y = y0; y < y0 + 19; ++y)
                if (s->Pixel(x, y) == m_text)
                {
                    if (columns.empty() || columns.back() != x)
                        columns.push_back(x);
                    rows.push_back(y);
                }
        return columns;
    };
    std::vector<int> rows;
    // "&x" keeps its ampersand: more than twice the ink columns of "x".
    EXPECT_GT(ink(81, 160, h + 21, rows).size(), ink(81, 160, h + 41, rows).size() * 2);
    // The long text ends 2 pixels short of the cell's right side, in dots on one baseline.
    const std::vector<int> columns = ink(161, 240, h + 21, rows);
    ASSERT_GT(columns.back(), 200);
    EXPECT_LT(columns.back(), 238);
    rows.clear();
    ink(columns.back() - 8, columns.back() + 1, h + 21, rows);
    EXPECT_LE(*std::max_element(rows.begin(), rows.end()) - *std::min_element(rows.begin(), rows.end()), 2)
        << "an ellipsis, not a cut letter";

    m_grid.SetReadOnly(TRUE);
    s = Paint();
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), s->Pixel(60, h + 70));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), s->Pixel(230, h + 10));
}

TEST_F(GridPaint, EditorsLieOverTheCurrentCellAndFollowItsColumnAndLine)
{
    Size(300, 100);
    CStringArray choices;
    GridHost::SetChoices(choices, {"one"});
    m_grid.SetItem(2, 0, GridItem(CKwGridCtrlItem::eTextDropDown, "one", -1, &choices));
    m_grid.SetItem(2, 1, GridItem(CKwGridCtrlItem::eTextDropDown, "one"));
    for (int i = 0; i < 10; ++i)
        m_grid.SetTextItem(1, i, "x");
    auto editorRect = [&] {
        CRect rect;
        m_grid.GetEditor()->GetWindowRect(&rect);
        m_grid.ScreenToClient(&rect);
        return rect;
    };

    // A combo keeps the cell's left, top and right and is made as high as its cell and a list of
    // 20 lines, 4 when empty: it reports its list as that height less its closed face.
    for (int nLine : {0, 1})
    {
        m_grid.SetCurItem(2, nLine);
        ASSERT_NE(nullptr, dynamic_cast<CComboBox*>(m_grid.GetEditor()));
        CRect dropped;
        m_grid.GetEditor()->SendMessage(CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&dropped);
        m_grid.ScreenToClient(&dropped);
        EXPECT_EQ(CRect(160, h + 20 * nLine, 240, dropped.bottom), dropped);
        EXPECT_EQ(20 + (nLine == 0 ? 20 : 4) * 20, dropped.Height() + editorRect().Height());
    }

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
    const auto whole = Paint();
    const std::vector<std::pair<COLORREF, char>> legend = {
        {m_window, '.'}, {m_shadow, '#'}, {m_text, 't'}, {Lit(m_window), 'h'}, {Lit(m_shadow), 'H'}};
    // Odd offsets, so that dotted lines and the off-screen origin would show any shift.
    for (const CRect part : {CRect(37, h + 13, 151, h + 71), CRect(81, h + 3, 82, h + 90)})
    {
        const auto partial = Paint(&part);
        EXPECT_EQ(whole->Picture(part, legend), partial->Picture(part, legend));
        EXPECT_EQ(kMagenta, partial->Pixel(part.left - 1, part.top)) << "nothing outside the clip box";
    }
}

TEST_F(GridPaint, TheDarkLookPaintsCellsLinesSelectionAndHeaderInItsPalette)
{
    Size(240, 100);
    Fill(3, "WWWW");
    m_grid.Select(1);
    m_grid.SetShowSelectionAlways(TRUE);
    CKwLook::SetLook(CKwLook::eDark, FALSE);
    auto s = Paint();
    TestSurface header(240, h, kMagenta);
    m_grid.GetHeaderCtrl()->SendMessage(WM_PAINT, (WPARAM)header.DC().m_hDC);
    m_grid.SetReadOnly(TRUE);
    auto readOnly = Paint();
    // The editors take the cells' colours.
    TestSurface editor(1, 1);
    LOGBRUSH lb = {};
    ::GetObject((HBRUSH)m_grid.SendMessage(WM_CTLCOLOREDIT, (WPARAM)editor.DC().m_hDC,
                    (LPARAM)m_grid.GetHeaderCtrl()->m_hWnd), sizeof(lb), &lb);
    const COLORREF dWindow = CKwPalette::Get(CKwPalette::eWindow), dLine = CKwPalette::Get(CKwPalette::eFaceShadow);
    const COLORREF dText = CKwPalette::Get(CKwPalette::eWindowText), dFace = CKwPalette::Get(CKwPalette::eFace);
    const COLORREF dSelection = CKwPalette::Get(CKwPalette::eSelection);
    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    const COLORREF window = CKwPalette::Get(CKwPalette::eWindow), line = CKwPalette::Get(CKwPalette::eFaceShadow);
    const COLORREF text = CKwPalette::Get(CKwPalette::eWindowText), face = CKwPalette::Get(CKwPalette::eFace);
    ASSERT_NE(window, dWindow);
    ASSERT_NE(line, dLine);
    ASSERT_NE(text, dText);
    ASSERT_NE(face, dFace);

    EXPECT_EQ(dWindow, s->Pixel(40, h + 70));
    EXPECT_EQ(20, s->Count(CRect(100, h + 60, 140, h + 61), dLine)); // dotted
    EXPECT_GT(s->Count(CRect(0, h + 41, 80, h + 60), dText), 0);
    // The selected line: cells in the window colour OR the selection, the text stays light.
    EXPECT_EQ(dWindow | dSelection, s->Pixel(200, h + 30));
    EXPECT_GT(s->Count(CRect(0, h + 21, 80, h + 40), dText | dSelection), 0);
    EXPECT_EQ(dFace, readOnly->Pixel(200, h + 70));
    EXPECT_EQ(dFace, header.Pixel(40, h / 2));
    EXPECT_EQ(dWindow, lb.lbColor);
    EXPECT_EQ(dText, editor.DC().GetTextColor());
}
