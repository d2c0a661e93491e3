// MouseTest.cpp: buttons pressed over the grid's cells: the white box and the selection by plain,
// Ctrl and Shift clicks, locked cells, clicks outside the lines, right clicks on a selection and
// double clicks.
#include "NavigationFixture.h"

typedef GridNavigationTest GridMouse;

TEST_F(GridMouse, ClickMakesTheCellCurrentAndTheGridFocused)
{
    Fill(3);
    ::SetFocus(DlgItem(IDC_GRIDHOST_BEFORE));
    host.Pump();
    host.m_calls.clear();
    Click(1, 2);
    EXPECT_EQ(GridCell(1, 2), Cur());
    EXPECT_EQ(std::vector<UINT>{2}, Selection());
    EXPECT_EQ(host.m_grid.m_hWnd, Focus());
    EXPECT_NE((HWND)NULL, Editor()); // shown over the cell, the focus stays with the grid
}

TEST_F(GridMouse, CtrlAndShiftClicksBuildTheSelection)
{
    Fill(6);
    Click(0, 1);
    Click(2, 3, MK_SHIFT);
    EXPECT_EQ((std::vector<UINT>{1, 2, 3}), Selection());
    EXPECT_EQ(GridCell(2, 3), Cur());
    Click(1, 2, MK_CONTROL);
    EXPECT_EQ((std::vector<UINT>{1, 3}), Selection());
    Click(1, 5, MK_CONTROL);
    EXPECT_EQ((std::vector<UINT>{1, 3, 5}), Selection());
    EXPECT_EQ(GridCell(1, 5), Cur());
    Click(0, 4);
    EXPECT_EQ(std::vector<UINT>{4}, Selection());
}

TEST_F(GridMouse, ClickOnALockedCellGoesToTheNextFreeCellOfTheSameLineOrNowhere)
{
    Fill(4);
    Lock(0, 1);
    Lock(1, 1);
    Click(0, 1);
    EXPECT_EQ(GridCell(2, 1), Cur());
    EXPECT_EQ(std::vector<UINT>{1}, Selection());

    Lock(1, 2);
    Lock(2, 2); // the next free cell is on line 3
    Click(1, 2);
    EXPECT_EQ(GridCell(none, none), Cur());
    EXPECT_TRUE(Selection().empty());
    EXPECT_EQ(NULL, Editor());
}

TEST_F(GridMouse, ClicksBeyondTheReachableLinesOrTheLastColumnHitNothing)
{
    Fill(2);
    host.m_grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
    Click(1, 1);
    ASSERT_EQ(GridCell(1, 1), Cur());
    Click(1, 2);
    EXPECT_EQ(GridCell(none, none), Cur());
    EXPECT_TRUE(Selection().empty());

    Click(1, 1);
    CPoint pastLastColumn = host.CellPoint(2, 0);
    pastLastColumn.x += 80; // three columns of 80 pixels: x = 280 lies right of them all
    ClickAt(pastLastColumn);
    EXPECT_EQ(GridCell(none, none), Cur());
    EXPECT_EQ(NULL, Editor());
}

TEST_F(GridMouse, ASecondClickOnTheCurrentCellPutsTheCaretUnderTheMouse)
{
    Fill(2);
    Click(0, 0);
    host.m_calls.clear();
    CPoint point = host.CellPoint(0, 0);
    point.x = 3 + 2; // over the start of the text
    ClickAt(point);
    std::vector<std::string> expected = {"BeginEditItem 0 0"};
    EXPECT_EQ(expected, host.m_calls);
    ASSERT_NE((HWND)NULL, Editor());
    EXPECT_EQ(Editor(), Focus()); // opened at the point: focused
}

TEST_F(GridMouse, ClickOnAnotherCellOpensTheEditorWithoutTakingTheFocus)
{
    Fill(2);
    Click(0, 0);
    host.m_calls.clear();
    Click(1, 1);
    std::vector<std::string> expected = {"BeginEditItem 1 1"};
    EXPECT_EQ(expected, host.m_calls);
    EXPECT_EQ(host.m_grid.m_hWnd, Focus());
}

TEST_F(GridMouse, RightClickOnSeveralSelectedLinesKeepsSelectionBoxAndEditor)
{
    Fill(4);
    Click(0, 0);
    Click(0, 2, MK_SHIFT);
    HWND hEditor = Editor();
    ASSERT_NE((HWND)NULL, hEditor);
    host.m_calls.clear();
    RightClick(1, 1);
    EXPECT_EQ((std::vector<UINT>{0, 1, 2}), Selection());
    EXPECT_EQ(GridCell(0, 2), Cur());
    EXPECT_EQ(hEditor, Editor());
    EXPECT_TRUE(::IsWindow(hEditor));
    EXPECT_TRUE(host.m_calls.empty());
}

TEST_F(GridMouse, RightClickOnOneSelectedLineMovesTheBoxAndClosesTheEditor)
{
    Fill(4);
    Click(0, 0);
    ASSERT_NE((HWND)NULL, Editor());
    host.m_calls.clear();
    RightClick(2, 3);
    EXPECT_EQ(GridCell(2, 3), Cur());
    EXPECT_EQ(std::vector<UINT>{3}, Selection());
    EXPECT_EQ(NULL, Editor());
    EXPECT_TRUE(host.m_calls.empty());
    EXPECT_EQ(host.m_grid.m_hWnd, Focus());
}

TEST_F(GridMouse, DoubleClickOnALockedCellEditsTheFreeCellTheClickWentTo)
{
    Fill(2);
    host.m_grid.SetTextItem(1, 1, "xyz");
    Lock(0, 1);
    CPoint point = host.CellPoint(0, 1);
    Click(0, 1);
    ASSERT_EQ(GridCell(1, 1), Cur());
    host.m_calls.clear();
    host.m_grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    host.Pump();
    std::vector<std::string> expected = {"BeginEditItem 1 1"};
    EXPECT_EQ(expected, host.m_calls);
    ASSERT_NE((HWND)NULL, Editor());
    EXPECT_EQ(Editor(), Focus());
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageA(Editor(), EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    EXPECT_EQ(0u, dwStart);
    EXPECT_EQ(3u, dwEnd);
}

TEST_F(GridMouse, DoubleClickOnAFreeCellDoesNothingMore)
{
    Fill(2);
    Click(1, 1);
    host.m_calls.clear();
    CPoint point = host.CellPoint(1, 1);
    host.m_grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    host.Pump();
    EXPECT_TRUE(host.m_calls.empty());
    EXPECT_EQ(host.m_grid.m_hWnd, Focus());
}
