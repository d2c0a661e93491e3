// ClassicApp.cpp: a host written as classic framework applications are: lean windows.h, _T
// strings, the min/max macros, a plain CWnd main window with an icon from its resources, a
// timer and a worker thread. It reports what it saw on standard output, one "name: value" line
// each, and exits with 0 when every check held (else the number of the first that failed).
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

// The worker adds 1..100 and posts the sum to the window whose handle it was given; wParam
// says whether it found its own thread object.
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
    BOOL m_bEndSession;
    int m_nTicks;

    CMainWnd(HICON hIcon) : m_hIcon(hIcon), m_bEndSession(FALSE), m_nTicks(0) {}

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg LRESULT OnWorkerDone(WPARAM wParam, LPARAM lParam);
    virtual void PostNcDestroy() { delete this; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMainWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_QUERYDRAGICON()
    ON_WM_ENDSESSION()
    ON_MESSAGE(WM_WORKER_DONE, &CMainWnd::OnWorkerDone)
END_MESSAGE_MAP()

int CMainWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetTimer(1, 50, NULL);
    return 0;
}

void CMainWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.DrawText(_T("Classic host"), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CMainWnd::OnTimer(UINT_PTR nIDEvent)
{
    // Closes once the worker has reported, or gives up after ten seconds.
    if (nIDEvent == 1 && (g_nWorkerSum != 0 || ++m_nTicks == 200))
    {
        KillTimer(1);
        PostMessage(WM_CLOSE);
    }
}

HCURSOR CMainWnd::OnQueryDragIcon()
{
    return (HCURSOR)m_hIcon;
}

void CMainWnd::OnEndSession(BOOL bEnding)
{
    m_bEndSession = !bEnding;
}

LRESULT CMainWnd::OnWorkerDone(WPARAM wParam, LPARAM lParam)
{
    g_bWorkerOwnThread = (BOOL)wParam;
    g_nWorkerSum = (UINT)lParam;
    return 0;
}

class CClassicApp : public CWinApp
{
public:
    CMainWnd* m_pWnd;
    CString m_strTitle;
    CString m_strAbout;

    CClassicApp() : m_pWnd(NULL) {}
    virtual BOOL InitInstance();
    virtual int ExitInstance();
};

CClassicApp theApp;

BOOL CClassicApp::InitInstance()
{
    Enable3dControls();
    AfxEnableControlContainer();

    HICON hIcon = LoadIcon(IDR_MAINFRAME);
    Check(hIcon != NULL, 1);
    CTime timeStart = CTime::GetCurrentTime();
    m_strTitle = CString(_T("Classic host ")) + timeStart.Format(_T("%Y-%m-%d"));

    // A client area of 200 x 100, whatever the frame around it takes.
    DWORD dwStyle = WS_OVERLAPPEDWINDOW;
    CRect rect(0, 0, 200, 100);
    m_pWnd = new CMainWnd(hIcon);
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, LoadStandardCursor(IDC_ARROW),
        (HBRUSH)(COLOR_WINDOW + 1), hIcon);
    if (!m_pWnd->CreateEx(0, lpszClass, m_strTitle, dwStyle, rect, NULL, 0))
        return FALSE;
    m_pMainWnd = m_pWnd;
    m_pWnd->CalcWindowRect(&rect);
    m_pWnd->SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER);
    CRect rectClient;
    m_pWnd->GetClientRect(&rectClient);
    Check(rectClient.Width() == 200 && rectClient.Height() == 100, 2);

    m_pWnd->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    BOOL bTopMost = (m_pWnd->GetExStyle() & WS_EX_TOPMOST) != 0;
    m_pWnd->SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Check(bTopMost && (m_pWnd->GetExStyle() & WS_EX_TOPMOST) == 0, 3);

    Check(m_pWnd->GetIcon(TRUE) == hIcon && m_pWnd->GetIcon(FALSE) == hIcon, 4);
    Check((HICON)m_pWnd->SendMessage(WM_QUERYDRAGICON) == hIcon, 5);
    m_pWnd->SendMessage(WM_ENDSESSION, FALSE);
    Check(m_pWnd->m_bEndSession, 6);

    CDialog dlgAbout;
    if (dlgAbout.Create(IDD_ABOUTBOX, m_pWnd))
    {
        dlgAbout.GetWindowText(m_strAbout);
        dlgAbout.DestroyWindow();
    }

    m_pWnd->ShowWindow(m_nCmdShow);
    m_pWnd->UpdateWindow();
    Check(AfxBeginThread(SumWorker, m_pWnd->m_hWnd) != NULL, 7);
    // windows.h's min and max, as such hosts write them.
    Check(max(rectClient.Width(), rectClient.Height()) == 200 && min(rectClient.Height(), 300L) == 100, 8);
    return TRUE;
}

int CClassicApp::ExitInstance()
{
    Check(m_pMainWnd == NULL, 9);
    Check(g_nWorkerSum == 5050 && g_bWorkerOwnThread, 10);
    printf("app: %s\n", m_pszAppName);
    printf("title: %s\n", (LPCTSTR)m_strTitle);
    printf("about: %s\n", (LPCTSTR)m_strAbout);
    printf("worker: %u%s\n", g_nWorkerSum, g_bWorkerOwnThread ? " on its own thread" : "");
    CWinApp::ExitInstance();
    printf("end\n");
    fflush(stdout);
    return g_nFirstFailure;
}
