// FocusTest.cpp: the grid and its editor as the focus comes and goes: the listener hears when the
// focus leaves, the editor closes at once or through the posted message, and opens again when
// the grid is focused.
#include "GridEditorFixture.h"

class GridFocusTest : public GridEditorTest
{
protected:
    HWND Before() const { return ::GetDlgItem(host.m_hWnd, IDC_GRIDHOST_BEFORE); }
};

TEST_F(GridFocusTest, EditorLosingTheFocusClosesWhenThePostedMessageComes)
{
    for (UINT nColumn : {colText, colEditable})
    {
        grid.SetCurItem(nColumn, 0);
        host.m_calls.clear();
        ::SetFocus(Before());
        // Not inside the editor's own notification: the editor is still there.
        EXPECT_EQ(Calls{"KillFocus"}, host.m_calls);
        EXPECT_TRUE(::IsWindow(Editor()));
        host.Pump();
        EXPECT_EQ(NULL, grid.GetEditor());
        EXPECT_EQ(Before(), ::GetFocus());
        EXPECT_EQ(Calls{"KillFocus"}, host.m_calls);
    }
}

TEST_F(GridFocusTest, FocusBackInTheGridBeforeTheMessageOrGoingNowhereKeepsTheEditor)
{
    grid.SetCurItem(colText, 0);
    HWND hEditor = Editor();
    ::SetFocus(Before());
    ::SetFocus(hEditor);
    host.Pump();
    EXPECT_EQ(hEditor, Editor());
    EXPECT_EQ(hEditor, ::GetFocus());

    host.m_calls.clear();
    ::SetFocus(NULL);
    host.Pump();
    EXPECT_EQ(Calls{"KillFocus"}, host.m_calls);
    EXPECT_EQ(hEditor, Editor());
}

TEST_F(GridFocusTest, GridLosingTheFocusClosesItsEditorAtOnce)
{
    grid.SetCurItem(colText, 0);
    GridEditAccess::Close(grid);
    ASSERT_EQ(grid.m_hWnd, ::GetFocus());
    GridEditAccess::Open(grid, CKwGridCtrl::eBeginEditNoFocus);
    ASSERT_TRUE(::IsWindow(Editor()));
    host.m_calls.clear();
    ::SetFocus(Before());
    EXPECT_EQ(NULL, grid.GetEditor());
    EXPECT_EQ(Calls{"KillFocus"}, host.m_calls);
}

TEST_F(GridFocusTest, FocusedGridOpensTheEditorOnTheCurrentCellWithoutTakingTheFocus)
{
    // Tabbed into without a current cell: the white box comes to the first cell.
    ::SetFocus(Before());
    host.Pump();
    host.PressKey(VK_TAB);
    EXPECT_EQ(grid.m_hWnd, ::GetFocus());
    EXPECT_EQ(Calls{"BeginEditItem 0 0"}, host.m_calls);
    ASSERT_TRUE(::IsWindow(Editor()));
    EXPECT_EQ("abc", Text(Editor()));

    grid.SetCurItem(colIndex, 0);
    ::SetFocus(Before());
    host.Pump();
    ASSERT_EQ(NULL, grid.GetEditor());
    host.m_calls.clear();
    ::SetFocus(grid.m_hWnd);
    EXPECT_EQ(Calls{"BeginEditItem 1 0"}, host.m_calls);
    EXPECT_TRUE(::IsWindow(Editor()));
    EXPECT_EQ(grid.m_hWnd, ::GetFocus());
    EXPECT_FALSE(grid.IsModified());
}

TEST_F(GridFocusTest, ClosingTheFocusedEditorLeavesTheFocusInTheGrid)
{
    for (UINT nColumn : {colText, colIndex, colEditable})
    {
        grid.SetCurItem(nColumn, 0);
        host.m_calls.clear();
        GridEditAccess::Close(grid);
        EXPECT_EQ(grid.m_hWnd, ::GetFocus()) << nColumn;
        EXPECT_EQ(NULL, grid.GetEditor());
        host.Pump();
        EXPECT_EQ(Calls{}, host.m_calls) << nColumn;
    }
}

TEST_F(GridFocusTest, DestroyingTheGridWithAFocusedEditorClosesIt)
{
    grid.SetCurItem(colEditable, 0);
    host.m_calls.clear();
    grid.DestroyWindow();
    EXPECT_EQ(NULL, grid.GetEditor());
    host.Pump();
}
