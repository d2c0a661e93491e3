// The application object: start-up through AfxWinMain, and the profile where the framework
// keeps it (registry under the application's key, or the .ini file).
#include <afxwin.h>
#include <gtest/gtest.h>

#include <shlwapi.h>

#include "support/ModalDialogDriver.h"
#include "support/TestRegistryApp.h"

#include <string>
#include <utility>
#include <vector>

namespace {

const char* const testCompany = "KwUi Tests (afx)";

class CTestApp : public CWinApp
{
public:
    explicit CTestApp(LPCTSTR lpszAppName = NULL) : CWinApp(lpszAppName) {}
    std::vector<std::string> m_calls;
    CWnd m_wndMain;

    BOOL InitInstance() override
    {
        m_calls.push_back("InitInstance");
        if (!m_wndMain.CreateEx(0, AfxRegisterWndClass(0), "main", WS_POPUP, CRect(0, 0, 100, 100), NULL, 0))
            return FALSE;
        m_pMainWnd = &m_wndMain;
        m_wndMain.PostMessage(WM_CLOSE);
        return TRUE;
    }
    int ExitInstance() override
    {
        m_calls.push_back("ExitInstance");
        return CWinApp::ExitInstance() + 40;
    }
};

// The application owns its document manager, which deletes the templates it holds.
TEST(WinApp, TheApplicationDeletesItsDocumentManagerWhole)
{
    struct CCountedManager : CDocManager
    {
        int* m_pnDeleted;
        explicit CCountedManager(int* pnDeleted) : m_pnDeleted(pnDeleted) {}
        ~CCountedManager() override { ++*m_pnDeleted; }
    };
    int nDeleted = 0;
    {
        CWinApp app("Owner");
        app.m_pDocManager = new CCountedManager(&nDeleted);
    }
    EXPECT_EQ(1, nDeleted);
}

TEST(WinApp, AfxWinMainRunsTheApplicationUntilItsMainWindowCloses)
{
    CTestApp app;
    ASSERT_EQ(&app, AfxGetApp());
    ASSERT_EQ(&app, AfxGetThread());
    int nResult = AfxWinMain(::GetModuleHandleA(NULL), NULL, (LPSTR) "-x", SW_SHOW);
    EXPECT_EQ(40, nResult);
    EXPECT_EQ((std::vector<std::string>{"InitInstance", "ExitInstance"}), app.m_calls);
    EXPECT_EQ(NULL, app.m_pMainWnd);
    EXPECT_EQ(NULL, AfxGetMainWnd());
    EXPECT_STREQ("-x", app.m_lpCmdLine);
    EXPECT_EQ(SW_SHOW, app.m_nCmdShow);
    EXPECT_EQ(::GetModuleHandleA(NULL), app.m_hInstance);
    EXPECT_STREQ("afx_tests", app.m_pszExeName);
    EXPECT_STREQ("afx_tests", app.m_pszAppName); // no title in the string table
    EXPECT_STREQ("afx_tests.INI", app.m_pszProfileName);
    EXPECT_EQ(NULL, app.m_pszRegistryKey);
}

// The bytes GetProfileBinary gives, or "(failed)".
std::string ProfileBinary(CWinApp& app, LPCTSTR lpszSection, LPCTSTR lpszEntry)
{
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    if (!app.GetProfileBinary(lpszSection, lpszEntry, &pData, &nBytes))
        return "(failed)";
    std::string bytes((const char*)pData, nBytes);
    delete[] pData;
    return bytes;
}

class Profile : public ::testing::Test
{
protected:
    CWinApp m_app{"KwProfileApp"};
    CString m_strSectionKey;

    void SetUp() override
    {
        m_app.SetRegistryKey(testCompany);
        m_strSectionKey.Format("Software\\%s\\KwProfileApp\\Section", testCompany);
    }
    void TearDown() override
    {
        CString strCompany;
        strCompany.Format("Software\\%s", testCompany);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, strCompany);
    }
    // The value's type and bytes as stored, read without the framework; type 0 when absent.
    std::pair<DWORD, std::string> Stored(LPCTSTR lpszEntry)
    {
        HKEY hKey;
        DWORD dwType = 0;
        char data[64];
        DWORD cbData = sizeof(data);
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_strSectionKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return {0, ""};
        LONG lResult = ::RegQueryValueExA(hKey, lpszEntry, NULL, &dwType, (BYTE*)data, &cbData);
        ::RegCloseKey(hKey);
        if (lResult != ERROR_SUCCESS)
            return {0, ""};
        return {dwType, std::string(data, cbData)};
    }
    void WriteRaw(LPCTSTR lpszEntry, DWORD dwType, const void* pData, DWORD cbData)
    {
        HKEY hKey;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, m_strSectionKey, 0, NULL, 0, KEY_WRITE, NULL, &hKey, NULL));
        ::RegSetValueExA(hKey, lpszEntry, 0, dwType, (const BYTE*)pData, cbData);
        ::RegCloseKey(hKey);
    }
};

