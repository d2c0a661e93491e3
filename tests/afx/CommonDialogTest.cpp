// The system's common dialogs through the framework's wrappers, run modally and answered from a
// timer: the object is attached to the running dialog, sees its notifications, and reports
// what was chosen.
#include <afxdlgs.h>
#include <support/ModalDialogDriver.h>
#include <gtest/gtest.h>

#include "CommonDialogTest.rh"

#include <dlgs.h>

#include <string>
#include <vector>

namespace
{
class CRecordingColorDialog : public CColorDialog
{
public:
    using CColorDialog::CColorDialog;
    std::vector<COLORREF> m_okColors;
    BOOL m_bRefuseFirst = FALSE;

protected:
    BOOL OnColorOK() override
    {
        m_okColors.push_back(m_cc.rgbResult);
        if (m_bRefuseFirst && m_okColors.size() == 1) {
            PostMessage(WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        }
        return FALSE;
    }
};
} // namespace

// Types a colour into the full dialog's red, green and blue fields, as a user would.
static void TypeColor(HWND hDlg, COLORREF clr)
{
    const int ids[3] = {706, 707, 708}; // the red, green and blue edit fields of <colordlg.h>
    const int values[3] = {GetRValue(clr), GetGValue(clr), GetBValue(clr)};
    for (int i = 0; i < 3; i++)
        ::SetDlgItemInt(hDlg, ids[i], values[i], FALSE);
}

TEST(ColorDialog, ReturnsTheColourPickedAndSharesTheCustomColours)
{
    CRecordingColorDialog dlg(RGB(1, 2, 3), CC_FULLOPEN);

    bool bAttached = false;
    ModalDialogDriver driver([&](HWND hDlg) {
        bAttached = CWnd::FromHandlePermanent(hDlg) == &dlg;
        TypeColor(hDlg, RGB(10, 20, 30));
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(driver.Answered());
    EXPECT_TRUE(bAttached);
    EXPECT_EQ(RGB(10, 20, 30), dlg.GetColor());
    EXPECT_EQ(nullptr, dlg.m_hWnd);

    // A second dialog works on the same custom colours; set before DoModal, the current
    // colour is where the dialog starts.
    CColorDialog other;
    EXPECT_EQ(dlg.m_cc.lpCustColors, other.m_cc.lpCustColors);
    other.SetCurrentColor(RGB(9, 8, 7));
    ModalDialogDriver ok([&](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(IDOK, other.DoModal());
    EXPECT_EQ(RGB(9, 8, 7), other.GetColor());
}

TEST(ColorDialog, CancelKeepsTheInitialColourAndOnColorOKCanRefuse)
{
    {
        CRecordingColorDialog dlg(RGB(200, 100, 50), CC_FULLOPEN);
        ModalDialogDriver driver([&](HWND hDlg) {
            TypeColor(hDlg, RGB(0, 0, 255));
            ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_EQ(RGB(200, 100, 50), dlg.GetColor());
        EXPECT_TRUE(dlg.m_okColors.empty());
    }
    {
        // The dialog's registered OK message reaches OnColorOK through the hook with the colour
        // about to be returned; TRUE refuses it.
        CRecordingColorDialog dlg(RGB(200, 100, 50));
        dlg.m_bRefuseFirst = TRUE;
        LRESULT nRefused = 0;
        ModalDialogDriver driver([&](HWND hDlg) {
            CHOOSECOLORA cc = dlg.m_cc;
            cc.rgbResult = RGB(0, 0, 255);
            nRefused = ::SendMessageA(hDlg, ::RegisterWindowMessageA(COLOROKSTRINGA), 0, (LPARAM)&cc);
        });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_NE(0, nRefused);
        EXPECT_EQ(std::vector<COLORREF>{RGB(0, 0, 255)}, dlg.m_okColors);
    }
}

// A TrueType face this system has in bold italic, preferring a well-known one.
static int CALLBACK CollectFace(const LOGFONTA* plf, const TEXTMETRICA*, DWORD dwType, LPARAM lParam)
{
    if ((dwType & TRUETYPE_FONTTYPE) && plf->lfFaceName[0] != '@')
        ((std::vector<std::string>*)lParam)->push_back(plf->lfFaceName);
    return 1;
}
static std::string TrueTypeFace()
{
    std::vector<std::string> faces;
    LOGFONTA lf = {};
    lf.lfCharSet = ANSI_CHARSET;
    HDC hdc = ::GetDC(NULL);
    ::EnumFontFamiliesExA(hdc, &lf, &CollectFace, (LPARAM)&faces, 0);
    ::ReleaseDC(NULL, hdc);
    for (const char* known : {"Liberation Sans", "Tahoma", "Arial"}) {
        for (const std::string& face : faces) {
            if (face == known)
                return face;
        }
    }
    return faces.empty() ? std::string() : faces.front();
}

TEST(FontDialog, StartsOnTheGivenFontAndReportsTheChoice)
{
    LOGFONTA lf = {};
    lf.lfHeight = -16;
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = TRUE;
    lf.lfCharSet = ANSI_CHARSET;
    std::string face = TrueTypeFace();
    ASSERT_FALSE(face.empty());
    lstrcpynA(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    CFontDialog dlg(&lf);

    LOGFONTA lfShown = {};
    ModalDialogDriver driver([&](HWND hDlg) {
        dlg.GetCurrentFont(&lfShown);
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ(face.c_str(), lfShown.lfFaceName);
    EXPECT_STREQ(face.c_str(), dlg.GetFaceName());
    EXPECT_TRUE(dlg.IsBold());
    EXPECT_TRUE(dlg.IsItalic());
    LOGFONTA lfChosen = {};
    dlg.GetCurrentFont(&lfChosen);
    EXPECT_STREQ(face.c_str(), lfChosen.lfFaceName);

    CFontDialog cancelled(&lf);
    ModalDialogDriver cancel([&](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
}

namespace
{
// A folder of its own with a few files, removed afterwards.
class FileDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        m_strFolder = CString(szTemp) + "kwcdlg" + CString(std::to_string(::GetCurrentProcessId()).c_str());
        ::CreateDirectoryA(m_strFolder, NULL);
        for (const char* name : {"a.txt", "b.csv", "c.txt"})
            Touch(name);
    }
    void TearDown() override
    {
        for (const char* name : {"a.txt", "b.csv", "c.txt", "report.csv"})
            ::DeleteFileA(m_strFolder + "\\" + name);
        ::RemoveDirectoryA(m_strFolder);
    }
    void Touch(const char* name)
    {
        HANDLE h = ::CreateFileA(m_strFolder + "\\" + name, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        ::CloseHandle(h);
    }
    // Types a name into the dialog's file name field.
    static void TypeName(CFileDialog& dlg, const char* name) { dlg.SetControlText(edt1, name); }

    CString m_strFolder;
};

// A file dialog that notes each notification and the state it sees then.
class CRecordingFileDialog : public CFileDialog
{
public:
    using CFileDialog::CFileDialog;
    std::vector<std::string> m_log;
    int m_nRefuseNames = 0;
    CString m_strTypeChangeName; // written into the name field when the type changes

protected:
    BOOL OnInitDialog() override
    {
        CFileDialog::OnInitDialog();
        m_log.push_back("initdialog");
        // The extra template's controls are the object's own children.
        if (CWnd* pCombo = GetDlgItem(IDC_CDLGTEST_COMBO)) {
            pCombo->SendMessage(CB_ADDSTRING, 0, (LPARAM) "Model");
            pCombo->SendMessage(CB_ADDSTRING, 0, (LPARAM) "Text");
            m_log.push_back("template");
        }
        return TRUE;
    }
    void OnInitDone() override { m_log.push_back("initdone"); }
    void OnTypeChange() override
    {
        m_log.push_back("typechange " + std::to_string(m_ofn.nFilterIndex));
        if (!m_strTypeChangeName.IsEmpty())
            SetControlText(edt1, m_strTypeChangeName);
    }
    BOOL OnFileNameOK() override
    {
        m_log.push_back(std::string("fileok ") + GetFileName().GetString());
        if (m_nRefuseNames > 0) {
            m_nRefuseNames--;
            GetParent()->PostMessage(WM_COMMAND, IDOK, 0);
            return TRUE;
        }
        return FALSE;
    }
};

} // namespace

TEST_F(FileDialogTest, OpensTheTypedNameAndReportsItsParts)
{
    CRecordingFileDialog dlg(TRUE, "txt", NULL, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, "Text|*.txt|Comma separated|*.csv||");
    dlg.m_ofn.lpstrInitialDir = m_strFolder;
    dlg.m_ofn.lpstrTitle = "KwUi open test";
    EXPECT_EQ(0, memcmp(dlg.m_ofn.lpstrFilter, "Text\0*.txt\0Comma separated\0*.csv\0\0", 35));

    bool bParentIsExplorer = false;
    CString strFolderWhileUp;
    ModalDialogDriver driver(
        [&](HWND hDlg) {
            bParentIsExplorer = dlg.GetParent()->GetSafeHwnd() == hDlg && ::GetParent(dlg.m_hWnd) == hDlg;
            strFolderWhileUp = dlg.GetFolderPath();
            dlg.HideControl(chx1);
            TypeName(dlg, "a.txt");
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        },
        "KwUi open test");
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(bParentIsExplorer);
    EXPECT_STREQ(m_strFolder, strFolderWhileUp);
    EXPECT_STREQ(m_strFolder + "\\a.txt", dlg.GetPathName());
    EXPECT_STREQ("a.txt", dlg.GetFileName());
    EXPECT_STREQ("txt", dlg.GetFileExt());
    EXPECT_STREQ("a", dlg.GetFileTitle());
    EXPECT_STREQ(m_strFolder, dlg.GetFolderPath());
    ASSERT_LE(2u, dlg.m_log.size());
    EXPECT_EQ("initdialog", dlg.m_log[0]);
    EXPECT_EQ("initdone", dlg.m_log[1]);
    EXPECT_EQ("fileok a.txt", dlg.m_log.back());
}

TEST_F(FileDialogTest, AnotherTypeRenamesTheSaveNameAndARefusedNameKeepsTheDialogUp)
{
    CRecordingFileDialog dlg(FALSE, NULL, "report.txt", OFN_OVERWRITEPROMPT, "Text|*.txt|Comma separated|*.csv|");
    dlg.m_ofn.lpstrInitialDir = m_strFolder;
    dlg.m_ofn.lpstrTitle = "KwUi save test";
    dlg.m_strTypeChangeName = "report.csv";
    dlg.m_nRefuseNames = 1;
    ModalDialogDriver driver(
        [&](HWND hDlg) {
            HWND hTypes = ::GetDlgItem(hDlg, cmb1);
            ::SendMessageA(hTypes, CB_SETCURSEL, 1, 0);
            ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), (LPARAM)hTypes);
            ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), (LPARAM)hTypes);
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        },
        "KwUi save test");
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(2u, dlg.m_ofn.nFilterIndex);
    EXPECT_STREQ(m_strFolder + "\\report.csv", dlg.GetPathName());
    std::vector<std::string> tail(dlg.m_log.end() - std::min<size_t>(3, dlg.m_log.size()), dlg.m_log.end());
    EXPECT_EQ((std::vector<std::string>{"typechange 2", "fileok report.csv", "fileok report.csv"}), tail);
}

TEST_F(FileDialogTest, TheExtraTemplateShowsAndSeveralFilesCanBeChosen)
{
    CRecordingFileDialog dlg(TRUE, NULL, NULL, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST, "All|*.*||");
    dlg.m_ofn.lpstrInitialDir = m_strFolder;
    dlg.m_ofn.lpstrTitle = "KwUi template test";
    dlg.m_ofn.Flags |= OFN_ENABLETEMPLATE;
    dlg.m_ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_CDLGTEST_EXTRA);
    LRESULT nItems = -1;
    bool bComboInExplorer = false;
    ModalDialogDriver driver(
        [&](HWND hDlg) {
            // The template's combo box, found from the Explorer dialog the timer found.
            HWND hChild = ::FindWindowExA(hDlg, NULL, "#32770", NULL);
            HWND hCombo = ::GetDlgItem(hChild, IDC_CDLGTEST_COMBO);
            bComboInExplorer = hCombo != NULL && hChild == dlg.m_hWnd;
            nItems = ::SendMessageA(hCombo, CB_GETCOUNT, 0, 0);
            TypeName(dlg, "\"a.txt\" \"b.csv\"");
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        },
        "KwUi template test");
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(bComboInExplorer);
    EXPECT_EQ(2, nItems);
    EXPECT_EQ("template", dlg.m_log.at(1));

    std::vector<std::string> paths;
    POSITION pos = dlg.GetStartPosition();
    while (pos != NULL)
        paths.push_back(dlg.GetNextPathName(pos).GetString());
    std::vector<std::string> expected = {(m_strFolder + "\\a.txt").GetString(), (m_strFolder + "\\b.csv").GetString()};
    EXPECT_EQ(expected, paths);
    EXPECT_STREQ(m_strFolder, dlg.GetFolderPath());
}

TEST(FileDialog, ResultBuffersAreReadWithinTheirBounds)
{
    // A filter without its closing bar still ends in two terminators.
    CFileDialog open(TRUE, NULL, NULL, 0, "Text|*.txt");
    EXPECT_EQ(0, memcmp(open.m_ofn.lpstrFilter, "Text\0*.txt\0\0", 12));
    EXPECT_EQ(nullptr, open.GetStartPosition());

    // A multiple selection as the system returns it: the folder, the names, an empty string.
    char multi[] = "C:\\data\0one.txt\0two.txt\0\0";
    open.m_ofn.lpstrFile = multi;
    open.m_ofn.nMaxFile = sizeof(multi);
    open.m_ofn.nFileOffset = 8;
    open.m_ofn.Flags |= OFN_ALLOWMULTISELECT;
    std::vector<std::string> paths;
    for (POSITION pos = open.GetStartPosition(); pos != NULL;)
        paths.push_back(open.GetNextPathName(pos).GetString());
    EXPECT_EQ((std::vector<std::string>{"C:\\data\\one.txt", "C:\\data\\two.txt"}), paths);
    EXPECT_STREQ("C:\\data", open.GetFolderPath());

    // One file: the whole path; a buffer without its final terminator ends at its size.
    char single[] = "C:\\data\\one.txt";
    open.m_ofn.lpstrFile = single;
    open.m_ofn.nMaxFile = sizeof(single);
    open.m_ofn.nFileOffset = 8;
    POSITION pos = open.GetStartPosition();
    EXPECT_STREQ("C:\\data\\one.txt", open.GetNextPathName(pos));
    EXPECT_EQ(nullptr, pos);
    char unterminated[8];
    memcpy(unterminated, "C:\\a\0bcd", 8);
    open.m_ofn.lpstrFile = unterminated;
    open.m_ofn.nMaxFile = sizeof(unterminated);
    paths.clear();
    for (pos = open.GetStartPosition(); pos != NULL;)
        paths.push_back(open.GetNextPathName(pos).GetString());
    EXPECT_EQ((std::vector<std::string>{"C:\\a\\bcd"}), paths);
    EXPECT_STREQ("C:\\a", open.GetFolderPath());
}
