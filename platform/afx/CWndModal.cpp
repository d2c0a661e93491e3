// CWndModal.cpp: the modal loop any window can run (dialogs, property sheets), and the owner a
// modal window gets.
#include "CWnd.h"
#include "CWinApp.h"
#include "CWinThread.h"

// The owner of a modal window: the given parent, else the main window; never a child window.
// The top-level window above it is disabled too, unless it is the owner itself.
HWND PASCAL CWnd::GetSafeOwner_(HWND hParent, HWND* pWndTop)
{
    HWND hWnd = hParent != NULL ? hParent : AfxGetMainWnd()->GetSafeHwnd();
    while (hWnd != NULL && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    HWND hWndTop = hWnd;
    for (HWND hWndTemp = hWnd; hWndTemp != NULL; hWndTemp = ::GetParent(hWndTemp))
        hWndTop = hWndTemp;
    if (hParent == NULL && hWnd != NULL)
        hWnd = ::GetLastActivePopup(hWnd);
    if (pWndTop != NULL)
        *pWndTop = hWndTop != NULL && hWndTop != hWnd && ::IsWindowEnabled(hWndTop) ? hWndTop : NULL;
    return hWnd;
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    m_nFlags &= ~WF_CONTINUEMODAL;
    // Wake the loop in case it waits for a message.
    if (m_hWnd != NULL)
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    CWinThread* pThread = AfxGetThread();
    MSG msgLocal = {};
    MSG* pMsg = pThread != NULL ? &pThread->m_msgCur : &msgLocal;
    HWND hWnd = m_hWnd;
    for (;;)
    {
        while (bIdle && !::PeekMessageA(pMsg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != NULL && lIdleCount == 0)
                ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)hWnd);
            if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            BOOL bGot;
            if (pThread != NULL)
                bGot = pThread->PumpMessage();
            else if ((bGot = ::GetMessageA(pMsg, NULL, 0, 0) > 0))
            {
                // Without a thread object the dialog's own chain still sees every message.
                if (pMsg->message == WM_KICKIDLE || !CWnd::WalkPreTranslateTree(hWnd, pMsg))
                {
                    ::TranslateMessage(pMsg);
                    ::DispatchMessageA(pMsg);
                }
            }
            if (!bGot)
            {
                // The outer loop must see the quit as well.
                ::PostQuitMessage((int)pMsg->wParam);
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            if (bShowIdle && (pMsg->message == 0x0118 || pMsg->message == WM_SYSKEYDOWN))
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            // A dialog destroyed behind the loop's back ends it as well.
            if (!ContinueModal() || !::IsWindow(hWnd))
            {
                m_nFlags &= ~WF_MODALLOOP;
                return m_nModalResult;
            }
            if (pThread == NULL || pThread->IsIdleMessage(pMsg))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(pMsg, NULL, 0, 0, PM_NOREMOVE));
    }
}
