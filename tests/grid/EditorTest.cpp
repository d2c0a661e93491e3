// EditorTest.cpp: the grid's in-place editor in a real dialog: the window each cell type opens,
// where the caret goes, read-only grids, and the edits flowing back to the cells and the listener.
#include "GridEditorFixture.h"
#include "core/KwLook.h"
#include "core/KwPalette.h"
#include "support/TestSurface.h"

namespace
{
int FontWeight(HWND hWnd)
{
    LOGFONTA lf = {};
    ::GetObjectA((HFONT)::SendMessageA(hWnd, WM_GETFONT, 0, 0), sizeof(lf), &lf);
    return lf.lfWeight;
}

// Notes the style a child window with id 2 was created with.
struct CreationWatch
{
    CreationWatch() { s_hHook = ::SetWindowsHookExA(WH_CBT, &Hook, NULL, ::GetCurrentThreadId()); }
    ~CreationWatch() { ::UnhookWindowsHookEx(s_hHook); }
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_CREATEWND)
        {
            const CREATESTRUCTA* pcs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            if ((pcs->style & WS_CHILD) && pcs->hMenu == (HMENU)2)
                s_dwStyle = (DWORD)pcs->style;
        }
        return ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
    }
    static HHOOK s_hHook;
    static DWORD s_dwStyle;
};
HHOOK CreationWatch::s_hHook;
DWORD CreationWatch::s_dwStyle;
} // namespace

