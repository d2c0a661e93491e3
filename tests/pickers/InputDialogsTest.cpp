// The small input dialogs, run modally and typed into through the message pump: the state of OK
// after each key, and the members read back after OK and after Cancel.
#include "pickers/ComboDialog.h"
#include "pickers/StringBoolDialog.h"
#include "pickers/StringComboDialog.h"
#include "pickers/StringDialog.h"
#include "res/resource.h"
#include "support/MessageRecorder.h"
#include "support/ModalDialogDriver.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Plays keys into the dialog's controls through the queue, the dialog translating them as its
// modal loop would, and notes after each whether OK is enabled ('E') or not ('-'); the first
// note is the state the dialog opened with.
class CTypist
{
public:
    explicit CTypist(HWND hDlg) : m_hDlg(hDlg) { Note(); }

    // Characters into a control; '\b' is a backspace.
    void Type(UINT nID, const char* psz)
    {
        for (; *psz; psz++)
        {
            ::PostMessageA(::GetDlgItem(m_hDlg, nID), WM_CHAR, (BYTE)*psz, 1);
            PumpWithPreTranslate();
            Note();
        }
    }
    void Key(UINT nID, UINT vk)
    {
        HWND hCtrl = ::GetDlgItem(m_hDlg, nID);
        ::PostMessageA(hCtrl, WM_KEYDOWN, vk, 1);
        ::PostMessageA(hCtrl, WM_KEYUP, vk, 0xC0000001);
        PumpWithPreTranslate();
        Note();
    }
    bool Checked(UINT nID) { return ::IsDlgButtonChecked(m_hDlg, nID) == BST_CHECKED; }
    void SelectAll(UINT nID) { ::SendDlgItemMessageA(m_hDlg, nID, EM_SETSEL, 0, -1); }
    std::string Text(UINT nID)
    {
        char sz[256] = {};
        ::GetWindowTextA(nID != 0 ? ::GetDlgItem(m_hDlg, nID) : m_hDlg, sz, sizeof(sz));
        return sz;
    }
    std::string m_okStates;

private:
    void Note() { m_okStates += ::IsWindowEnabled(::GetDlgItem(m_hDlg, IDOK)) ? 'E' : '-'; }
    HWND m_hDlg;
};

// Runs the dialog with script playing into it once it is up; the keys that end it are the
// script's. Returns DoModal's result.
int RunDialog(CDialog& dlg, const std::function<void(CTypist&)>& script)
{
    ModalDialogDriver driver([&](HWND hDlg) {
        CTypist typist(hDlg);
        script(typist);
    });
    int nResult = dlg.DoModal();
    EXPECT_FALSE(driver.TimedOut()) << "the script did not end the dialog";
    return nResult;
}

TEST(InputDialogs, StringDialogNeedsAValueOnlyWhenRequired)
{
    CStringDialog required;
    required.m_bRequired = TRUE;
    required.m_strTitle = "Rename";
    required.m_strLabel = "New name:";
    std::string okStates, caption, label;
    EXPECT_EQ(IDOK, RunDialog(required, [&](CTypist& t) {
        caption = t.Text(0);
        label = t.Text(IDC_KW_INPUT_LABEL);
        t.Type(IDC_KW_INPUT_VALUE, "ab\b\b");
        t.Key(IDC_KW_INPUT_VALUE, VK_RETURN); // OK is disabled: nothing happens
        t.Type(IDC_KW_INPUT_VALUE, "x");
        okStates = t.m_okStates;
        t.Key(IDC_KW_INPUT_VALUE, VK_RETURN);
    }));
    EXPECT_EQ("-EEE--E", okStates);
    EXPECT_EQ("Rename", caption);
    EXPECT_EQ("New name:", label);
    EXPECT_EQ("x", required.m_strValue);

    // Not required, with caption and prompt from string resources: an empty value is accepted.
    CStringDialog optional;
    optional.m_strValue = "old";
    optional.m_nTitleID = IDS_KW_CHOOSE;
    optional.m_nLabelID = IDS_KW_SELECT_FOLDER;
    EXPECT_EQ(IDOK, RunDialog(optional, [&](CTypist& t) {
        caption = t.Text(0);
        label = t.Text(IDC_KW_INPUT_LABEL);
        t.SelectAll(IDC_KW_INPUT_VALUE);
        t.Type(IDC_KW_INPUT_VALUE, "\b");
        okStates = t.m_okStates;
        t.Key(IDC_KW_INPUT_VALUE, VK_RETURN);
    }));
    EXPECT_EQ("EE", okStates);
    EXPECT_EQ("Choose", caption);
    EXPECT_EQ("Select a folder:", label);
    EXPECT_EQ("", optional.m_strValue);
    EXPECT_EQ("Choose", std::string(optional.m_strTitle));
}

