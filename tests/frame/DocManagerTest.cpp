// The document manager's file dialogs: the filter of every type, the type's extension given to
// a name typed without one, cancelling, and names longer than the dialog's buffer.
#include "FrameHost.h"

#include "frame/KwDocManager.h"
#include "support/ModalDialogDriver.h"

#include <commdlg.h>
#include <dlgs.h>

namespace {

class DocManager : public FrameTest
{
protected:
    std::string m_folder;
    void SetUp() override
    {
        FrameTest::SetUp();
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        ::GetLongPathNameA(temp, temp, MAX_PATH);
        m_folder = std::string(temp) + "kwdocman" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(m_folder.c_str(), NULL);
    }
    void TearDown() override
    {
        ::RemoveDirectoryA(m_folder.c_str());
        FrameTest::TearDown();
    }
    CKwDocManager* Manager() { return (CKwDocManager*)m_app.m_pDocManager; }

    // Runs the dialog, answered by choosing filter line nFilter (from 1), typing name and OK.
    // The dialog's filter lines (as shown) and its edit's first text are noted.
    BOOL Prompt(CString& fileName, BOOL bOpen, int nFilter, const char* name, CDocTemplate* pTemplate = NULL,
        DWORD lFlags = 0)
    {
        m_shown.clear();
        m_proposed.clear();
        ModalDialogDriver driver([&](HWND hDlg) {
            m_bReadOnlyBox = ::IsWindowVisible(::GetDlgItem(hDlg, chx1)) != FALSE;
            HWND hTypes = ::GetDlgItem(hDlg, cmb1);
            int nCount = (int)::SendMessageA(hTypes, CB_GETCOUNT, 0, 0);
            for (int i = 0; i < nCount; i++)
            {
                char item[256] = "";
                ::SendMessageA(hTypes, CB_GETLBTEXT, i, (LPARAM)item);
                m_shown.push_back(item);
            }
            std::vector<char> text(4096);
            ::GetDlgItemTextA(hDlg, ::GetDlgItem(hDlg, cmb13) != NULL ? cmb13 : edt1, text.data(), (int)text.size());
            m_proposed = text.data();
            if (name == NULL)
            {
                ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
                return;
            }
            ::SendMessageA(hTypes, CB_SETCURSEL, nFilter - 1, 0);
            // The dialog takes the choice when the list closes on it.
            ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), (LPARAM)hTypes);
            ::SetDlgItemTextA(hDlg, edt1, name);
            ::SetDlgItemTextA(hDlg, cmb13, name);
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        });
        BOOL bResult = Manager()->DoPromptFileName(fileName, 0, lFlags, bOpen, pTemplate);
        EXPECT_TRUE(driver.Answered()) << "the dialog did not show";
        return bResult;
    }
    std::vector<std::string> m_shown;
    std::string m_proposed;
    bool m_bReadOnlyBox = false;
};

// Answers Yes to a question the file dialog asks in a box of its own, and notes its text.
std::string g_question;
void CALLBACK AnswerQuestion(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM) -> BOOL {
        char cls[16] = "";
        ::GetClassNameA(hWnd, cls, sizeof(cls));
        if (strcmp(cls, "#32770") != 0 || ::GetWindow(hWnd, GW_OWNER) == NULL || !::IsWindowVisible(hWnd))
            return TRUE;
        char text[512] = "";
        ::GetDlgItemTextA(hWnd, 0xFFFF, text, sizeof(text));
        g_question = text;
        ::PostMessageA(hWnd, WM_COMMAND, IDYES, 0);
        return FALSE;
    }, 0);
}

typedef std::vector<std::string> Lines;

TEST_F(DocManager, FilterHoldsEveryTypeThenAllFiles)
{
    CRecordingTemplate* pA = AddTemplate(IDR_KW_A);
    AddTemplate(IDR_KW_NOFILTER); // no filter name: no line of its own
    AddTemplate(IDR_KW_NOEXT); // nor without an extension
    CRecordingTemplate* pB = AddTemplate(IDR_KW_B);
    CStringArray exts;
    CString filter = Manager()->BuildFilter(NULL, exts);
    static const char expected[] = "A\0*.a\0B\0*.b\0All Files\0*.*\0"; // and the closing zero
    EXPECT_EQ(std::string(expected, sizeof(expected)), std::string(filter, filter.GetLength()));
    ASSERT_EQ(2, exts.GetSize());
    EXPECT_STREQ(".a", exts[0]);
    EXPECT_STREQ(".b", exts[1]);

    // One template's line only.
    exts.RemoveAll();
    filter = Manager()->BuildFilter(pB, exts);
    static const char onlyB[] = "B\0*.b\0All Files\0*.*\0";
    EXPECT_EQ(std::string(onlyB, sizeof(onlyB)), std::string(filter, filter.GetLength()));
    ASSERT_EQ(1, exts.GetSize());
    (void)pA;

    // A name holding the character that once stood for the zeros is one line.
    CRecordingTemplate* pPercent = AddTemplate(IDR_KW_PERCENT);
    exts.RemoveAll();
    filter = Manager()->BuildFilter(pPercent, exts);
    static const char percent[] = "50% P\0*.p\0All Files\0*.*\0";
    EXPECT_EQ(std::string(percent, sizeof(percent)), std::string(filter, filter.GetLength()));
}

