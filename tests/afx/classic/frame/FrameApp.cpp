// FrameApp.cpp: a frame window host as classic tutorials write it: a CFrameWnd with a menu and
// accelerators, painting in OnPaint, commands with their command UI. It drives itself from a
// timer, reports on standard output and exits with 0 when every check held (else the number of
// the first that failed).
#define WIN32_LEAN_AND_MEAN
#include <afxwin.h>

#include <stdio.h>

#include "resource.h"

static int g_nFirstFailure = 0;

static void Check(BOOL bOk, int nCheck)
{
    if (!bOk && g_nFirstFailure == 0)
        g_nFirstFailure = nCheck;
}

class CMainFrame : public CFrameWnd
{
public:
    BOOL m_bRed;
    int m_nGreetings;
    int m_nStep;

    CMainFrame() : m_bRed(FALSE), m_nGreetings(0), m_nStep(0)
    {
        Create(NULL, _T("Frame Host"), WS_OVERLAPPEDWINDOW, rectDefault, NULL, MAKEINTRESOURCE(IDR_MAINFRAME));
        LoadAccelTable(MAKEINTRESOURCE(IDR_MAINFRAME));
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        SetTimer(1, 50, NULL);
        return 0;
    }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rect;
        GetClientRect(&rect);
        dc.FillSolidRect(&rect, RGB(255, 255, 255));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(m_bRed ? RGB(255, 0, 0) : RGB(0, 0, 0));
        CString strText;
        strText.Format(_T("Hello, %d"), m_nGreetings);
        dc.TextOut(10, 10, strText);
    }
    afx_msg void OnViewRed()
    {
        m_bRed = !m_bRed;
        Invalidate();
    }
    afx_msg void OnUpdateViewRed(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bRed); }
    afx_msg void OnViewGreet()
    {
        m_nGreetings++;
        Invalidate();
    }
    // How many pixels of the text's area have colour cr, after painting what is due.
    int CountPixels(COLORREF cr)
    {
        UpdateWindow();
        CClientDC dc(this);
        int nCount = 0;
        for (int y = 10; y < 30; y++)
            for (int x = 10; x < 80; x++)
                nCount += dc.GetPixel(x, y) == cr;
        return nCount;
    }
    // The state of item nID once its popup has been prepared as for opening.
    CString ItemState(int nPopup, UINT nID)
    {
        CMenu* pPopup = GetMenu()->GetSubMenu(nPopup);
        SendMessage(WM_INITMENUPOPUP, (WPARAM)pPopup->m_hMenu, nPopup);
        UINT nState = pPopup->GetMenuState(nID, MF_BYCOMMAND);
        return nState & MF_GRAYED ? _T("greyed") : nState & MF_CHECKED ? _T("checked") : _T("enabled");
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        switch (m_nStep++)
        {
        case 0:
            printf("menu: Red %s, Greet %s, Unhandled %s\n", (LPCTSTR)ItemState(1, ID_VIEW_RED),
                (LPCTSTR)ItemState(1, ID_VIEW_GREET), (LPCTSTR)ItemState(1, ID_VIEW_UNHANDLED));
            Check(CountPixels(RGB(0, 0, 0)) > 0 && CountPixels(RGB(255, 0, 0)) == 0, 1);
            SendMessage(WM_COMMAND, ID_VIEW_RED);
            printf("after Red: Red %s\n", (LPCTSTR)ItemState(1, ID_VIEW_RED));
            Check(CountPixels(RGB(255, 0, 0)) > 0 && CountPixels(RGB(0, 0, 0)) == 0, 2);
            // The keys go through the message loop, where the frame translates them.
            PostMessage(WM_KEYDOWN, VK_F5, 1);
            PostMessage(WM_KEYUP, VK_F5, 0xC0000001);
            break;
        case 1:
            printf("after F5: %d greeting\n", m_nGreetings);
            KillTimer(1);
            PostMessage(WM_COMMAND, ID_APP_EXIT);
            break;
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_COMMAND(ID_VIEW_RED, &CMainFrame::OnViewRed)
    ON_UPDATE_COMMAND_UI(ID_VIEW_RED, &CMainFrame::OnUpdateViewRed)
    ON_COMMAND(ID_VIEW_GREET, &CMainFrame::OnViewGreet)
END_MESSAGE_MAP()

class CFrameApp : public CWinApp
{
public:
    virtual BOOL InitInstance()
    {
        m_pMainWnd = new CMainFrame;
        m_pMainWnd->ShowWindow(m_nCmdShow);
        m_pMainWnd->UpdateWindow();
        return TRUE;
    }
    virtual int ExitInstance()
    {
        printf("app: %s\n", m_pszAppName);
        CWinApp::ExitInstance();
        return g_nFirstFailure;
    }
};

CFrameApp theApp;