TEST_F(Profile, ValuesLiveUnderSoftwareCompanyApplicationSection)
{
    EXPECT_STREQ(testCompany, m_app.m_pszRegistryKey);
    EXPECT_STREQ("KwProfileApp", m_app.m_pszProfileName);

    ASSERT_TRUE(m_app.WriteProfileInt("Section", "Width", -120));
    ASSERT_TRUE(m_app.WriteProfileString("Section", "Name", "left pane"));
    BYTE bytes[] = {0x00, 0x12, 0xAF, 0xFF};
    ASSERT_TRUE(m_app.WriteProfileBinary("Section", "Blob", bytes, sizeof(bytes)));

    EXPECT_EQ(std::make_pair((DWORD)REG_DWORD, std::string("\x88\xFF\xFF\xFF", 4)), Stored("Width"));
    EXPECT_EQ(std::make_pair((DWORD)REG_SZ, std::string("left pane", 10)), Stored("Name"));
    EXPECT_EQ(std::make_pair((DWORD)REG_BINARY, std::string((const char*)bytes, sizeof(bytes))), Stored("Blob"));

    EXPECT_EQ((UINT)-120, m_app.GetProfileInt("Section", "Width", 5));
    EXPECT_STREQ("left pane", m_app.GetProfileString("Section", "Name"));
    EXPECT_EQ(std::string((const char*)bytes, sizeof(bytes)), ProfileBinary(m_app, "Section", "Blob"));
}

TEST_F(Profile, MissingAndMistypedValuesReadAsTheDefault)
{
    EXPECT_EQ(5u, m_app.GetProfileInt("Section", "Absent", 5));
    EXPECT_STREQ("dflt", m_app.GetProfileString("Section", "Absent", "dflt"));
    EXPECT_STREQ("", m_app.GetProfileString("Section", "Absent"));
    WriteRaw("Text", REG_SZ, "12", 3);
    WORD wShort = 7;
    WriteRaw("Short", REG_BINARY, &wShort, sizeof(wShort));
    DWORD dwNumber = 3;
    WriteRaw("Number", REG_DWORD, &dwNumber, sizeof(dwNumber));
    WriteRaw("Unterminated", REG_SZ, "abc", 3); // stored without its zero
    EXPECT_EQ(5u, m_app.GetProfileInt("Section", "Text", 5));
    EXPECT_EQ(5u, m_app.GetProfileInt("Section", "Short", 5));
    EXPECT_STREQ("dflt", m_app.GetProfileString("Section", "Number", "dflt"));
    EXPECT_STREQ("abc", m_app.GetProfileString("Section", "Unterminated"));
    LPBYTE pData = (LPBYTE)1;
    UINT nBytes = 9;
    EXPECT_FALSE(m_app.GetProfileBinary("Section", "Number", &pData, &nBytes));
    EXPECT_EQ(NULL, pData);
    EXPECT_EQ(0u, nBytes);
}

TEST_F(Profile, NullEntriesAndValuesDelete)
{
    ASSERT_TRUE(m_app.WriteProfileString("Section", "A", "1"));
    ASSERT_TRUE(m_app.WriteProfileString("Section", "B", "2"));
    ASSERT_TRUE(m_app.WriteProfileString("Section", "A", NULL));
    EXPECT_STREQ("gone", m_app.GetProfileString("Section", "A", "gone"));
    EXPECT_STREQ("2", m_app.GetProfileString("Section", "B"));
    ASSERT_TRUE(m_app.WriteProfileString("Section", NULL, NULL));
    HKEY hKey;
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, m_strSectionKey, 0, KEY_READ, &hKey));
}

