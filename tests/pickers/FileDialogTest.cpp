// The toolkit's file dialog on the system's own, answered from a timer: what it remembers in the
// registry after each way of closing, the filter it starts on, the "Open as:" list, and the
// extension a saved name gets.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "pickers/KwFileDialog.h"
#include "res/resource.h"
#include "support/ModalDialogDriver.h"
#include "support/TestRegistryApp.h"

#include <dlgs.h>

#include <string>

namespace {

const char* kFilter = "Comma|*.csv|Text|*.txt|All|*.*|";
const char* kFiles[] = {"a.txt", "b.csv"};

struct FileDialogFixture : ::testing::Test
{
    TestRegistryApp registry{"pickers"};
    CString folder;

    void SetUp() override
    {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        folder.Format("%skwfiledlg%lu", szTemp, ::GetCurrentProcessId());
        ::CreateDirectoryA(folder, NULL);
        for (const char* name : kFiles)
            ::CloseHandle(::CreateFileA(folder + "\\" + name, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    }
    void TearDown() override
    {
        for (const char* name : kFiles)
            ::DeleteFileA(folder + "\\" + name);
        ::RemoveDirectoryA(folder);
    }
    void Store(const char* dir, DWORD filter)
    {
        registry.Set(HKEY_CURRENT_USER, "KwFileDialog", "LastOpenDir3", REG_SZ, dir, (DWORD)strlen(dir) + 1);
        registry.Set(HKEY_CURRENT_USER, "KwFileDialog", "LastSelectedFilter4", REG_DWORD, &filter, 4);
    }
    // The remembered folder (the test's shown as <folder>) and filter: "<folder>\ 2".
    std::string Stored()
    {
        std::string dir, filter;
        DWORD type;
        registry.Get(HKEY_CURRENT_USER, "KwFileDialog", "LastOpenDir3", type, dir);
        registry.Get(HKEY_CURRENT_USER, "KwFileDialog", "LastSelectedFilter4", type, filter);
        CString text(dir.c_str());
        text.Replace(folder, "<folder>");
        return std::string(text) + " " + (filter.size() == 4 ? std::to_string(*(const DWORD*)filter.data()) : "-");
    }
    // Runs the dialog: answer once it is up, then nButton.
    int Run(CKwFileDialog& dlg, UINT nButton, std::function<void(HWND)> answer)
    {
        ModalDialogDriver driver([&](HWND hDlg) {
            answer(hDlg);
            ::PostMessageA(hDlg, WM_COMMAND, nButton, 0);
        });
        int nResult = dlg.DoModal();
        EXPECT_TRUE(driver.Answered());
        return nResult;
    }
};

// Picks the index-th (0-based) filter as the user does.
void PickType(HWND hDlg, int nIndex)
{
    HWND hTypes = ::GetDlgItem(hDlg, cmb1);
    ::SendMessageA(hTypes, CB_SETCURSEL, nIndex, 0);
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), (LPARAM)hTypes);
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), (LPARAM)hTypes);
}

} // namespace

TEST_F(FileDialogFixture, OpeningStartsOnTheSlotsAndRemembersTheChoiceOnlyOnOK)
{
    for (UINT nButton : {IDCANCEL, IDOK}) {
        Store(folder, 3);
        CKwFileDialog dlg("", IDS_KW_ALL_FILES, 0, kFilter, "Model|Text|Half", 3, 4);
        std::string up;
        UINT nResult = Run(dlg, nButton, [&](HWND hDlg) {
            CString caption, label;
            CWnd::FromHandle(hDlg)->GetWindowText(caption);
            dlg.GetDlgItemText(IDC_KW_OPEN_AS_LABEL, label);
            CComboBox* pCombo = (CComboBox*)dlg.GetDlgItem(IDC_KW_OPEN_AS_COMBO);
            up = std::string(caption + "|" + label + "|" + dlg.GetOpenAsSaveAsSelection() + "|") +
                 std::to_string(pCombo->GetCount());
            pCombo->SetCurSel(1);
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_KW_OPEN_AS_COMBO, CBN_SELCHANGE), (LPARAM)pCombo->m_hWnd);
            // Opening, another filter leaves the typed name alone.
            dlg.SetControlText(edt1, "b.csv");
            PickType(hDlg, 1);
            up += "|" + std::string(dlg.GetControlText(edt1));
            dlg.SetControlText(edt1, "b.csv");
        });
        EXPECT_EQ(nButton, nResult);
        EXPECT_EQ("All Files|Open as:|Model|2|b.csv", up);
        EXPECT_STREQ("Text", dlg.GetOpenAsSaveAsSelection());
        EXPECT_EQ(nButton == IDOK ? "<folder>\\ 2" : "<folder> 3", Stored());
    }
}