TEST(InputDialogs, StringBoolDialogReadsTheCheckBoxBack)
{
    CStringBoolDialog dlg;
    dlg.m_bRequired = TRUE;
    dlg.m_strValue = "Beam";
    dlg.m_bCheck = TRUE;
    dlg.m_strCheckText = "Open it now";
    std::string okStates, checkText;
    bool checked = false;
    EXPECT_EQ(IDOK, RunDialog(dlg, [&](CTypist& t) {
        checkText = t.Text(IDC_KW_INPUT_CHECK);
        checked = t.Checked(IDC_KW_INPUT_CHECK);
        t.SelectAll(IDC_KW_INPUT_VALUE);
        t.Type(IDC_KW_INPUT_VALUE, "\bC");
        t.Key(IDC_KW_INPUT_CHECK, VK_SPACE); // unchecks
        okStates = t.m_okStates;
        t.Key(IDC_KW_INPUT_VALUE, VK_RETURN);
    }));
    EXPECT_EQ("E-EE", okStates);
    EXPECT_EQ("Open it now", checkText);
    EXPECT_TRUE(checked);
    EXPECT_EQ("C", dlg.m_strValue);
    EXPECT_FALSE(dlg.m_bCheck);

    // Cancel: the members keep what OK's rule last read, the value typed and the check box as the
    // dialog opened (nothing read it since).
    CStringBoolDialog cancelled;
    cancelled.m_bCheck = TRUE;
    EXPECT_EQ(IDCANCEL, RunDialog(cancelled, [&](CTypist& t) {
        t.Type(IDC_KW_INPUT_VALUE, "z");
        t.Key(IDC_KW_INPUT_CHECK, VK_SPACE);
        t.Key(IDC_KW_INPUT_VALUE, VK_ESCAPE);
    }));
    EXPECT_EQ("z", cancelled.m_strValue);
    EXPECT_TRUE(cancelled.m_bCheck);
}

// The list dialogs: the list sorted in the combo box, the list's first item chosen as they open,
// a pick by arrow key; OK needs a choice, and in the string and list dialog a required value too.
TEST(InputDialogs, ListDialogsNeedAChoice)
{
    CStringComboDialog both;
    both.m_bRequired = TRUE;
    both.m_strComboLabel = "Material:";
    both.m_strLabel = "Name:";
    for (const char* psz : {"Timber", "Steel", "Concrete"})
        both.m_listItems.AddTail(psz);
    both.m_strSelection = "Concrete"; // the list's first item wins
    std::string okStates, shown, comboLabel, label;
    EXPECT_EQ(IDOK, RunDialog(both, [&](CTypist& t) {
        shown = t.Text(IDC_KW_INPUT_COMBO);
        comboLabel = t.Text(IDC_KW_INPUT_COMBO_LABEL);
        label = t.Text(IDC_KW_INPUT_LABEL);
        t.Type(IDC_KW_INPUT_VALUE, "a\ba");
        t.Key(IDC_KW_INPUT_COMBO, VK_UP);
        okStates = t.m_okStates;
        t.Key(IDC_KW_INPUT_VALUE, VK_RETURN);
    }));
    EXPECT_EQ("-E-EE", okStates);
    EXPECT_EQ("Timber", shown);
    EXPECT_EQ("Material:", comboLabel);
    EXPECT_EQ("Name:", label);
    EXPECT_EQ("a", both.m_strValue);
    EXPECT_EQ("Steel", both.m_strSelection);

    CComboDialog one;
    one.m_strLabel = "Material:";
    for (const char* psz : {"Steel", "Concrete", "Timber"})
        one.m_listItems.AddTail(psz);
    EXPECT_EQ(IDOK, RunDialog(one, [&](CTypist& t) {
        comboLabel = t.Text(IDC_KW_INPUT_COMBO_LABEL);
        t.Key(IDC_KW_INPUT_COMBO, VK_DOWN);
        okStates = t.m_okStates;
        t.Key(IDC_KW_INPUT_COMBO, VK_RETURN);
    }));
    EXPECT_EQ("EE", okStates);
    EXPECT_EQ("Material:", comboLabel);
    EXPECT_EQ("Timber", one.m_strSelection);
}

// With nothing to choose OK stays disabled, whatever is typed; Enter does nothing, Escape
// cancels, and the selection reads back empty.
TEST(InputDialogs, AnEmptyListKeepsOkDisabled)
{
    CComboDialog one;
    one.m_strSelection = "Steel";
    std::string okStates;
    EXPECT_EQ(IDCANCEL, RunDialog(one, [&](CTypist& t) {
        t.Key(IDC_KW_INPUT_COMBO, VK_DOWN);
        t.Key(IDC_KW_INPUT_COMBO, VK_RETURN);
        okStates = t.m_okStates;
        t.Key(IDC_KW_INPUT_COMBO, VK_ESCAPE);
    }));
    EXPECT_EQ("---", okStates);
    EXPECT_EQ("", one.m_strSelection);

    CStringComboDialog both;
    EXPECT_EQ(IDCANCEL, RunDialog(both, [&](CTypist& t) {
        t.Type(IDC_KW_INPUT_VALUE, "a");
        t.Key(IDC_KW_INPUT_VALUE, VK_RETURN);
        okStates = t.m_okStates;
        t.Key(IDC_KW_INPUT_VALUE, VK_ESCAPE);
    }));
    EXPECT_EQ("---", okStates);
    EXPECT_EQ("a", both.m_strValue);
}

} // namespace
