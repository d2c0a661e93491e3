// KwMDIFrameWnd.cpp: the application's main frame: its placement in the profile, its title, the
// command route through the focus chain, activation with floating windows, the window list.
#include "frame/KwMDIFrameWnd.h"

#include "frame/KwMDITools.h"
#include "frame/KwPlacement.h"

#include <afxpriv.h>

IMPLEMENT_DYNAMIC(CKwMDIFrameWnd, CBCGPMDIFrameWnd)

BEGIN_MESSAGE_MAP(CKwMDIFrameWnd, CBCGPMDIFrameWnd)
    ON_WM_CLOSE()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_COMMAND(ID_KW_WINDOW_NEXT, &CKwMDIFrameWnd::OnWindowNext)
    ON_COMMAND(ID_KW_WINDOW_PREV, &CKwMDIFrameWnd::OnWindowPrev)
    ON_COMMAND(ID_KW_WINDOW_CLOSEALL, &CKwMDIFrameWnd::OnWindowCloseAll)
    ON_UPDATE_COMMAND_UI(ID_KW_WINDOW_NEXT, &CKwMDIFrameWnd::OnUpdateWindowNextPrev)
    ON_UPDATE_COMMAND_UI(ID_KW_WINDOW_PREV, &CKwMDIFrameWnd::OnUpdateWindowNextPrev)
    ON_UPDATE_COMMAND_UI(ID_KW_WINDOW_CLOSEALL, &CKwMDIFrameWnd::OnUpdateWindowNextPrev)
END_MESSAGE_MAP()

namespace {
const char s_szSection[] = "Frame";
const char s_szMaximized[] = "showCmd.showMaximized";
const char s_szLeft[] = "rcNormalPosition.left";
const char s_szTop[] = "rcNormalPosition.top";
const char s_szRight[] = "rcNormalPosition.right";
const char s_szBottom[] = "rcNormalPosition.bottom";
} // namespace

CKwMDIFrameWnd::CKwMDIFrameWnd() : m_bInOnCmdMsg(FALSE), m_hWndFocusSave(NULL) {}

int CKwMDIFrameWnd::IsEditCommand(UINT nID)
{
    // Clear, clear all, copy, cut, find, paste; repeat, replace, select all, undo, redo. Paste
    // link and paste special (0xE126, 0xE127) are the document's.
    return (nID >= ID_EDIT_CLEAR && nID <= ID_EDIT_PASTE) || (nID >= ID_EDIT_REPEAT && nID <= ID_EDIT_REDO);
}

void CKwMDIFrameWnd::ShowFrame()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    GetWindowPlacement(&wp);
    BOOL bMaximized = pApp->GetProfileInt(s_szSection, s_szMaximized, 1) == 1;
    RECT& rc = wp.rcNormalPosition;
    rc.left = (int)pApp->GetProfileInt(s_szSection, s_szLeft, rc.left);
    rc.top = (int)pApp->GetProfileInt(s_szSection, s_szTop, rc.top);
    rc.right = (int)pApp->GetProfileInt(s_szSection, s_szRight, rc.right);
    rc.bottom = (int)pApp->GetProfileInt(s_szSection, s_szBottom, rc.bottom);
    wp.showCmd = (UINT)pApp->m_nCmdShow;
    if (wp.showCmd == SW_SHOWNORMAL && bMaximized)
        wp.showCmd = SW_SHOWMAXIMIZED;
    // A monitor that is gone, or a profile edited by hand, must not put the frame out of reach.
    CKwPlacement::Repair(wp, NULL);
    SetWindowPlacement(&wp);
    UpdateWindow();
}

void CKwMDIFrameWnd::SaveFrameState()
{
    CWinApp* pApp = AfxGetApp();
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (pApp == NULL || !GetWindowPlacement(&wp))
        return;
    pApp->WriteProfileInt(s_szSection, s_szMaximized, wp.showCmd == SW_SHOWMAXIMIZED ? 1 : 0);
    pApp->WriteProfileInt(s_szSection, s_szLeft, wp.rcNormalPosition.left);
    pApp->WriteProfileInt(s_szSection, s_szTop, wp.rcNormalPosition.top);
    pApp->WriteProfileInt(s_szSection, s_szRight, wp.rcNormalPosition.right);
    pApp->WriteProfileInt(s_szSection, s_szBottom, wp.rcNormalPosition.bottom);
}

void CKwMDIFrameWnd::OnClose()
{
    SetActiveView(NULL, TRUE);
    SaveFrameState();
    CBCGPMDIFrameWnd::OnClose();
}

