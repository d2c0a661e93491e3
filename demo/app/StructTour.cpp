// StructTour.cpp: the tour plays from a timer of its own hidden window, so that every loop that
// dispatches messages (the application's, a dialog's) moves it on, and windows paint between
// steps. Each tick does one thing: runs an action, asks for the expected state, or takes the
// picture once the windows have painted.
#include "StructTour.h"
#include "StructScreenshot.h"

#include <shlobj.h>

#include <cstdio>

namespace {

const UINT_PTR kTick = 1;
const UINT kTickMilliseconds = 20;

// The answer a prompt takes when nobody expected it: no, or the box's way out.
int Decline(UINT nType)
{
    switch (nType & MB_TYPEMASK)
    {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return IDNO;
    case MB_OKCANCEL:
    case MB_RETRYCANCEL:
        return IDCANCEL;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    default:
        return IDOK;
    }
}

BOOL CALLBACK UpdateNow(HWND hWnd, LPARAM)
{
    if (::IsWindowVisible(hWnd))
        ::RedrawWindow(hWnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return TRUE;
}

} // namespace

BEGIN_MESSAGE_MAP(CStructTour, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CStructTour::CStructTour(const CString& strFolder) : m_nStep(-1), m_state(kOver), m_dwStarted(0)
{
    char szFull[MAX_PATH];
    DWORD dwLength = ::GetFullPathNameA(strFolder, MAX_PATH, szFull, NULL);
    m_strFolder = dwLength > 0 && dwLength < MAX_PATH ? CString(szFull) : strFolder;
    m_strFolder.TrimRight("\\/");
}

CStructTour::~CStructTour()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

void CStructTour::Add(const CStructTourStep& step)
{
    m_steps.push_back(step);
}

BOOL CStructTour::Start()
{
    if (m_steps.empty())
        return FALSE;
    int nMade = ::SHCreateDirectoryExA(NULL, m_strFolder, NULL);
    if (nMade != ERROR_SUCCESS && nMade != ERROR_ALREADY_EXISTS && nMade != ERROR_FILE_EXISTS)
        return FALSE;
    if (m_hWnd == NULL && !CreateEx(0, AfxRegisterWndClass(0), "KwUi tour", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, NULL))
        return FALSE;
    // Played again, the tour starts a page of its own.
    m_page = CStructTourPage();
    m_prompts.RemoveAll();
    m_strUnexpected.Empty();
    m_nStep = 0;
    m_state = kAct;
    if (SetTimer(kTick, kTickMilliseconds, NULL) == 0)
        return FALSE;
    // The first step plays at once, inside the application's start: its picture shows what
    // stands on the screen as the editor comes up (the splash window, whose timer cannot close
    // it before the message loop runs). A state still to come is waited for as usual. The bars
    // show what they will once idle, not what they were made with.
    if (AfxGetMainWnd() != NULL)
        AfxGetMainWnd()->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    for (int nTick = 0; nTick < 3 && m_nStep == 0 && m_state != kOver; nTick++)
        Tick();
    return TRUE;
}

int CStructTour::Answer(const CString& strText, UINT nType)
{
    m_prompts.Add(strText);
    bool bPlaying = m_state != kOver && m_nStep >= 0 && m_nStep < (int)m_steps.size();
    if (bPlaying && m_steps[m_nStep].nAnswer == CStructTourStep::kShowPrompt)
        return ::MessageBoxA(AfxGetMainWnd()->GetSafeHwnd(), strText, AfxGetAppName(), nType);
    if (bPlaying && m_steps[m_nStep].nAnswer != 0)
        return m_steps[m_nStep].nAnswer;
    if (bPlaying && m_strUnexpected.IsEmpty())
        m_strUnexpected = strText;
    return Decline(nType);
}

void CStructTour::SetLine(const CString& strLine)
{
    if (m_nStep >= 0 && m_nStep < (int)m_steps.size())
        m_steps[m_nStep].strLine = strLine;
}

void CStructTour::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTick)
        Tick();
}

void CStructTour::Tick()
{
    switch (m_state)
    {
    case kAct:
        Act();
        break;
    case kWait:
        Wait();
        break;
    case kPaint:
        Picture();
        break;
    case kOver:
        break;
    }
}

