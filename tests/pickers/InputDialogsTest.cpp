// The small input dialogs run modally, with keys typed into the focused control through the
// message loop: what they show as they open, the state of OK before each key, and the members
// read back after OK and after Cancel.
#include "pickers/ComboDialog.h"
#include "pickers/StringBoolDialog.h"
#include "pickers/StringComboDialog.h"
#include "pickers/StringDialog.h"
#include "res/resource.h"
#include "support/MessageRecorder.h"
#include "support/ModalDialogDriver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(HWND hWnd)
{
    char sz[256] = {};
    ::GetWindowTextA(hWnd, sz, sizeof(sz));
    return sz;
}

// Runs the dialog and presses the keys ("\x01" up, "\x02" down), each to the control with the
// focus, as the user would: the dialog's loop translates them (Tab moves, Enter presses the
// default button); they must end the dialog. Returns the caption | the prompts, check box and
// choice as the dialog opened, then whether OK was enabled ('E') or not ('-') before each key,
// then DoModal's result.
std::string Play(CDialog& dlg, const char* pszKeys)
{
    std::string shown, okStates;
    ModalDialogDriver driver([&](HWND hDlg) {
        shown = Text(hDlg);
        for (UINT nID : {IDC_KW_INPUT_LABEL, IDC_KW_INPUT_CHECK, IDC_KW_INPUT_COMBO_LABEL, IDC_KW_INPUT_COMBO})
            if (HWND hCtrl = ::GetDlgItem(hDlg, nID))
                shown += "|" + Text(hCtrl);
        for (const char* p = pszKeys; *p; p++)
        {
            okStates += ::IsWindowEnabled(::GetDlgItem(hDlg, IDOK)) ? 'E' : '-';
            UINT vk = *p == '\x01' ? VK_UP : *p == '\x02' ? VK_DOWN : LOBYTE(::VkKeyScanA(*p));
            LPARAM lScan = (LPARAM)::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) << 16;
            ::PostMessageA(::GetFocus(), WM_KEYDOWN, vk, lScan | 1);
            ::PostMessageA(::GetFocus(), WM_KEYUP, vk, lScan | 0xC0000001);
            PumpWithPreTranslate();
        }
    });
    int nResult = dlg.DoModal();
    EXPECT_FALSE(driver.TimedOut()) << "the keys did not end the dialog";
    return shown + " " + okStates + " " + std::to_string(nResult);
}

TEST(InputDialogs, StringDialogNeedsAValueOnlyWhenRequired)
{
    CStringDialog required;
    required.m_bRequired = TRUE;
    required.m_strTitle = "Rename";
    // Enter does nothing while OK is disabled.
    EXPECT_EQ("Rename| -EEE--E 1", Play(required, "ab\b\b\rx\r"));
    EXPECT_EQ("x", required.m_strValue);

    // Not required, the caption and the prompt from string resources: an empty value will do.
    CStringDialog optional;
    optional.m_strValue = "old";
    optional.m_nTitleID = IDS_KW_CHOOSE;
    optional.m_nLabelID = IDS_KW_SELECT_FOLDER;
    EXPECT_EQ("Choose|Select a folder: EE 1", Play(optional, "\b\r")); // the whole value was selected
    EXPECT_EQ("", optional.m_strValue);
}

// Cancel leaves the members as OK's rule last read them: the value typed, the check box as the
// dialog opened.
TEST(InputDialogs, StringBoolDialogReadsTheCheckBoxBack)
{
    CStringBoolDialog dlg;
    dlg.m_bRequired = TRUE;
    dlg.m_strLabel = "Name:";
    dlg.m_strValue = "Beam";
    dlg.m_bCheck = TRUE;
    dlg.m_strCheckText = "Open it now";
    EXPECT_EQ("|Name:|Open it now E-EEEEE 1", Play(dlg, "\bc\t\t\t \r")); // the check box is the last stop
    EXPECT_EQ("c", dlg.m_strValue);
    EXPECT_FALSE(dlg.m_bCheck);

    CStringBoolDialog cancelled;
    cancelled.m_bCheck = TRUE;
    EXPECT_EQ("|| EEEEEE 2", Play(cancelled, "z\t\t\t \x1b"));
    EXPECT_EQ("z", cancelled.m_strValue);
    EXPECT_TRUE(cancelled.m_bCheck);
}

// The list dialogs: the list sorted in the combo box, the list's first item chosen as they open
// and an arrow key picking another; OK needs a choice, and a value where it is required.
TEST(InputDialogs, ListDialogsNeedAChoice)
{
    CStringComboDialog both;
    both.m_bRequired = TRUE;
    both.m_strLabel = "Name:";
    both.m_strComboLabel = "Material:";
    for (const char* psz : {"Timber", "Steel", "Concrete"})
        both.m_listItems.AddTail(psz);
    both.m_strSelection = "Concrete"; // the list's first item wins
    EXPECT_EQ("|Name:|Material:|Timber -E-EEEEE 1", Play(both, "a\ba\t\t\t\x01\r"));
    EXPECT_EQ("a", both.m_strValue);
    EXPECT_EQ("Steel", both.m_strSelection);

    CComboDialog one;
    one.m_strLabel = "Material:";
    for (const char* psz : {"Steel", "Concrete", "Timber"})
        one.m_listItems.AddTail(psz);
    EXPECT_EQ("|Material:|Steel EEEE 1", Play(one, "\t\t\x02\r")); // OK has the focus first
    EXPECT_EQ("Timber", one.m_strSelection);

    // With nothing to choose OK stays disabled whatever is typed, and the choice reads back empty.
    CComboDialog none;
    none.m_strSelection = "Steel";
    EXPECT_EQ("|| --- 2", Play(none, "\t\x02\x1b")); // from Cancel to the list
    EXPECT_EQ("", none.m_strSelection);
    CStringComboDialog valueOnly;
    EXPECT_EQ("||| --- 2", Play(valueOnly, "a\r\x1b"));
}

} // namespace