TEST_F(GridEditorTest, EachCellTypeOpensItsOwnEditorAsChildTwo)
{
    // A combo gives its vertical scroll bar to its list, so the style asked for is compared; an
    // editable drop-down is created hidden and shown once filled. SetCurItem gives the editor the
    // focus (a combo hands it to its edit field).
    const std::pair<UINT, const char*> expected[] = {
        {colText, "Edit 2 in the grid, style 50000080, \"abc\", visible, focused"},
        {colIndex, "ComboBox 2 in the grid, style 50200043, \"green\", visible, focused, 3 choices, 1 selected"},
        {colTextDropDown, "ComboBox 2 in the grid, style 50200043, \"green\", visible, focused, 3 choices, 1 selected"},
        {colEditable, "ComboBox 2 in the grid, style 40200042, \"typed\", visible, focused, 3 choices, -1 selected"},
    };
    for (const auto& e : expected)
    {
        CreationWatch watch;
        grid.SetCurItem(e.first, 0);
        HWND hEditor = Editor();
        char szClass[16] = "";
        ::GetClassNameA(hEditor, szClass, sizeof(szClass));
        CString sState;
        sState.Format("%s %d in the grid, style %08lX, \"%s\"%s%s", szClass, ::GetDlgCtrlID(hEditor),
                      CreationWatch::s_dwStyle, Text(hEditor).c_str(), ::IsWindowVisible(hEditor) ? ", visible" : "",
                      EditField() == ::GetFocus() ? ", focused" : "");
        if (e.first != colText)
            sState.AppendFormat(", %d choices, %d selected", (int)::SendMessageA(hEditor, CB_GETCOUNT, 0, 0),
                                (int)::SendMessageA(hEditor, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(grid.m_hWnd, ::GetParent(hEditor)) << e.first;
        EXPECT_STREQ(e.second, sState);
    }
    EXPECT_EQ((Calls{"BeginEditItem 0 0", "BeginEditItem 1 0", "BeginEditItem 2 0", "BeginEditItem 3 0"}), host.m_calls);
    EXPECT_FALSE(grid.IsModified());
}

TEST_F(GridEditorTest, DropDownsShowTheCellsChoiceOrNone)
{
    // A text drop-down preselects the entry equal to its text, case and all; a text not in the
    // list, an index out of it and a cell without choices select nothing.
    CStringArray cased;
    GridHost::SetChoices(cased, {"Green", "green"});
    CKwGridCtrlItem cells[] = {Cell(CKwGridCtrlItem::eTextDropDown, "green"),
                               Cell(CKwGridCtrlItem::eTextDropDown, "purple"),
                               Cell(CKwGridCtrlItem::eIndexDropDown, "", 7), Cell(CKwGridCtrlItem::eIndexDropDown, "", 0)};
    cells[0].pChoices = &cased;
    cells[3].pChoices = NULL;
    const int expected[] = {1, CB_ERR, CB_ERR, CB_ERR};
    for (int i = 0; i < 4; i++)
    {
        grid.SetItem(colIndex, 0, cells[i]);
        grid.SetCurItem(colIndex, 0);
        ASSERT_TRUE(::IsWindow(Editor())) << i;
        EXPECT_EQ(expected[i], ::SendMessageA(Editor(), CB_GETCURSEL, 0, 0)) << i;
    }
    EXPECT_EQ(0, ::SendMessageA(Editor(), CB_GETCOUNT, 0, 0));
    EXPECT_FALSE(grid.IsModified());
}

TEST_F(GridEditorTest, BoldCellsAreEditedInTheBoldFontAndListsInTheNormalOne)
{
    int nNormal = FontWeight(grid.m_hWnd);
    grid.SetItem(colText, 0, Cell(CKwGridCtrlItem::eText, "abc", -1, TRUE));
    grid.SetItem(colIndex, 0, Cell(CKwGridCtrlItem::eIndexDropDown, "", 1, TRUE));
    grid.SetItem(colEditable, 0, Cell(CKwGridCtrlItem::eEditableDropDown, "typed", -1, TRUE));

    grid.SetCurItem(colIndex, 0);
    EXPECT_EQ(nNormal, FontWeight(Editor()));
    grid.SetCurItem(colEditable, 0);
    EXPECT_EQ(nNormal, FontWeight(Editor()));
    EXPECT_GT(FontWeight(EditField()), nNormal);

    grid.SetItem(colEditable, 0, Cell(CKwGridCtrlItem::eEditableDropDown, "typed"));
    grid.SetCurItem(colEditable, 0);
    EXPECT_EQ(nNormal, FontWeight(EditField()));
}

TEST_F(GridEditorTest, EachWayOfOpeningPlacesTheCaretOfAnEditableDropDownInItsEditField)
{
    // The edit box's ways are those of Tab, Enter and the arrows (the navigation tests).
    grid.SetCurItem(colEditable, 0);
    GridEditAccess::Open(grid, CKwGridCtrl::eBeginEditSelectAll);
    EXPECT_EQ(std::make_pair(0, 5), EditSel(EditField()));
    GridEditAccess::Open(grid, CKwGridCtrl::eBeginEditCaret, 1);
    EXPECT_EQ(std::make_pair(1, 1), EditSel(EditField()));
    GridEditAccess::Open(grid, CKwGridCtrl::eBeginEditCaret, -1);
    EXPECT_EQ(std::make_pair(5, 5), EditSel(EditField()));
    EXPECT_EQ(EditField(), ::GetFocus());
    EXPECT_TRUE(::IsWindowVisible(Editor()));
    EXPECT_FALSE(grid.IsModified());
}

TEST_F(GridEditorTest, SetCurTextSelectsInEditBoxesAndEditableDropDowns)
{
    grid.SetItem(colText, 3, Cell(CKwGridCtrlItem::eText, "line three"));
    grid.SetCurText(colText, 3, 5, 10);
    UINT nColumn = 0, nLine = 0;
    grid.GetCurItem(nColumn, nLine);
    EXPECT_EQ(std::make_pair((UINT)colText, 3u), std::make_pair(nColumn, nLine));
    EXPECT_EQ(1u, grid.GetSelectionCount());
    EXPECT_EQ(std::make_pair(5, 10), EditSel(Editor()));
    grid.SetCurText(colEditable, 0, 1, 4);
    EXPECT_EQ(std::make_pair(1, 4), EditSel(EditField()));
    grid.SetCurText(colIndex, 0, 1, 2); // a drop-down list has no text to select
    EXPECT_EQ(1, ::SendMessageA(Editor(), CB_GETCURSEL, 0, 0));
}

TEST_F(GridEditorTest, SetCurTextOnAnUnreachableLineOrNoLineLeavesNoEditorBehind)
{
    // Line 5 lies beyond the append line: no editor opens there, and the one over line 0 must
    // not stay to write its text into the new current cell.
    grid.SetCurItem(colText, 0);
    ASSERT_TRUE(::IsWindow(Editor()));
    host.m_calls.clear();
    grid.SetCurText(colText, 5, 0, 1);
    EXPECT_EQ(NULL, grid.GetEditor());
    EXPECT_EQ(Calls{}, host.m_calls);
    EXPECT_EQ(1u, grid.GetLineCount());

    // No line at all: no current cell and no line selected that a copy would take.
    grid.SetCurText(colText, 0xFFFFFFFF, 0, 1);
    EXPECT_EQ(0u, grid.GetSelectionCount());
    grid.SetCurItem(0xFFFFFFFF, 0xFFFFFFFF);
    EXPECT_EQ(0u, grid.GetSelectionCount());
    EXPECT_EQ(NULL, grid.GetEditor());
}

TEST_F(GridEditorTest, ReadOnlyGridOpensOnlyEditBoxesAndThoseReadOnly)
{
    grid.SetCurItem(colText, 0);
    ASSERT_TRUE(::IsWindow(Editor()));
    grid.SetReadOnly(TRUE);
    EXPECT_EQ(NULL, grid.GetEditor());
    EXPECT_EQ(grid.m_hWnd, ::GetFocus());

    for (UINT nColumn : {colIndex, colTextDropDown, colEditable})
    {
        ::SetFocus(::GetDlgItem(host.m_hWnd, IDC_GRIDHOST_BEFORE));
        host.Pump();
        grid.SetCurItem(nColumn, 0);
        EXPECT_EQ(NULL, grid.GetEditor()) << nColumn;
        EXPECT_EQ(grid.m_hWnd, ::GetFocus()) << nColumn;
    }

    // The text can be selected, not changed.
    grid.SetCurText(colText, 0, 0, 2);
    HWND hEdit = Editor();
    ASSERT_TRUE(::IsWindow(hEdit));
    EXPECT_EQ(std::make_pair(0, 2), EditSel(hEdit));
    host.m_calls.clear();
    host.PressKey('X');
    EXPECT_EQ("abc", Text(hEdit));
    EXPECT_EQ(Calls{}, host.m_calls);
    EXPECT_FALSE(grid.IsModified());
}

TEST_F(GridEditorTest, TypedTextIsStoredAtOnceFromEditBoxesAndOnThePostedMessageFromCombos)
{
    struct Expected
    {
        UINT nColumn;
        int nEnd;
        bool bDeferred;
        const char* pszCall;
        const char* pszText;
    } const expected[] = {
        {colText, 3, false, "ItemChanged 0 0 text=abcx index=-1", "abcx"},
        {colEditable, 5, true, "ItemChanged 3 0 text=typedx index=-1", "typedx"},
    };
    for (const Expected& e : expected)
    {
        SCOPED_TRACE(e.nColumn);
        grid.SetCurText(e.nColumn, 0, e.nEnd, e.nEnd);
        host.m_calls.clear();
        ::SendMessageA(EditField(), WM_CHAR, 'x', 1);
        EXPECT_EQ(e.bDeferred ? Calls{} : (Calls{e.pszCall, "ContentChanged"}), host.m_calls);
        host.Pump();
        EXPECT_EQ((Calls{e.pszCall, "ContentChanged"}), host.m_calls);
        EXPECT_EQ(e.pszText, std::string(grid.GetItemText(e.nColumn, 0)));
    }
    EXPECT_TRUE(grid.IsModified());
}

TEST_F(GridEditorTest, TypingOnTheAppendLineBringsItIntoBeing)
{
    grid.SetCurItem(colText, 1);
    host.m_calls.clear();
    host.PressKey('Q');
    EXPECT_EQ((Calls{"ItemChanged 0 1 text=q index=-1", "ContentChanged"}), host.m_calls);
    EXPECT_EQ(2u, grid.GetLineCount());
    EXPECT_EQ(3u, grid.GetLineCountLimit());

    // Emptying it again trims the line away.
    host.PressKey(VK_BACK);
    EXPECT_EQ(1u, grid.GetLineCount());
    EXPECT_EQ("", std::string(grid.GetItemText(colText, 1)));
}

TEST_F(GridEditorTest, DropDownSelectionFlowsBackOnceTheComboIsDone)
{
    struct Expected
    {
        UINT nColumn;
        const char* pszCall;
    } const expected[] = {
        {colIndex, "ItemChanged 1 0 text= index=2"},
        {colTextDropDown, "ItemChanged 2 0 text=blue index=-1"},
        {colEditable, "ItemChanged 3 0 text=red index=-1"},
    };
    for (const Expected& e : expected)
    {
        grid.SetCurItem(e.nColumn, 0);
        host.m_calls.clear();
        // The combo changes its selection and notifies inside these calls; the grid reads the
        // selection only when its posted message comes.
        ::SendMessageA(Editor(), CB_SHOWDROPDOWN, TRUE, 0);
        ::SendMessageA(EditField(), WM_KEYDOWN, VK_DOWN, 0);
        ::SendMessageA(Editor(), CB_SHOWDROPDOWN, FALSE, 0);
        EXPECT_EQ(Calls{}, host.m_calls);
        host.Pump();
        EXPECT_EQ((Calls{e.pszCall, "ContentChanged"}), host.m_calls);
    }
    EXPECT_EQ(2, grid.GetItemIndex(colIndex, 0));
    EXPECT_EQ("blue", std::string(grid.GetItemText(colTextDropDown, 0)));
    EXPECT_EQ("red", std::string(grid.GetItemText(colEditable, 0)));
    EXPECT_TRUE(grid.IsModified());
}

TEST_F(GridEditorTest, EditorOpensOnAFarLineOfAnUnlimitedGridWithoutBuildingTheLines)
{
    grid.SetInsertMode(CKwGridCtrl::eInsertUnlimited);
    grid.SetCurItem(colText, 2000000000u);
    EXPECT_EQ(Calls{"BeginEditItem 0 2000000000"}, host.m_calls);
    ASSERT_TRUE(::IsWindow(Editor()));
    EXPECT_EQ(1u, grid.GetLineCount());

    // A cell the listener fills before it opens is stored, and the lines up to it come to be.
    host.m_beginEditItem = [](UINT, UINT, CKwGridCtrlItem& item) { item.sText = "filled"; };
    grid.SetCurItem(colText, 5);
    EXPECT_EQ(6u, grid.GetLineCount());
    EXPECT_EQ("filled", std::string(grid.GetItemText(colText, 5)));
}

TEST_F(GridEditorTest, ListenerMayRefuseOrChangeTheCellBeforeItOpens)
{
    host.m_bAllowEdit = FALSE;
    grid.SetCurItem(colText, 0);
    EXPECT_EQ(NULL, grid.GetEditor());
    EXPECT_EQ(Calls{"BeginEditItem 0 0"}, host.m_calls);

    host.m_bAllowEdit = TRUE;
    host.m_beginEditItem = [](UINT, UINT, CKwGridCtrlItem& item) {
        item.sText = "from listener";
        item.bBold = TRUE;
    };
    grid.SetCurItem(colText, 0);
    EXPECT_EQ("from listener", Text(Editor()));
    EXPECT_GT(FontWeight(Editor()), FontWeight(grid.m_hWnd));
    CKwGridCtrlItem stored;
    grid.GetItem(colText, 0, stored);
    EXPECT_EQ("from listener", std::string(stored.sText));
    EXPECT_TRUE(stored.bBold);
    EXPECT_FALSE(grid.IsModified());
}

TEST_F(GridEditorTest, DarkDropDownsDrawTheirEdgesAndChoiceInThePaletteAtTheClassicSizes)
{
    auto sizes = [&](UINT nColumn) { // the field's height and the items'
        grid.SetCurItem(nColumn, 0);
        return std::vector<LRESULT>{::SendMessageA(Editor(), CB_GETITEMHEIGHT, (WPARAM)-1, 0), ::SendMessageA(Editor(), CB_GETITEMHEIGHT, 0, 0)};
    };
    const std::vector<std::vector<LRESULT>> classic{sizes(colEditable), sizes(colIndex)};
    CKwLook::SetLook(CKwLook::eDark, FALSE);
    EXPECT_EQ(classic, (std::vector<std::vector<LRESULT>>{sizes(colEditable), sizes(colIndex)}));
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ::GetComboBoxInfo(Editor(), &info);
    const int nItem = (int)classic[1][1];
    TestSurface list(80, 2 * nItem), field(info.rcItem.right, info.rcItem.bottom);
    ::SendMessageA(info.hwndList, WM_PRINT, (WPARAM)list.DC().m_hDC, PRF_CLIENT);
    ::SendMessageA(Editor(), WM_PRINT, (WPARAM)field.DC().m_hDC, PRF_CLIENT);
    grid.SetCurItem(colEditable, 0);
    ::GetComboBoxInfo(Editor(), &info);
    TestSurface combo(info.rcButton.right + 2, info.rcButton.bottom + 2);
    ::SendMessageA(Editor(), WM_PRINT, (WPARAM)combo.DC().m_hDC, PRF_CLIENT);
    const COLORREF dSelection = CKwPalette::Get(CKwPalette::eSelection), dText = CKwPalette::Get(CKwPalette::eWindowText);
    const COLORREF dWindow = CKwPalette::Get(CKwPalette::eWindow), dButton = CKwPalette::Get(CKwPalette::eControl);
    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    // "green", the choice, is the second item; the field has the focus.
    EXPECT_EQ(dSelection, list.Pixel(60, nItem + nItem / 2));
    EXPECT_GT(list.Count(CRect(0, nItem, 80, 2 * nItem), dText), 0);
    EXPECT_EQ(dSelection, field.Pixel(field.Width() - 4, field.Height() / 2));
    EXPECT_EQ(dWindow, combo.Pixel(info.rcItem.left - 1, info.rcItem.top - 1)) << "round the edit field";
    EXPECT_EQ(dButton, combo.Pixel(info.rcButton.left + 1, info.rcButton.top + 1));
}
