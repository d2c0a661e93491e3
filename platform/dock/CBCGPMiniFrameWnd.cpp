// CBCGPMiniFrameWnd.cpp: the floating pane's window: the pane fills it, its place is remembered as
// the pane's floating rectangle, its caption double-clicked docks the pane again, and it answers
// its owner's WM_FLOATSTATUS.
#include "CBCGPMiniFrameWnd.h"
#include "CBCGPDockingControlBar.h"

#include <afxpriv.h>

IMPLEMENT_DYNAMIC(CBCGPMiniFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CBCGPMiniFrameWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_CLOSE()
    ON_WM_ACTIVATE()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_CONTEXTMENU()
    ON_WM_NCLBUTTONDOWN()
    ON_MESSAGE(WM_FLOATSTATUS, &CBCGPMiniFrameWnd::OnFloatStatus)
    ON_MESSAGE(WM_DPICHANGED, &CBCGPMiniFrameWnd::OnDpiChanged)
END_MESSAGE_MAP()

CBCGPMiniFrameWnd::CBCGPMiniFrameWnd() : m_pBar(NULL) {}

BOOL CBCGPMiniFrameWnd::Create(CBCGPDockingControlBar* pBar, CWnd* pOwner, const CRect& rect)
{
    CString strTitle;
    pBar->GetWindowText(strTitle);
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    if (!CreateEx(WS_EX_TOOLWINDOW, lpszClass, strTitle,
            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, rect.left, rect.top, rect.Width(),
            rect.Height(), pOwner->GetSafeHwnd(), NULL))
        return FALSE;
    m_pBar = pBar;
    return TRUE;
}

void CBCGPMiniFrameWnd::PostNcDestroy()
{
    delete this;
}

void CBCGPMiniFrameWnd::RememberRect()
{
    if (m_pBar != NULL && !IsIconic())
        GetWindowRect(&m_pBar->m_recentDockInfo.m_rectRecentFloatingRect);
}

void CBCGPMiniFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_pBar != NULL && m_pBar->m_hWnd != NULL && ::GetParent(m_pBar->m_hWnd) == m_hWnd)
        m_pBar->SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    RememberRect();
}

void CBCGPMiniFrameWnd::OnMove(int x, int y)
{
    CWnd::OnMove(x, y);
    RememberRect();
}

void CBCGPMiniFrameWnd::OnClose()
{
    // The window's close button is the pane's; a mini frame left without its pane goes.
    if (m_pBar != NULL)
        m_pBar->OnPressCloseButton();
    else
        DestroyWindow();
}

void CBCGPMiniFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    // The activation leaves for a window that is neither the owner nor another of its floating
    // windows: the owner, kept lit while this one was active, goes dark too.
    CWnd* pOwner = GetOwner();
    HWND hWndOther = pWndOther->GetSafeHwnd();
    if (nState != WA_INACTIVE || pOwner == NULL || hWndOther == pOwner->m_hWnd ||
        (hWndOther != NULL && ::GetWindow(hWndOther, GW_OWNER) == pOwner->m_hWnd))
        return;
    pOwner->m_nFlags &= ~WF_STAYACTIVE;
    pOwner->SendMessage(WM_NCACTIVATE, FALSE);
}

void CBCGPMiniFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCAPTION && m_pBar != NULL)
    {
        m_pBar->DockToRecentPos(); // destroys this window
        return;
    }
    CWnd::OnNcLButtonDblClk(nHitTest, point);
}

LRESULT CBCGPMiniFrameWnd::OnDpiChanged(WPARAM, LPARAM lParam)
{
    // The system draws the caption and its button at the new DPI; the window takes the size it
    // suggests, and the pane (told after it) fills it.
    if (const RECT* pSuggested = (const RECT*)lParam)
        SetWindowPos(NULL, pSuggested->left, pSuggested->top, pSuggested->right - pSuggested->left,
            pSuggested->bottom - pSuggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT CBCGPMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    // Active with its owner: the owner's caption stays lit while this one has the activation,
    // and this one's follows the owner's.
    if (wParam & FS_SYNCACTIVE)
        return TRUE;
    if (wParam & (FS_ACTIVATE | FS_DEACTIVATE))
        DefWindowProc(WM_NCACTIVATE, (wParam & FS_ACTIVATE) != 0 || ::GetActiveWindow() == m_hWnd, 0);
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);
    return TRUE;
}

void CBCGPMiniFrameWnd::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (pWnd == this && m_pBar != NULL && SendMessage(WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)) == HTCAPTION)
        m_pBar->ShowBarMenu(point);
    else
        Default();
}

void CBCGPMiniFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCAPTION && m_pBar != NULL)
    {
        if (::GetActiveWindow() != m_hWnd)
            SetActiveWindow();
        m_pBar->StartFloatingDrag(point);
        return;
    }
    CWnd::OnNcLButtonDown(nHitTest, point);
}
