// KwTemplateDialog.cpp: the new-document type dialog over the framework's dialog resource.
#include "pickers/KwTemplateDialog.h"
#include "core/KwPalette.h"

CKwTemplateDialog::CKwTemplateDialog(CList<CDocTemplate*, CDocTemplate*>* pList, CWnd* pParentWnd)
    : CDialog(AFX_IDD_NEWTYPEDLG, pParentWnd), m_pSelectedTemplate(NULL), m_pList(pList)
{
}

BOOL CKwTemplateDialog::OnInitDialog()
{
    CListBox* pListBox = (CListBox*)GetDlgItem(AFX_IDC_LISTBOX);
    if (pListBox == NULL)
    {
        EndDialog(-1);
        return FALSE;
    }
    pListBox->ResetContent();
    POSITION pos = m_pList != NULL ? m_pList->GetHeadPosition() : NULL;
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = m_pList->GetNext(pos);
        CString strName;
        if (!pTemplate->GetDocString(strName, CDocTemplate::fileNewName) || strName.IsEmpty())
            continue;
        int nIndex = pListBox->AddString(strName);
        if (nIndex < 0)
        {
            EndDialog(-1);
            return FALSE;
        }
        pListBox->SetItemDataPtr(nIndex, pTemplate);
    }
    switch (pListBox->GetCount())
    {
    case 0:
        EndDialog(-1);
        return FALSE;
    case 1: // nothing to choose
        m_pSelectedTemplate = (CDocTemplate*)pListBox->GetItemDataPtr(0);
        EndDialog(IDOK);
        return FALSE;
    default:
        pListBox->SetCurSel(0);
        CKwPalette::FollowInDialog(m_hWnd);
        return CDialog::OnInitDialog();
    }
}

void CKwTemplateDialog::OnOK()
{
    CListBox* pListBox = (CListBox*)GetDlgItem(AFX_IDC_LISTBOX);
    int nIndex = pListBox != NULL ? pListBox->GetCurSel() : LB_ERR;
    m_pSelectedTemplate = nIndex >= 0 ? (CDocTemplate*)pListBox->GetItemDataPtr(nIndex) : NULL;
    CDialog::OnOK();
}
