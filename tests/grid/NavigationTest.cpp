// NavigationTest.cpp: the white box moved by keys through the dialog's message pump: arrows within
// the reachable lines, Tab around locked cells and out of the grid, Home and End, lines moved with
// Ctrl and selected with Shift.
#include "NavigationFixture.h"

#include "core/KwClipboard.h"
#include "support/MessageRecorder.h"

typedef GridNavigationTest GridKeys;

TEST_F(GridKeys, ArrowsMoveWithinTheReachableLinesAndWrapAtTheLineEnds)
{
    Fill(2); // insert mode 1: lines 0 and 1, and the empty line after them
    FocusGrid();
    EXPECT_EQ(GridCell(0, 0), Cur());
    EXPECT_EQ(std::vector<UINT>{0}, Selection());

    host.PressKey(VK_LEFT);
    host.PressKey(VK_UP);
    EXPECT_EQ(GridCell(0, 0), Cur()); // nothing before the first cell

    host.PressKey(VK_RIGHT);
    host.PressKey(VK_RIGHT);
    EXPECT_EQ(GridCell(2, 0), Cur());
    host.PressKey(VK_RIGHT);
    EXPECT_EQ(GridCell(0, 1), Cur()); // on to the next line
    EXPECT_EQ(std::vector<UINT>{1}, Selection());
    host.PressKey(VK_LEFT);
    EXPECT_EQ(GridCell(2, 0), Cur()); // and back

    host.PressKey(VK_DOWN);
    host.PressKey(VK_DOWN);
    EXPECT_EQ(GridCell(2, 2), Cur()); // the append line
    host.PressKey(VK_DOWN);
    EXPECT_EQ(GridCell(2, 2), Cur());
    EXPECT_EQ(std::vector<UINT>{2}, Selection());
    EXPECT_EQ(host.m_grid.m_hWnd, Focus()); // the dialog took none of these keys
    EXPECT_EQ(2u, host.m_grid.GetLineCount());
}

TEST_F(GridKeys, FixedLinesStopTheBoxAtTheLastStoredLineUnlimitedOnesDoNot)
{
    Fill(2);
    host.m_grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
    FocusGrid();
    host.PressKey(VK_DOWN);
    host.PressKey(VK_DOWN);
    EXPECT_EQ(GridCell(0, 1), Cur());
    host.PressKey(VK_END);
    host.PressKey(VK_RIGHT);
    EXPECT_EQ(GridCell(2, 1), Cur());

    host.m_grid.SetInsertMode(CKwGridCtrl::eInsertUnlimited);
    for (int i = 0; i < 4; i++)
        host.PressKey(VK_DOWN);
    EXPECT_EQ(GridCell(2, 5), Cur());
    EXPECT_EQ(2u, host.m_grid.GetLineCount()); // moving stores nothing
}

TEST_F(GridKeys, TabSkipsLockedCellsWrappingToTheNextLineAndShiftTabComesBack)
{
    Fill(3);
    Lock(1, 0);
    Lock(0, 1);
    FocusGrid();
    std::vector<GridCell> visited;
    for (int i = 0; i < 3; i++)
    {
        host.PressKey(VK_TAB);
        visited.push_back(Cur());
    }
    for (int i = 0; i < 3; i++)
    {
        host.PressKey(VK_TAB, {VK_SHIFT});
        visited.push_back(Cur());
    }
    std::vector<GridCell> expected = {GridCell(2, 0), GridCell(1, 1), GridCell(2, 1),
                                      GridCell(1, 1), GridCell(2, 0), GridCell(0, 0)};
    EXPECT_EQ(expected, visited);
    EXPECT_EQ(std::vector<UINT>{0}, Selection());
    host.PressKey(VK_DOWN); // Up and Down do not look at locks
    EXPECT_EQ(GridCell(0, 1), Cur());
}

