// ClipboardTest.cpp: copy, cut, paste and clear of whole lines through the real clipboard, the
// same commands on the editor's text when it has the focus, and when each is allowed.
#include "NavigationFixture.h"

#include "core/KwClipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

typedef Calls Strings;

// A grid of three text columns whose lines hold "a0|b0|c0", "a1|b1|c1", ..., and the line
// commands sent to it as a menu sends them.
class ClipboardGrid3 : public GridNavigationTest
{
protected:
    // The cell becomes current and the grid itself keeps the focus.
    void Select(UINT nColumn, UINT nLine)
    {
        Click(nColumn, nLine);
        grid.SetFocus();
        host.Pump();
        ASSERT_EQ(grid.m_hWnd, ::GetFocus());
    }
    void Command(UINT nID)
    {
        grid.SendMessage(WM_COMMAND, nID);
        host.Pump();
    }
    Strings Texts() { return GridHost::Texts(grid); }
    UINT CurrentLine() { return Cur().second; }
};

} // namespace

TEST_F(ClipboardGrid3, CopyJoinsSelectedLinesWithTabsAndLineBreaksAndLeavesIndexTextsOut)
{
    CStringArray choices;
    GridHost::SetChoices(choices, {"zero", "one"});
    const CKwGridCtrlItem index = GridHost::Item(CKwGridCtrlItem::eIndexDropDown, "hidden", 1, &choices);
    for (UINT l = 0; l < 4; l++)
    {
        grid.SetTextItem(0, l, Name(19, l)); // "t0", "t1", ...
        grid.SetItem(1, l, index);
        grid.SetTextDropDownItem(2, l, Name(3, l));
    }
    Click(0, 1);
    Click(0, 3, MK_CONTROL);
    host.m_calls.clear();
    Command(ID_EDIT_COPY);
    EXPECT_STREQ("t1\t\td1\r\nt3\t\td3", CKwClipboard::GetText());
    EXPECT_TRUE(host.m_calls.empty());
    EXPECT_FALSE(grid.IsModified());

    // Many lines come out whole and in order.
    std::string expected;
    for (UINT l = 4; l < 37; l++)
    {
        grid.SetTextItem(0, l, Name(0, l));
        expected += std::string(Name(0, l)) + "\t\t" + (l < 36 ? "\r\n" : "");
    }
    Select(0, 4);
    Click(0, 36, MK_SHIFT);
    Command(ID_EDIT_COPY);
    EXPECT_EQ(expected, std::string((const char*)CKwClipboard::GetText()));
}

TEST_F(ClipboardGrid3, PasteInsertsTheLinesAboveTheCurrentLineAndSelectsThem)
{
    Fill(4);
    Select(1, 2);
    CKwClipboard::PutText("p\tq\tr\r\ns\tt\tu");
    host.m_calls.clear();

    Command(ID_EDIT_PASTE);
    EXPECT_EQ((Strings{"a0|b0|c0", "a1|b1|c1", "p|q|r", "s|t|u", "a2|b2|c2", "a3|b3|c3"}), Texts());
    EXPECT_EQ((std::vector<UINT>{2, 3}), Selection());
    EXPECT_EQ(2u, CurrentLine());
    // No item-changed callbacks; the editor over the current cell is opened again on its new
    // content. The command is checked once before it runs, as every command is.
    EXPECT_EQ((Strings{"CanPaste", "CanPaste", "BeginEditItem 1 2", "ContentChanged"}), host.m_calls);
    EXPECT_TRUE(grid.IsModified());
    ASSERT_TRUE(grid.GetEditor() != NULL);
    CString sEditor;
    grid.GetEditor()->GetWindowText(sEditor);
    EXPECT_STREQ("q", sEditor);
}

