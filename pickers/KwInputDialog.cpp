// KwInputDialog.cpp: the part the small input dialogs share.
#include "pickers/KwInputDialog.h"

#include "core/CoreGlobalMethods.h"
#include "core/KwPalette.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CKwInputDialog, CDialog)
    ON_EN_CHANGE(IDC_KW_INPUT_VALUE, &CKwInputDialog::OnChangeString)
END_MESSAGE_MAP()

CKwInputDialog::CKwInputDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

BOOL CKwInputDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    CKwPalette::FollowInDialog(m_hWnd);
    return TRUE;
}

void CKwInputDialog::EnableOk(BOOL bEnable)
{
    if (CWnd* pOk = GetDlgItem(IDOK))
        pOk->EnableWindow(bEnable);
}

void CKwInputDialog::ExchangeList(CDataExchange* pDX, const CStringList& list, CString& strSelection)
{
    if (pDX->m_bSaveAndValidate)
        return;
    CCoreGlobalMethods::StringListToCombo(pDX->m_pDlgWnd->m_hWnd, IDC_KW_INPUT_COMBO, list);
    if (!list.IsEmpty())
        strSelection = list.GetHead();
}

void CKwInputDialog::OnChangeString()
{
    UpdateOk();
}
