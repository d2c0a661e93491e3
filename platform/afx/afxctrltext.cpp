// afxctrltext.cpp: texts of controls, sized by asking the control first.
#include "afxctrltext.h"

CString AFXAPI AfxGetCtrlText(HWND hWndCtrl)
{
    CString str;
    int nLen = ::GetWindowTextLengthA(hWndCtrl);
    if (nLen > 0)
    {
        int nGot = ::GetWindowTextA(hWndCtrl, str.GetBufferSetLength(nLen), nLen + 1);
        str.ReleaseBuffer(nGot >= 0 && nGot <= nLen ? nGot : 0);
    }
    return str;
}

CString AFXAPI AfxGetItemText(HWND hWndCtrl, int nIndex, UINT nLenMsg, UINT nTextMsg)
{
    CString str;
    if (nIndex < 0)
        return str;
    int nLen = (int)::SendMessageA(hWndCtrl, nLenMsg, (WPARAM)nIndex, 0);
    if (nLen > 0)
    {
        int nGot = (int)::SendMessageA(hWndCtrl, nTextMsg, (WPARAM)nIndex, (LPARAM)str.GetBufferSetLength(nLen));
        str.ReleaseBuffer(nGot >= 0 && nGot <= nLen ? nGot : 0);
    }
    return str;
}
