// MouseTest.cpp: buttons pressed over the grid's cells: the white box and the editor after a
// click, right clicks on a selection and double clicks on locked cells. Which cell a point hits,
// up to the reachable lines and columns, is tested with the cells' tooltips; where a click on a
// locked cell lands, and Ctrl and Shift clicks, with the navigator.
#include "GridEditorFixture.h"
#include "NavigationFixture.h"

class GridMouse : public GridNavigationTest
{
protected:
    void DoubleClick(UINT nColumn, UINT nLine) { host.Mouse(WM_LBUTTONDBLCLK, host.CellPoint(nColumn, nLine), MK_LBUTTON); }
};

TEST_F(GridMouse, AClickMakesTheCellCurrentAndASecondPutsTheCaretUnderTheMouse)
{
    Fill(3);
    ::SetFocus(DlgItem(IDC_GRIDHOST_BEFORE));
    host.Pump();
    // Taking the focus puts the white box on the top line's first cell; a click there is still
    // a first click: the editor shows over the cell and the focus stays with the grid.
    Click(0, 0);
    EXPECT_EQ("box 0 0, lines 0", Box());
    EXPECT_EQ(grid.m_hWnd, Focus());
    EXPECT_NE((HWND)NULL, Editor());

    host.m_calls.clear();
    Click(1, 2);
    EXPECT_EQ(GridCell(1, 2), Cur());
    EXPECT_EQ(Calls{"BeginEditItem 1 2"}, host.m_calls);
    EXPECT_EQ(grid.m_hWnd, Focus());
    host.m_calls.clear();
    Click(1, 2);
    EXPECT_EQ(Calls{"BeginEditItem 1 2"}, host.m_calls);
    EXPECT_EQ(Editor(), Focus()); // opened at the point: focused
}

TEST_F(GridMouse, RightClickKeepsASelectionOfSeveralLinesElseMovesTheBoxWithoutAnEditor)
{
    Fill(4);
    Click(0, 0);
    Click(0, 2, MK_SHIFT);
    HWND hEditor = Editor();
    ASSERT_NE((HWND)NULL, hEditor);
    host.m_calls.clear();
    RightClick(1, 1);
    EXPECT_EQ("box 0 2, lines 0 1 2", Box());
    EXPECT_EQ(hEditor, Editor());
    EXPECT_TRUE(::IsWindow(hEditor));

    Click(0, 0);
    RightClick(2, 3);
    EXPECT_EQ("box 2 3, lines 3", Box());
    EXPECT_EQ(NULL, Editor());
    EXPECT_EQ(grid.m_hWnd, Focus());
    EXPECT_EQ(Calls{"BeginEditItem 0 0"}, host.m_calls); // the left click's only
}

TEST_F(GridMouse, DoubleClickOnALockedCellEditsTheFreeCellTheClickWentTo)
{
    Fill(2);
    grid.SetTextItem(1, 1, "xyz");
    Lock(0, 1);
    Click(1, 0);
    host.m_calls.clear();
    DoubleClick(1, 0); // on a free cell: nothing more
    EXPECT_EQ(Calls{}, host.m_calls);
    EXPECT_EQ(grid.m_hWnd, Focus());

    Click(0, 1);
    ASSERT_EQ(GridCell(1, 1), Cur());
    host.m_calls.clear();
    DoubleClick(0, 1);
    EXPECT_EQ(Calls{"BeginEditItem 1 1"}, host.m_calls);
    ASSERT_NE((HWND)NULL, Editor());
    EXPECT_EQ(Editor(), Focus());
    EXPECT_EQ(std::make_pair(0, 3), EditSel(Editor()));
}
