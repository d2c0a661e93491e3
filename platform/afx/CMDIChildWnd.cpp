// CMDIChildWnd.cpp: MDI child frames: creation through the MDI client, activation with the
// menu switch, the maximized state kept across children, and the title.
#include "CMDIChildWnd.h"
#include "CCreateContext.h"
#include "CDocument.h"
#include "CMDIFrameWnd.h"
#include "CMultiDocTemplate.h"
#include "CView.h"
#include "CWinApp.h"
#include "afxstrings.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_MDIACTIVATE()
    ON_WM_MOUSEACTIVATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(NULL) {}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    dwDefaultStyle |= WS_CHILD;
    // The menu and accelerators are the template's, shared by all its frames.
    if (pContext != NULL && pContext->m_pNewDocTemplate != NULL &&
        pContext->m_pNewDocTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate)))
    {
        CMultiDocTemplate* pTemplate = (CMultiDocTemplate*)pContext->m_pNewDocTemplate;
        m_hMenuShared = pTemplate->m_hMenuShared;
        m_hAccelTable = pTemplate->m_hAccelTable;
    }
    CString strFullString, strTitle;
    if (strFullString.LoadString(nIDResource))
        AfxExtractSubString(strTitle, strFullString, 0);
    LPCTSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    CMDIFrameWnd* pMDIFrame = NULL;
    if (pParentWnd != NULL && pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        pMDIFrame = (CMDIFrameWnd*)pParentWnd;
    return Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pMDIFrame, pContext);
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == NULL)
    {
        CWinApp* pApp = AfxGetApp();
        CWnd* pMainWnd = pApp != NULL ? pApp->m_pMainWnd : NULL;
        if (pMainWnd != NULL && pMainWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
            pParentWnd = (CMDIFrameWnd*)pMainWnd;
    }
    if (pParentWnd == NULL || pParentWnd->m_hWndMDIClient == NULL)
    {
        PostNcDestroy();
        return FALSE;
    }
    // The child shows after its view is ready; the MDI client keeps the maximized state.
    BOOL bVisible = (dwStyle & WS_VISIBLE) != 0;
    BOOL bMaximize = (dwStyle & WS_MAXIMIZE) != 0;
    CREATESTRUCT cs = {};
    cs.style = dwStyle & ~(WS_MAXIMIZE | WS_VISIBLE);
    cs.dwExStyle = WS_EX_MDICHILD;
    cs.hwndParent = pParentWnd->m_hWnd;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    if (rect.left == rectDefault.left && rect.top == rectDefault.top && rect.right == rectDefault.right &&
        rect.bottom == rectDefault.bottom)
        cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    m_strTitle = lpszWindowName;
    MDICREATESTRUCTA mcs;
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    mcs.style = cs.style & ~(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = (LPARAM)cs.lpCreateParams;
    if (!AfxHookWindowCreate(this))
    {
        PostNcDestroy();
        return FALSE;
    }
    HWND hWnd = (HWND)::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // no window ever came
    if (hWnd == NULL)
        return FALSE;
    if (bVisible)
    {
        if (bMaximize)
            ::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)hWnd, 0);
        ShowWindow(bMaximize ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        ::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)hWnd, 0);
    }
    return TRUE;
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    // The context came through the MDI client, inside its MDICREATESTRUCT.
    MDICREATESTRUCTA* pmcs = (MDICREATESTRUCTA*)lpcs->lpCreateParams;
    return OnCreateHelper(lpcs, pmcs != NULL ? (CCreateContext*)pmcs->lParam : NULL);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hWndMDIClient = ::GetParent(m_hWnd);
    CWnd* pFrame = hWndMDIClient != NULL ? CWnd::FromHandlePermanent(::GetParent(hWndMDIClient)) : NULL;
    return pFrame != NULL && pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? (CMDIFrameWnd*)pFrame : NULL;
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIDESTROY, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIActivate()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIACTIVATE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIMaximize()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIMAXIMIZE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIRestore()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIRESTORE, (WPARAM)m_hWnd, 0);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    // The frame's title stays as it is while the child goes, and follows the next one after.
    CMDIFrameWnd* pFrameWnd = GetMDIFrame();
    if (pFrameWnd == NULL)
        return CFrameWnd::DestroyWindow();
    HWND hWndFrame = pFrameWnd->m_hWnd;
    LONG_PTR dwStyle = ::GetWindowLongPtrA(hWndFrame, GWL_STYLE);
    ::SetWindowLongPtrA(hWndFrame, GWL_STYLE, dwStyle & ~FWS_ADDTOTITLE);
    MDIDestroy();
    if (::IsWindow(hWndFrame))
    {
        ::SetWindowLongPtrA(hWndFrame, GWL_STYLE, dwStyle);
        pFrameWnd->OnUpdateFrameTitle(TRUE);
    }
    return TRUE;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    BOOL bVisibleThen = (GetStyle() & WS_VISIBLE) != 0;
    CMDIFrameWnd* pFrameWnd = GetMDIFrame();
    if (nCmdShow == -1 && pFrameWnd != NULL)
    {
        // A child comes up maximized when the active one is (or it was itself).
        BOOL bMaximized = FALSE;
        pFrameWnd->MDIGetActive(&bMaximized);
        DWORD dwStyle = GetStyle();
        if (bMaximized || (dwStyle & WS_MAXIMIZE))
            nCmdShow = SW_SHOWMAXIMIZED;
        else if (dwStyle & WS_MINIMIZE)
            nCmdShow = SW_SHOWMINIMIZED;
    }
    CFrameWnd::ActivateFrame(nCmdShow);
    if (pFrameWnd == NULL)
        return;
    ::SendMessageA(pFrameWnd->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    if (!bVisibleThen)
        MDIActivate();
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    // The active view hears the change; the frame's menu and title follow the active child.
    CView* pActiveView = GetActiveView();
    if (!bActivate && pActiveView != NULL)
        pActiveView->OnActivateView(FALSE, pActiveView, pActiveView);
    if (bActivate || pActivateWnd == NULL)
        OnUpdateFrameMenu(bActivate, pActivateWnd, NULL);
    if (bActivate && pActiveView != NULL)
        pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
    if (bActivate || pActivateWnd != NULL)
        OnUpdateFrameTitle(TRUE);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != NULL)
        pFrame->DrawMenuBar();
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == NULL)
        return;
    if (hMenuAlt == NULL && bActivate)
    {
        CDocument* pDoc = GetActiveDocument();
        if (pDoc != NULL)
            hMenuAlt = pDoc->GetDefaultMenu();
    }
    if (hMenuAlt == NULL)
        hMenuAlt = m_hMenuShared;
    if (hMenuAlt != NULL && bActivate)
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenuAlt,
            (LPARAM)pFrame->GetWindowMenuPopup(hMenuAlt));
    else if (!bActivate && pActivateWnd == NULL)
        // The last child is going: the frame's own menu comes back.
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)pFrame->m_hMenuDefault,
            (LPARAM)pFrame->GetWindowMenuPopup(pFrame->m_hMenuDefault));
    else
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    m_nIdleFlags &= ~idleTitle;
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != NULL)
        pFrame->OnUpdateFrameTitle(bAddToTitle);
    if ((GetStyle() & FWS_ADDTOTITLE) == 0 || !bAddToTitle)
        return;
    CDocument* pDocument = GetActiveDocument();
    CString strText = pDocument != NULL ? pDocument->GetTitle() : m_strTitle;
    if (m_nWindow > 0)
        strText.AppendFormat(":%d", m_nWindow);
    AfxSetWindowText(m_hWnd, strText);
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    // Maximized, the child's name is in the frame's caption by Windows: the frame's own title
    // leaves it out, and takes it back when the child is restored.
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != NULL)
        pFrame->OnUpdateFrameTitle(TRUE);
}

int CMDIChildWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    // A click into an inactive child activates it.
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != NULL && pFrame->MDIGetActive() != this)
        MDIActivate();
    return nResult;
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    // The child's accelerators send their commands to the main frame, which routes them here.
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && pFrame != NULL)
    {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel != NULL && ::TranslateAcceleratorA(pFrame->m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

BOOL CMDIChildWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // Routing for its MDI frame, the child leaves the application to the frame.
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != NULL && pFrame->m_pRoutingChild == this)
    {
        CView* pView = GetActiveView();
        if (pView != NULL && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
