// CStructSectionPage: the grid of the section's properties, filled from the catalogue.
#include "StructSectionPage.h"

#include "StructApp.rh"
#include "StructMemberSubject.h"
#include "StructSections.h"

CStructSectionPage::CStructSectionPage(CStructMemberSubject* pSubject)
    : CKwPropertyPage(pSubject, IDD_STRUCT_PAGE_SECTION, IDS_STRUCT_PAGE_SECTION), m_pMember(pSubject)
{
    RegisterForResizing(IDC_STRUCT_SECTION_NAME, ANCHOR_LEFT | ANCHOR_RIGHT | ANCHOR_TOP);
    RegisterForResizing(IDC_STRUCT_SECTION_GRID, ANCHOR_LEFT | ANCHOR_RIGHT | ANCHOR_TOP | ANCHOR_BOTTOM);
}

void CStructSectionPage::OnInitPropertyPage()
{
    if (m_grid.Initialize(IDC_STRUCT_SECTION_GRID, this))
    {
        m_grid.AddColumn("Property", 110);
        m_grid.AddColumn("Value", 70);
        m_grid.AddColumn("Unit", 45);
        m_grid.SetReadOnly(TRUE);
        m_grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
        for (int nLine = 0; nLine < CStructSections::kProperties; nLine++)
        {
            m_grid.SetTextItem(0, nLine, CString(CStructSections::GetPropertyTitle(nLine)) + " " +
                CStructSections::GetPropertySymbol(nLine));
            m_grid.SetTextItem(2, nLine, CStructSections::GetPropertyUnit(nLine));
        }
    }
    CKwPropertyPage::OnInitPropertyPage();
}

void CStructSectionPage::NotifySubjectChanged()
{
    if (m_hWnd == NULL || m_grid.m_hWnd == NULL)
        return;
    const CString strName = m_pMember->GetMember().m_strSection;
    const int nSection = CStructSections::Find(strName);
    SetDlgItemText(IDC_STRUCT_SECTION_NAME, nSection >= 0 ? strName : strName + " (not in the catalogue)");
    for (int nLine = 0; nLine < CStructSections::kProperties; nLine++)
    {
        CString strValue;
        if (nSection >= 0)
            strValue.Format("%g", CStructSections::GetAt(nSection).values[nLine]);
        m_grid.SetItemText(1, nLine, strValue);
    }
}

CString CStructSectionPage::GetToolTipText(UINT nID)
{
    return nID == IDC_STRUCT_SECTION_GRID ? "<b>Section properties</b><br>From the catalogue of sections" : "";
}
