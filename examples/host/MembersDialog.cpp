// MembersDialog.cpp: a column per field of a member, a line per member, no lines added or
// removed here.
#include "MembersDialog.h"

#include "resource.h"

CMembersDialog::CMembersDialog(CHostDoc& doc, CWnd* pParent) : CDialog(IDD_MEMBERS, pParent), m_doc(doc) {}

BOOL CMembersDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_grid.Initialize(IDC_MEMBERS_GRID, this);
    m_grid.SetRegKey("MembersDialog"); // the column widths the user set stay
    m_grid.AddColumn("Mark", 80);
    m_grid.AddColumn("Length [m]", 100);
    m_grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
    for (INT_PTR i = 0; i < m_doc.m_marks.GetSize(); i++)
    {
        m_grid.SetTextItem(0, UINT(i), m_doc.m_marks[i]);
        m_grid.SetTextItem(1, UINT(i), m_doc.m_lengths[i]);
    }
    return TRUE;
}

void CMembersDialog::Apply()
{
    BOOL bChanged = FALSE;
    for (INT_PTR i = 0; i < m_doc.m_marks.GetSize(); i++)
    {
        const CString sMark = m_grid.GetItemText(0, UINT(i));
        const CString sLength = m_grid.GetItemText(1, UINT(i));
        if (sMark != m_doc.m_marks[i] || sLength != m_doc.m_lengths[i])
        {
            m_doc.m_marks[i] = sMark;
            m_doc.m_lengths[i] = sLength;
            bChanged = TRUE;
        }
    }
    if (bChanged)
    {
        m_doc.SetModifiedFlag();
        m_doc.UpdateAllViews(NULL);
    }
}

void CMembersDialog::OnOK()
{
    Apply();
    CDialog::OnOK();
}
