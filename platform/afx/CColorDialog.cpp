// CColorDialog: ChooseColor with the framework's hook and the process's custom colours.
#include "CColorDialog.h"

IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

namespace
{
COLORREF g_clrSavedCustom[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};

// The colour dialog's registered messages: set the selection, and OK about to close.
UINT MsgSetRGB()
{
    static const UINT nMsg = ::RegisterWindowMessageA(SETRGBSTRINGA);
    return nMsg;
}
UINT MsgColorOK()
{
    static const UINT nMsg = ::RegisterWindowMessageA(COLOROKSTRINGA);
    return nMsg;
}
} // namespace

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd)
{
    memset(&m_cc, 0, sizeof(m_cc));
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = g_clrSavedCustom;
    m_cc.Flags = dwFlags | CC_ENABLEHOOK;
    m_cc.lpfnHook = (LPCCHOOKPROC)&AfxCommDlgProc;
    if ((m_cc.rgbResult = clrInit) != 0)
        m_cc.Flags |= CC_RGBINIT;
}

int CColorDialog::DoModal()
{
    m_cc.hwndOwner = BeginModal();
    BOOL bResult = ::ChooseColorA(&m_cc);
    return EndModal(bResult);
}

void CColorDialog::SetCurrentColor(COLORREF clr)
{
    if (m_hWnd != NULL) {
        SendMessage(MsgSetRGB(), 0, (LPARAM)clr);
    } else {
        m_cc.rgbResult = clr;
        m_cc.Flags |= CC_RGBINIT;
    }
}

COLORREF* PASCAL CColorDialog::GetSavedCustomColors()
{
    return g_clrSavedCustom;
}

BOOL CColorDialog::OnColorOK()
{
    return FALSE;
}

BOOL CColorDialog::OnHookMessage(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    if (message != MsgColorOK())
        return FALSE;
    // The structure the system hands over holds the colour about to be returned.
    const CHOOSECOLORA* pcc = (const CHOOSECOLORA*)lParam;
    if (pcc != NULL && pcc != &m_cc)
        m_cc.rgbResult = pcc->rgbResult;
    *pResult = OnColorOK();
    return TRUE;
}