TEST_F(ClipboardGrid3, WhatFollowsTheLastLineBreakIsOneMoreLine)
{
    Fill(2);
    Select(0, 2); // the append line: the empty last line and the append line are trimmed
    CKwClipboard::PutText("p\tq\tr\r\ns\tt\tu\r\n");
    Command(ID_EDIT_PASTE);
    EXPECT_EQ((Strings{"a0|b0|c0", "a1|b1|c1", "p|q|r", "s|t|u"}), Texts());
    EXPECT_EQ(2u, CurrentLine());

    // Onto a line that holds something, the nothing after the final break is a line of copies
    // of its cells with an empty first cell.
    Select(1, 0);
    CKwClipboard::PutText("v\tw\r\n");
    Command(ID_EDIT_PASTE);
    EXPECT_EQ((Strings{"v|w|c0", "|b0|c0", "a0|b0|c0", "a1|b1|c1", "p|q|r", "s|t|u"}), Texts());
    EXPECT_EQ((std::vector<UINT>{0, 1}), Selection());

    // No text at all is one line as well.
    Select(0, 0);
    CKwClipboard::PutText("");
    Command(ID_EDIT_PASTE);
    EXPECT_EQ((Strings{"|w|c0", "v|w|c0", "|b0|c0", "a0|b0|c0", "a1|b1|c1", "p|q|r", "s|t|u"}), Texts());

    // Beyond the stored lines of an unlimited grid, the lines above come into being.
    grid.SetInsertMode(CKwGridCtrl::eInsertUnlimited);
    Select(0, 9);
    CKwClipboard::PutText("p");
    Command(ID_EDIT_PASTE);
    Strings texts = Texts();
    ASSERT_EQ(10u, texts.size());
    EXPECT_EQ((Strings{"s|t|u", "||", "||", "p||"}), Strings(texts.begin() + 6, texts.end()));
    EXPECT_EQ((std::vector<UINT>{9}), Selection());
}

TEST_F(ClipboardGrid3, PastedCellsStartAsCopiesOfTheCurrentLinesCells)
{
    Fill(2);
    CKwGridCtrlItem model = GridHost::Item(CKwGridCtrlItem::eTextDropDown, "m");
    model.bBold = TRUE;
    model.clrText = RGB(255, 0, 0);
    model.pData = &host;
    grid.SetItem(2, 1, model);
    Select(0, 1);

    // Five tokens into three columns: a full line, then two tokens and the model's third cell.
    CKwClipboard::PutText("1\t2\t3\t4\t5");
    Command(ID_EDIT_PASTE);
    EXPECT_EQ((Strings{"a0|b0|c0", "1|2|3", "4|5|m", "a1|b1|m"}), Texts());
    for (UINT l = 1; l <= 3; l++)
    {
        CKwGridCtrlItem item;
        grid.GetItem(2, l, item);
        EXPECT_TRUE(item.nType == model.nType && item.bBold && item.clrText == model.clrText && item.pData == &host)
            << l;
    }
    EXPECT_EQ((std::vector<UINT>{1, 2}), Selection());

    // Every kind of line break counts once; a lone break still makes a line, tokens keep their
    // spaces, and empty tokens empty their cells.
    Select(0, 0);
    CKwClipboard::PutText("x\ny\rz\r\n\t v ");
    Command(ID_EDIT_PASTE);
    EXPECT_EQ((Strings{"x|b0|c0", "y|b0|c0", "z|b0|c0", "| v |c0", "a0|b0|c0", "1|2|3", "4|5|m", "a1|b1|m"}),
              Texts());
}

TEST_F(ClipboardGrid3, ClearDeletesTheSelectedLinesAndKeepsTheWhiteBoxInside)
{
    Fill(6);
    Click(2, 1);
    Click(2, 2, MK_CONTROL);
    Click(2, 4, MK_CONTROL);
    host.m_calls.clear();

    Command(ID_EDIT_CLEAR);
    EXPECT_EQ((Strings{"a0|b0|c0", "a3|b3|c3", "a5|b5|c5"}), Texts());
    EXPECT_EQ("box 2 1, lines 1", Box());
    EXPECT_EQ((Strings{"CanDelete", "CanDelete", "BeginEditItem 2 1", "ContentChanged"}), host.m_calls);
    EXPECT_TRUE(grid.IsModified());

    // The last lines and the append line below them: the white box stays on the last line.
    Select(0, 1);
    Click(0, 3, MK_SHIFT);
    Command(ID_EDIT_CLEAR);
    EXPECT_EQ((Strings{"a0|b0|c0"}), Texts());
    EXPECT_EQ(0u, CurrentLine());
    EXPECT_EQ((std::vector<UINT>{0}), Selection());

    // A fixed grid left without lines keeps no white box, editor or selection: no cell for a
    // paste to make lines at.
    grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
    ASSERT_TRUE(grid.GetEditor() != NULL);
    CKwClipboard::PutText("p");
    Command(ID_EDIT_CLEAR);
    EXPECT_EQ("box none, lines", Box());
    EXPECT_TRUE(grid.GetEditor() == NULL);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(0u, grid.GetLineCount());
}

