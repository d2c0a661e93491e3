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

const char up = '\x01', down = '\x02'; // arrow keys in a key string

std::string Text(HWND hWnd)
{
    char sz[256] = {};
    ::GetWindowTextA(hWnd, sz, sizeof(sz));
    return sz;
}

struct Played
{
    int nResult;
    std::string shown; // caption | prompts, check box and choice as the dialog opened
    std::string okStates; // OK enabled ('E') or not ('-') before each key
};

// Runs the dialog and presses the keys, each to the control with the focus, as the user would:
// the dialog's loop translates them (Tab moves, Enter presses the default button). The keys must
// end the dialog.
Played Play(CDialog& dlg, const char* pszKeys)
{
    Played played = {};
    ModalDialogDriver driver([&](HWND hDlg) {
        played.shown = Text(hDlg);
        for (UINT nID : {IDC_KW_INPUT_LABEL, IDC_KW_INPUT_CHECK, IDC_KW_INPUT_COMBO_LABEL, IDC_KW_INPUT_COMBO})
            if (HWND hCtrl = ::GetDlgItem(hDlg, nID))
                played.shown += "|" + Text(hCtrl);
        for (const char* p = pszKeys; *p; p++)
        {
            played.okStates += ::IsWindowEnabled(::GetDlgItem(hDlg, IDOK)) ? 'E' : '-';
            UINT vk = *p == up ? VK_UP : *p == down ? VK_DOWN : LOBYTE(::VkKeyScanA(*p));
            LPARAM lScan = (LPARAM)::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) << 16;
            ::PostMessageA(::GetFocus(), WM_KEYDOWN, vk, lScan | 1);
            ::PostMessageA(::GetFocus(), WM_KEYUP, vk, lScan | 0xC0000001);
            PumpWithPreTranslate();
        }
    });
    played.nResult = dlg.DoModal();
    EXPECT_FALSE(driver.TimedOut()) << "the keys did not end the dialog";
    return played;
}

TEST(InputDialogs, StringDialogNeedsAValueOnlyWhenRequired)
{
    CStringDialog required;
    required.m_bRequired = TRUE;
    Played played = Play(required, "ab\b\b\rx\r"); // Enter does nothing while OK is disabled
    EXPECT_EQ(IDOK, played.nResult);
    EXPECT_EQ("-EEE--E", played.okStates);
    EXPECT_EQ("x", required.m_strValue);

    // Not required, the caption and the prompt from string resources: an empty value will do.
    CStringDialog optional;
    optional.m_strValue = "old";
    optional.m_nTitleID = IDS_KW_CHOOSE;
    optional.m_nLabelID = IDS_KW_SELECT_FOLDER;
    played = Play(optional, "\b\r"); // the dialog selected the whole value
    EXPECT_EQ(IDOK, played.nResult);
    EXPECT_EQ("Choose|Select a folder:", played.shown);
    EXPECT_EQ("EE", played.okStates);
    EXPECT_EQ("", optional.m_strValue);
}

// Cancel leaves the members as OK's rule last read them: the value typed, the check box as the
// dialog opened.
TEST(InputDialogs, StringBoolDialogReadsTheCheckBoxBack)
{
    CStringBoolDialog dlg;
    dlg.m_bRequired = TRUE;
    dlg.m_strTitle = "Copy";
    dlg.m_strLabel = "Name:";
    dlg.m_strValue = "Beam";
    dlg.m_bCheck = TRUE;
    dlg.m_strCheckText = "Open it now";
    Played played = Play(dlg, "\bc\t\t\t \r"); // the check box is the last stop
    EXPECT_EQ(IDOK, played.nResult);
    EXPECT_EQ("Copy|Name:|Open it now", played.shown);
    EXPECT_EQ("E-EEEEE", played.okStates);
    EXPECT_EQ("c", dlg.m_strValue);
    EXPECT_FALSE(dlg.m_bCheck);

    CStringBoolDialog cancelled;
    cancelled.m_bCheck = TRUE;
    EXPECT_EQ(IDCANCEL, Play(cancelled, "z\t\t\t \x1b").nResult);
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
    Played played = Play(both, std::string("a\ba\t\t\t").append(1, up).append("\r").c_str());
    EXPECT_EQ(IDOK, played.nResult);
    EXPECT_EQ("|Name:|Material:|Timber", played.shown);
    EXPECT_EQ("-E-EEEEE", played.okStates);
    EXPECT_EQ("a", both.m_strValue);
    EXPECT_EQ("Steel", both.m_strSelection);

    CComboDialog one;
    one.m_strLabel = "Material:";
    for (const char* psz : {"Steel", "Concrete", "Timber"})
        one.m_listItems.AddTail(psz);
    played = Play(one, std::string("\t\t").append(1, down).append("\r").c_str()); // OK comes first
    EXPECT_EQ(IDOK, played.nResult);
    EXPECT_EQ("|Material:|Steel", played.shown);
    EXPECT_EQ("Timber", one.m_strSelection);

    // With nothing to choose OK stays disabled whatever is typed, and the choice reads back empty.
    CComboDialog none;
    none.m_strSelection = "Steel";
    played = Play(none, std::string("\t").append(1, down).append("\x1b").c_str()); // from Cancel to the list
    EXPECT_EQ(IDCANCEL, played.nResult);
    EXPECT_EQ("---", played.okStates);
    EXPECT_EQ("", none.m_strSelection);
    CStringComboDialog valueOnly;
    played = Play(valueOnly, "a\r\x1b");
    EXPECT_EQ(IDCANCEL, played.nResult);
    EXPECT_EQ("---", played.okStates);
}

} // namespace
