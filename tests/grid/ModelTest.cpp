// ModelTest.cpp: the grid's cells and lines: storage and trimming, reads through the listener,
// typed setters, insert modes, line swaps, and a parent that is no listener.
#include "GridAccess.h"
#include "NavigationFixture.h"

#include "core/KwClipboard.h"
#include "grid/KwHeaderCtrl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Calls;

CKwGridCtrlItem TextItem(const char* pszText)
{
    CKwGridCtrlItem item;
    item.sText = pszText;
    return item;
}

CKwGridCtrlItem ItemAt(CKwGridCtrl& grid, UINT nColumn, UINT nLine)
{
    CKwGridCtrlItem item;
    grid.GetItem(nColumn, nLine, item);
    return item;
}

std::vector<std::string> Texts(CKwGridCtrl& grid) { return GridHost::Texts(grid); }

// A grid in a dialog whose columns each test adds.
class GridModel : public ::testing::Test
{
protected:
    GridHost host;
    CKwGridCtrl& grid = host.m_grid;
};

} // namespace

TEST(GridItem, EmptinessCountsContentAndDataOnly)
{
    CKwGridCtrlItem item;
    EXPECT_TRUE(item.IsEmpty());
    EXPECT_EQ(-1, item.nIndex);
    EXPECT_EQ(0xFFFFFFFFu, item.clrText);

    CStringArray choices;
    item.clrText = RGB(255, 0, 0);
    item.bBold = TRUE;
    item.pChoices = &choices;
    EXPECT_TRUE(item.IsEmpty());

    // An index drop-down without a choice is empty whatever its text says.
    item.nType = CKwGridCtrlItem::eIndexDropDown;
    item.sText = "ignored";
    EXPECT_TRUE(item.IsEmpty());
    item.nIndex = 0;
    EXPECT_FALSE(item.IsEmpty());

    CKwGridCtrlItem onlyData;
    onlyData.pData = &choices;
    EXPECT_FALSE(onlyData.IsEmpty());
    onlyData.nType = CKwGridCtrlItem::eEditableDropDown;
    onlyData.pData = NULL;
    onlyData.sText = "x";
    EXPECT_FALSE(onlyData.IsEmpty());
}

// The slot of a virtual operation in the table, read from its member pointer (which holds the
// slot's byte offset plus one in this compiler's ABI).
template<class F>
ptrdiff_t Slot(F f)
{
    ptrdiff_t offset;
    memcpy(&offset, &f, sizeof(offset));
    return (offset - 1) / (ptrdiff_t)sizeof(void*);
}

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

TEST_F(GridModel, ChildWindowsAndInitialState)
{
    HWND hHeader = ::GetDlgItem(host.m_grid.m_hWnd, 1);
    HWND hScroll = ::GetDlgItem(host.m_grid.m_hWnd, 3);
    ASSERT_TRUE(hHeader != NULL);
    ASSERT_TRUE(hScroll != NULL);
    EXPECT_EQ(host.m_grid.GetHeaderCtrl()->m_hWnd, hHeader);
    EXPECT_EQ(0x54000003, ::GetWindowLongA(hHeader, GWL_STYLE) & 0xFFFF00FF);
    EXPECT_EQ(0x40000001, ::GetWindowLongA(hScroll, GWL_STYLE));
    char szClass[32];
    ::GetClassNameA(hScroll, szClass, sizeof(szClass));
    EXPECT_STREQ("ScrollBar", szClass);
    EXPECT_FALSE(::IsWindowVisible(hScroll));

    UINT nColumn = 0, nLine = 0;
    host.m_grid.GetCurItem(nColumn, nLine);
    EXPECT_EQ(0xFFFFFFFFu, nColumn);
    EXPECT_EQ(0xFFFFFFFFu, nLine);
    EXPECT_EQ(0u, host.m_grid.GetColumnCount());
    EXPECT_EQ(0u, host.m_grid.GetLineCount());
    EXPECT_EQ(CKwGridCtrl::eInsertAppendLine, host.m_grid.GetInsertMode());
    EXPECT_FALSE(host.m_grid.GetReadOnly());
    EXPECT_FALSE(host.m_grid.IsModified());
    EXPECT_TRUE(host.m_calls.empty());
}