TEST_F(DocManager, SavedNameTakesTheChosenTypesExtension)
{
    AddTemplate(IDR_KW_A);
    AddTemplate(IDR_KW_PERCENT);
    AddTemplate(IDR_KW_B);
    CString fileName = (m_folder + "\\proposed").c_str();
    EXPECT_TRUE(Prompt(fileName, FALSE, 3, "model"));
    EXPECT_EQ((Lines{"A", "50% P", "B", "All Files"}), m_shown);
    EXPECT_NE(std::string::npos, m_proposed.find("proposed")) << m_proposed;
    EXPECT_STREQ((m_folder + "\\model.b").c_str(), fileName);

    // A typed extension stays.
    fileName = (m_folder + "\\proposed").c_str();
    EXPECT_TRUE(Prompt(fileName, FALSE, 1, "model.txt"));
    EXPECT_STREQ((m_folder + "\\model.txt").c_str(), fileName);

    // All files: nothing to append.
    fileName = (m_folder + "\\proposed").c_str();
    EXPECT_TRUE(Prompt(fileName, FALSE, 4, "model"));
    EXPECT_STREQ((m_folder + "\\model").c_str(), fileName);

    // Replacing a file is asked first.
    HANDLE file = ::CreateFileA((m_folder + "\\exists.a").c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ::CloseHandle(file);
    g_question.clear();
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 50, AnswerQuestion);
    fileName = (m_folder + "\\proposed").c_str();
    EXPECT_TRUE(Prompt(fileName, FALSE, 1, "exists.a"));
    ::KillTimer(NULL, nTimer);
    ::DeleteFileA((m_folder + "\\exists.a").c_str());
    EXPECT_STREQ((m_folder + "\\exists.a").c_str(), fileName);
    EXPECT_FALSE(g_question.empty()) << "no question before replacing the file";

    // Cancel leaves the name as it was.
    fileName = "C:\\kept.a";
    EXPECT_FALSE(Prompt(fileName, FALSE, 1, NULL));
    EXPECT_STREQ("C:\\kept.a", fileName);
}

TEST_F(DocManager, OpenStartsEmptyInTheFolderOfTheName)
{
    CRecordingTemplate* pA = AddTemplate(IDR_KW_A);
    AddTemplate(IDR_KW_B);
    // A folder no dialog has been in: the dialog does not start there on its own.
    const std::string folder = m_folder + "\\open";
    ::CreateDirectoryA(folder.c_str(), NULL);
    HANDLE file = ::CreateFileA((folder + "\\present.a").c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ::CloseHandle(file);
    CString fileName = (folder + "\\elsewhere.a").c_str();
    EXPECT_TRUE(Prompt(fileName, TRUE, 1, "present", pA, OFN_HIDEREADONLY));
    EXPECT_FALSE(m_bReadOnlyBox) << "the caller's flags";
    ::DeleteFileA((folder + "\\present.a").c_str());
    ::RemoveDirectoryA(folder.c_str());
    EXPECT_EQ((Lines{"A", "All Files"}), m_shown);
    EXPECT_EQ("", m_proposed);
    EXPECT_STREQ((folder + "\\present.a").c_str(), fileName);
}

TEST_F(DocManager, ALongProposedNameIsCutToTheBuffer)
{
    AddTemplate(IDR_KW_A);
    CString fileName(std::string(2500, 'n').c_str());
    EXPECT_FALSE(Prompt(fileName, FALSE, 1, NULL));
    EXPECT_EQ(std::string(CKwDocManager::MaxFileName - 1, 'n'), m_proposed);
    EXPECT_EQ(2500, fileName.GetLength());
}

} // namespace
