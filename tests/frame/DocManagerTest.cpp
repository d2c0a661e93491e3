// The document manager's file dialogs: the filter of every type, the chosen type's extension
// given to a name typed without one, the folder, and names longer than the buffer.
#include "FrameHost.h"

#include "frame/KwDocManager.h"
#include "support/ModalDialogDriver.h"
#include "support/TempPath.h"

#include <commdlg.h>
#include <dlgs.h>

using namespace std::string_literals;

namespace {

class DocManager : public FrameTest
{
protected:
    Calls m_shown; // the filter lines as the dialog shows them
    std::string m_proposed; // the name the dialog first shows

    CKwDocManager* Manager() { return (CKwDocManager*)m_app.m_pDocManager; }
    std::string Filter(CDocTemplate* pTemplate)
    {
        CStringArray exts;
        CString filter = Manager()->BuildFilter(pTemplate, exts);
        return std::string(filter, filter.GetLength());
    }
    // Runs the dialog and answers it: filter line nFilter (from 1), the name typed, OK; Cancel
    // without a name.
    BOOL Prompt(CString& fileName, BOOL bOpen, int nFilter, const char* name, CDocTemplate* pTemplate = NULL)
    {
        m_shown.clear();
        ModalDialogDriver driver([&](HWND hDlg) {
            HWND hTypes = ::GetDlgItem(hDlg, cmb1);
            char text[4096] = "";
            for (int i = 0; ::SendMessageA(hTypes, CB_GETLBTEXT, i, (LPARAM)text) > 0; i++)
                m_shown.push_back(text);
            ::GetDlgItemTextA(hDlg, ::GetDlgItem(hDlg, cmb13) != NULL ? cmb13 : edt1, text, sizeof(text));
            m_proposed = text;
            if (name == NULL)
                return (void)::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
            // The dialog takes the choice when the list closes on it.
            ::SendMessageA(hTypes, CB_SETCURSEL, nFilter - 1, 0);
            ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), (LPARAM)hTypes);
            ::SetDlgItemTextA(hDlg, ::GetDlgItem(hDlg, cmb13) != NULL ? cmb13 : edt1, name);
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        });
        BOOL bResult = Manager()->DoPromptFileName(fileName, 0, 0, bOpen, pTemplate);
        EXPECT_TRUE(driver.Answered()) << "the dialog did not show";
        return bResult;
    }
};

TEST_F(DocManager, FilterHoldsEveryTypeThenAllFiles)
{
    AddTemplate(IDR_KW_A);
    AddTemplate(IDR_KW_NOFILTER); // no filter name, no line
    AddTemplate(IDR_KW_NOEXT); // nor without an extension
    CRecordingTemplate* pB = AddTemplate(IDR_KW_B);
    EXPECT_EQ("A\0*.a\0B\0*.b\0All Files\0*.*\0\0"s, Filter(NULL));
    // One template's line only; a name holding any character is one line.
    EXPECT_EQ("B\0*.b\0All Files\0*.*\0\0"s, Filter(pB));
    EXPECT_EQ("50% N\0*.nn\0All Files\0*.*\0\0"s, Filter(AddTemplate(IDR_KW_NONAME)));
}

TEST_F(DocManager, SavedNameTakesTheChosenTypesExtension)
{
    AddTemplate(IDR_KW_A);
    AddTemplate(IDR_KW_NONAME);
    AddTemplate(IDR_KW_B);
    const TempPath proposed("proposed");
    const std::string path = proposed.c_str(), base = path.substr(0, path.rfind('\\') + 1);
    CString fileName = proposed.c_str();
    EXPECT_TRUE(Prompt(fileName, FALSE, 3, "model"));
    EXPECT_EQ((Calls{"A", "50% N", "B", "All Files"}), m_shown);
    EXPECT_NE(std::string::npos, m_proposed.find("proposed")) << m_proposed;
    EXPECT_STREQ((base + "model.b").c_str(), fileName);
    // A typed extension stays; the all-files line has none to give.
    EXPECT_TRUE(Prompt(fileName = proposed.c_str(), FALSE, 1, "model.txt"));
    EXPECT_STREQ((base + "model.txt").c_str(), fileName);
    EXPECT_TRUE(Prompt(fileName = proposed.c_str(), FALSE, 4, "model"));
    EXPECT_STREQ((base + "model").c_str(), fileName);
    // Cancel leaves the name as it was; a name longer than the buffer is cut.
    EXPECT_FALSE(Prompt(fileName = std::string(2500, 'n').c_str(), FALSE, 1, NULL));
    EXPECT_EQ(std::string(CKwDocManager::MaxFileName - 1, 'n'), m_proposed);
    EXPECT_EQ(2500, fileName.GetLength());
}

TEST_F(DocManager, OpenStartsEmptyInTheFolderOfTheName)
{
    CRecordingTemplate* pA = AddTemplate(IDR_KW_A);
    AddTemplate(IDR_KW_B);
    // A folder no dialog has been in: the dialog does not start there on its own.
    const TempPath folder("open");
    ::CreateDirectoryA(folder.c_str(), NULL);
    const std::string present = folder.c_str() + "\\present.a"s;
    ::CloseHandle(::CreateFileA(present.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    CString fileName = (folder.c_str() + "\\elsewhere.a"s).c_str();
    EXPECT_TRUE(Prompt(fileName, TRUE, 1, "present", pA));
    ::DeleteFileA(present.c_str());
    ::RemoveDirectoryA(folder.c_str());
    EXPECT_EQ((Calls{"A", "All Files"}), m_shown);
    EXPECT_EQ("", m_proposed);
    EXPECT_STREQ(present.c_str(), fileName);
}

} // namespace
