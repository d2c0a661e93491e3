// NavigationTest.cpp: the white box moved by keys through the dialog's message pump: arrows within
// the reachable lines, Tab out of the grid, Home and End, lines moved with Ctrl and selected with
// Shift, the edit keys. Where each move lands around locked cells is the navigator's tests.
#include "NavigationFixture.h"

#include "core/KwClipboard.h"

typedef GridNavigationTest GridKeys;

TEST_F(GridKeys, ArrowsMoveWithinTheReachableLinesAndWrapAtTheLineEnds)
{
    Fill(2); // insert mode 1: lines 0 and 1, and the empty line after them
    FocusGrid();
    host.PressKey(VK_UP);
    EXPECT_EQ("box 0 0, lines 0", Box()); // nothing above the first line
    host.PressKeys({VK_RIGHT, VK_RIGHT, VK_RIGHT});
    EXPECT_EQ("box 0 1, lines 1", Box()); // on to the next line
    host.PressKey(VK_LEFT);
    EXPECT_EQ(GridCell(2, 0), Cur()); // and back
    host.PressKeys({VK_DOWN, VK_DOWN, VK_DOWN});
    EXPECT_EQ("box 2 2, lines 2", Box()); // the append line, and no further
    EXPECT_EQ(grid.m_hWnd, Focus()); // the dialog took none of these keys
    EXPECT_EQ(2u, grid.GetLineCount());
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
    host.PressKeys({VK_DOWN, VK_DOWN, VK_RIGHT});
    ASSERT_EQ(GridCell(1, 2), Cur());
    host.PressKey(VK_TAB);
    EXPECT_EQ(DlgItem(IDC_GRIDHOST_AFTER), Focus());
    EXPECT_EQ(GridCell(1, 2), Cur());
}

TEST_F(GridKeys, ShiftArrowsAndShiftHomeExtendTheSelectionFromWhereTheBoxWas)
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
    EXPECT_EQ("box 0 3, lines 3", Box());
    // Where Home and End land around locked cells is the navigator's.
    host.PressKey(VK_END);
    EXPECT_EQ("box 2 4, lines 4", Box());
    host.PressKey(VK_HOME, {VK_SHIFT});
    EXPECT_EQ("box 0 0, lines 0 1 2 3 4", Box());
}

TEST_F(GridKeys, CtrlDownCarriesTheLineDownWithTheBoxWhenTheListenerAllowsElseMovesOnlyTheBox)
{
    Fill(5);
    FocusGrid();
    host.PressKeys({VK_DOWN, VK_DOWN, VK_RIGHT});
    host.m_calls.clear();
    grid.SetModified(FALSE);

    host.PressKey(VK_DOWN, {VK_CONTROL});
    EXPECT_EQ((Calls{"CanSwapLines 2 3", "ContentChanged", "BeginEditItem 1 3"}), host.m_calls);
    EXPECT_EQ("box 1 3, lines 3", Box());
    EXPECT_EQ((Calls{"a0|b0|c0", "a1|b1|c1", "a3|b3|c3", "a2|b2|c2", "a4|b4|c4"}),
              GridHost::Texts(grid));
    EXPECT_TRUE(grid.IsModified());

    host.m_calls.clear();
    host.PressKey(VK_UP, {VK_CONTROL});
    EXPECT_EQ((Calls{"CanSwapLines 3 2", "ContentChanged", "BeginEditItem 1 2"}), host.m_calls);
    EXPECT_EQ(Name(1, 2), grid.GetItemText(1, 2));
    EXPECT_EQ(GridCell(1, 2), Cur());

    // Refused: only the box moves.
    host.m_bCanSwapLines = FALSE;
    host.m_calls.clear();
    grid.SetModified(FALSE);
    host.PressKey(VK_DOWN, {VK_CONTROL});
    EXPECT_EQ((Calls{"CanSwapLines 2 3", "BeginEditItem 1 3"}), host.m_calls);
    EXPECT_EQ(GridCell(1, 3), Cur());
    EXPECT_EQ(Name(1, 2), grid.GetItemText(1, 2));
    EXPECT_FALSE(grid.IsModified());
}

