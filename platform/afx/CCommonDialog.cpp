// CCommonDialog: attaching the object to the system's dialog through the hook procedure.
#include "CCommonDialog.h"
#include "afxstate.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        AFX_THREAD_STATE* pState = AfxGetThreadState();
        CCommonDialog* pDlg = pState != NULL ? pState->m_pCommDlgInit : NULL;
        if (pDlg == NULL || CWnd::FromHandlePermanent(hWnd) != NULL)
            return TRUE;
        pState->m_pCommDlgInit = NULL;
        if (!pDlg->SubclassWindow(hWnd))
            return TRUE;
        // The message came before the object was attached: it goes through its map now.
        return (UINT_PTR)AfxCallWndProc(pDlg, hWnd, WM_INITDIALOG, wParam, lParam);
    }
    // Everything else already went through the object's map on its way here.
    CCommonDialog* pDlg = dynamic_cast<CCommonDialog*>(CWnd::FromHandlePermanent(hWnd));
    LRESULT lResult = 0;
    if (pDlg == NULL || !pDlg->OnHookMessage(message, wParam, lParam, &lResult))
        return 0;
    ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, lResult);
    return (UINT_PTR)lResult;
}

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog((UINT)0, pParentWnd)
{
}

void CCommonDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    Default();
}

void CCommonDialog::OnCancel()
{
    Default();
}

HWND CCommonDialog::BeginModal()
{
    HWND hWndOwner = PreModal();
    if (AFX_THREAD_STATE* pState = AfxGetThreadState())
        pState->m_pCommDlgInit = this;
    return hWndOwner;
}

int CCommonDialog::EndModal(BOOL bResult)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState != NULL && pState->m_pCommDlgInit == this)
        pState->m_pCommDlgInit = NULL;
    // The system destroyed the window; an object still attached lets go of the handle.
    if (m_hWnd != NULL && !::IsWindow(m_hWnd))
        Detach();
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

BOOL CCommonDialog::OnHookMessage(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}