TEST_F(ClipboardGrid3, CutCopiesThenClears)
{
    Fill(3);
    Select(0, 1);
    host.m_calls.clear();
    Command(ID_EDIT_CUT);
    EXPECT_STREQ("a1\tb1\tc1", CKwClipboard::GetText());
    EXPECT_EQ((Strings{"a0|b0|c0", "a2|b2|c2"}), Texts());
    // Asked before the command runs, by the cut and by the clear it makes.
    EXPECT_EQ((Strings{"CanDelete", "CanDelete", "CanDelete", "BeginEditItem 0 1", "ContentChanged"}), host.m_calls);

    // While another program holds the clipboard open, the lines cannot reach it and stay.
    HANDLE hOpen = ::CreateEventA(NULL, TRUE, FALSE, NULL), hDone = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    std::thread holder([&] {
        HWND hOwner = ::CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
        ::OpenClipboard(hOwner);
        ::SetEvent(hOpen);
        ::WaitForSingleObject(hDone, 5000);
        ::CloseClipboard();
        ::DestroyWindow(hOwner);
    });
    ::WaitForSingleObject(hOpen, 5000);
    Command(ID_EDIT_CUT);
    ::SetEvent(hDone);
    holder.join();
    ::CloseHandle(hOpen);
    ::CloseHandle(hDone);
    EXPECT_EQ((Strings{"a0|b0|c0", "a2|b2|c2"}), Texts());
    EXPECT_STREQ("a1\tb1\tc1", CKwClipboard::GetText());
}

TEST_F(ClipboardGrid3, WithTheEditorFocusedTheCommandsActOnItsText)
{
    Fill(3);
    Click(1, 1);
    Click(1, 1);
    CWnd* pEditor = grid.GetEditor();
    ASSERT_TRUE(pEditor != NULL);
    ASSERT_EQ(pEditor->m_hWnd, ::GetFocus());

    // Without selected text nothing can be copied or cleared.
    pEditor->SendMessage(EM_SETSEL, 1, 1);
    EXPECT_FALSE(grid.IsCopyAllowed());
    EXPECT_FALSE(grid.IsClearAllowed());

    pEditor->SendMessage(EM_SETSEL, 0, 1);
    CKwClipboard::PutText("before");
    Command(ID_EDIT_COPY);
    EXPECT_STREQ("b", CKwClipboard::GetText());

    host.m_calls.clear();
    Command(ID_EDIT_CLEAR);
    EXPECT_EQ((Strings{"a0|b0|c0", "a1|1|c1", "a2|b2|c2"}), Texts());
    EXPECT_EQ((Strings{"ItemChanged 1 1 text=1 index=-1", "ContentChanged"}), host.m_calls);

    CKwClipboard::PutText("xy");
    pEditor->SendMessage(EM_SETSEL, 1, 1);
    Command(ID_EDIT_PASTE);
    EXPECT_STREQ("1xy", grid.GetItemText(1, 1));

    pEditor->SendMessage(EM_SETSEL, 0, 2);
    Command(ID_EDIT_CUT);
    EXPECT_STREQ("1x", CKwClipboard::GetText());
    EXPECT_STREQ("y", grid.GetItemText(1, 1));
    EXPECT_EQ(3u, grid.GetLineCount());

    // A read-only editor's text can be copied, not cut, pasted into or cleared.
    grid.SetReadOnly(TRUE);
    Click(1, 1);
    pEditor = grid.GetEditor();
    ASSERT_TRUE(pEditor != NULL);
    ASSERT_EQ(pEditor->m_hWnd, ::GetFocus());
    pEditor->SendMessage(EM_SETSEL, 0, -1);
    EXPECT_TRUE(grid.IsCopyAllowed());
    EXPECT_FALSE(grid.IsClearAllowed());
    EXPECT_FALSE(grid.IsPasteAllowed());
    host.m_calls.clear();
    for (UINT nID : {ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_CLEAR})
        Command(nID);
    EXPECT_STREQ("1x", CKwClipboard::GetText());
    Command(ID_EDIT_COPY);
    EXPECT_STREQ("y", CKwClipboard::GetText());
    EXPECT_EQ((Strings{"a0|b0|c0", "a1|y|c1", "a2|b2|c2"}), Texts());
    EXPECT_TRUE(host.m_calls.empty());
}

