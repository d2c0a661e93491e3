// CMDIFrameWnd.cpp: the MDI frame: its MDI client, the Window menu and its commands, and the
// active child first in menus, accelerators and commands.
#include "CMDIFrameWnd.h"
#include "CCreateContext.h"
#include "CDocTemplate.h"
#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "CMenu.h"
#include "CView.h"
#include "CWinApp.h"
#include "afxpriv.h"
#include <vector>

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_COMMAND_EX(ID_WINDOW_ARRANGE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_CASCADE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_NEW, OnUpdateMDIWindowCmd)
    ON_COMMAND(ID_WINDOW_NEW, OnWindowNew)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(NULL), m_pRoutingChild(NULL) {}

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    // The frame's own menu comes back whenever the last child goes.
    m_hMenuDefault = ::GetMenu(m_hWnd);
    return TRUE;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == NULL)
        return NULL;
    // The popup, from the right, whose items include window commands.
    int nItems = ::GetMenuItemCount(hMenuBar);
    for (int iItem = nItems - 1; iItem >= 0; iItem--)
    {
        HMENU hMenuPop = ::GetSubMenu(hMenuBar, iItem);
        if (hMenuPop == NULL)
            continue;
        int nSub = ::GetMenuItemCount(hMenuPop);
        for (int iSub = 0; iSub < nSub; iSub++)
        {
            UINT nID = ::GetMenuItemID(hMenuPop, iSub);
            if (nID >= ID_WINDOW_NEW && nID <= ID_WINDOW_SPLIT)
                return hMenuPop;
        }
    }
    return NULL;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    CMenu* pMenu = NULL;
    if (m_hMenuDefault == NULL)
        m_hMenuDefault = ::GetMenu(m_hWnd);
    HMENU hWindowMenu = GetWindowMenuPopup(m_hMenuDefault);
    if (hWindowMenu != NULL)
        pMenu = CMenu::FromHandle(hWindowMenu);
    return CreateClient(lpcs, pMenu);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT lpcs, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs;
    ccs.hWindowMenu = pWindowMenu->GetSafeHmenu();
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    DWORD dwStyle = WS_VISIBLE | WS_CHILD | WS_BORDER | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL | MDIS_ALLCHILDSTYLES;
    DWORD dwExStyle = 0;
    // The frame's sunken edge belongs to the client.
    if (lpcs->dwExStyle & WS_EX_CLIENTEDGE)
    {
        dwStyle &= ~WS_BORDER;
        dwExStyle |= WS_EX_CLIENTEDGE;
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    }
    m_hWndMDIClient = ::CreateWindowExA(dwExStyle, "MDICLIENT", NULL, dwStyle, 0, 0, 0, 0, m_hWnd,
        (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, AfxGetInstanceHandle(), &ccs);
    if (m_hWndMDIClient == NULL)
        return FALSE;
    ::BringWindowToTop(m_hWndMDIClient);
    return TRUE;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    if (m_hWndMDIClient == NULL)
    {
        if (pbMaximized != NULL)
            *pbMaximized = FALSE;
        return NULL;
    }
    HWND hWnd = (HWND)::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)pbMaximized);
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    return pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ? (CMDIChildWnd*)pWnd : NULL;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDINext()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMDIFrameWnd::MDIPrev()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 1);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDICascade(int nType)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, nType, 0);
}

void CMDIFrameWnd::MDITile(int nType)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDITILE, nType, 0);
}

void CMDIFrameWnd::MDIIconArrange()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu)
{
    HMENU hOld = (HMENU)::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)pFrameMenu->GetSafeHmenu(),
        (LPARAM)pWindowMenu->GetSafeHmenu());
    return CMenu::FromHandle(hOld);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    return pActiveChild != NULL ? (CFrameWnd*)pActiveChild : (CFrameWnd*)this;
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    m_nIdleFlags &= ~idleTitle;
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    // A maximized child's title is Windows' to add (it shows in the frame's caption by itself).
    CMDIChildWnd* pActiveChild = MDIGetActive();
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pActiveChild != NULL && (pActiveChild->GetStyle() & WS_MAXIMIZE) == 0 &&
        (pDocument != NULL || (pDocument = pActiveChild->GetActiveDocument()) != NULL))
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
    {
        CString strTitle;
        if (bAddToTitle && pActiveChild != NULL && (pActiveChild->GetStyle() & WS_MAXIMIZE) == 0)
            strTitle = pActiveChild->GetTitle();
        UpdateFrameTitleForDocument(strTitle.IsEmpty() ? NULL : (LPCTSTR)strTitle);
    }
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != NULL)
        pActiveChild->OnUpdateFrameMenu(TRUE, pActiveChild, hMenuAlt);
    else
    {
        if (hMenuAlt == NULL)
            hMenuAlt = m_hMenuDefault;
        ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenuAlt, (LPARAM)GetWindowMenuPopup(hMenuAlt));
    }
}

void CMDIFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    // The client is placed by the layout, not by the frame procedure.
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CMDIFrameWnd::OnDestroy()
{
    // Windows destroys the client before the children inside it, and a client that is going
    // has let go of its list of children and its Window menu (Wine's frees them at once): the
    // children go now, through the client, the inactive ones first so that none activates.
    if (m_hWndMDIClient != NULL)
    {
        HWND hWndActive = (HWND)::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0);
        std::vector<HWND> children;
        for (HWND hWnd = ::GetWindow(m_hWndMDIClient, GW_CHILD); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        {
            if (hWnd != hWndActive)
                children.push_back(hWnd);
        }
        if (hWndActive != NULL)
            children.push_back(hWndActive);
        for (HWND hWnd : children)
        {
            if (::IsWindow(hWnd) && ::GetParent(hWnd) == m_hWndMDIClient)
                ::SendMessageA(m_hWndMDIClient, WM_MDIDESTROY, (WPARAM)hWnd, 0);
        }
    }
    CFrameWnd::OnDestroy();
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != NULL && pActiveChild->PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        if (m_hAccelTable != NULL && ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg))
            return TRUE;
        // Ctrl+F4, Ctrl+F6 and the child's system menu.
        if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) && m_hWndMDIClient != NULL &&
            ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
            return TRUE;
    }
    return FALSE;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active child's view, document and frame, then this frame, then the application, each
    // once: the child leaves the application to this frame while it routes for it.
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != NULL)
    {
        CMDIChildWnd* pOuter = m_pRoutingChild;
        m_pRoutingChild = pActiveChild;
        BOOL bHandled = FALSE;
        try
        {
            bHandled = pActiveChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
        }
        catch (...)
        {
            m_pRoutingChild = pOuter;
            throw;
        }
        m_pRoutingChild = pOuter;
        if (bHandled)
            return TRUE;
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID)
    {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        return TRUE;
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL);
        return TRUE;
    }
    return FALSE;
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != NULL);
}

void CMDIFrameWnd::OnWindowNew()
{
    // Another frame on the active child's document.
    CMDIChildWnd* pActiveChild = MDIGetActive();
    CDocument* pDocument = pActiveChild != NULL ? pActiveChild->GetActiveDocument() : NULL;
    CDocTemplate* pTemplate = pDocument != NULL ? pDocument->GetDocTemplate() : NULL;
    if (pTemplate == NULL)
        return;
    CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDocument, pActiveChild);
    if (pFrame == NULL)
    {
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
        return;
    }
    pTemplate->InitialUpdateFrame(pFrame, pDocument);
}