// A section nobody may write: writes report their failure and change nothing, reads still work.
TEST(ProfileReadOnly, WritesFailAndReadsStillWork)
{
    TestRegistryApp reg("profile");
    CWinApp& app = reg.m_app;
    const BYTE bytes[3] = {1, 2, 3};
    ASSERT_TRUE(app.WriteProfileInt("Section", "Width", 7));
    ASSERT_TRUE(app.WriteProfileString("Section", "Name", "kept"));
    ASSERT_TRUE(app.WriteProfileBinary("Section", "Blob", (LPBYTE)bytes, sizeof(bytes)));
    ASSERT_TRUE(reg.DenyWrites(HKEY_CURRENT_USER, "Section"));
    EXPECT_FALSE(app.WriteProfileInt("Section", "Width", 8));
    EXPECT_FALSE(app.WriteProfileString("Section", "Name", "new"));
    EXPECT_FALSE(app.WriteProfileString("Section", "Name", NULL));
    EXPECT_FALSE(app.WriteProfileBinary("Section", "Blob", (LPBYTE)bytes, 1));
    EXPECT_EQ(7u, app.GetProfileInt("Section", "Width", 0));
    EXPECT_STREQ("kept", app.GetProfileString("Section", "Name"));
    EXPECT_EQ(std::string("\1\2\3", 3), ProfileBinary(app, "Section", "Blob"));
    EXPECT_TRUE(reg.DenyWrites(HKEY_CURRENT_USER, "Section", false));
}

TEST(ProfileFile, WithoutRegistryKeyTheIniFileHoldsThemWithBinaryAsLetters)
{
    char szTemp[MAX_PATH], szIni[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    ::GetTempFileNameA(szTemp, "kwi", 0, szIni);
    CWinApp app("KwIniApp");
    app.m_pszProfileName = _strdup(szIni);

    ASSERT_TRUE(app.WriteProfileInt("Frame", "Left", -3));
    ASSERT_TRUE(app.WriteProfileString("Frame", "Title", "main"));
    BYTE bytes[] = {0x12, 0xAF};
    ASSERT_TRUE(app.WriteProfileBinary("Frame", "Blob", bytes, sizeof(bytes)));
    char szValue[32] = "";
    ::GetPrivateProfileStringA("Frame", "Left", "", szValue, sizeof(szValue), szIni);
    EXPECT_STREQ("-3", szValue);
    ::GetPrivateProfileStringA("Frame", "Blob", "", szValue, sizeof(szValue), szIni);
    EXPECT_STREQ("CBPK", szValue); // low nibble first, 'A' + nibble

    EXPECT_EQ((UINT)-3, app.GetProfileInt("Frame", "Left", 0));
    EXPECT_STREQ("main", app.GetProfileString("Frame", "Title"));
    EXPECT_EQ("\x12\xAF", ProfileBinary(app, "Frame", "Blob"));
    // Text that WriteProfileBinary could not have written is refused.
    ::WritePrivateProfileStringA("Frame", "Bad", "CBZ!", szIni);
    EXPECT_EQ("(failed)", ProfileBinary(app, "Frame", "Bad"));
    ::WritePrivateProfileStringA("Frame", "Odd", "CBP", szIni);
    EXPECT_EQ("(failed)", ProfileBinary(app, "Frame", "Odd"));
    ::DeleteFileA(szIni);
}

// The message box's caption and text, then the answer.
struct BoxSeen
{
    std::string strCaption;
    std::string strText;
};

ModalDialogDriver::Answer Answer(BoxSeen& seen, int nButton)
{
    return [&seen, nButton](HWND hBox) {
        char sz[256] = "";
        ::GetWindowTextA(hBox, sz, sizeof(sz));
        seen.strCaption = sz;
        ::GetDlgItemTextA(hBox, 0xFFFF, sz, sizeof(sz)); // the box's text is static 0xFFFF
        seen.strText = sz;
        ::PostMessageA(hBox, WM_COMMAND, (WPARAM)nButton, 0);
    };
}

TEST(WinApp, MessageBoxesCarryTheApplicationsNameAndTextsFromTheResourceChain)
{
    CWinApp app("KwBoxApp");
    BoxSeen seen;
    {
        ModalDialogDriver driver(Answer(seen, IDCANCEL));
        EXPECT_EQ(IDCANCEL, AfxMessageBox("Save the plan?", MB_OKCANCEL));
        EXPECT_TRUE(driver.Answered());
    }
    EXPECT_EQ("KwBoxApp", seen.strCaption);
    EXPECT_EQ("Save the plan?", seen.strText);
    {
        ModalDialogDriver driver(Answer(seen, IDOK));
        EXPECT_EQ(IDOK, AfxMessageBox(61000)); // from the test's own string table
        EXPECT_TRUE(driver.Answered());
    }
    EXPECT_EQ("KwBoxApp", seen.strCaption);
    EXPECT_EQ("Application only", seen.strText);
}

} // namespace
