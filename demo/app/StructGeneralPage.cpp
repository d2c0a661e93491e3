// CStructGeneralPage: the fields, their tips, and each field written through the subject.
#include "StructGeneralPage.h"

#include "StructApp.h"
#include "StructApp.rh"
#include "StructMemberSubject.h"

#include "model/StructModel.h"

namespace {

// The fields in the order of the member's columns.
const UINT kFields[] = {IDC_STRUCT_MARK, IDC_STRUCT_SECTION, IDC_STRUCT_GRADE, IDC_STRUCT_LENGTH, IDC_STRUCT_REMARK};

int ColumnOfField(UINT nID)
{
    for (int nColumn = 0; nColumn < (int)(sizeof(kFields) / sizeof(kFields[0])); nColumn++)
    {
        if (kFields[nColumn] == nID)
            return nColumn;
    }
    return -1;
}

} // namespace

BEGIN_MESSAGE_MAP(CStructGeneralPage, CKwPropertyPage)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_STRUCT_MARK, IDC_STRUCT_REMARK, &CStructGeneralPage::OnFieldDone)
    ON_CONTROL_RANGE(CBN_KILLFOCUS, IDC_STRUCT_MARK, IDC_STRUCT_REMARK, &CStructGeneralPage::OnFieldDone)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_STRUCT_MARK, IDC_STRUCT_REMARK, &CStructGeneralPage::OnListChoice)
END_MESSAGE_MAP()

CStructGeneralPage::CStructGeneralPage(CStructMemberSubject* pSubject)
    : CKwPropertyPage(pSubject, IDD_STRUCT_PAGE_GENERAL, IDS_STRUCT_PAGE_GENERAL), m_pMember(pSubject)
{
    for (UINT nID : kFields)
        RegisterForResizing(nID, ANCHOR_LEFT | ANCHOR_RIGHT | ANCHOR_TOP);
}

void CStructGeneralPage::OnInitPropertyPage()
{
    // The choices the schedule offers too.
    CStringArray sections, grades;
    CStructModel::GetSections(sections);
    CStructModel::GetGrades(grades);
    for (INT_PTR i = 0; i < sections.GetSize(); i++)
        SendDlgItemMessage(IDC_STRUCT_SECTION, CB_ADDSTRING, 0, (LPARAM)(LPCSTR)sections[i]);
    for (INT_PTR i = 0; i < grades.GetSize(); i++)
        SendDlgItemMessage(IDC_STRUCT_GRADE, CB_ADDSTRING, 0, (LPARAM)(LPCSTR)grades[i]);
    CKwPropertyPage::OnInitPropertyPage();
}

void CStructGeneralPage::NotifySubjectChanged()
{
    if (m_bSettingProperties || m_hWnd == NULL)
        return;
    const CStructMember& member = m_pMember->GetMember();
    for (int nColumn = 0; nColumn < (int)(sizeof(kFields) / sizeof(kFields[0])); nColumn++)
        SetDlgItemText(kFields[nColumn], member.FormatCell(nColumn));
}

CString CStructGeneralPage::GetToolTipText(UINT nID)
{
    switch (nID)
    {
    case IDC_STRUCT_MARK:
        return "<b>Mark</b><br>The member's name in the drawing,<br>such as <i>B12</i>";
    case IDC_STRUCT_SECTION:
        return "<b>Section</b><br>A section of the catalogue (<i>HEA 200</i>)<br>or any other name";
    case IDC_STRUCT_GRADE:
        return "<b>Steel grade</b><br><i>S235</i>, <i>S275</i>, <i>S355</i> or <i>S460</i>";
    case IDC_STRUCT_LENGTH:
        return "<b>Length</b> in metres<br>A positive number, such as <i>6.25</i>";
    case IDC_STRUCT_REMARK:
        return "<b>Remark</b><br>Shown in the schedule and the report";
    default:
        return "";
    }
}

BOOL CStructGeneralPage::CommitField(UINT nID, const CString& strText)
{
    const int nColumn = ColumnOfField(nID);
    if (nColumn < 0 || !m_pMember->HasMember())
        return FALSE;
    const CStructMember member = m_pMember->GetMember(); // as it was, for the refusal
    if (member.FormatCell(nColumn) == strText)
        return TRUE;
    BeginSetProperties();
    const BOOL bSet = m_pMember->SetField(nColumn, strText);
    EndSetProperties();
    // The field shows the value as the member keeps it ("6.5" as "6.50").
    const CString strKept = m_pMember->GetMember().FormatCell(nColumn);
    if (bSet && strKept != strText)
        SetDlgItemText(nID, strKept);
    if (!bSet)
    {
        CString strWhy;
        strWhy.Format("%s: \"%s\" is no value of the field; %s keeps %s", CStructMember::GetColumnTitle(nColumn),
            (const char*)strText, (const char*)member.m_strMark, (const char*)member.FormatCell(nColumn));
        CStructApp::Log(strWhy);
        ::MessageBeep(MB_ICONEXCLAMATION);
        SetDlgItemText(nID, member.FormatCell(nColumn));
    }
    return bSet;
}

void CStructGeneralPage::OnFieldDone(UINT nID)
{
    CString strText;
    GetDlgItemText(nID, strText);
    CommitField(nID, strText);
}

// A choice from a drop-down list is the field's new value at once.
void CStructGeneralPage::OnListChoice(UINT nID)
{
    CComboBox* pCombo = (CComboBox*)GetDlgItem(nID);
    const int nChoice = pCombo != NULL ? pCombo->GetCurSel() : CB_ERR;
    if (nChoice == CB_ERR)
        return;
    CString strText;
    pCombo->GetLBText(nChoice, strText);
    CommitField(nID, strText);
}
