// StringBoolDialog.cpp: a string, required or not, and a check box.
#include "pickers/StringBoolDialog.h"

#include "res/resource.h"

CStringBoolDialog::CStringBoolDialog(CWnd* pParentWnd)
    : CKwInputDialog(IDD_KW_STRING_BOOL, pParentWnd), m_bRequired(FALSE), m_bCheck(FALSE)
{
}

BOOL CStringBoolDialog::OnInitDialog()
{
    CKwInputDialog::OnInitDialog();
    SetDlgItemText(IDC_KW_INPUT_CHECK, m_strCheckText);
    UpdateOk();
    return TRUE;
}

void CStringBoolDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_KW_INPUT_VALUE, m_strValue);
    DDX_Text(pDX, IDC_KW_INPUT_LABEL, m_strLabel);
    DDX_Check(pDX, IDC_KW_INPUT_CHECK, m_bCheck);
}

void CStringBoolDialog::UpdateOk()
{
    UpdateData(TRUE);
    EnableOk(!m_bRequired || !m_strValue.IsEmpty());
}
