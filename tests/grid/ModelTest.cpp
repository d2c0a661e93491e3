// ModelTest.cpp: the grid's cells and lines: creation in place of a placeholder, storage and
// trimming, reads through the listener, typed setters, insert modes, line swaps, the white box
// and the editor after a store, and a parent that is no listener.
#include "NavigationFixture.h"

#include "core/KwClipboard.h"
#include "grid/KwHeaderCtrl.h"

#include <cstring>

namespace {

typedef Calls Strings;

// Reaches the grid's protected line swap: pointers to members formed in a derived class may be
// applied to any grid.
struct GridAccess : CKwGridCtrl
{
    static void Swap(CKwGridCtrl& grid, UINT nLine1, UINT nLine2) { (grid.*(&GridAccess::SwapLines))(nLine1, nLine2); }
};

// A grid in a dialog whose columns each test adds.
class GridModel : public ::testing::Test
{
protected:
    Strings Texts() { return GridHost::Texts(grid); }
    GridHost host;
    CKwGridCtrl& grid = host.m_grid;
};

// The slot of a virtual operation in the table, read from its member pointer (which holds the
// slot's byte offset plus one in this compiler's ABI).
template<class F>
ptrdiff_t Slot(F f)
{
    ptrdiff_t offset;
    memcpy(&offset, &f, sizeof(offset));
    return (offset - 1) / (ptrdiff_t)sizeof(void*);
}

} // namespace

TEST(GridListener, TheOperationsTakeTheFirstSlotsOfTheTableInOrder)
{
    typedef CKwGridCtrlListener L;
    const ptrdiff_t slots[] = {
        Slot(&L::CKwGridCtrlListener_OnContentChanged), Slot(&L::CKwGridCtrlListener_OnGetItem),
        Slot(&L::CKwGridCtrlListener_OnBeginEditItem), Slot(&L::CKwGridCtrlListener_OnItemChanged),
        Slot(&L::CKwGridCtrlListener_OnKillFocus), Slot(&L::CKwGridCtrlListener_OnCanDelete),
        Slot(&L::CKwGridCtrlListener_OnCanPaste), Slot(&L::CKwGridCtrlListener_OnCanSwapLines),
        Slot(&L::CKwGridCtrlListener_OnGetToolTipText), Slot(&L::CKwGridCtrlListener_OnContextMenu),
        Slot(&L::CKwGridCtrlListener_OnLockItem)};
    for (ptrdiff_t i = 0; i < 11; i++)
        EXPECT_EQ(i, slots[i]);
}

TEST(GridItem, EmptinessCountsContentAndDataOnly)
{
    CKwGridCtrlItem item;
    EXPECT_TRUE(item.IsEmpty());
    // Colour, boldness and choices are no content, nor is the text of an index drop-down.
    CStringArray choices;
    item.clrText = RGB(255, 0, 0);
    item.bBold = TRUE;
    item.pChoices = &choices;
    item.nType = CKwGridCtrlItem::eIndexDropDown;
    item.sText = "ignored";
    EXPECT_TRUE(item.IsEmpty());
    item.nIndex = 0;
    EXPECT_FALSE(item.IsEmpty());

    CKwGridCtrlItem onlyData;
    onlyData.pData = &choices;
    EXPECT_FALSE(onlyData.IsEmpty());
}

