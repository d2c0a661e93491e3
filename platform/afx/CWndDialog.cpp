// CWndDialog.cpp: the dialog members of any window made from a dialog template (dialogs, form
// views, property pages): creation through the framework's dialog procedure, the template's
// initialisation data, data exchange and dialog navigation.
#include "CWnd.h"
#include "CDataExchange.h"
#include "CUserException.h"
#include "CWinApp.h"
#include "afxresource.h"
#include "afxstate.h"

#include <cstring>

INT_PTR CALLBACK AfxDlgProc(HWND, UINT message, WPARAM, LPARAM)
{
    // WM_INITDIALOG normally goes through the message map; a window that is not ours yet still
    // gets the default focus.
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// Creation -------------------------------------------------------------------------------------

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (m_hWnd != NULL)
        return FALSE; // one window per object
    if (hInst == NULL)
        hInst = AfxGetResourceHandle();
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    if (!AfxHookWindowCreate(this))
    {
        PostNcDestroy();
        return FALSE;
    }
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), &AfxDlgProc, 0);
    // Without a window the object is finished as if it had been destroyed (and may be gone).
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (hWnd == NULL)
        return FALSE;
    // Ended during its initialisation (a dialog's EndDialog in OnInitDialog): it never runs.
    if (!(m_nFlags & WF_CONTINUEMODAL))
    {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    return TRUE;
}

// Initialisation -------------------------------------------------------------------------------

BOOL CWnd::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
    if (lpszResourceName == NULL)
        return ExecuteDlgInit(NULL, 0);
    LPCTSTR lpszType = MAKEINTRESOURCEA(240); // RT_DLGINIT
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, lpszType);
    HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, lpszType);
    if (hResource == NULL)
        return ExecuteDlgInit(NULL, 0);
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    LPVOID lpData = hData != NULL ? ::LockResource(hData) : NULL;
    return lpData != NULL && ExecuteDlgInit(lpData, ::SizeofResource(hInst, hResource));
}

// Entries: control id (WORD), message (WORD, the resource editor's 16-bit numbers), data length
// (DWORD), then the data: a zero-terminated string to add. A zero id ends the list. A length
// running past the resource, or a string without its terminator, fails the whole initialisation.
BOOL CWnd::ExecuteDlgInit(LPVOID lpResource, DWORD dwSize)
{
    BOOL bSuccess = TRUE;
    if (lpResource != NULL)
    {
        const BYTE* p = (const BYTE*)lpResource;
        const BYTE* pEnd = dwSize == (DWORD)-1 ? NULL : p + dwSize;
        auto fits = [&](size_t n) { return pEnd == NULL || (size_t)(pEnd - p) >= n; };
        while (bSuccess && fits(sizeof(WORD)))
        {
            WORD nIDC;
            memcpy(&nIDC, p, sizeof(WORD));
            if (nIDC == 0)
                break;
            if (!fits(8))
                return FALSE;
            WORD nMsg;
            DWORD dwLen;
            memcpy(&nMsg, p + 2, sizeof(WORD));
            memcpy(&dwLen, p + 4, sizeof(DWORD));
            p += 8;
            if (!fits(dwLen) || dwLen == 0 || p[dwLen - 1] != 0)
                return FALSE;
            UINT nMessage = nMsg == 0x0401 ? LB_ADDSTRING : nMsg == 0x0403 ? CB_ADDSTRING : 0;
            if (nMessage != 0 && ::SendDlgItemMessageA(m_hWnd, nIDC, nMessage, 0, (LPARAM)p) < 0)
                bSuccess = FALSE;
            p += dwLen;
        }
    }
    // The controls learn that their siblings are complete.
    if (bSuccess)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, FALSE, FALSE);
    return bSuccess;
}

// Data exchange --------------------------------------------------------------------------------

void CWnd::DoDataExchange(CDataExchange*)
{
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    // The controls' notifications while their contents change are not the user's doing.
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState == NULL)
        return FALSE;
    HWND hWndOldLockout = pState->m_hLockoutNotifyWindow;
    pState->m_hLockoutNotifyWindow = m_hWnd;
    BOOL bOK = FALSE;
    try
    {
        DoDataExchange(&dx);
        bOK = TRUE;
    }
    catch (CUserException* e)
    {
        e->Delete(); // the user has been told already
    }
    catch (CException* e)
    {
        char szMessage[256];
        if (!e->GetErrorMessage(szMessage, sizeof(szMessage)))
            lstrcpynA(szMessage, "An internal error occurred while exchanging dialog data.", sizeof(szMessage));
        e->Delete();
        pState->m_hLockoutNotifyWindow = hWndOldLockout;
        AfxMessageBox(szMessage, MB_ICONEXCLAMATION);
        return FALSE;
    }
    pState->m_hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

// Navigation -----------------------------------------------------------------------------------

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST) &&
        (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return IsDialogMessage(lpMsg);
}

BOOL CWnd::IsDialogMessage(LPMSG lpMsg)
{
    return m_hWnd != NULL && ::IsDialogMessageA(m_hWnd, lpMsg);
}