TEST_F(GridModel, InitializeReplacesAnyPlaceholderWithItsExtendedStyles)
{
    HWND hBefore = ::GetDlgItem(host.m_hWnd, IDC_GRIDHOST_BEFORE);
    CRect rectPlaceholder;
    ::GetWindowRect(hBefore, &rectPlaceholder);
    ::MapWindowPoints(NULL, host.m_hWnd, (LPPOINT)&rectPlaceholder, 2);

    CKwGridCtrl first;
    ASSERT_TRUE(first.Initialize(IDC_GRIDHOST_BEFORE, &host, WS_EX_CLIENTEDGE));
    EXPECT_FALSE(::IsWindow(hBefore));
    EXPECT_EQ(first.m_hWnd, ::GetDlgItem(host.m_hWnd, IDC_GRIDHOST_BEFORE));
    EXPECT_EQ(first.m_hWnd, ::GetWindow(host.m_hWnd, GW_CHILD)); // the first in the tab order
    EXPECT_EQ(host.m_grid.m_hWnd, ::GetWindow(first.m_hWnd, GW_HWNDNEXT));
    EXPECT_TRUE(::GetWindowLongA(first.m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    CRect rect;
    ::GetWindowRect(first.m_hWnd, &rect);
    ::MapWindowPoints(NULL, host.m_hWnd, (LPPOINT)&rect, 2);
    EXPECT_EQ(rectPlaceholder, rect);

    // Without a placeholder nothing is created.
    CKwGridCtrl missing;
    EXPECT_FALSE(missing.Initialize(4711, &host));
    EXPECT_TRUE(missing.m_hWnd == NULL);
    EXPECT_FALSE(missing.Initialize(IDC_GRIDHOST_AFTER, NULL));
    EXPECT_TRUE(::IsWindow(::GetDlgItem(host.m_hWnd, IDC_GRIDHOST_AFTER)));
}

TEST_F(GridModel, LinesComeIntoBeingAndAreTrimmedBack)
{
    host.AddColumns(3);

    grid.SetTextItem(1, 5, "x");
    EXPECT_EQ(6u, grid.GetLineCount());
    EXPECT_EQ((std::vector<std::string>{"||", "||", "||", "||", "||", "|x|"}), Texts(grid));

    // Empty lines above the last non-empty one stay.
    grid.SetTextItem(0, 2, "y");
    grid.SetItem(1, 5, CKwGridCtrlItem());
    EXPECT_EQ(3u, grid.GetLineCount());
    grid.SetItem(0, 2, CKwGridCtrlItem());
    EXPECT_EQ(0u, grid.GetLineCount());

    // Stores beyond the columns or at no line are ignored; reads there give default cells.
    grid.SetTextItem(3, 0, "z");
    EXPECT_EQ(0u, grid.GetLineCount());
    EXPECT_NO_THROW(grid.SetTextItem(0, 0xFFFFFFFF, "z"));
    EXPECT_EQ(0u, grid.GetLineCount());
    CKwGridCtrlItem item = TextItem("junk");
    item.nIndex = 4;
    grid.GetItem(3, 0, item);
    EXPECT_TRUE(item.sText.IsEmpty());
    EXPECT_EQ(-1, item.nIndex);

    // A cell holding only data keeps its line.
    grid.SetItemData(2, 1, &host);
    EXPECT_EQ(2u, grid.GetLineCount());
    EXPECT_EQ(&host, grid.GetItemData(2, 1));
    grid.SetItemData(2, 1, NULL);
    EXPECT_EQ(0u, grid.GetLineCount());

    // Stores by the program are no changes by the user.
    EXPECT_FALSE(grid.IsModified());
    EXPECT_EQ(Calls{}, host.m_calls);
}

TEST_F(GridModel, TypedSettersStoreTheirTypeAndLeaveTheRestDefault)
{
    host.AddColumns(4);
    grid.SetTextItem(0, 0, "t");
    grid.SetIndexDropDownItem(1, 0, 2);
    grid.SetTextDropDownItem(2, 0, "d");
    grid.SetEditableDropDownItem(3, 0, "e");

    const int types[] = {0, 1, 2, 3};
    const char* texts[] = {"t", "", "d", "e"};
    const int indexes[] = {-1, 2, -1, -1};
    for (UINT c = 0; c < 4; c++)
    {
        CKwGridCtrlItem item;
        grid.GetItem(c, 0, item);
        EXPECT_EQ(types[c], item.nType) << c;
        EXPECT_STREQ(texts[c], item.sText) << c;
        EXPECT_EQ(indexes[c], item.nIndex) << c;
        EXPECT_TRUE(item.pChoices == NULL) << c;
        EXPECT_EQ(0xFFFFFFFFu, item.clrText) << c;
        EXPECT_FALSE(item.bBold) << c;
    }
    EXPECT_EQ(2, grid.GetItemIndex(1, 0));
    grid.SetItemIndex(1, 0, -1);
    EXPECT_EQ(1u, grid.GetLineCount()); // the other cells still hold something
    grid.SetItemText(0, 0, "");
    grid.SetItemText(2, 0, "");
    grid.SetItemText(3, 0, "");
    EXPECT_EQ(0u, grid.GetLineCount());
}

TEST_F(GridModel, EveryReadGoesThroughTheListener)
{
    host.AddColumns(3);
    CStringArray choices;
    choices.Add("one");
    host.m_supplyItem = [&](UINT nColumn, UINT nLine, CKwGridCtrlItem& item) {
        if (nColumn == 1)
            item.pChoices = &choices;
    };
    host.m_bRecordGetItem = true;

    // A read of a column beyond the grid still asks, with that column.
    CKwGridCtrlItem item;
    grid.GetItem(7, 0, item);
    EXPECT_EQ(Calls{"GetItem 7 0"}, host.m_calls);
    EXPECT_TRUE(item.IsEmpty());

    // SetItemText reads first, so what the listener supplied is stored with the text.
    host.m_calls.clear();
    grid.SetItemText(1, 2, "abc");
    EXPECT_EQ(Calls{"GetItem 1 2"}, host.m_calls);
    host.m_supplyItem = nullptr;
    grid.GetItem(1, 2, item);
    EXPECT_EQ(&choices, item.pChoices);
    EXPECT_STREQ("abc", item.sText);
    EXPECT_EQ(3u, grid.GetLineCount());
}

TEST_F(GridModel, ColumnsAddedLaterReadDefaultUntilStored)
{
    host.AddColumns(1);
    grid.SetTextItem(0, 1, "a");
    host.m_grid.AddColumn("B", 50);
    EXPECT_EQ(2u, grid.GetColumnCount());
    CKwGridCtrlItem item = TextItem("junk");
    grid.GetItem(1, 1, item);
    EXPECT_TRUE(item.IsEmpty());

    grid.SetTextItem(1, 0, "b");
    grid.SetTextItem(1, 1, "c");
    EXPECT_EQ((std::vector<std::string>{"|b", "a|c"}), Texts(grid));
    grid.SetItemText(0, 1, "");
    grid.SetItemText(1, 1, "");
    EXPECT_EQ((std::vector<std::string>{"|b"}), Texts(grid));
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
    EXPECT_EQ((std::vector<std::string>{"a|"}), Texts(grid));
    grid.RemoveItemsAtAndBelow(0);
    EXPECT_EQ(0u, grid.GetLineCount());
    EXPECT_EQ(Calls{}, host.m_calls);
}

TEST_F(GridModel, TheLineLimitFollowsTheInsertMode)
{
    host.AddColumns(2);
    EXPECT_EQ(1u, grid.GetLineCountLimit());
    grid.SetTextItem(1, 2, "x");
    EXPECT_EQ(4u, grid.GetLineCountLimit());
    grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
    EXPECT_EQ(CKwGridCtrl::eInsertFixed, grid.GetInsertMode());
    EXPECT_EQ(3u, grid.GetLineCountLimit());
    grid.SetInsertMode(CKwGridCtrl::eInsertUnlimited);
    EXPECT_EQ(0xFFFFFFFFu, grid.GetLineCountLimit());
}

TEST_F(GridModel, AStoreThatLeavesTheWhiteBoxBeyondTheLimitClearsItAndTheSelection)
{
    host.AddColumns(2);
    grid.SetTextItem(0, 3, "x");
    GridAccess::SetCurrent(grid, 1, 4); // the append line
    grid.SetTextItem(0, 1, "y");
    UINT nColumn, nLine;
    grid.GetCurItem(nColumn, nLine);
    EXPECT_EQ(1u, nColumn);
    EXPECT_EQ(4u, nLine);
    EXPECT_EQ(1u, grid.GetSelectionCount());

    grid.SetItem(0, 3, CKwGridCtrlItem()); // now 2 lines, limit 3
    grid.GetCurItem(nColumn, nLine);
    EXPECT_EQ(0xFFFFFFFFu, nColumn);
    EXPECT_EQ(0xFFFFFFFFu, nLine);
    EXPECT_EQ(0u, grid.GetSelectionCount());

    // Unlimited: the white box may stay anywhere.
    grid.SetInsertMode(CKwGridCtrl::eInsertUnlimited);
    GridAccess::SetCurrent(grid, 0, 9);
    grid.SetTextItem(1, 0, "z");
    grid.GetCurItem(nColumn, nLine);
    EXPECT_EQ(9u, nLine);
}

TEST_F(GridModel, ReadOnlyIsAFlagThatRepaintsOnChange)
{
    host.AddColumns(1);
    grid.UpdateWindow();
    grid.SetReadOnly(TRUE);
    EXPECT_TRUE(grid.GetReadOnly());
    EXPECT_TRUE(::GetUpdateRect(grid.m_hWnd, NULL, FALSE));
    grid.UpdateWindow();
    grid.SetReadOnly(5); // no change
    EXPECT_FALSE(::GetUpdateRect(grid.m_hWnd, NULL, FALSE));
    grid.SetReadOnly(FALSE);
    EXPECT_FALSE(grid.GetReadOnly());
    EXPECT_TRUE(::GetUpdateRect(grid.m_hWnd, NULL, FALSE));
}

TEST_F(GridModel, LinesSwapCellByCellWhenTheListenerAllows)
{
    host.AddColumns(2);
    grid.SetTextItem(0, 0, "a");
    grid.SetTextItem(1, 1, "b");
    grid.SetIndexDropDownItem(0, 2, 1);

    GridAccess::Swap(grid, 0, 1);
    EXPECT_EQ((std::vector<std::string>{"|b", "a|", "|"}), Texts(grid));
    EXPECT_EQ(1, grid.GetItemIndex(0, 2));
    EXPECT_EQ((Calls{"CanSwapLines 0 1", "ContentChanged"}), host.m_calls);
    EXPECT_TRUE(grid.IsModified());

    // With the append line: the last line moves down and the empty one is trimmed away.
    host.m_calls.clear();
    GridAccess::Swap(grid, 2, 3);
    EXPECT_EQ(4u, grid.GetLineCount());
    EXPECT_EQ(1, grid.GetItemIndex(0, 3));
    EXPECT_EQ(CKwGridCtrlItem::eIndexDropDown, ItemAt(grid, 0, 3).nType);
    GridAccess::Swap(grid, 3, 2);
    EXPECT_EQ(3u, grid.GetLineCount());

    host.m_calls.clear();
    host.m_bCanSwapLines = FALSE;
    grid.SetModified(FALSE);
    GridAccess::Swap(grid, 0, 1);
    EXPECT_EQ((std::vector<std::string>{"|b", "a|", "|"}), Texts(grid));
    EXPECT_EQ(Calls{"CanSwapLines 0 1"}, host.m_calls);
    EXPECT_FALSE(grid.IsModified());
}

namespace {

// A plain top-level window as the grid's parent: it implements no listener.
struct PlainParent
{
    PlainParent()
    {
        wnd.CreateEx(0, NULL, "plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, NULL, NULL, NULL);
        grid.Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 380, 250), &wnd, 100);
        grid.AddColumn("A", 80);
        grid.AddColumn("B", 80);
        ::SetForegroundWindow(wnd.m_hWnd);
    }
    ~PlainParent() { wnd.DestroyWindow(); }
    CWnd wnd;
    CKwGridCtrl grid;
};

} // namespace

TEST(GridWithoutListener, EverythingIsAllowedAndNoCellIsLocked)
{
    PlainParent parent;
    CKwGridCtrl& grid = parent.grid;
    ASSERT_TRUE(::IsWindow(grid.m_hWnd));
    EXPECT_EQ(WS_CLIPCHILDREN, (DWORD)::GetWindowLongA(grid.m_hWnd, GWL_STYLE) & WS_CLIPCHILDREN);
    grid.SetTextItem(0, 0, "a");
    grid.SetTextItem(1, 1, "b");
    EXPECT_STREQ("a", grid.GetItemText(0, 0));
    GridAccess::Swap(grid, 0, 1);
    EXPECT_EQ((std::vector<std::string>{"|b", "a|"}), Texts(grid));
    EXPECT_TRUE(grid.IsModified());
    EXPECT_FALSE(GridAccess::Locked(grid, 0, 0));
    EXPECT_FALSE(GridAccess::Locked(grid, 1, 5));

    ::SetFocus(grid.m_hWnd);
    ASSERT_EQ(grid.m_hWnd, ::GetFocus());
    GridAccess::SetCurrent(grid, 0, 1);
    CKwClipboard::PutText("x\ty");
    EXPECT_TRUE(grid.IsPasteAllowed());
    EXPECT_TRUE(grid.IsClearAllowed());
    EXPECT_TRUE(grid.IsCopyAllowed());
    grid.SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ((std::vector<std::string>{"|b", "x|y", "a|"}), Texts(grid));
    grid.SendMessage(WM_COMMAND, ID_EDIT_CLEAR);
    EXPECT_EQ((std::vector<std::string>{"|b", "a|"}), Texts(grid));
}

namespace {

// A grid of three filled text columns with the white box and an editor placed by clicks.
class GridModelWithEditor : public GridNavigationTest
{
protected:
    CString EditorText()
    {
        CString sText;
        if (host.m_grid.GetEditor() != NULL)
            host.m_grid.GetEditor()->GetWindowText(sText);
        return sText;
    }
    CKwGridCtrl& grid = host.m_grid;
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
    EXPECT_EQ(Calls{"BeginEditItem 1 1"}, host.m_calls);
    EXPECT_STREQ("new", EditorText());
    EXPECT_EQ(grid.m_hWnd, Focus());
    EXPECT_EQ(GridCell(1, 1), Cur());
    EXPECT_FALSE(grid.IsModified());

    // Emptied by RemoveItemsAtAndBelow, the current line is still the append line.
    host.m_calls.clear();
    grid.RemoveItemsAtAndBelow(1);
    EXPECT_EQ(Calls{"BeginEditItem 1 1"}, host.m_calls);
    EXPECT_STREQ("", EditorText());
    EXPECT_EQ(GridCell(1, 1), Cur());
    EXPECT_EQ(std::vector<UINT>{1}, Selection());
}

TEST_F(GridModelWithEditor, AStoreThatLeavesTheCurrentLineUnreachableClosesTheEditor)
{
    Fill(3);
    Click(2, 2);
    ASSERT_TRUE(grid.GetEditor() != NULL);
    host.m_calls.clear();
    grid.RemoveItemsAtAndBelow(1); // one line left, the append line is 1
    EXPECT_TRUE(grid.GetEditor() == NULL);
    EXPECT_EQ(GridCell(none, none), Cur());
    EXPECT_TRUE(Selection().empty());
    EXPECT_TRUE(host.m_calls.empty());

    // Fixed lines: emptying the last line makes it unreachable.
    grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
    Fill(3);
    Click(0, 2);
    ASSERT_TRUE(grid.GetEditor() != NULL);
    grid.SetTextItem(0, 2, "");
    grid.SetTextItem(1, 2, "");
    EXPECT_EQ(GridCell(0, 2), Cur());
    grid.SetTextItem(2, 2, "");
    EXPECT_TRUE(grid.GetEditor() == NULL);
    EXPECT_EQ(GridCell(none, none), Cur());
}

TEST_F(GridModelWithEditor, BecomingReadOnlyClosesTheEditor)
{
    Fill(2);
    Click(0, 0);
    ASSERT_TRUE(grid.GetEditor() != NULL);
    host.m_calls.clear();
    grid.SetReadOnly(FALSE);
    EXPECT_TRUE(grid.GetEditor() != NULL);
    grid.SetReadOnly(TRUE);
    EXPECT_TRUE(grid.GetEditor() == NULL);
    EXPECT_EQ(GridCell(0, 0), Cur());
    grid.SetReadOnly(FALSE);
    EXPECT_TRUE(grid.GetEditor() == NULL);
    EXPECT_TRUE(host.m_calls.empty());
}

TEST_F(GridModelWithEditor, TheGridStartsWithTheDefaultGuiFontAndGoesWithItsEditor)
{
    EXPECT_EQ((LRESULT)::GetStockObject(DEFAULT_GUI_FONT), grid.SendMessage(WM_GETFONT));
    Fill(2);
    Click(0, 1);
    Click(0, 1); // the editor takes the focus
    HWND hEditor = Editor();
    ASSERT_EQ(hEditor, Focus());
    grid.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hEditor));
    EXPECT_TRUE(grid.GetEditor() == NULL);
    EXPECT_EQ(0u, grid.GetColumnCount());
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

class GridModelCorrectingListener : public GridNavigationTest
{
protected:
    GridModelCorrectingListener() : GridNavigationTest(new CapitalsHost) {}
};

} // namespace

TEST_F(GridModelCorrectingListener, AStoreWhileTheUserTypesKeepsTheEditorFocusedAtItsCaret)
{
    Fill(2);
    FocusGrid();
    Click(0, 0); // the white box is there already: the caret goes under the point
    ASSERT_EQ(Editor(), Focus());
    host.m_grid.GetEditor()->SendMessage(EM_SETSEL, 1, 1);
    host.m_calls.clear();
    host.PressKey('X');
    host.PressKey('Y');
    EXPECT_STREQ("AXY0", host.m_grid.GetItemText(0, 0));
    EXPECT_EQ(Editor(), Focus());
    EXPECT_EQ((Calls{"ItemChanged 0 0 text=ax0 index=-1", "BeginEditItem 0 0", "ContentChanged",
                     "ItemChanged 0 0 text=AXy0 index=-1", "BeginEditItem 0 0", "ContentChanged"}),
              host.m_calls);
}
