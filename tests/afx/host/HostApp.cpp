// HostApp.cpp: a host application as hosts write it: one global application object and no
// entry point of its own (kwafx_main supplies WinMain). It opens a main window, closes it from
// the message loop and reports through its exit code whether everything came in order:
// 0 when it did, else the number of the first check that failed.
#include <afxwin.h>

namespace {

int firstFailure = 0;

void Check(bool bOk, int nCheck)
{
    if (!bOk && firstFailure == 0)
        firstFailure = nCheck;
}

class CHostApp : public CWinApp
{
public:
    CWnd m_wndMain;
    bool m_bInitApplication = false;

    BOOL InitApplication() override
    {
        m_bInitApplication = true;
        return CWinApp::InitApplication();
    }
    BOOL InitInstance() override
    {
        Check(m_bInitApplication, 1);
        Check(AfxGetApp() == this && AfxGetThread() == this, 2);
        Check(lstrcmpA(m_pszExeName, "afx_host_app") == 0, 3);
        Check(m_hInstance == ::GetModuleHandleA(NULL), 4);
        if (!m_wndMain.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP, CRect(0, 0, 100, 100), NULL, 0))
            return FALSE;
        m_pMainWnd = &m_wndMain;
        Check(AfxGetMainWnd() == &m_wndMain, 5);
        m_wndMain.PostMessage(WM_CLOSE);
        return TRUE;
    }
    int ExitInstance() override
    {
        Check(m_pMainWnd == NULL && m_wndMain.m_hWnd == NULL, 6);
        CWinApp::ExitInstance();
        return firstFailure;
    }
};

CHostApp theApp;

} // namespace
