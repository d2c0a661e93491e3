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
        for (const char* name : {"a.txt", "b.csv", "c.txt"})
            ::CloseHandle(::CreateFileA(folder + "\\" + name, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    }
    void TearDown() override
    {
        for (const char* name : {"a.txt", "b.csv", "c.txt"})
            ::DeleteFileA(folder + "\\" + name);
        ::RemoveDirectoryA(folder);
    }
    void Store(const char* dir, DWORD filter)
    {
        registry.Set(HKEY_CURRENT_USER, "KwFileDialog", "LastOpenDir3", REG_SZ, dir, (DWORD)strlen(dir) + 1);
        registry.Set(HKEY_CURRENT_USER, "KwFileDialog", "LastSelectedFilter4", REG_DWORD, &filter, 4);
    }
    // "dir=<folder>\ filter=2", with the test's folder shown as <folder>.
    std::string Stored()
    {
        std::string text, data;
        DWORD type;
        if (registry.Get(HKEY_CURRENT_USER, "KwFileDialog", "LastOpenDir3", type, data) && type == REG_SZ) {
            CString dir(data.c_str());
            dir.Replace(folder, "<folder>");
            text += "dir=" + std::string(dir.GetString());
        }
        if (registry.Get(HKEY_CURRENT_USER, "KwFileDialog", "LastSelectedFilter4", type, data) && type == REG_DWORD)
            text += " filter=" + std::to_string(*(const DWORD*)data.data());
        return text;
    }
    // Runs the dialog; answer gets it up, then OK or Cancel is pressed.
    int Run(CKwFileDialog& dlg, UINT nButton, std::function<void(HWND)> answer = nullptr)
    {
        ModalDialogDriver driver([&](HWND hDlg) {
            if (answer)
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

TEST_F(FileDialogFixture, OpeningStartsWhereTheSlotsSayAndRemembersTheChoiceOnlyOnOK)
{
    Store(folder, 3);
    std::string up;
    for (UINT nButton : {IDCANCEL, IDOK}) {
        CKwFileDialog dlg("", IDS_KW_ALL_FILES, 0, kFilter, "Model|Text|Half", 3, 4);
        CString selection;
        int nResult = Run(dlg, nButton, [&](HWND hDlg) {
            char szCaption[64], szLabel[64];
            ::GetWindowTextA(hDlg, szCaption, sizeof(szCaption));
            dlg.GetDlgItemText(IDC_KW_OPEN_AS_LABEL, szLabel, sizeof(szLabel));
            CComboBox* pCombo = (CComboBox*)dlg.GetDlgItem(IDC_KW_OPEN_AS_COMBO);
            up = std::string(szCaption) + "|" + szLabel + "|" + std::to_string(pCombo->GetCount()) + "|" +
                 std::to_string(::SendDlgItemMessageA(hDlg, cmb1, CB_GETCURSEL, 0, 0)) + "|" +
                 (dlg.GetFolderPath() == folder ? "in folder" : dlg.GetFolderPath().GetString());
            selection = dlg.GetOpenAsSaveAsSelection();
            pCombo->SetCurSel(1);
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_KW_OPEN_AS_COMBO, CBN_SELCHANGE), (LPARAM)pCombo->m_hWnd);
            // Opening, another filter leaves the name alone.
            dlg.SetControlText(edt1, "b.csv");
            PickType(hDlg, 1);
            up += "|" + std::string(dlg.GetControlText(edt1).GetString());
            dlg.SetControlText(edt1, "b.csv");
        });
        EXPECT_EQ("All Files|Open as:|2|2|in folder|b.csv", up);
        EXPECT_STREQ("Model", selection);
        EXPECT_STREQ("Text", dlg.GetOpenAsSaveAsSelection());
        if (nButton == IDCANCEL) {
            EXPECT_EQ(IDCANCEL, nResult);
            EXPECT_EQ("dir=<folder> filter=3", Stored());
        } else {
            ASSERT_EQ(IDOK, nResult);
            EXPECT_STREQ(folder + "\\b.csv", dlg.GetPathName());
            EXPECT_EQ("dir=<folder>\\ filter=2", Stored());
        }
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
    // Changing the filter renames what is typed; "*.*" names no extension.
    Store("C:\\", 3);
    CKwFileDialog dlg("report.txt", 0, CKwFileDialog::eSaveDialog, kFilter, "Model|Text|", 3, 4);
    EXPECT_EQ(nullptr, dlg.m_ofn.lpstrInitialDir);
    dlg.m_ofn.lpstrInitialDir = folder;
    std::string names;
    CString label;
    ASSERT_EQ(IDOK, Run(dlg, IDOK, [&](HWND hDlg) {
        dlg.GetDlgItemText(IDC_KW_OPEN_AS_LABEL, label);
        for (int nType : {0, 2, 1}) {
            PickType(hDlg, nType);
            names += std::string(dlg.GetControlText(edt1).GetString()) + "|";
        }
    }));
    EXPECT_STREQ("Save as:", label);
    EXPECT_EQ("report.csv|report.csv|report.txt|", names);
    EXPECT_STREQ(folder + "\\report.txt", dlg.GetPathName());
    EXPECT_EQ("dir=<folder>\\ filter=2", Stored());

    // A name typed without an extension after the filter was picked is completed on OK.
    for (int nType : {0, 2}) {
        CKwFileDialog save("", 0, CKwFileDialog::eSaveDialog, kFilter, "", -1, -1);
        save.m_ofn.lpstrInitialDir = folder;
        ASSERT_EQ(IDOK, Run(save, IDOK, [&](HWND hDlg) {
            PickType(hDlg, nType);
            save.SetControlText(edt1, "report");
        }));
        EXPECT_STREQ(folder + (nType == 0 ? "\\report.csv" : "\\report"), save.GetPathName());
        if (nType == 0) // where hosts read the extension
            EXPECT_STREQ("csv", save.m_ofn.lpstrFile + save.m_ofn.nFileExtension);
    }
}

TEST_F(FileDialogFixture, AMultipleSelectionRemembersItsOwnFolder)
{
    CKwFileDialog dlg("", 0, CKwFileDialog::eMultipleSelection, kFilter, "", 3, -1);
    dlg.m_ofn.lpstrInitialDir = folder;
    ASSERT_EQ(IDOK, Run(dlg, IDOK, [&](HWND hDlg) {
        PickType(hDlg, 1);
        dlg.SetControlText(edt1, "\"a.txt\" \"c.txt\"");
    }));
    POSITION pos = dlg.GetStartPosition();
    EXPECT_STREQ(folder + "\\a.txt", dlg.GetNextPathName(pos));
    EXPECT_EQ("dir=<folder>\\", Stored());
}
