// EditorNavigationTest.cpp: keys pressed while the editor has the focus: Right and Left move the
// caret up to the text's ends and then the white box, Up and Down carry the caret to the next line,
// Enter and Tab go on to the next free cell, Tab leaves the grid after the last one, Delete stays
// with the editor.
#include "GridEditorFixture.h"
#include "NavigationFixture.h"

class GridEditorKeys : public GridNavigationTest
{
protected:
    // The editor opened with the focus on the cell, the caret at the start of its text.
    void EditAt(UINT nColumn, UINT nLine)
    {
        Click(nColumn, nLine);
        host.PressKey(VK_RETURN);
        ASSERT_EQ(GridCell(nColumn, nLine), Cur());
        ASSERT_NE((HWND)NULL, Editor());
        ASSERT_TRUE(CKwGridCtrl::FocusIn(grid.GetEditor()));
        host.m_calls.clear();
    }
    HWND EditField() { return EditFieldOf(Editor()); }
};

TEST_F(GridEditorKeys, RightAndLeftMoveTheCaretToTheTextsEndsAndThenTheWhiteBox)
{
    Fill(1);
    grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
    grid.SetTextItem(0, 0, "abc");
    grid.SetTextItem(1, 0, "xy");
    EditAt(0, 0);
    host.PressKeys({VK_RIGHT, VK_RIGHT});
    EXPECT_EQ(GridCell(0, 0), Cur()); // the caret after the second character went on
    EXPECT_EQ(std::make_pair(2, 2), EditSel(Editor()));
    host.PressKey(VK_RIGHT);
    EXPECT_EQ(GridCell(0, 0), Cur());
    host.PressKey(VK_RIGHT);
    EXPECT_EQ(GridCell(1, 0), Cur()); // after the third: the next cell, caret at its start
    EXPECT_EQ(Editor(), Focus());
    EXPECT_EQ("xy", Text(Editor()));
    EXPECT_EQ(std::make_pair(0, 0), EditSel(Editor()));

    host.PressKey(VK_LEFT);
    EXPECT_EQ(GridCell(0, 0), Cur()); // at 0: the previous cell, caret after its last character
    EXPECT_EQ(std::make_pair(3, 3), EditSel(Editor()));
    host.PressKey(VK_LEFT);
    EXPECT_EQ(GridCell(0, 0), Cur());
    EXPECT_EQ(std::make_pair(2, 2), EditSel(Editor()));
    EXPECT_EQ((Calls{"BeginEditItem 1 0", "BeginEditItem 0 0"}), host.m_calls);

    // Before the first cell and after the last of the fixed line there is nowhere to go.
    host.m_calls.clear();
    host.PressKeys({VK_HOME, VK_LEFT});
    EXPECT_EQ(GridCell(0, 0), Cur());
    EXPECT_EQ(Calls{}, host.m_calls);
    EditAt(2, 0);
    host.PressKeys({VK_END, VK_RIGHT});
    EXPECT_EQ(GridCell(2, 0), Cur());
    EXPECT_EQ(Editor(), Focus());
    EXPECT_EQ(Calls{}, host.m_calls);
}

TEST_F(GridEditorKeys, DownAndUpInAnEditBoxMoveTheBoxAndCarryTheCaret)
{
    Fill(3);
    grid.SetTextItem(1, 1, "longer text");
    EditAt(1, 0);
    host.PressKeys({VK_RIGHT, VK_DOWN});
    EXPECT_EQ(GridCell(1, 1), Cur());
    EXPECT_EQ(Editor(), Focus());
    EXPECT_EQ(std::make_pair(1, 1), EditSel(Editor()));
    host.PressKeys({VK_END, VK_DOWN});
    EXPECT_EQ(std::make_pair(2, 2), EditSel(Editor())); // "b2" is shorter: the caret at its end
    host.PressKeys({VK_UP, VK_UP});
    EXPECT_EQ("box 1 0, lines 0", Box());
    EXPECT_EQ((Calls{"BeginEditItem 1 1", "BeginEditItem 1 2", "BeginEditItem 1 1", "BeginEditItem 1 0"}), host.m_calls);
}