TEST_F(ClipboardGrid3, OtherFocusedWindowsAreAskedForTheirOwnSelection)
{
    Fill(2);
    Select(0, 0);
    HWND hBefore = ::GetDlgItem(host.m_hWnd, IDC_GRIDHOST_BEFORE);
    ::SetWindowTextA(hBefore, "hello");
    ::SetFocus(hBefore);
    ::SendMessageA(hBefore, EM_SETSEL, 0, 0);
    EXPECT_FALSE(grid.IsCopyAllowed());
    ::SendMessageA(hBefore, EM_SETSEL, 0, 4);
    EXPECT_TRUE(grid.IsCopyAllowed());
    host.m_calls.clear();
    Command(ID_EDIT_COPY);
    EXPECT_STREQ("hell", CKwClipboard::GetText());

    EXPECT_TRUE(grid.IsPasteAllowed());
    ::SendMessageA(hBefore, EM_SETREADONLY, TRUE, 0);
    EXPECT_FALSE(grid.IsPasteAllowed());
    ::OpenClipboard(NULL);
    ::EmptyClipboard();
    ::CloseClipboard();
    ::SendMessageA(hBefore, EM_SETREADONLY, FALSE, 0);
    EXPECT_FALSE(grid.IsPasteAllowed());
    EXPECT_TRUE(host.m_calls.empty());

    // Outside the grid clearing is a question of lines again.
    EXPECT_TRUE(grid.IsClearAllowed());
    EXPECT_EQ((Strings{"CanDelete"}), host.m_calls);

    ::SetFocus(NULL);
    EXPECT_FALSE(grid.IsCopyAllowed());
    EXPECT_FALSE(grid.IsPasteAllowed());
}

TEST_F(ClipboardGrid3, TheCommandsFollowTheTestsWhichTheListenerRulesInTheGridOnly)
{
    struct Probe : CCmdUI
    {
        int enabled = -1;
        void Enable(BOOL bOn) override { enabled = bOn ? 1 : 0; }
    };
    auto state = [&](UINT nID) {
        Probe probe;
        probe.m_nID = nID;
        probe.DoUpdate(&grid, FALSE);
        return probe.enabled;
    };
    auto states = [&] {
        return "copy " + std::to_string(state(ID_EDIT_COPY)) + " cut " + std::to_string(state(ID_EDIT_CUT)) +
               " clear " + std::to_string(state(ID_EDIT_CLEAR)) + " paste " + std::to_string(state(ID_EDIT_PASTE));
    };
    ::OpenClipboard(NULL);
    ::EmptyClipboard();
    ::CloseClipboard();
    Fill(2);
    Select(0, 1);
    EXPECT_EQ("copy 1 cut 1 clear 1 paste 0", states());
    CKwClipboard::PutText("p");
    EXPECT_EQ(1, state(ID_EDIT_PASTE));
    host.m_bCanPaste = FALSE;
    host.m_bCanDelete = FALSE;
    EXPECT_EQ("copy 1 cut 0 clear 0 paste 0", states());
    // A disabled command does not run.
    host.m_calls.clear();
    Command(ID_EDIT_PASTE);
    Command(ID_EDIT_CLEAR);
    EXPECT_EQ((Strings{"a0|b0|c0", "a1|b1|c1"}), Texts());
    EXPECT_EQ((Strings{"CanPaste", "CanDelete"}), host.m_calls);

    // In the editor the listener is not asked.
    Click(0, 1); // on the current cell: the editor takes the focus
    ASSERT_EQ(Editor(), ::GetFocus());
    grid.GetEditor()->SendMessage(EM_SETSEL, 0, -1);
    host.m_calls.clear();
    EXPECT_TRUE(grid.IsPasteAllowed());
    EXPECT_TRUE(grid.IsClearAllowed());
    EXPECT_TRUE(host.m_calls.empty());
}