TEST_F(GridModel, CreationMakesTheChildWindowsAndTheStartingState)
{
    HWND hHeader = ::GetDlgItem(grid.m_hWnd, 1), hScroll = ::GetDlgItem(grid.m_hWnd, 3);
    EXPECT_EQ(grid.GetHeaderCtrl()->m_hWnd, hHeader);
    EXPECT_EQ(0x54000003, ::GetWindowLongA(hHeader, GWL_STYLE) & 0xFFFF00FF);
    EXPECT_EQ(0x40000001, ::GetWindowLongA(hScroll, GWL_STYLE));
    char szClass[32] = "";
    ::GetClassNameA(hScroll, szClass, sizeof(szClass));
    EXPECT_STREQ("ScrollBar", szClass);
    EXPECT_EQ((LRESULT)::GetStockObject(DEFAULT_GUI_FONT), grid.SendMessage(WM_GETFONT));

    UINT nColumn = 0, nLine = 0;
    grid.GetCurItem(nColumn, nLine);
    CString sState;
    sState.Format("current %d %d, %u columns, %u lines, mode %d, read-only %d, modified %d, %d calls", (int)nColumn,
                  (int)nLine, grid.GetColumnCount(), grid.GetLineCount(), (int)grid.GetInsertMode(),
                  grid.GetReadOnly(), grid.IsModified(), (int)host.m_calls.size());
    EXPECT_STREQ("current -1 -1, 0 columns, 0 lines, mode 1, read-only 0, modified 0, 0 calls", sState);
}

TEST_F(GridModel, InitializeTakesThePlaceholdersPlaceIdAndTabOrder)
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
    EXPECT_EQ((LONG)(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN),
              ::GetWindowLongA(first.m_hWnd, GWL_STYLE) & 0xFFFF0000);
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

TEST_F(GridModel, LinesComeIntoBeingAndAreTrimmedBackAndTheModeSetsTheLimit)
{
    host.AddColumns(3);
    EXPECT_EQ(1u, grid.GetLineCountLimit());
    grid.SetTextItem(1, 5, "x");
    EXPECT_EQ((Strings{"||", "||", "||", "||", "||", "|x|"}), Texts());
    EXPECT_EQ(7u, grid.GetLineCountLimit());
    grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
    EXPECT_EQ(6u, grid.GetLineCountLimit());
    grid.SetInsertMode(CKwGridCtrl::eInsertUnlimited);
    EXPECT_EQ(0xFFFFFFFFu, grid.GetLineCountLimit());

    // Empty lines above the last non-empty one stay.
    grid.SetTextItem(0, 2, "y");
    grid.SetItem(1, 5, CKwGridCtrlItem());
    EXPECT_EQ(3u, grid.GetLineCount());
    grid.SetItem(0, 2, CKwGridCtrlItem());
    EXPECT_EQ(0u, grid.GetLineCount());

    // Stores beyond the columns or at no line are ignored.
    grid.SetTextItem(3, 0, "z");
    EXPECT_NO_THROW(grid.SetTextItem(0, 0xFFFFFFFF, "z"));
    EXPECT_EQ(0u, grid.GetLineCount());

    // A cell holding only data keeps its line.
    grid.SetItemData(2, 1, &host);
    EXPECT_EQ(2u, grid.GetLineCount());
    EXPECT_EQ(&host, grid.GetItemData(2, 1));
    grid.SetItemData(2, 1, NULL);
    EXPECT_EQ(0u, grid.GetLineCount());

    // Stores by the program are no changes by the user.
    EXPECT_FALSE(grid.IsModified());
    EXPECT_TRUE(host.m_calls.empty());
}

TEST_F(GridModel, TypedSettersStoreTheirTypeAndLeaveTheRestDefault)
{
    host.AddColumns(4);
    grid.SetTextItem(0, 0, "t");
    grid.SetIndexDropDownItem(1, 0, 2);
    grid.SetTextDropDownItem(2, 0, "d");
    grid.SetEditableDropDownItem(3, 0, "e");
    const char* texts[] = {"t", "", "d", "e"};
    for (UINT c = 0; c < 4; c++)
    {
        CKwGridCtrlItem item;
        grid.GetItem(c, 0, item);
        EXPECT_EQ((int)c, item.nType);
        EXPECT_STREQ(texts[c], item.sText);
        EXPECT_EQ(c == 1 ? 2 : -1, item.nIndex);
        EXPECT_TRUE(item.pChoices == NULL && item.pData == NULL && !item.bBold);
        EXPECT_EQ(0xFFFFFFFFu, item.clrText);
    }
    grid.SetItemIndex(1, 0, -1);
    EXPECT_EQ(1u, grid.GetLineCount()); // the other cells still hold something
    for (UINT c : {0u, 2u, 3u})
        grid.SetItemText(c, 0, "");
    EXPECT_EQ(0u, grid.GetLineCount());
}

