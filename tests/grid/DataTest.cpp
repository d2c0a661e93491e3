// DataTest.cpp: the grid window's data: creation in place of a placeholder, cells stored before
// the window exists, reads through the parent as listener, the white box and the editor after a
// store, and a parent that is no listener.
#include "GridEditorFixture.h"
#include "NavigationFixture.h"

#include "core/KwClipboard.h"
#include "grid/KwHeaderCtrl.h"

namespace {

// A grid in a dialog whose columns each test adds.
class GridData : public ::testing::Test
{
protected:
    GridHost host;
    CKwGridCtrl& grid = host.m_grid;
};

} // namespace

TEST_F(GridData, InitializeTakesThePlaceholdersPlaceIdAndTabOrder)
{
    HWND hBefore = ::GetDlgItem(host.m_hWnd, IDC_GRIDHOST_BEFORE);
    CRect rectPlaceholder;
    ::GetWindowRect(hBefore, &rectPlaceholder);

    CKwGridCtrl first;
    ASSERT_TRUE(first.Initialize(IDC_GRIDHOST_BEFORE, &host, WS_EX_CLIENTEDGE));
    EXPECT_FALSE(::IsWindow(hBefore));
    EXPECT_EQ(first.m_hWnd, ::GetDlgItem(host.m_hWnd, IDC_GRIDHOST_BEFORE));
    EXPECT_EQ(first.m_hWnd, ::GetWindow(host.m_hWnd, GW_CHILD)); // the first in the tab order
    EXPECT_EQ(grid.m_hWnd, ::GetWindow(first.m_hWnd, GW_HWNDNEXT));
    EXPECT_EQ(grid.m_hWnd, ::GetDlgItem(host.m_hWnd, IDC_GRIDHOST_GRID));
    EXPECT_TRUE(::GetWindowLongA(first.m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    CRect rect;
    ::GetWindowRect(first.m_hWnd, &rect);
    EXPECT_EQ(rectPlaceholder, rect);

    // Without a placeholder or a parent nothing is created.
    CKwGridCtrl missing;
    EXPECT_FALSE(missing.Initialize(4711, &host));
    EXPECT_TRUE(missing.m_hWnd == NULL);
    EXPECT_FALSE(missing.Initialize(IDC_GRIDHOST_AFTER, NULL));
    EXPECT_TRUE(::IsWindow(::GetDlgItem(host.m_hWnd, IDC_GRIDHOST_AFTER)));
}

TEST(GridDataBeforeTheWindow, CellsStoredThenAreThereOnceItExists)
{
    GridHost host;
    CKwGridCtrl grid;
    grid.AddColumn("A", 50);
    grid.AddColumn("B", 60);
    grid.SetTextItem(1, 3, "x");
    grid.SetTextItem(2, 0, "beyond the columns");
    grid.SetTextDropDownItem(1, 0, "d");
    grid.SetEditableDropDownItem(0, 1, "e");
    EXPECT_EQ((Calls{"|d", "e|", "|", "|x"}), GridHost::Texts(grid));

    ASSERT_TRUE(grid.Initialize(IDC_GRIDHOST_BEFORE, &host));
    EXPECT_EQ(2, grid.GetHeaderCtrl()->GetItemCount());
    grid.AddColumn("C", 70);
    EXPECT_EQ(3u, grid.GetColumnCount());
    EXPECT_EQ((Calls{"|d|", "e||", "||", "|x|"}), GridHost::Texts(grid));
    // Stores by the program are no changes by the user.
    EXPECT_FALSE(grid.IsModified());
}

// SetItemText reads through the parent first, so what it supplied is stored with the text.
TEST_F(GridData, ReadsGoThroughTheParentAndOneFieldIsSetOnWhatItSupplied)
{
    host.AddColumns(3);
    CStringArray choices;
    host.m_supplyItem = [&](UINT nColumn, UINT, CKwGridCtrlItem& item) {
        if (nColumn == 1)
            item.pChoices = &choices;
    };
    host.m_bRecordGetItem = true;
    CKwGridCtrlItem item;
    grid.SetItemText(1, 2, "abc");
    EXPECT_EQ(Calls{"GetItem 1 2"}, host.m_calls);
    host.m_supplyItem = nullptr;
    grid.GetItem(1, 2, item);
    EXPECT_EQ(&choices, item.pChoices);
    EXPECT_STREQ("abc", item.sText);
}

TEST_F(GridData, ReadOnlyIsAFlagThatRepaintsOnAChange)
{
    host.AddColumns(1);
    grid.UpdateWindow();
    grid.SetReadOnly(FALSE);
    EXPECT_FALSE(::GetUpdateRect(grid.m_hWnd, NULL, FALSE));
    grid.SetReadOnly(TRUE);
    EXPECT_TRUE(grid.GetReadOnly());
    EXPECT_TRUE(::GetUpdateRect(grid.m_hWnd, NULL, FALSE));
    grid.UpdateWindow();
    grid.SetReadOnly(5); // still read-only
    EXPECT_FALSE(::GetUpdateRect(grid.m_hWnd, NULL, FALSE));
    grid.SetReadOnly(FALSE);
    EXPECT_TRUE(::GetUpdateRect(grid.m_hWnd, NULL, FALSE));
}

TEST(GridDataWithoutListener, PasteAndClearUnasked)
{
    GridWithoutListener parent;
    CKwGridCtrl& grid = parent.grid;
    grid.SetTextItem(0, 0, "a");
    grid.SetTextItem(1, 1, "b");
    ::SetFocus(grid.m_hWnd); // the white box comes to line 0
    ASSERT_EQ(grid.m_hWnd, ::GetFocus());
    CKwClipboard::PutText("x\ty");
    EXPECT_TRUE(grid.IsPasteAllowed());
    EXPECT_TRUE(grid.IsClearAllowed());
    grid.SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ((Calls{"x|y", "a|", "|b"}), GridHost::Texts(grid));
    grid.SendMessage(WM_COMMAND, ID_EDIT_CLEAR);
    EXPECT_EQ((Calls{"a|", "|b"}), GridHost::Texts(grid));
}

// A grid of three text columns with the white box and an editor placed by clicks.
typedef GridNavigationTest GridDataWithEditor;

TEST_F(GridDataWithEditor, AStoreIntoTheCurrentCellOpensTheEditorAgainOnItsContent)
{
    Fill(3);
    Click(1, 1);
    ASSERT_TRUE(grid.GetEditor() != NULL);
    ASSERT_EQ(grid.m_hWnd, Focus());
    host.m_calls.clear();

    grid.SetTextItem(0, 1, "other");
    EXPECT_TRUE(host.m_calls.empty());
    EXPECT_EQ("b1", Text(Editor()));

    grid.SetTextItem(1, 1, "new");
    EXPECT_EQ(Calls{"BeginEditItem 1 1"}, host.m_calls);
    EXPECT_EQ("new", Text(Editor()));
    EXPECT_EQ(grid.m_hWnd, Focus());
    EXPECT_EQ(GridCell(1, 1), Cur());
    EXPECT_FALSE(grid.IsModified());

    // Emptied by RemoveItemsAtAndBelow, the current line is still the append line.
    host.m_calls.clear();
    grid.RemoveItemsAtAndBelow(1);
    EXPECT_EQ(Calls{"BeginEditItem 1 1"}, host.m_calls);
    EXPECT_EQ("", Text(Editor()));
    EXPECT_EQ("box 1 1, lines 1", Box());
}

TEST_F(GridDataWithEditor, AStoreThatLeavesTheCurrentLineUnreachableClosesTheEditor)
{
    Fill(3);
    Click(2, 2);
    ASSERT_TRUE(grid.GetEditor() != NULL);
    host.m_calls.clear();
    grid.RemoveItemsAtAndBelow(1); // one line left, the append line is 1
    EXPECT_TRUE(grid.GetEditor() == NULL);
    EXPECT_EQ("box none, lines", Box());
    EXPECT_TRUE(host.m_calls.empty());

    // Fixed lines: emptying the last line makes it unreachable, a store elsewhere does not.
    grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
    Fill(3);
    Click(0, 2);
    grid.SetTextItem(0, 2, "");
    grid.SetTextItem(1, 2, "");
    EXPECT_EQ(GridCell(0, 2), Cur());
    grid.SetTextItem(2, 2, "");
    EXPECT_TRUE(grid.GetEditor() == NULL);
    EXPECT_EQ(GridCell(none, none), Cur());

    // Unlimited: the white box may stay anywhere.
    grid.SetInsertMode(CKwGridCtrl::eInsertUnlimited);
    grid.SetCurItem(0, 9);
    grid.SetTextItem(1, 0, "z");
    EXPECT_EQ(GridCell(0, 9), Cur());
}

namespace {

// A listener that writes every text it is told of back in capitals.
struct CapitalsHost : GridHost
{
    void CKwGridCtrlListener_OnItemChanged(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item,
                                           CKwGridCtrl* pGrid) override
    {
        GridHost::CKwGridCtrlListener_OnItemChanged(nColumn, nLine, item, pGrid);
        CString sUpper = item.sText;
        sUpper.MakeUpper();
        if (sUpper != item.sText)
            pGrid->SetItemText(nColumn, nLine, sUpper);
    }
};

class GridDataCorrectingListener : public GridNavigationTest
{
protected:
    GridDataCorrectingListener() : GridNavigationTest(new CapitalsHost) {}
};

} // namespace

TEST_F(GridDataCorrectingListener, AStoreWhileTheUserTypesKeepsTheEditorFocusedAtItsCaret)
{
    Fill(2);
    FocusGrid();
    Click(0, 0); // the white box is there already: the caret goes under the point
    ASSERT_EQ(Editor(), Focus());
    grid.GetEditor()->SendMessage(EM_SETSEL, 1, 1);
    host.m_calls.clear();
    host.PressKey('X');
    host.PressKey('Y');
    EXPECT_STREQ("AXY0", grid.GetItemText(0, 0));
    EXPECT_EQ(Editor(), Focus());
    EXPECT_EQ((Calls{"ItemChanged 0 0 text=ax0 index=-1", "BeginEditItem 0 0", "ContentChanged",
                       "ItemChanged 0 0 text=AXy0 index=-1", "BeginEditItem 0 0", "ContentChanged"}),
              host.m_calls);
}
