// KwSplashWnd.cpp: the splash window. Keys and clicks meant for other windows never pass through
// its PreTranslateMessage, so a message hook on the thread watches for them while it is up.
#include "frame/KwSplashWnd.h"

#include <algorithm>
#include <vector>

namespace {

const UINT_PTR nCloseTimer = 1;

// The splash windows up on the user-interface thread, and the hook that watches for them.
std::vector<CKwSplashWnd*> s_splashes;
HHOOK s_hHook = NULL;

} // namespace

BEGIN_MESSAGE_MAP(CKwSplashWnd, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, &CKwSplashWnd::OnPrintClient)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CKwSplashWnd::CKwSplashWnd(UINT nIDBitmap) : m_dwDuration(2500)
{
    m_bitmap.LoadBitmap(nIDBitmap);
}

// The window has gone by now (PostNcDestroy), or never came.
CKwSplashWnd::~CKwSplashWnd()
{
    StopWatching();
}

void CKwSplashWnd::SetDuration(DWORD dwMilliseconds)
{
    m_dwDuration = dwMilliseconds;
}

void CKwSplashWnd::SetText(LPCTSTR lpszText, CPoint pt)
{
    m_strText = lpszText;
    m_ptText = pt;
}

BOOL CKwSplashWnd::Create()
{
    BITMAP bm;
    if (m_bitmap.m_hObject == NULL || !m_bitmap.GetBitmap(&bm))
        return FALSE;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW));
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, lpszClass, NULL, WS_POPUP, 0, 0, bm.bmWidth, bm.bmHeight, NULL,
            NULL))
        return FALSE;
    StartWatching();
    CenterWindow(NULL);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    SetTimer(nCloseTimer, m_dwDuration, NULL);
    return TRUE;
}

bool CKwSplashWnd::IsDismissal(UINT message)
{
    switch (message)
    {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

BOOL CKwSplashWnd::PreTranslateMessage(MSG* pMsg)
{
    if (!IsDismissal(pMsg->message))
        return CWnd::PreTranslateMessage(pMsg);
    DestroyWindow();
    return TRUE;
}

void CKwSplashWnd::StartWatching()
{
    if (s_splashes.empty())
        s_hHook = ::SetWindowsHookExA(WH_GETMESSAGE, &CKwSplashWnd::OnThreadMessage, NULL, ::GetCurrentThreadId());
    s_splashes.push_back(this);
}

void CKwSplashWnd::StopWatching()
{
    auto it = std::find(s_splashes.begin(), s_splashes.end(), this);
    if (it == s_splashes.end())
        return;
    s_splashes.erase(it);
    if (s_splashes.empty() && s_hHook != NULL)
    {
        ::UnhookWindowsHookEx(s_hHook);
        s_hHook = NULL;
    }
}

LRESULT CALLBACK CKwSplashWnd::OnThreadMessage(int nCode, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
    MSG* pMsg = (MSG*)lParam;
    // Only a message really taken from the queue; a peek that leaves it there comes back.
    if (nCode == HC_ACTION && wParam == PM_REMOVE && IsDismissal(pMsg->message))
    {
        pMsg->message = WM_NULL; // swallowed, as the splash's own would be
        // Each splash that goes takes itself off the list.
        std::vector<CKwSplashWnd*> splashes(s_splashes);
        for (CKwSplashWnd* pSplash : splashes)
            pSplash->DestroyWindow();
    }
    return lResult;
}

void CKwSplashWnd::PostNcDestroy()
{
    delete this;
}

void CKwSplashWnd::OnTimer(UINT_PTR)
{
    DestroyWindow();
}

void CKwSplashWnd::OnPaint()
{
    CPaintDC dc(this);
    Draw(dc);
}

LRESULT CKwSplashWnd::OnPrintClient(WPARAM wParam, LPARAM)
{
    Draw(*CDC::FromHandle((HDC)wParam));
    return 0;
}

void CKwSplashWnd::Draw(CDC& dc)
{
    BITMAP bm;
    CDC dcBitmap;
    if (m_bitmap.GetBitmap(&bm) && dcBitmap.CreateCompatibleDC(&dc))
    {
        CBitmap* pOldBitmap = dcBitmap.SelectObject(&m_bitmap);
        dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcBitmap, 0, 0, SRCCOPY);
        dcBitmap.SelectObject(pOldBitmap);
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    CGdiObject* pOldFont = dc.SelectStockObject(DEFAULT_GUI_FONT);
    int nOldMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(m_strText, CRect(m_ptText, rcClient.BottomRight()), 0);
    dc.SetBkMode(nOldMode);
    dc.SelectObject(pOldFont);
}
