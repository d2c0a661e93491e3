// EditorKeysTest.cpp: the editor driven by keys through the dialog's message pump and by clicks on
// the current cell: typed characters open it, Esc leaves it, arrows stay inside drop-downs, and a
// click puts the caret under the mouse or drops the list down.
#include "GridEditorFixture.h"

class GridEditorKeysTest : public GridEditorTest
{
protected:
    // The grid focused on the cell, its editor open without the focus, the record anew.
    void FocusGridOn(UINT nColumn, UINT nLine)
    {
        grid.SetCurItem(nColumn, nLine);
        grid.SetFocus();
        host.Pump();
        ASSERT_TRUE(::IsWindow(Editor()));
        ASSERT_EQ(grid.m_hWnd, ::GetFocus());
        host.m_calls.clear();
    }
    CRect EditFieldInGrid()
    {
        CRect rect;
        ::GetWindowRect(EditField(), &rect);
        grid.ScreenToClient(&rect);
        return rect;
    }
};

TEST_F(GridEditorKeysTest, ATypedCharacterOpensTheEditorAndReplacesTheText)
{
    const struct
    {
        UINT nColumn;
        UINT nKey;
    } typed[] = {{colText, '7'}, {colText, 'K'}, {colEditable, 'Z'}};
    for (const auto& t : typed)
    {
        FocusGridOn(t.nColumn, 0);
        host.PressKey(t.nKey);
        std::string sTyped(1, (char)::tolower((int)t.nKey));
        std::string sCell = std::to_string(t.nColumn) + " 0";
        EXPECT_EQ((Calls{"BeginEditItem " + sCell, "ItemChanged " + sCell + " text=" + sTyped + " index=-1", "ContentChanged"}),
                  host.m_calls);
        EXPECT_EQ(sTyped, Text(Editor()));
        EXPECT_EQ(sTyped, std::string(grid.GetItemText(t.nColumn, 0)));
        EXPECT_EQ(EditField(), ::GetFocus());
    }
}

TEST_F(GridEditorKeysTest, EscLeavesTheEditorWithTheTypedTextAndTheGridModified)
{
    FocusGridOn(colText, 0);
    host.PressKeys({'7', '8'});
    host.m_calls.clear();
    host.PressKey(VK_ESCAPE);
    EXPECT_EQ(grid.m_hWnd, ::GetFocus());
    EXPECT_TRUE(::IsWindow(Editor()));
    EXPECT_EQ("78", Text(Editor()));
    EXPECT_EQ("78", std::string(grid.GetItemText(colText, 0)));
    EXPECT_TRUE(grid.IsModified());
    EXPECT_EQ(Calls{}, host.m_calls);
    EXPECT_TRUE(::IsWindowVisible(host.m_hWnd)); // the dialog did not take Esc
}

TEST_F(GridEditorKeysTest, UpAndDownInsideADropDownChangeItsChoiceNotTheLine)
{
    grid.SetItem(colIndex, 1, Cell(CKwGridCtrlItem::eIndexDropDown, "", 1));
    grid.SetCurItem(colIndex, 1);
    host.m_calls.clear();
    host.PressKeys({VK_UP, VK_DOWN, VK_DOWN});
    EXPECT_EQ((Calls{"ItemChanged 1 1 text= index=0", "ContentChanged", "ItemChanged 1 1 text= index=1",
                     "ContentChanged", "ItemChanged 1 1 text= index=2", "ContentChanged"}),
              host.m_calls);
    UINT nColumn = 0, nLine = 0;
    grid.GetCurItem(nColumn, nLine);
    EXPECT_EQ(1u, nLine);
    EXPECT_EQ(2, grid.GetItemIndex(colIndex, 1));
    EXPECT_EQ(1, grid.GetItemIndex(colIndex, 0));
}

TEST_F(GridEditorKeysTest, ClickOnTheCurrentCellPutsTheCaretUnderTheMouse)
{
    FocusGridOn(colText, 0);
    CPoint point = host.CellPoint(colText, 0);
    point.x += 30; // right of "abc"
    host.ClickAt(point);
    EXPECT_EQ(Editor(), ::GetFocus());
    EXPECT_EQ(std::make_pair(3, 3), EditSel(Editor()));

    FocusGridOn(colEditable, 0);
    point = host.CellPoint(colEditable, 0);
    point.x = EditFieldInGrid().left + 1;
    host.ClickAt(point);
    EXPECT_EQ(EditField(), ::GetFocus());
    EXPECT_EQ(std::make_pair(0, 0), EditSel(EditField()));
    EXPECT_FALSE(::SendMessageA(Editor(), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_TRUE(::IsWindowVisible(Editor()));
}

TEST_F(GridEditorKeysTest, ClickOnTheCurrentDropDownDropsItsListDown)
{
    for (UINT nColumn : {colIndex, colTextDropDown, colEditable})
    {
        SCOPED_TRACE(nColumn);
        FocusGridOn(nColumn, 0);
        CPoint point = host.CellPoint(nColumn, 0);
        point.x += 37; // the button at the cell's right end
        ASSERT_TRUE(nColumn != colEditable || point.x >= EditFieldInGrid().right);
        host.ClickAt(point);
        EXPECT_TRUE(::SendMessageA(Editor(), CB_GETDROPPEDSTATE, 0, 0));
        EXPECT_TRUE(::IsWindowVisible(Editor()));
        EXPECT_EQ(Calls{"BeginEditItem " + std::to_string(nColumn) + " 0"}, host.m_calls);
        ::SendMessageA(Editor(), CB_SHOWDROPDOWN, FALSE, 0);
        host.Pump();
    }
    EXPECT_FALSE(grid.IsModified());
}