TEST_F(GridKeys, TypedKeysDoNothingWithoutACurrentCell)
{
    grid.SetInsertMode(CKwGridCtrl::eInsertFixed); // no line can be reached
    grid.SetFocus(); // opens nothing either
    host.Pump();
    EXPECT_EQ(GridCell(none, none), Cur());
    host.PressKeys({'5', 'K', VK_RETURN, VK_DOWN, VK_HOME, VK_END});
    EXPECT_EQ(GridCell(none, none), Cur()); // Home and End find no cell either
    EXPECT_TRUE(host.m_calls.empty());
    EXPECT_EQ(NULL, Editor());
    CKwClipboard::PutText("pasted");
    host.PressKey('V', {VK_CONTROL});
    EXPECT_EQ(0u, grid.GetLineCount()); // so nothing is pasted into the fixed grid
    EXPECT_EQ(Calls{"CanPaste"}, host.m_calls);
    EXPECT_EQ(grid.m_hWnd, Focus());
}

TEST_F(GridKeys, MovesScrollTheNewLineIntoViewAndClicksCountFromTheTopLine)
{
    Fill(30);
    FocusGrid();
    HWND hScrollBar = ::GetDlgItem(grid.m_hWnd, 3);
    for (int i = 0; i < 20; i++)
        host.PressKey(VK_DOWN);
    SCROLLINFO si = {sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
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
    EXPECT_EQ(Calls{"BeginEditItem 0 0"}, host.m_calls); // asked once, not again and again
    EXPECT_EQ(NULL, Editor());
    EXPECT_EQ(grid.m_hWnd, Focus());
    EXPECT_EQ(Name(0, 0), grid.GetItemText(0, 0));
}

TEST_F(GridKeys, EditKeysCopyCutPasteAndClearWholeLines)
{
    Fill(4);
    FocusGrid();
    host.PressKey(VK_DOWN);
    // Each key with its modifier, then the first column's texts and the clipboard after it
    // ("before" is put there first unless the key pastes).
    struct Step
    {
        UINT nKey, nModifier;
        const char* pszColumn;
        const char* pszClipboard;
    } const steps[] = {
        {'C', VK_CONTROL, "a0 a1 a2 a3", "a1\tb1\tc1"},
        {VK_INSERT, VK_CONTROL, "a0 a1 a2 a3", "a1\tb1\tc1"},
        {VK_DELETE, VK_SHIFT, "a0 a2 a3", "a1\tb1\tc1"},
        {'V', VK_CONTROL, "a0 a1 a2 a3", "a1\tb1\tc1"},
        {VK_INSERT, VK_SHIFT, "a0 a1 a1 a2 a3", "a1\tb1\tc1"},
        {VK_DELETE, 0, "a0 a1 a2 a3", "before"},
        {'X', VK_CONTROL, "a0 a2 a3", "a1\tb1\tc1"},
        {VK_INSERT, 0, "a0 a2 a3", "a1\tb1\tc1"},
        {'V', VK_MENU, "a0 a2 a3", "a1\tb1\tc1"}, // Alt+V belongs to the dialog's mnemonics
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(testing::Message() << "key " << step.nKey << " with " << step.nModifier);
        bool bPastes = step.nKey == 'V' || (step.nKey == VK_INSERT && step.nModifier != VK_CONTROL);
        if (!bPastes)
            CKwClipboard::PutText("before");
        if (step.nModifier)
            host.PressKey(step.nKey, {step.nModifier});
        else
            host.PressKey(step.nKey);
        std::string column;
        for (UINT nLine = 0; nLine < grid.GetLineCount(); nLine++)
            column += (nLine ? " " : "") + std::string(grid.GetItemText(0, nLine));
        EXPECT_EQ(step.pszColumn, column);
        EXPECT_STREQ(step.pszClipboard, CKwClipboard::GetText());
    }
    EXPECT_EQ(grid.m_hWnd, Focus());
}