TEST_F(GridEditorKeys, TabSelectsTheNextCellsTextAndEnterPutsTheCaretAtItsStart)
{
    Fill(2);
    Lock(2, 0);
    EditAt(0, 0);
    host.PressKey(VK_TAB);
    EXPECT_EQ(GridCell(1, 0), Cur());
    EXPECT_EQ(std::make_pair(0, 2), EditSel(Editor()));
    host.PressKey(VK_RETURN);
    EXPECT_EQ(GridCell(0, 1), Cur()); // past the locked cell, on the next line
    EXPECT_EQ(std::make_pair(0, 0), EditSel(Editor()));
    host.PressKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(GridCell(1, 0), Cur());
    EXPECT_EQ(std::make_pair(0, 2), EditSel(Editor()));
    EXPECT_EQ(Editor(), Focus());
    EXPECT_EQ((Calls{"BeginEditItem 1 0", "BeginEditItem 0 1", "BeginEditItem 1 0"}), host.m_calls);
}

TEST_F(GridEditorKeys, TabFromTheEditorOnTheLastFreeCellLeavesTheGridAndShiftTabOnTheFirst)
{
    Fill(2);
    grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
    Lock(0, 0);
    Lock(2, 1);
    EditAt(1, 1);
    host.PressKey(VK_RETURN); // Enter has nowhere to go either: the editor keeps the focus
    EXPECT_EQ(Editor(), Focus());
    EXPECT_TRUE(::IsWindowVisible(host.m_hWnd));
    host.PressKey(VK_TAB);
    EXPECT_EQ(DlgItem(IDC_GRIDHOST_AFTER), Focus());
    EXPECT_EQ(GridCell(1, 1), Cur());
    EXPECT_EQ(NULL, Editor());
    EXPECT_EQ(Calls{"KillFocus"}, host.m_calls);

    EditAt(1, 0);
    host.PressKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(DlgItem(IDC_GRIDHOST_BEFORE), Focus());
    EXPECT_EQ(GridCell(1, 0), Cur());
}

TEST_F(GridEditorKeys, DeleteInTheEditorDeletesACharacterNotTheLine)
{
    Fill(2);
    EditAt(0, 1);
    host.PressKey(VK_DELETE);
    EXPECT_EQ((Calls{"ItemChanged 0 1 text=1 index=-1", "ContentChanged"}), host.m_calls);
    EXPECT_EQ(2u, grid.GetLineCount());
    EXPECT_EQ("b1", std::string(grid.GetItemText(1, 1)));
}

TEST_F(GridEditorKeys, InADropDownListRightAndLeftMoveTheBoxAtOnce)
{
    static CStringArray choices; // outlives the grid: cells borrow it
    GridHost::SetChoices(choices, {"red", "green"});
    Fill(1);
    grid.SetItem(1, 0, GridItem(CKwGridCtrlItem::eTextDropDown, "green", -1, &choices));
    grid.SetItem(2, 0, GridItem(CKwGridCtrlItem::eEditableDropDown, "red", -1, &choices));

    EditAt(1, 0);
    host.PressKey(VK_RIGHT); // a list has no caret
    EXPECT_EQ(GridCell(2, 0), Cur());
    ASSERT_NE(Editor(), EditField());
    EXPECT_EQ(EditField(), Focus());
    EXPECT_EQ(std::make_pair(0, 0), EditSel(EditField()));
    host.PressKey(VK_RIGHT); // an editable drop-down moves its caret first
    EXPECT_EQ(GridCell(2, 0), Cur());
    EXPECT_EQ(std::make_pair(1, 1), EditSel(EditField()));
    host.PressKeys({VK_LEFT, VK_LEFT});
    EXPECT_EQ(GridCell(1, 0), Cur());
    EXPECT_EQ(Editor(), Focus());
    host.PressKey(VK_LEFT);
    EXPECT_EQ(GridCell(0, 0), Cur());
    EXPECT_EQ(std::make_pair(2, 2), EditSel(Editor()));
    EXPECT_EQ("green", std::string(grid.GetItemText(1, 0))); // arrows chose nothing
}
