// CStructApp: start-up by the command line, the prompts' one road, the model's file dialog.
#include "StructApp.h"

#include "StructApp.rh"
#include "StructDoc.h"
#include "StructMainFrame.h"
#include "StructWindows.h"

#include "core/KwDpi.h"
#include "core/KwLook.h"
#include "core/KwRegistry.h"
#include "frame/KwSoleDocTemplate.h"
#include "frame/KwSplashWnd.h"
#include "pickers/KwFileDialog.h"
#include "res/resource.h"

#include <afxoleglobals.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" const char* KwUiVersion();

namespace {

CStructApp::TourStarter s_pfnTourStarter = NULL;

// The slot of the toolkit's file dialog the models' folder and filter are remembered in.
const int kModelDialogSlot = 1;

// Milliseconds since the process was created.
unsigned long MillisecondsSinceStart()
{
    FILETIME ftCreation, ftExit, ftKernel, ftUser, ftNow;
    if (!::GetProcessTimes(::GetCurrentProcess(), &ftCreation, &ftExit, &ftKernel, &ftUser))
        return 0;
    ::GetSystemTimeAsFileTime(&ftNow);
    ULARGE_INTEGER created, now;
    created.LowPart = ftCreation.dwLowDateTime;
    created.HighPart = ftCreation.dwHighDateTime;
    now.LowPart = ftNow.dwLowDateTime;
    now.HighPart = ftNow.dwHighDateTime;
    return now.QuadPart > created.QuadPart ? (unsigned long)((now.QuadPart - created.QuadPart) / 10000) : 0;
}

// Prompts of a run nobody watches: said on stderr, and answered no (or cancel, or OK when that
// is the only answer).
int AnswerUnwatched(const CString& strText, UINT nFlags)
{
    fprintf(stderr, "kwdemo: %s\n", (const char*)strText);
    switch (nFlags & MB_TYPEMASK)
    {
    case MB_OK:
        return IDOK;
    case MB_YESNO:
        return IDNO;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    default:
        return IDCANCEL;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CStructApp, CKwSoleDocApp)
    ON_COMMAND(ID_KW_FILE_OPEN_SOLEDOC, &CStructApp::OnFileOpenModel)
    ON_COMMAND(ID_APP_ABOUT, &CStructApp::OnAppAbout)
END_MESSAGE_MAP()

CStructApp theApp;

CStructApp::CStructApp() : CKwSoleDocApp("KwUi Structure"), m_nExitCode(-1), m_bReadyReported(FALSE), m_hWndSplash(NULL) {}

CStructApp* CStructApp::GetApp()
{
    return dynamic_cast<CStructApp*>(AfxGetApp());
}

int CStructApp::Ask(const CString& strText, UINT nFlags)
{
    return AfxMessageBox(strText, nFlags); // through DoMessageBox, where the answerer waits
}

void CStructApp::Log(const CString& strText)
{
    TRACE("%s\n", (const char*)strText);
    CStructApp* pApp = GetApp();
    if (pApp == NULL)
        return;
    if (pApp->GetMainFrame() != NULL)
        pApp->GetMainFrame()->Log(strText);
    else
        pApp->m_pendingLog.Add(strText);
}

void CStructApp::SetTourStarter(TourStarter pfnStarter)
{
    s_pfnTourStarter = pfnStarter;
}

HWND CStructApp::GetSplashWindow() const
{
    return m_hWndSplash != NULL && ::IsWindow(m_hWndSplash) ? m_hWndSplash : NULL;
}

CStructMainFrame* CStructApp::GetMainFrame() const
{
    return dynamic_cast<CStructMainFrame*>(m_pMainWnd);
}

CStructDoc* CStructApp::GetModelDoc()
{
    return dynamic_cast<CStructDoc*>(GetSoleDoc());
}

void CStructApp::Quit(int nExitCode)
{
    m_nExitCode = nExitCode;
    if (GetModelDoc() != NULL)
        GetModelDoc()->SetModifiedFlag(FALSE);
    if (m_pMainWnd != NULL && m_pMainWnd->m_hWnd != NULL)
        m_pMainWnd->PostMessage(WM_CLOSE);
    else
        ::PostQuitMessage(nExitCode);
}

BOOL CStructApp::InitInstance()
{
    // Sharp on every monitor: the windows scale to each monitor's DPI themselves.
    CKwDpi::EnablePerMonitorAwareness();
    CKwSoleDocApp::InitInstance();
    if (!m_commandLine.Parse(__argc, __argv))
    {
        CString strUsage;
        strUsage.Format(IDS_STRUCT_USAGE, (const char*)m_commandLine.m_strError);
        return FailStart(strUsage);
    }
    const CStructCommandLine::EMode eMode = m_commandLine.m_eMode;
    if (!AfxOleInit())
        return FailStart("OLE could not be initialised");
    // The profile lives under HKEY_CURRENT_USER\Software\KwUi\Structure. The tour, timed runs
    // and the making of their samples keep to profiles of their own: the same settings at every
    // run, and the user's left alone.
    const char* pszProfile = "Structure";
    if (eMode == CStructCommandLine::eTour)
        pszProfile = "Structure\\Tour";
    else if (eMode == CStructCommandLine::eTiming || eMode == CStructCommandLine::eSample)
        pszProfile = "Structure\\Timed";
    SetRegistryKey("KwUi");
    free((void*)m_pszProfileName);
    m_pszProfileName = _strdup(pszProfile);
    InitBCGSoft();
    // The look the user chose last time; the tour's profile starts classic.
    CKwLook::ApplyRememberedLook();
    CStructDoc::SetLog(&CStructApp::Log);
    LoadStdProfileSettings(4);
    AddDocTemplate(new CKwSoleDocTemplate(IDR_STRUCT_MODEL, RUNTIME_CLASS(CStructDoc)));

    // The tour installs its own answerer when it starts.
    if (eMode != CStructCommandLine::eInteractive)
        m_answerer = AnswerUnwatched;
    // The tour's pictures start from the first run's settings whatever an earlier run left.
    if (eMode != CStructCommandLine::eTour)
        GetSettings().Load();
    const BOOL bShown = eMode != CStructCommandLine::eSample;
    if (eMode == CStructCommandLine::eInteractive || eMode == CStructCommandLine::eTour)
        ShowSplash();

    CStructMainFrame* pFrame = new CStructMainFrame;
    if (!pFrame->LoadFrame(IDR_STRUCT_FRAME))
    {
        delete pFrame;
        return FailStart("the main window could not be made");
    }
    m_pMainWnd = pFrame;
    for (INT_PTR i = 0; i < m_pendingLog.GetSize(); i++)
        pFrame->Log(m_pendingLog[i]);
    m_pendingLog.RemoveAll();
    if (eMode == CStructCommandLine::eTour)
    {
        // The same picture size on every display.
        pFrame->SetWindowPos(NULL, 0, 0, 1024, 768, SWP_NOZORDER);
        pFrame->ShowWindow(SW_SHOWNORMAL);
        pFrame->UpdateWindow();
    }
    else if (bShown)
        pFrame->ShowFrame();

    if (eMode == CStructCommandLine::eSample)
        return MakeSample();
    if (!m_commandLine.m_strModel.IsEmpty())
    {
        if (OpenDocumentFile(m_commandLine.m_strModel) == NULL && eMode != CStructCommandLine::eInteractive)
            return FailStart("the model " + m_commandLine.m_strModel + " could not be opened");
    }
    else if (eMode != CStructCommandLine::eTiming)
        OnFileNewSoleDoc();

    if (eMode == CStructCommandLine::eTour &&
        (s_pfnTourStarter == NULL || !s_pfnTourStarter(m_commandLine.m_strTourFolder, m_commandLine.m_nSoakMinutes)))
        return FailStart("the tour could not start");
    return TRUE;
}

BOOL CStructApp::FailStart(const CString& strWhy)
{
    if (m_commandLine.m_eMode == CStructCommandLine::eInteractive && m_answerer == nullptr)
        Ask(strWhy, MB_OK | MB_ICONSTOP);
    else
        fprintf(stderr, "kwdemo: %s\n", (const char*)strWhy);
    m_nExitCode = 2;
    return FALSE;
}

void CStructApp::ShowSplash()
{
    CKwSplashWnd* pSplash = new CKwSplashWnd(IDB_STRUCT_SPLASH);
    pSplash->SetText("KwUi Structure\nA structural model editor on the KwUi toolkit", CPoint(24, 116));
    if (pSplash->Create())
        m_hWndSplash = pSplash->m_hWnd;
    else
        delete pSplash;
}

int CStructApp::ExitInstance()
{
    const int nExitCode = CKwSoleDocApp::ExitInstance();
    return m_nExitCode >= 0 ? m_nExitCode : nExitCode;
}

BOOL CStructApp::OnIdle(LONG lCount)
{
    // Idle comes once the queue is empty: the restored windows have painted.
    if (lCount == 0 && m_commandLine.m_eMode == CStructCommandLine::eTiming && !m_bReadyReported)
        ReportReady();
    return CKwSoleDocApp::OnIdle(lCount);
}

void CStructApp::ReportReady()
{
    m_bReadyReported = TRUE;
    printf("ready %lu\n", MillisecondsSinceStart());
    fflush(stdout);
    int nExitCode = 0;
    if (!m_commandLine.m_strSaveCopy.IsEmpty())
    {
        LARGE_INTEGER frequency, start, end;
        ::QueryPerformanceFrequency(&frequency);
        ::QueryPerformanceCounter(&start);
        const BOOL bSaved = GetModelDoc() != NULL && GetModelDoc()->OnSaveDocument(m_commandLine.m_strSaveCopy);
        ::QueryPerformanceCounter(&end);
        if (bSaved)
            printf("saved %.1f\n", (double)(end.QuadPart - start.QuadPart) * 1000.0 / (double)frequency.QuadPart);
        else
            fprintf(stderr, "kwdemo: the model could not be saved to %s\n", (const char*)m_commandLine.m_strSaveCopy);
        fflush(stdout);
        nExitCode = bSaved ? 0 : 3;
    }
    Quit(nExitCode);
}

BOOL CStructApp::MakeSample()
{
    OnFileNewSoleDoc();
    CStructDoc* pDoc = GetModelDoc();
    if (pDoc == NULL)
        return FailStart("no model could be made");
    CStructModel model;
    model.MakeSample(m_commandLine.m_nSampleMembers);
    pDoc->SetModel(model);
    const int nWindows = CStructWindows::OpenMany(pDoc, m_commandLine.m_nSampleWindows);
    if (!pDoc->OnSaveDocument(m_commandLine.m_strModel))
        return FailStart("the model could not be saved to " + m_commandLine.m_strModel);
    printf("made %s: %d members, %d windows\n", (const char*)m_commandLine.m_strModel, model.GetCount(), nWindows);
    fflush(stdout);
    Quit(0);
    return TRUE;
}

int CStructApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    if (m_answerer != nullptr)
        return m_answerer(lpszPrompt, nType);
    return CKwSoleDocApp::DoMessageBox(lpszPrompt, nType, nIDPrompt);
}

BOOL CStructApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
    CDocTemplate* pTemplate)
{
    CDocTemplate* pModels = GetFirstSoleDocTemplate();
    CString strName, strExt, strAll;
    if (pModels != NULL)
    {
        pModels->GetDocString(strName, CDocTemplate::filterName);
        pModels->GetDocString(strExt, CDocTemplate::filterExt);
    }
    strAll.LoadString(IDS_KW_ALL_FILES);
    CString strFilter;
    if (!strName.IsEmpty() && !strExt.IsEmpty())
        strFilter = strName + "|*" + strExt + "|";
    strFilter += strAll + "|*.*|";
    CKwFileDialog dlg(fileName, nIDSTitle, bOpenFileDialog ? 0 : CKwFileDialog::eSaveDialog, strFilter, "",
        kModelDialogSlot, kModelDialogSlot);
    // A name without a folder (a new model's) is proposed in the folder of the last model too.
    CString strFolder, strSlot;
    strSlot.Format("LastOpenDir%d", kModelDialogSlot);
    if (fileName.FindOneOf("\\/:") < 0 && CKwRegistry::ReadString(HKEY_CURRENT_USER, "KwFileDialog", strSlot, strFolder))
        dlg.m_ofn.lpstrInitialDir = strFolder;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    fileName = dlg.GetPathName();
    return TRUE;
}

void CStructApp::OnFileOpenModel()
{
    CString strPath;
    if (DoPromptFileName(strPath, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, NULL))
        OpenDocumentFile(strPath);
}

void CStructApp::OnAppAbout()
{
    CString strAbout;
    strAbout.Format(IDS_STRUCT_ABOUT, KwUiVersion());
    Ask(strAbout, MB_OK | MB_ICONINFORMATION);
}
