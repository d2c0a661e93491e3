// The folder browser and the picture file dialog, answered by a timer that finds them: the
// incoming folder preselected, the title, the filter built from the format mask, OK and Cancel.
#include "core/CoreGlobalMethods.h"
#include "support/ModalDialogDriver.h"

#include <afxole.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class BrowseDialogs : public ::testing::Test
{
protected:
    std::string m_folder;
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        ::GetLongPathNameA(temp, temp, MAX_PATH);
        m_folder = std::string(temp) + "kwbrowse" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(m_folder.c_str(), NULL);
        ::CreateDirectoryA((m_folder + "\\inner").c_str(), NULL);
    }
    void TearDown() override
    {
        ::DeleteFileA((m_folder + "\\picture.png").c_str());
        ::RemoveDirectoryA((m_folder + "\\inner").c_str());
        ::RemoveDirectoryA(m_folder.c_str());
        AfxOleTerm(TRUE);
    }
    static std::string Text(HWND hWnd)
    {
        char text[512] = "";
        ::GetWindowTextA(hWnd, text, sizeof(text));
        return text;
    }
};

// Records the folders the browser is asked to select, as its own thread sends them.
std::vector<std::string> g_selections;
LRESULT CALLBACK RecordSelection(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMsg = (const CWPSTRUCT*)lParam;
    if (code == HC_ACTION && pMsg->message == BFFM_SETSELECTIONA)
        g_selections.push_back(std::to_string(pMsg->wParam) + " " + (const char*)pMsg->lParam);
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

// The text of the tree's selected item.
std::string TreeSelection(HWND hTree)
{
    char text[MAX_PATH] = "";
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = TreeView_GetSelection(hTree);
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    if (item.hItem == NULL || !::SendMessageA(hTree, TVM_GETITEMA, 0, (LPARAM)&item))
        return std::string();
    return text;
}

TEST_F(BrowseDialogs, FolderBrowserStartsAtTheFolderAndGivesTheChoice)
{
    const std::string inner = m_folder + "\\inner";
    CString folder = inner.c_str();
    std::string selected;
    HWND hTitle = NULL;
    size_t asked = 0; // selections asked for before the dialog was answered
    g_selections.clear();
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, RecordSelection, NULL, ::GetCurrentThreadId());
    ModalDialogDriver driver([&](HWND hDlg) {
        hTitle = ::FindWindowExA(hDlg, NULL, "Static", "Select a folder:");
        asked = g_selections.size();
        // The browser walks its tree down to the folder it was asked to select. On a loaded
        // machine the shell's first walk in a new prefix has been seen to stop at the root; the
        // request itself is checked from the record, so ask again until the tree shows it,
        // then take the choice with OK.
        HWND hTree = ::FindWindowExA(hDlg, NULL, WC_TREEVIEWA, NULL);
        for (DWORD start = ::GetTickCount(); hTree != NULL && ::GetTickCount() - start < 20000;)
        {
            selected = TreeSelection(hTree);
            if (lstrcmpiA(selected.c_str(), "inner") == 0)
                break;
            ::SendMessageA(hDlg, BFFM_SETSELECTIONA, TRUE, (LPARAM)inner.c_str());
            MSG msg;
            while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
                ::DispatchMessageA(&msg);
            ::Sleep(50);
        }
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    }, NULL, 30000);
    EXPECT_TRUE(CCoreGlobalMethods::BrowseForFolder(NULL, folder)) << "selected in the tree: " << selected;
    ::UnhookWindowsHookEx(hHook);
    ASSERT_EQ(1u, asked);
    EXPECT_EQ("1 " + inner, g_selections.front()); // the browser starts there, given as a path
    EXPECT_TRUE(driver.Answered());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(hTitle != NULL) << "the title above the tree";
    EXPECT_STREQ((m_folder + "\\inner").c_str(), folder);

    // Cancel leaves the folder as it was.
    CString kept = m_folder.c_str();
    ModalDialogDriver cancel([](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_FALSE(CCoreGlobalMethods::BrowseForFolder(NULL, kept));
    EXPECT_TRUE(cancel.Answered());
    EXPECT_STREQ(m_folder.c_str(), kept);
}

TEST_F(BrowseDialogs, PictureDialogOffersTheMaskedFormatsAndSplitsTheChoice)
{
    // Saving: the file need not exist yet.
    CString folder = (m_folder + "\\").c_str();
    CString path = "proposed.png";
    std::string filterShown, proposed;
    ModalDialogDriver driver([&](HWND hDlg) {
        HWND hType = ::GetDlgItem(hDlg, cmb1);
        char item[256] = "";
        ::SendMessageA(hType, CB_GETLBTEXT, 0, (LPARAM)item);
        filterShown = item;
        proposed = Text(::GetDlgItem(hDlg, edt1)) + Text(::GetDlgItem(hDlg, cmb13));
        ::SetDlgItemTextA(hDlg, edt1, "picture.png");
        ::SetDlgItemTextA(hDlg, cmb13, "picture.png");
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(CCoreGlobalMethods::BrowseForImageWithoutChoice(
        CCoreGlobalMethods::ImageBmp | CCoreGlobalMethods::ImagePng | CCoreGlobalMethods::ImageGif, folder, path, false));
    EXPECT_TRUE(driver.Answered());
    EXPECT_EQ("Image Files (*.bmp; *.png; *.gif)", filterShown);
    EXPECT_NE(std::string::npos, proposed.find("proposed.png")) << proposed;
    EXPECT_STREQ((m_folder + "\\picture.png").c_str(), path);
    EXPECT_STREQ((m_folder + "\\").c_str(), folder);

    // Opening a file that exists, from the folder given.
    HANDLE file = ::CreateFileA((m_folder + "\\picture.png").c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ::CloseHandle(file);
    folder = (m_folder + "\\").c_str();
    path.Empty();
    ModalDialogDriver open([&](HWND hDlg) {
        ::SetDlgItemTextA(hDlg, edt1, "picture.png");
        ::SetDlgItemTextA(hDlg, cmb13, "picture.png");
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(CCoreGlobalMethods::BrowseForImageWithoutChoice(CCoreGlobalMethods::ImagePng, folder, path, true));
    EXPECT_STREQ((m_folder + "\\picture.png").c_str(), path);

    // Cancel changes nothing.
    CString keptFolder = "C:\\", keptPath = "C:\\x.png";
    ModalDialogDriver cancel([](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_FALSE(CCoreGlobalMethods::BrowseForImageWithoutChoice(CCoreGlobalMethods::ImageJpg, keptFolder, keptPath, true));
    EXPECT_TRUE(cancel.Answered());
    EXPECT_STREQ("C:\\", keptFolder);
    EXPECT_STREQ("C:\\x.png", keptPath);
}

} // namespace
