// StringComboDialog.cpp: a string, required or not, and a choice that is always required.
#include "pickers/StringComboDialog.h"

#include "res/resource.h"

CStringComboDialog::CStringComboDialog(CWnd* pParentWnd)
    : CKwInputDialog(IDD_KW_STRING_COMBO, pParentWnd), m_bRequired(FALSE), m_listItems(10)
{
}

BOOL CStringComboDialog::OnInitDialog()
{
    CKwInputDialog::OnInitDialog();
    SetDlgItemText(IDC_KW_INPUT_COMBO_LABEL, m_strComboLabel);
    UpdateOk();
    return TRUE;
}

void CStringComboDialog::DoDataExchange(CDataExchange* pDX)
{
    ExchangeList(pDX, m_listItems, m_strSelection);
    DDX_Text(pDX, IDC_KW_INPUT_VALUE, m_strValue);
    DDX_Text(pDX, IDC_KW_INPUT_LABEL, m_strLabel);
    DDX_CBString(pDX, IDC_KW_INPUT_COMBO, m_strSelection);
}

void CStringComboDialog::UpdateOk()
{
    UpdateData(TRUE);
    EnableOk((!m_bRequired || !m_strValue.IsEmpty()) && !m_strSelection.IsEmpty());
}
