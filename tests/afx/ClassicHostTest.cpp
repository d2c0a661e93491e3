// The classic hosts (classic/) run to their end: each report comes whole, and each host exits
// with 0 (else the number of its first failed check).
#include <afxwin.h>
#include <gtest/gtest.h>

#include <stdio.h>
#include <string>

namespace {

// Runs the program next to this one and collects its standard output; its exit code in
// *pnExitCode.
bool RunNeighbour(const char* pszName, std::string* pOutput, int* pnExitCode)
{
    char szPath[MAX_PATH];
    DWORD nLen = ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    std::string strPath(szPath, nLen);
    strPath = "\"" + strPath.substr(0, strPath.find_last_of("\\/") + 1) + pszName + "\"";
    FILE* pOutputPipe = _popen(strPath.c_str(), "r");
    if (pOutputPipe == NULL)
        return false;
    char buffer[512];
    for (size_t nRead; (nRead = fread(buffer, 1, sizeof(buffer), pOutputPipe)) > 0;)
        pOutput->append(buffer, nRead);
    *pnExitCode = _pclose(pOutputPipe);
    return true;
}

TEST(ClassicHostTest, RunsToItsEnd)
{
    CString strDayBefore = CTime::GetCurrentTime().Format("%Y-%m-%d");
    std::string strOutput;
    int nExitCode = 99;
    ASSERT_TRUE(RunNeighbour("afx_classic_host.exe", &strOutput, &nExitCode));
    CString strDayAfter = CTime::GetCurrentTime().Format("%Y-%m-%d");
    // The day may turn while it runs.
    std::string strDay(strOutput.find((LPCTSTR)strDayBefore) != std::string::npos ? strDayBefore : strDayAfter);
    EXPECT_EQ("app: Classic Host\n"
              "title: Classic host " + strDay + "\n"
              "worker: 5050 on its own thread\n",
        strOutput);
    EXPECT_EQ(0, nExitCode);
}

TEST(ClassicHostTest, AFrameWithAMenuPaintsAndAnswersItsCommandsAndAccelerators)
{
    std::string strOutput;
    int nExitCode = 99;
    ASSERT_TRUE(RunNeighbour("afx_classic_frame.exe", &strOutput, &nExitCode));
    EXPECT_EQ("menu: Red enabled, Greet enabled, Unhandled greyed\n"
              "after Red: Red checked\n"
              "after F5: 1 greeting\n"
              "app: Frame Host\n",
        strOutput);
    EXPECT_EQ(0, nExitCode);
}

TEST(ClassicHostTest, AWizardDialogApplicationValidatesAndEndsAfterItsDialog)
{
    std::string strOutput;
    int nExitCode = 99;
    ASSERT_TRUE(RunNeighbour("afx_classic_dialog.exe", &strOutput, &nExitCode));
    EXPECT_EQ("filled: count 3\n"
              "refused: Please enter an integer between 1 and 10.\n"
              "OK: count 7, name Wizard, enabled 1\n"
              "app: Wizard Host\n",
        strOutput);
    EXPECT_EQ(0, nExitCode);
}

TEST(ClassicHostTest, ASingleDocumentApplicationSavesAndOpensItsDocument)
{
    std::string strOutput;
    int nExitCode = 99;
    ASSERT_TRUE(RunNeighbour("afx_classic_docview.exe", &strOutput, &nExitCode));
    EXPECT_EQ("started: \"Untitled - Note Host\", text \"\"\n"
              "edited: \"Untitled - Note Host\", text \"Hello, notes\", modified\n"
              "new: \"Untitled - Note Host\", text \"\"\n"
              "opened: \"NoteHost.note - Note Host\", text \"Hello, notes\"\n"
              "app: Note Host\n",
        strOutput);
    EXPECT_EQ(0, nExitCode);
}

} // namespace