TEST_F(GridKeys, TabOnTheLastFreeCellLeavesTheGridAndShiftTabOnTheFirstGoesBack)
{
    Fill(2);
    Lock(2, 2); // the append line's last cell: its middle one is the last free cell
    FocusGrid();
    host.PressKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(DlgItem(IDC_GRIDHOST_BEFORE), Focus());
    EXPECT_EQ(GridCell(0, 0), Cur());

    FocusGrid();
    host.PressKey(VK_DOWN);
    host.PressKey(VK_DOWN);
    host.PressKey(VK_RIGHT);
    ASSERT_EQ(GridCell(1, 2), Cur());
    host.PressKey(VK_TAB);
    EXPECT_EQ(DlgItem(IDC_GRIDHOST_AFTER), Focus());
    EXPECT_EQ(GridCell(1, 2), Cur());
}

TEST_F(GridKeys, HomeAndEndGoToTheCornersAndAwayFromLockedCells)
{
    Fill(3);
    FocusGrid();
    host.PressKey(VK_END);
    EXPECT_EQ(GridCell(2, 2), Cur()); // the last stored line, not the append line
    host.PressKey(VK_HOME);
    EXPECT_EQ(GridCell(0, 0), Cur());

    Lock(2, 2);
    Lock(0, 0);
    host.PressKey(VK_END);
    EXPECT_EQ(GridCell(1, 2), Cur());
    EXPECT_EQ(std::vector<UINT>{2}, Selection());
    host.PressKey(VK_HOME);
    EXPECT_EQ(GridCell(1, 0), Cur());
}

TEST_F(GridKeys, ShiftArrowsExtendTheSelectionFromWhereTheBoxWas)
{
    Fill(5);
    FocusGrid();
    host.PressKey(VK_DOWN);
    host.PressKey(VK_DOWN, {VK_SHIFT});
    host.PressKey(VK_DOWN, {VK_SHIFT});
    EXPECT_EQ((std::vector<UINT>{1, 2, 3}), Selection());
    host.PressKey(VK_UP, {VK_SHIFT});
    EXPECT_EQ((std::vector<UINT>{1, 2}), Selection());
    host.PressKey(VK_DOWN);
    EXPECT_EQ(std::vector<UINT>{3}, Selection());
    EXPECT_EQ(GridCell(0, 3), Cur());
}

TEST_F(GridKeys, CtrlDownCarriesTheLineDownWithTheBoxWhenTheListenerAllowsElseMovesOnlyTheBox)
{
    Fill(5);
    FocusGrid();
    host.PressKey(VK_DOWN);
    host.PressKey(VK_DOWN);
    host.PressKey(VK_RIGHT);
    host.m_calls.clear();
    host.m_grid.SetModified(FALSE);

    host.PressKey(VK_DOWN, {VK_CONTROL});
    std::vector<std::string> expected = {"CanSwapLines 2 3", "ContentChanged", "BeginEditItem 1 3"};
    EXPECT_EQ(expected, host.m_calls);
    EXPECT_EQ(GridCell(1, 3), Cur());
    EXPECT_EQ(std::vector<UINT>{3}, Selection());
    for (UINT nColumn = 0; nColumn < 3; nColumn++)
    {
        EXPECT_EQ(Name(nColumn, 2), host.m_grid.GetItemText(nColumn, 3));
        EXPECT_EQ(Name(nColumn, 3), host.m_grid.GetItemText(nColumn, 2));
    }
    EXPECT_TRUE(host.m_grid.IsModified());

    host.m_calls.clear();
    host.PressKey(VK_UP, {VK_CONTROL});
    expected = {"CanSwapLines 3 2", "ContentChanged", "BeginEditItem 1 2"};
    EXPECT_EQ(expected, host.m_calls);
    EXPECT_EQ(Name(1, 2), host.m_grid.GetItemText(1, 2));
    EXPECT_EQ(GridCell(1, 2), Cur());

    // Refused: only the box moves.
    host.m_bCanSwapLines = FALSE;
    host.m_calls.clear();
    host.m_grid.SetModified(FALSE);
    host.PressKey(VK_DOWN, {VK_CONTROL});
    expected = {"CanSwapLines 2 3", "BeginEditItem 1 3"};
    EXPECT_EQ(expected, host.m_calls);
    EXPECT_EQ(GridCell(1, 3), Cur());
    EXPECT_EQ(Name(1, 2), host.m_grid.GetItemText(1, 2));
    EXPECT_FALSE(host.m_grid.IsModified());
}

