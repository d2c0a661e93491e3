// ComboDialog.cpp: a choice from a list, nothing else.
#include "pickers/ComboDialog.h"

#include "res/resource.h"

CComboDialog::CComboDialog(CWnd* pParentWnd) : CKwInputDialog(IDD_KW_COMBO, pParentWnd), m_listItems(10) {}

BOOL CComboDialog::OnInitDialog()
{
    CKwInputDialog::OnInitDialog();
    SetDlgItemText(IDC_KW_INPUT_COMBO_LABEL, m_strLabel);
    UpdateOk();
    return TRUE;
}

void CComboDialog::DoDataExchange(CDataExchange* pDX)
{
    ExchangeList(pDX, m_listItems, m_strSelection);
    DDX_CBString(pDX, IDC_KW_INPUT_COMBO, m_strSelection);
}

void CComboDialog::UpdateOk()
{
    UpdateData(TRUE);
    EnableOk(!m_strSelection.IsEmpty());
}
