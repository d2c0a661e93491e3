// ClassicApp.cpp: a host written as classic framework applications are: lean windows.h, _T
// strings, min and max, a plain CWnd main window with an icon from its resources, a timer and a
// worker thread. It reports on standard output and exits with 0 when every check held (else the
// number of the first that failed).
#define WIN32_LEAN_AND_MEAN
#include <afxwin.h>
#include <afxext.h>

#include <stdio.h>

#include "resource.h"

#define WM_WORKER_DONE (WM_APP + 1)

static int g_nFirstFailure = 0;
static UINT g_nWorkerSum = 0;
static BOOL g_bWorkerOwnThread = FALSE;

static void Check(BOOL bOk, int nCheck)
{
    if (!bOk && g_nFirstFailure == 0)
        g_nFirstFailure = nCheck;
}

// Adds 1..100 and posts the sum to the window given, saying whether it has its own thread object.
static UINT SumWorker(LPVOID pParam)
{
    UINT nSum = 0;
    for (UINT n = 1; n <= 100; n++)
        nSum += n;
    CWinThread* pThread = AfxGetThread();
    BOOL bOwnThread = pThread != NULL && pThread != AfxGetApp() && pThread->m_nThreadID == ::GetCurrentThreadId();
    ::PostMessage((HWND)pParam, WM_WORKER_DONE, bOwnThread, nSum);
    return nSum;
}

class CMainWnd : public CWnd
{
public:
    HICON m_hIcon;
    int m_nTicks;

    CMainWnd(HICON hIcon) : m_hIcon(hIcon), m_nTicks(0) {}

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        SetIcon(m_hIcon, TRUE);
        SetIcon(m_hIcon, FALSE);
        SetTimer(1, 50, NULL);
        return CWnd::OnCreate(lpCreateStruct);
    }
    // Closes once the worker has reported, or gives up after ten seconds.
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (g_nWorkerSum != 0 || ++m_nTicks == 200)
        {
            KillTimer(1);
            PostMessage(WM_CLOSE);
        }
    }
    afx_msg HCURSOR OnQueryDragIcon() { return (HCURSOR)m_hIcon; }
    afx_msg LRESULT OnWorkerDone(WPARAM wParam, LPARAM lParam)
    {
        g_bWorkerOwnThread = (BOOL)wParam;
        g_nWorkerSum = (UINT)lParam;
        return 0;
    }
    virtual void PostNcDestroy() { delete this; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMainWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_QUERYDRAGICON()
    ON_MESSAGE(WM_WORKER_DONE, &CMainWnd::OnWorkerDone)
END_MESSAGE_MAP()

class CClassicApp : public CWinApp
{
public:
    CString m_strTitle;

    virtual BOOL InitInstance()
    {
        Enable3dControls();
        AfxEnableControlContainer();
        HICON hIcon = LoadIcon(IDR_MAINFRAME);
        Check(hIcon != NULL, 1);
        m_strTitle = CString(_T("Classic host ")) + CTime::GetCurrentTime().Format(_T("%Y-%m-%d"));

        // A client area of 200 x 100, whatever the frame around it takes.
        CRect rect(0, 0, 200, 100);
        CMainWnd* pWnd = new CMainWnd(hIcon);
        LPCTSTR lpszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, LoadStandardCursor(IDC_ARROW),
            (HBRUSH)(COLOR_WINDOW + 1), hIcon);
        if (!pWnd->CreateEx(0, lpszClass, m_strTitle, WS_OVERLAPPEDWINDOW, rect, NULL, 0))
            return FALSE;
        m_pMainWnd = pWnd;
        pWnd->CalcWindowRect(&rect);
        pWnd->SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER);
        pWnd->GetClientRect(&rect);
        Check(rect.Width() == 200 && rect.Height() == 100, 2);
        Check(max(rect.Width(), rect.Height()) == 200 && min(rect.Height(), 300L) == 100, 3);

        pWnd->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        BOOL bTopMost = (pWnd->GetExStyle() & WS_EX_TOPMOST) != 0;
        pWnd->SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        Check(bTopMost && (pWnd->GetExStyle() & WS_EX_TOPMOST) == 0, 4);
        Check(pWnd->GetIcon(TRUE) == hIcon && pWnd->GetIcon(FALSE) == hIcon, 5);

        pWnd->ShowWindow(m_nCmdShow);
        pWnd->UpdateWindow();
        Check(AfxBeginThread(SumWorker, pWnd->m_hWnd) != NULL, 6);
        return TRUE;
    }
    virtual int ExitInstance()
    {
        Check(m_pMainWnd == NULL, 7);
        Check(g_nWorkerSum == 5050 && g_bWorkerOwnThread, 8);
        printf("app: %s\n", m_pszAppName);
        printf("title: %s\n", (LPCTSTR)m_strTitle);
        printf("worker: %u%s\n", g_nWorkerSum, g_bWorkerOwnThread ? " on its own thread" : "");
        CWinApp::ExitInstance();
        return g_nFirstFailure;
    }
};

CClassicApp theApp;