TEST_F(GridModel, EveryReadGoesThroughTheListener)
{
    host.AddColumns(3);
    CStringArray choices;
    host.m_supplyItem = [&](UINT nColumn, UINT, CKwGridCtrlItem& item) {
        if (nColumn == 1)
            item.pChoices = &choices;
    };
    host.m_bRecordGetItem = true;

    // A read of a column beyond the grid gives a default cell and still asks, with that column.
    CKwGridCtrlItem item;
    item.sText = "junk";
    item.nIndex = 4;
    grid.GetItem(7, 0, item);
    EXPECT_TRUE(item.sText.IsEmpty() && item.nIndex == -1);
    EXPECT_EQ(Strings{"GetItem 7 0"}, host.m_calls);

    // SetItemText reads first, so what the listener supplied is stored with the text.
    host.m_calls.clear();
    grid.SetItemText(1, 2, "abc");
    EXPECT_EQ(Strings{"GetItem 1 2"}, host.m_calls);
    host.m_supplyItem = nullptr;
    grid.GetItem(1, 2, item);
    EXPECT_EQ(&choices, item.pChoices);
    EXPECT_STREQ("abc", item.sText);
}

TEST_F(GridModel, ColumnsAddedLaterReadDefaultUntilStored)
{
    host.AddColumns(1);
    grid.SetTextItem(0, 1, "a");
    grid.AddColumn("B", 50);
    CKwGridCtrlItem item;
    item.sText = "junk";
    grid.GetItem(1, 1, item);
    EXPECT_TRUE(item.IsEmpty());

    grid.SetTextItem(1, 0, "b");
    grid.SetTextItem(1, 1, "c");
    EXPECT_EQ((Strings{"|b", "a|c"}), Texts());
    grid.SetItemText(0, 1, "");
    grid.SetItemText(1, 1, "");
    EXPECT_EQ((Strings{"|b"}), Texts());
}

TEST_F(GridModel, RemoveItemsAtAndBelowTrimsEmptyLinesAboveToo)
{
    host.AddColumns(2);
    grid.SetTextItem(0, 0, "a");
    grid.SetTextItem(1, 3, "b");
    grid.SetTextItem(0, 4, "c");
    grid.RemoveItemsAtAndBelow(7);
    EXPECT_EQ(5u, grid.GetLineCount());
    grid.RemoveItemsAtAndBelow(3);
    EXPECT_EQ((Strings{"a|"}), Texts());
    grid.RemoveItemsAtAndBelow(0);
    EXPECT_EQ(0u, grid.GetLineCount());
    EXPECT_TRUE(host.m_calls.empty());
}

TEST_F(GridModel, ReadOnlyIsAFlagThatRepaintsOnAChange)
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

TEST_F(GridModel, LinesSwapWholeCellsAndTrimWhatIsLeftEmpty)
{
    host.AddColumns(2);
    grid.SetTextItem(0, 0, "a");
    grid.SetTextItem(1, 1, "b");
    grid.SetIndexDropDownItem(0, 2, 1);
    GridAccess::Swap(grid, 0, 1);
    EXPECT_EQ((Strings{"|b", "a|", "|"}), Texts());
    EXPECT_EQ((Strings{"CanSwapLines 0 1", "ContentChanged"}), host.m_calls);
    EXPECT_TRUE(grid.IsModified());

    // With the append line: the last line moves down with its cell's type, and back, which
    // leaves the empty line below to trimming.
    GridAccess::Swap(grid, 2, 3);
    EXPECT_EQ(4u, grid.GetLineCount());
    EXPECT_EQ(1, grid.GetItemIndex(0, 3));
    GridAccess::Swap(grid, 3, 2);
    EXPECT_EQ(3u, grid.GetLineCount());
}

