// HostApp.cpp: the host as a framework application; kwafx_main supplies WinMain.
#include "HostApp.h"

#include "HostDoc.h"
#include "HostSelfCheck.h"
#include "HostView.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CHostApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
END_MESSAGE_MAP()

CHostApp theApp;

BOOL CHostApp::InitInstance()
{
    SetRegistryKey("KwUi Host"); // the grid's column widths go under HKCU\Software\KwUi Host
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CHostDoc), RUNTIME_CLASS(CFrameWnd),
        RUNTIME_CLASS(CHostView)));

    const bool bSelfCheck = lstrcmpiA(m_lpCmdLine, "/selfcheck") == 0;
    CCommandLineInfo cmdInfo;
    if (!bSelfCheck)
        ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;
    if (bSelfCheck)
    {
        m_nSelfCheckFailure = CHostSelfCheck::Run(*static_cast<CFrameWnd*>(m_pMainWnd));
        m_pMainWnd->PostMessage(WM_CLOSE);
        return TRUE;
    }
    m_pMainWnd->ShowWindow(m_nCmdShow);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

int CHostApp::ExitInstance()
{
    const int nExitCode = CWinApp::ExitInstance();
    return m_nSelfCheckFailure != 0 ? m_nSelfCheckFailure : nExitCode;
}
