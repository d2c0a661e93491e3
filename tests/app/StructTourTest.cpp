// The tour's engine on steps of its own: it waits for a state that comes late, answers the
// prompt a step expects, and ends at the first step that does not reach its state (here one
// that met a prompt it did not expect) with that step's number and name, the page showing the
// steps up to it.
#include "StructTour.h"

#include <afxwin.h>
#include <gtest/gtest.h>

#include "support/PumpUntil.h"

#include <string>

namespace {

class CTestTour : public CStructTour
{
public:
    using CStructTour::CStructTour;
    int m_nCode = -1;
    CString m_strMessage;

protected:
    void OnEnd(int nCode, const CString& strMessage) override
    {
        m_nCode = nCode;
        m_strMessage = strMessage;
    }
};

CStructTourStep Step(const char* pszName, std::function<void()> action, std::function<CString()> check, int nAnswer)
{
    CStructTourStep step;
    step.strName = pszName;
    step.strLine = CString("line of ") + pszName;
    step.action = action;
    step.check = check;
    step.nAnswer = nAnswer;
    step.dwLimit = 3000;
    return step;
}

// The state the first step waits for comes with a timer.
bool s_bCame;
void CALLBACK Come(HWND, UINT, UINT_PTR nID, DWORD)
{
    s_bCame = true;
    ::KillTimer(NULL, nID);
}

} // namespace

TEST(StructTour, WaitsForEachStateAndEndsAtTheFirstThatDoesNotComeWithItsNumberAndName)
{
    CWinApp app("KwStructTourTests");
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "Tour", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 320, 200)));
    app.m_pMainWnd = pFrame;
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    CString strFolder;
    strFolder.Format("%skwtour%lu", szTemp, ::GetCurrentProcessId());
    CTestTour tour(strFolder);
    s_bCame = false;
    int nAnswered = 0;
    tour.Add(Step("late",
        [&] {
            ::SetTimer(NULL, 0, 200, Come);
            nAnswered = tour.Answer("Reload it?", MB_YESNO);
        },
        [] { return s_bCame ? CString() : CString("not yet"); }, IDYES));
    tour.Add(Step("asked", [&] { tour.Answer("Overwrite?", MB_YESNOCANCEL); }, [] { return CString(); }, 0));
    tour.Add(Step("never", nullptr, [] { return CString(); }, 0));
    ASSERT_TRUE(tour.Start());
    EXPECT_TRUE(PumpUntil([&] { return tour.m_nCode >= 0; }, 10000));

    EXPECT_EQ(IDYES, nAnswered);
    EXPECT_EQ(2, tour.m_nCode);
    EXPECT_STREQ("tour: step asked failed: the application asked \"Overwrite?\"", tour.m_strMessage);
    CFile page;
    ASSERT_TRUE(page.Open(strFolder + "\\tour.html", CFile::modeRead));
    std::string strPage((size_t)page.GetLength(), '\0');
    page.Read(&strPage[0], (UINT)strPage.size());
    page.Close();
    size_t nLate = strPage.find("01-late.png"), nFailed = strPage.find("02-asked-failed.png");
    EXPECT_TRUE(nLate != std::string::npos && nFailed != std::string::npos && nLate < nFailed) << strPage;
    EXPECT_EQ(std::string::npos, strPage.find("never"));
    for (const char* pszPicture : {"01-late.png", "02-asked-failed.png"})
        EXPECT_TRUE(::DeleteFileA(strFolder + "\\" + pszPicture)) << pszPicture;
    ::DeleteFileA(strFolder + "\\tour.html");
    EXPECT_TRUE(::RemoveDirectoryA(strFolder)); // nothing else was written
    app.m_pMainWnd = NULL;
    pFrame->DestroyWindow();
}
