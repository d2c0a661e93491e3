// ClipboardTest.cpp: copy, cut, paste and clear of whole lines through the real clipboard, with
// the white box, the editor and the listener around them; the same commands on the editor's text
// when it has the focus, and when each is allowed. The text algorithms are the model's tests.
#include "NavigationFixture.h"

#include "ClipboardHolder.h"
#include "core/KwClipboard.h"
#include "support/ModalDialogDriver.h"

namespace {

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
    Calls Texts() { return GridHost::Texts(grid); }
    // Closes the message box the grid shows (its caption "Error" without an application).
    static void Ok(HWND hBox) { ::PostMessageA(hBox, WM_COMMAND, IDOK, 0); }
    UINT CurrentLine() { return Cur().second; }
};

} // namespace

TEST_F(ClipboardGrid3, PasteInsertsTheLinesAboveTheCurrentLineAndSelectsThem)
{
    Fill(4);
    Select(1, 2);
    CKwClipboard::PutText("p\tq\tr\r\ns\tt\tu");
    host.m_calls.clear();

    Command(ID_EDIT_PASTE);
    EXPECT_EQ((Calls{"a0|b0|c0", "a1|b1|c1", "p|q|r", "s|t|u", "a2|b2|c2", "a3|b3|c3"}), Texts());
    EXPECT_EQ((std::vector<UINT>{2, 3}), Selection());
    EXPECT_EQ(2u, CurrentLine());
    // No item-changed callbacks; the editor over the current cell is opened again on its new
    // content. The command is checked once before it runs, as every command is.
    EXPECT_EQ((Calls{"CanPaste", "CanPaste", "BeginEditItem 1 2", "ContentChanged"}), host.m_calls);
    EXPECT_TRUE(grid.IsModified());
    ASSERT_TRUE(grid.GetEditor() != NULL);
    CString sEditor;
    grid.GetEditor()->GetWindowText(sEditor);
    EXPECT_STREQ("q", sEditor);
}

TEST_F(ClipboardGrid3, ClearDeletesTheSelectedLinesAndKeepsTheWhiteBoxInside)
{
    Fill(6);
    Click(2, 1);
    Click(2, 2, MK_CONTROL);
    Click(2, 4, MK_CONTROL);
    host.m_calls.clear();

    Command(ID_EDIT_CLEAR);
    EXPECT_EQ((Calls{"a0|b0|c0", "a3|b3|c3", "a5|b5|c5"}), Texts());
    EXPECT_EQ("box 2 1, lines 1", Box());
    EXPECT_EQ((Calls{"CanDelete", "CanDelete", "BeginEditItem 2 1", "ContentChanged"}), host.m_calls);
    EXPECT_TRUE(grid.IsModified());

    // The last lines and the append line below them: the white box stays on the last line.
    Select(0, 1);
    Click(0, 3, MK_SHIFT);
    Command(ID_EDIT_CLEAR);
    EXPECT_EQ((Calls{"a0|b0|c0"}), Texts());
    EXPECT_EQ(0u, CurrentLine());
    EXPECT_EQ((std::vector<UINT>{0}), Selection());

    // A fixed grid left without lines keeps no white box, editor or selection.
    grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
    ASSERT_TRUE(grid.GetEditor() != NULL);
    Command(ID_EDIT_CLEAR);
    EXPECT_EQ("box none, lines", Box());
    EXPECT_TRUE(grid.GetEditor() == NULL);
}

TEST_F(ClipboardGrid3, CutCopiesThenClears)
{
    Fill(3);
    Select(0, 1);
    host.m_calls.clear();
    Command(ID_EDIT_CUT);
    EXPECT_STREQ("a1\tb1\tc1", CKwClipboard::GetText());
    EXPECT_EQ((Calls{"a0|b0|c0", "a2|b2|c2"}), Texts());
    // Asked before the command runs, by the cut and by the clear it makes.
    EXPECT_EQ((Calls{"CanDelete", "CanDelete", "CanDelete", "BeginEditItem 0 1", "ContentChanged"}), host.m_calls);

}

// Another program holds the clipboard open through every try: the lines stay as they were, the
// clipboard too, and the user is told each time.
TEST_F(ClipboardGrid3, AHeldClipboardLosesNothingAndTellsTheUser)
{
    Fill(3);
    Select(0, 1);
    CKwClipboard::PutText("x\ty\tz");
    grid.SetModified(FALSE);
    ClipboardHolder holder;
    ASSERT_TRUE(holder.Holds());
    std::vector<std::string> told;
    for (UINT nID : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
    {
        host.m_calls.clear();
        ModalDialogDriver driver([&](HWND hBox) {
            char text[256] = "";
            ::GetDlgItemTextA(hBox, 0xFFFF, text, sizeof(text));
            told.push_back(text);
            Ok(hBox);
        }, "Error");
        grid.SetFocus();
        Command(nID);
        EXPECT_TRUE(driver.Answered()) << nID;
        EXPECT_EQ((Calls{"a0|b0|c0", "a1|b1|c1", "a2|b2|c2"}), Texts());
        EXPECT_EQ((std::vector<UINT>{1}), Selection());
        // The box takes the focus for a while; no content changes.
        for (const std::string& call : host.m_calls)
            EXPECT_EQ(std::string::npos, call.find("Changed")) << nID << " " << call;
    }
    EXPECT_EQ(std::vector<std::string>(3, "Another program is using the clipboard. Nothing was changed; please try again."),
        told);
    EXPECT_FALSE(grid.IsModified());
    holder.LetGo();
    EXPECT_STREQ("x\ty\tz", CKwClipboard::GetText());
}

// A program that lets go while the command still tries does not make it fail.
TEST_F(ClipboardGrid3, AHolderThatLetsGoSoonDoesNotFailTheCommand)
{
    Fill(3);
    Select(0, 1);
    for (UINT nID : {ID_EDIT_CUT, ID_EDIT_PASTE})
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Holds());
        ModalDialogDriver driver(Ok, "Error");
        grid.SetFocus();
        holder.LetGoOnNextWait();
        Command(nID);
        EXPECT_FALSE(driver.Answered()) << nID;
    }
    // Cut, then pasted back above the line that followed it.
    EXPECT_EQ((Calls{"a0|b0|c0", "a1|b1|c1", "a2|b2|c2"}), Texts());
    EXPECT_EQ((std::vector<UINT>{1}), Selection());
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
    EXPECT_EQ((Calls{"a0|b0|c0", "a1|1|c1", "a2|b2|c2"}), Texts());
    EXPECT_EQ((Calls{"ItemChanged 1 1 text=1 index=-1", "ContentChanged"}), host.m_calls);

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
    EXPECT_EQ((Calls{"a0|b0|c0", "a1|y|c1", "a2|b2|c2"}), Texts());
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
    EXPECT_EQ((Calls{"CanDelete"}), host.m_calls);

    ::SetFocus(NULL);
    EXPECT_FALSE(grid.IsCopyAllowed());
    EXPECT_FALSE(grid.IsPasteAllowed());
}

TEST_F(ClipboardGrid3, TheCommandsFollowTheTestsWhichTheListenerRules)
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
    EXPECT_EQ((Calls{"a0|b0|c0", "a1|b1|c1"}), Texts());
    EXPECT_EQ((Calls{"CanPaste", "CanDelete"}), host.m_calls);
}
