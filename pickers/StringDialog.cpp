// StringDialog.cpp: one string, required or not.
#include "pickers/StringDialog.h"

#include "res/resource.h"

CStringDialog::CStringDialog(CWnd* pParentWnd)
    : CKwInputDialog(IDD_KW_STRING, pParentWnd), m_bRequired(FALSE), m_nTitleID(0), m_nLabelID(0)
{
}

BOOL CStringDialog::OnInitDialog()
{
    if (m_nTitleID != 0)
        m_strTitle.LoadString(m_nTitleID);
    if (m_nLabelID != 0)
        m_strLabel.LoadString(m_nLabelID);
    CKwInputDialog::OnInitDialog();
    UpdateOk();
    return TRUE;
}

void CStringDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_KW_INPUT_VALUE, m_strValue);
    DDX_Text(pDX, IDC_KW_INPUT_LABEL, m_strLabel);
}

void CStringDialog::UpdateOk()
{
    UpdateData(TRUE);
    EnableOk(!m_bRequired || !m_strValue.IsEmpty());
}