TEST_F(GridKeys, CtrlDownOnTheLastStoredLineTakesItIntoTheAppendLine)
{
    Fill(2);
    FocusGrid();
    host.PressKey(VK_DOWN);
    host.PressKey(VK_DOWN, {VK_CONTROL});
    EXPECT_EQ(GridCell(0, 2), Cur());
    EXPECT_EQ(3u, host.m_grid.GetLineCount()); // line 1 is empty now, line 2 holds what it held
    EXPECT_EQ("", host.m_grid.GetItemText(0, 1));
    EXPECT_EQ(Name(0, 1), host.m_grid.GetItemText(0, 2));
}

TEST_F(GridKeys, TypedKeysDoNothingWithoutACurrentCell)
{
    host.m_grid.SetInsertMode(CKwGridCtrl::eInsertFixed); // no line can be reached
    host.m_grid.SetFocus(); // opens nothing either
    host.Pump();
    EXPECT_EQ(GridCell(none, none), Cur());
    host.PressKey('5');
    host.PressKey('K');
    host.PressKey(VK_RETURN);
    host.PressKey(VK_DOWN);
    host.PressKey(VK_HOME);
    host.PressKey(VK_END);
    EXPECT_EQ(GridCell(none, none), Cur()); // Home and End find no cell either
    EXPECT_TRUE(host.m_calls.empty());
    EXPECT_EQ(NULL, Editor());
    CKwClipboard::PutText("pasted");
    host.PressKey('V', {VK_CONTROL});
    EXPECT_EQ(0u, host.m_grid.GetLineCount()); // so nothing is pasted into the fixed grid
    EXPECT_EQ(std::vector<std::string>{"CanPaste"}, host.m_calls);
    EXPECT_EQ(host.m_grid.m_hWnd, Focus());
}

// An unlimited grid whose listener locks every line from line 3 on, as a host does to cap its
// lines. It frees every cell after 100000 questions, so that a search that would ask about every
// line up to the last fails the test instead of running for hours.
class CappedHost : public GridHost
{
public:
    BOOL CKwGridCtrlListener_OnLockItem(UINT, UINT nLine, CKwGridCtrl*) override { return ++m_nAsked < 100000 && nLine >= 3; }
    int m_nAsked = 0;
};

struct SearchAccess : CKwGridCtrl
{
    static BOOL CanDown(CKwGridCtrl& grid) { return (grid.*&SearchAccess::CanWhiteBoxDown)(); }
};

class GridKeysCapped : public GridNavigationTest
{
protected:
    GridKeysCapped() : GridNavigationTest(new CappedHost) {}
};

TEST_F(GridKeysCapped, SearchesOfAnUnlimitedGridEndAfterAWholeLockedLineBeyondTheStoredOnes)
{
    Fill(2);
    host.m_grid.SetInsertMode(CKwGridCtrl::eInsertUnlimited);
    FocusGrid();
    host.PressKey(VK_DOWN); // the first line beyond the stored ones is free
    host.PressKey(VK_DOWN);
    host.PressKey(VK_RIGHT);
    host.PressKey(VK_RIGHT);
    host.PressKey(VK_RIGHT);
    EXPECT_EQ(GridCell(2, 2), Cur());
    EXPECT_FALSE(SearchAccess::CanDown(host.m_grid));
    host.PressKey(VK_TAB);
    EXPECT_EQ(DlgItem(IDC_GRIDHOST_AFTER), Focus());
    EXPECT_EQ(GridCell(2, 2), Cur());
    EXPECT_LT(static_cast<CappedHost&>(host).m_nAsked, 100);
}

TEST_F(GridKeys, MovesScrollTheNewLineIntoViewAndClicksCountFromTheTopLine)
{
    Fill(30);
    FocusGrid();
    HWND hScrollBar = ::GetDlgItem(host.m_grid.m_hWnd, 3);
    for (int i = 0; i < 20; i++)
        host.PressKey(VK_DOWN);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    ASSERT_TRUE(::GetScrollInfo(hScrollBar, SB_CTL, &si));
    ASSERT_GT(si.nPos, 0);
    EXPECT_EQ(20, si.nPos + (int)si.nPage - 1); // the current line is the last one shown whole

    Click(1, 0); // the first line shown
    EXPECT_EQ(GridCell(1, (UINT)si.nPos), Cur());

    host.PressKey(VK_HOME);
    ASSERT_TRUE(::GetScrollInfo(hScrollBar, SB_CTL, &si));
    EXPECT_EQ(0, si.nPos);
}