TEST(GridModelWithoutListener, LinesSwapPasteAndClearUnasked)
{
    GridWithoutListener parent;
    CKwGridCtrl& grid = parent.grid;
    grid.SetTextItem(0, 0, "a");
    grid.SetTextItem(1, 1, "b");
    GridAccess::Swap(grid, 0, 1);
    EXPECT_EQ((Strings{"|b", "a|"}), GridHost::Texts(grid));
    EXPECT_TRUE(grid.IsModified());

    ::SetFocus(grid.m_hWnd); // the white box comes to line 0
    ASSERT_EQ(grid.m_hWnd, ::GetFocus());
    CKwClipboard::PutText("x\ty");
    EXPECT_TRUE(grid.IsPasteAllowed());
    EXPECT_TRUE(grid.IsClearAllowed());
    grid.SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ((Strings{"x|y", "|b", "a|"}), GridHost::Texts(grid));
    grid.SendMessage(WM_COMMAND, ID_EDIT_CLEAR);
    EXPECT_EQ((Strings{"|b", "a|"}), GridHost::Texts(grid));
}

namespace {

// A grid of three text columns with the white box and an editor placed by clicks.
class GridModelWithEditor : public GridNavigationTest
{
protected:
    explicit GridModelWithEditor(GridHost* pHost = new GridHost) : GridNavigationTest(pHost) {}
    CString EditorText()
    {
        CString sText;
        if (grid.GetEditor() != NULL)
            grid.GetEditor()->GetWindowText(sText);
        return sText;
    }
};

} // namespace

TEST_F(GridModelWithEditor, AStoreIntoTheCurrentCellOpensTheEditorAgainOnItsContent)
{
    Fill(3);
    Click(1, 1);
    ASSERT_TRUE(grid.GetEditor() != NULL);
    ASSERT_EQ(grid.m_hWnd, Focus());
    host.m_calls.clear();

    grid.SetTextItem(0, 1, "other");
    EXPECT_TRUE(host.m_calls.empty());
    EXPECT_STREQ("b1", EditorText());

    grid.SetTextItem(1, 1, "new");
    EXPECT_EQ(Strings{"BeginEditItem 1 1"}, host.m_calls);
    EXPECT_STREQ("new", EditorText());
    EXPECT_EQ(grid.m_hWnd, Focus());
    EXPECT_EQ(GridCell(1, 1), Cur());
    EXPECT_FALSE(grid.IsModified());

    // Emptied by RemoveItemsAtAndBelow, the current line is still the append line.
    host.m_calls.clear();
    grid.RemoveItemsAtAndBelow(1);
    EXPECT_EQ(Strings{"BeginEditItem 1 1"}, host.m_calls);
    EXPECT_STREQ("", EditorText());
    EXPECT_EQ("box 1 1, lines 1", Box());
}

TEST_F(GridModelWithEditor, AStoreThatLeavesTheCurrentLineUnreachableClosesTheEditor)
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

class GridModelCorrectingListener : public GridModelWithEditor
{
protected:
    GridModelCorrectingListener() : GridModelWithEditor(new CapitalsHost) {}
};

} // namespace

TEST_F(GridModelCorrectingListener, AStoreWhileTheUserTypesKeepsTheEditorFocusedAtItsCaret)
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
    EXPECT_EQ((Strings{"ItemChanged 0 0 text=ax0 index=-1", "BeginEditItem 0 0", "ContentChanged",
                       "ItemChanged 0 0 text=AXy0 index=-1", "BeginEditItem 0 0", "ContentChanged"}),
              host.m_calls);
}