TEST_F(FileDialogFixture, TheFilterComesFromTheNameThenFromTheSlotAndTheFolderOnlyWithoutAName)
{
    struct { DWORD stored; const char* name; int folderSlot, filterSlot; DWORD index; bool bFolder; } cases[] = {
        {3, "a.txt", 3, 4, 2, false}, {3, "", 3, 4, 3, true}, {3, "a.doc", 3, 4, 3, false}, {3, "", -1, -1, 0, false},
        {4, "", 3, 4, 0, true}, // no fourth filter
    };
    for (const auto& c : cases) {
        Store(folder, c.stored);
        CKwFileDialog dlg(c.name, 0, 0, kFilter, "", c.folderSlot, c.filterSlot);
        EXPECT_EQ(c.index, dlg.m_ofn.nFilterIndex) << c.name << c.folderSlot;
        EXPECT_STREQ(c.bFolder ? (LPCSTR)folder : nullptr, dlg.m_ofn.lpstrInitialDir) << c.name << c.folderSlot;
    }
    // However long the proposed name, the buffer ends in a terminator.
    CKwFileDialog dlg(CString('x', 300000), 0, 0, kFilter, "", 3, 4);
    EXPECT_NE(nullptr, memchr(dlg.m_ofn.lpstrFile, 0, dlg.m_ofn.nMaxFile));
}

TEST_F(FileDialogFixture, ASavedNameTakesTheExtensionOfItsFilterWhileTypedAndWhenChosen)
{
    // Another filter renames what is typed, but "*.*" names no extension; a name typed without
    // one is completed on OK. With a name proposed, the folder is remembered all the same.
    CKwFileDialog dlg("report.txt", 0, CKwFileDialog::eSaveDialog, kFilter, "Model|Text|", 3, 4);
    dlg.m_ofn.lpstrInitialDir = folder;
    CString names;
    ASSERT_EQ(IDOK, Run(dlg, IDOK, [&](HWND hDlg) {
        dlg.GetDlgItemText(IDC_KW_OPEN_AS_LABEL, names);
        for (int nType : {2, 0, 2, 1, 0}) {
            PickType(hDlg, nType);
            names += "|" + dlg.GetControlText(edt1);
        }
        dlg.SetControlText(edt1, "report");
    }));
    EXPECT_STREQ("Save as:|report.txt|report.csv|report.csv|report.txt|report.csv", names);
    EXPECT_STREQ(folder + "\\report.csv", dlg.GetPathName());
    EXPECT_STREQ("csv", dlg.m_ofn.lpstrFile + dlg.m_ofn.nFileExtension); // where hosts read it
    EXPECT_EQ("<folder>\\ 1", Stored());
}

// Answers the system's question whether a file may be replaced with No, then cancels the dialog.
bool g_bAsked;
HWND g_hSaveDialog;
void CALLBACK AnswerReplaceQuestion(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hBox = ::GetLastActivePopup(g_hSaveDialog);
    if (hBox == g_hSaveDialog || !::IsWindowVisible(hBox))
        return;
    g_bAsked = true;
    ::KillTimer(NULL, nTimer);
    ::PostMessageA(hBox, WM_COMMAND, IDNO, 0);
    ::PostMessageA(g_hSaveDialog, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(FileDialogFixture, ANameTypedWithoutExtensionIsAskedAboutWithTheFiltersOne)
{
    // b.csv exists: saving "b" under "*.csv" must ask before it is replaced, and No keeps it.
    CKwFileDialog dlg("", 0, CKwFileDialog::eSaveDialog, kFilter, "", -1, -1);
    dlg.m_ofn.lpstrInitialDir = folder;
    g_bAsked = false;
    EXPECT_EQ(IDCANCEL, Run(dlg, IDOK, [&](HWND hDlg) {
        g_hSaveDialog = hDlg;
        PickType(hDlg, 0);
        dlg.SetControlText(edt1, "b");
        ::SetTimer(NULL, 0, 50, AnswerReplaceQuestion);
    }));
    EXPECT_TRUE(g_bAsked);
}

TEST_F(FileDialogFixture, AMultipleSelectionRemembersItsOwnFolder)
{
    CKwFileDialog dlg("", 0, CKwFileDialog::eMultipleSelection, kFilter, "", 3, -1);
    dlg.m_ofn.lpstrInitialDir = folder;
    ASSERT_EQ(IDOK, Run(dlg, IDOK, [&](HWND) { dlg.SetControlText(edt1, "\"a.txt\" \"b.csv\""); }));
    POSITION pos = dlg.GetStartPosition();
    EXPECT_STREQ(folder + "\\a.txt", dlg.GetNextPathName(pos));
    EXPECT_EQ("<folder>\\ -", Stored());
}