TEST_F(GridKeys, ATypedKeyIsNotTypedAgainWhenNoEditorTookTheFocus)
{
    Fill(2);
    host.m_bAllowEdit = FALSE;
    FocusGrid();
    host.PressKey('7');
    EXPECT_EQ(std::vector<std::string>{"BeginEditItem 0 0"}, host.m_calls); // asked once, not again and again
    EXPECT_EQ(NULL, Editor());
    EXPECT_EQ(host.m_grid.m_hWnd, Focus());
    EXPECT_EQ(Name(0, 0), host.m_grid.GetItemText(0, 0));
}

// A parent that is no listener: no cell is locked and nothing is asked.
TEST(GridKeysWithoutListener, TabVisitsEveryCellAndThenLeaves)
{
    GridWithoutListener parent;
    CKwGridCtrl& grid = parent.grid;
    grid.SetTextItem(1, 0, "x");
    grid.SetFocus();
    PumpWithPreTranslate();
    std::vector<GridCell> visited;
    for (int i = 0; i < 4; i++)
    {
        ::keybd_event(VK_TAB, 0, 0, 0);
        ::keybd_event(VK_TAB, 0, KEYEVENTF_KEYUP, 0);
        PumpWithPreTranslate(50);
        GridCell cell;
        grid.GetCurItem(cell.first, cell.second);
        visited.push_back(cell);
    }
    std::vector<GridCell> expected = {GridCell(1, 0), GridCell(0, 1), GridCell(1, 1), GridCell(1, 1)};
    EXPECT_EQ(expected, visited);
    EXPECT_EQ(::GetDlgItem(parent.dlg.m_hWnd, IDC_GRIDHOST_AFTER), ::GetFocus()) << "the last Tab left the grid";
}

TEST_F(GridKeys, EditKeysCopyCutPasteAndClearWholeLines)
{
    Fill(4);
    FocusGrid();
    host.PressKey(VK_DOWN);
    auto firstColumn = [this]() {
        std::vector<std::string> texts;
        for (UINT nLine = 0; nLine < host.m_grid.GetLineCount(); nLine++)
            texts.push_back((const char*)host.m_grid.GetItemText(0, nLine));
        return texts;
    };
    typedef std::vector<std::string> Texts;

    CKwClipboard::PutText("before");
    host.PressKey('C', {VK_CONTROL});
    EXPECT_STREQ("a1\tb1\tc1", CKwClipboard::GetText());
    CKwClipboard::PutText("before");
    host.PressKey(VK_INSERT, {VK_CONTROL});
    EXPECT_STREQ("a1\tb1\tc1", CKwClipboard::GetText());

    host.PressKey(VK_DELETE, {VK_SHIFT});
    EXPECT_EQ((Texts{"a0", "a2", "a3"}), firstColumn());
    host.PressKey('V', {VK_CONTROL});
    EXPECT_EQ((Texts{"a0", "a1", "a2", "a3"}), firstColumn());
    host.PressKey(VK_INSERT, {VK_SHIFT});
    EXPECT_EQ((Texts{"a0", "a1", "a1", "a2", "a3"}), firstColumn());
    host.PressKey(VK_DELETE);
    EXPECT_EQ((Texts{"a0", "a1", "a2", "a3"}), firstColumn());

    CKwClipboard::PutText("before");
    host.PressKey('X', {VK_CONTROL});
    EXPECT_EQ((Texts{"a0", "a2", "a3"}), firstColumn());
    EXPECT_STREQ("a1\tb1\tc1", CKwClipboard::GetText());
    host.PressKey(VK_INSERT);
    host.PressKey('V', {VK_MENU}); // Alt+V belongs to the dialog's mnemonics
    EXPECT_EQ((Texts{"a0", "a2", "a3"}), firstColumn());
    EXPECT_EQ(host.m_grid.m_hWnd, Focus());
}