void CStructTour::Act()
{
    const CStructTourStep& step = m_steps[m_nStep];
    printf("tour: %02d %s: %s\n", m_nStep + 1, (const char*)step.strName, (const char*)step.strLine);
    fflush(stdout);
    // Set before the action: a dialog it opens runs a loop of its own, where the next ticks
    // must find this step waiting.
    m_state = kWait;
    m_dwStarted = ::GetTickCount();
    if (step.action)
        step.action();
}

void CStructTour::Wait()
{
    const CStructTourStep& step = m_steps[m_nStep];
    if (!m_strUnexpected.IsEmpty())
        return Fail("the application asked \"" + m_strUnexpected + "\"");
    CString strMissing = step.check ? step.check() : CString();
    if (strMissing.IsEmpty())
    {
        // What the step changed is painted before the picture is taken.
        ::EnumThreadWindows(::GetCurrentThreadId(), UpdateNow, 0);
        m_state = kPaint;
    }
    else if (Elapsed() > step.dwLimit)
        Fail(strMissing);
}

void CStructTour::Picture()
{
    const CStructTourStep& step = m_steps[m_nStep];
    if (!m_strUnexpected.IsEmpty())
        return Fail("the application asked \"" + m_strUnexpected + "\"");
    // Windows still waiting to paint (a pane laid out late, a popup just shown) paint first.
    if (HIWORD(::GetQueueStatus(QS_PAINT)) & QS_PAINT)
    {
        if (Elapsed() > step.dwLimit)
            Fail("the windows did not finish painting");
        return;
    }
    CString strPicture = SavePicture("");
    if (strPicture.IsEmpty())
        return Fail("its picture could not be saved");
    m_page.Add(strPicture, step.strLine);
    // Prompts from now on belong to the next step.
    m_prompts.RemoveAll();
    m_strUnexpected.Empty();
    if (++m_nStep < (int)m_steps.size())
    {
        m_state = kAct;
        return;
    }
    CString strDone;
    strDone.Format("tour: %d steps played; pictures and tour.html in %s", (int)m_steps.size(), (const char*)m_strFolder);
    if (!m_page.Write(m_strFolder + "\\tour.html", "The structural model editor: a tour"))
        return End(m_nStep, "tour: the page tour.html could not be written");
    End(0, strDone);
}

CString CStructTour::SavePicture(const char* pszSuffix) const
{
    CString strPicture;
    strPicture.Format("%02d-%s%s.png", m_nStep + 1, (const char*)m_steps[m_nStep].strName, pszSuffix);
    HWND hWndMain = AfxGetMainWnd() != NULL ? AfxGetMainWnd()->GetSafeHwnd() : NULL;
    return CStructScreenshot::Save(hWndMain, m_strFolder + "\\" + strPicture) ? strPicture : CString();
}

void CStructTour::Fail(const CString& strWhy)
{
    // The page ends with the failed step, pictured as it stood.
    const CStructTourStep& step = m_steps[m_nStep];
    m_page.Add(SavePicture("-failed"), "Failed: " + step.strLine + " (" + strWhy + ")");
    m_page.Write(m_strFolder + "\\tour.html", "The structural model editor: a tour (failed)");
    End(m_nStep + 1, "tour: step " + step.strName + " failed: " + strWhy);
}

void CStructTour::End(int nCode, const CString& strMessage)
{
    KillTimer(kTick);
    m_state = kOver;
    DestroyWindow(); // the object stays, answering the prompts of the application's end
    OnEnd(nCode, strMessage);
}

void CStructTour::OnEnd(int nCode, const CString& strMessage)
{
    printf("%s\n", (const char*)strMessage);
    fflush(stdout);
    if (nCode != 0)
    {
        // A failed step may stand inside a dialog's loop: the program ends here, with its code.
        ::ExitProcess((UINT)nCode);
    }
    // The application closes as its user closes it; its questions are declined from now on.
    if (AfxGetMainWnd() != NULL && AfxGetMainWnd()->GetSafeHwnd() != NULL)
        AfxGetMainWnd()->PostMessage(WM_CLOSE);
    else
        ::PostQuitMessage(0);
}