BOOL CKwMDIFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= FWS_PREFIXTITLE;
    return CBCGPMDIFrameWnd::PreCreateWindow(cs);
}

void CKwMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    // The frame's own view's document, else the active child's.
    CDocument* pDoc = GetActiveDocument();
    CMDIChildWnd* pChild = MDIGetActive();
    if (pDoc == NULL && pChild != NULL)
        pDoc = pChild->GetActiveDocument();
    UpdateFrameTitleForDocumentKw(bAddToTitle && pDoc != NULL ? (LPCTSTR)pDoc->GetTitle() : NULL);
}

void CKwMDIFrameWnd::UpdateFrameTitleForDocumentKw(LPCTSTR lpszDocName)
{
    CString strText = m_strTitle;
    if (lpszDocName != NULL && *lpszDocName != '\0')
    {
        if (GetStyle() & FWS_PREFIXTITLE)
            strText = CString(lpszDocName) + " - " + m_strTitle;
        else
            strText += CString(" - ") + lpszDocName;
    }
    AfxSetWindowText(m_hWnd, strText);
}

BOOL CKwMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_bInOnCmdMsg)
        return FALSE; // a window of the focus chain passed the command back up
    if (RouteThroughFocus(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // An edit command belongs to the control with the focus; the view gets it only by having it.
    if (!IsEditCommand(nID))
    {
        CMDIChildWnd* pChild = MDIGetActive();
        CView* pView = pChild != NULL ? pChild->GetActiveView() : NULL;
        if (pView != NULL && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    if (OnCmdMsgAfterActiveView(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CKwMDIFrameWnd::OnCmdMsgAfterActiveView(UINT, int, void*, AFX_CMDHANDLERINFO*)
{
    return FALSE;
}

BOOL CKwMDIFrameWnd::RouteThroughFocus(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The window with the focus and its parents, up to the frame they belong to.
    m_bInOnCmdMsg = TRUE;
    BOOL bHandled = FALSE;
    try
    {
        for (CWnd* pWnd = CWnd::GetFocus(); pWnd != NULL && !bHandled && !pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd));
             pWnd = pWnd->GetParent())
            bHandled = pWnd->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    catch (...)
    {
        m_bInOnCmdMsg = FALSE;
        throw;
    }
    m_bInOnCmdMsg = FALSE;
    return bHandled;
}

BOOL CKwMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CBCGPMDIFrameWnd::OnCommand(wParam, lParam))
        return TRUE;
    // The maximized child's system menu sits in the frame's menu; the MDI client passes its
    // commands on to the child.
    if (lParam == 0 && (wParam & 0xF000) == 0xF000)
    {
        DefWindowProc(WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return FALSE;
}

void CKwMDIFrameWnd::OnSetFocus(CWnd*)
{
    // Windows gives the focus to the MDI client and so to the active child; not to a view of
    // the frame's own.
    Default();
}

void CKwMDIFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL)
{
    if (nState == WA_INACTIVE)
        m_hWndFocusSave = ::GetFocus();
    Default();
    // The caption stays active while a floating window of this frame that asks for it (a bar
    // floating in a window of its own) has the activation.
    CFrameWnd* pTopLevel = (GetStyle() & WS_CHILD) ? this : GetTopLevelFrame();
    CWnd* pActive = nState != WA_INACTIVE ? this : pWndOther;
    BOOL bStayActive = pActive != NULL &&
        (pActive == pTopLevel ||
            (pActive->GetTopLevelFrame() == pTopLevel && pActive->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE) != 0));
    if (pTopLevel != NULL)
    {
        pTopLevel->m_nFlags &= ~WF_STAYACTIVE;
        if (bStayActive)
            pTopLevel->m_nFlags |= WF_STAYACTIVE;
    }
    NotifyFloatingWindows(bStayActive ? FS_ACTIVATE : FS_DEACTIVATE);
    if (nState != WA_INACTIVE && m_hWndFocusSave != NULL && ::IsWindow(m_hWndFocusSave))
        ::SetFocus(m_hWndFocusSave);
}

void CKwMDIFrameWnd::OnWindowNext()
{
    // lParam 1: the window at the bottom of the Z order, so the windows come in the order they
    // were opened.
    ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 1);
}

void CKwMDIFrameWnd::OnWindowPrev()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CKwMDIFrameWnd::OnWindowCloseAll()
{
    CKwMDITools::CloseAllMDIChildWindows();
}

void CKwMDIFrameWnd::OnUpdateWindowNextPrev(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != NULL);
}
