// CStructSectionsPane: the catalogue's lines and the section given to the selected member.
#include "StructSectionsPane.h"

#include "StructApp.h"
#include "StructApp.rh"
#include "StructDoc.h"
#include "StructListColumns.h"
#include "StructSections.h"

BEGIN_MESSAGE_MAP(CStructSectionsPane, CKwControlBar)
    ON_WM_CREATE()
    ON_NOTIFY(NM_DBLCLK, IDC_STRUCT_SECTION_LIST, &CStructSectionsPane::OnOpenSection)
    ON_NOTIFY(NM_RETURN, IDC_STRUCT_SECTION_LIST, &CStructSectionsPane::OnOpenSection)
END_MESSAGE_MAP()

CStructSectionsPane::CStructSectionsPane() : m_pDoc(NULL) {}

int CStructSectionsPane::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CKwControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_list.AddColumn("Section");
    for (int nProperty = 0; nProperty < CStructSections::kProperties; nProperty++)
    {
        CString strTitle;
        strTitle.Format("%s (%s)", CStructSections::GetPropertySymbol(nProperty), CStructSections::GetPropertyUnit(nProperty));
        m_list.AddColumn(strTitle);
    }
    if (!m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
            CRect(0, 0, 10, 10), this, IDC_STRUCT_SECTION_LIST))
        return -1;
    CStringArray texts;
    texts.SetSize(1 + CStructSections::kProperties);
    CStructListColumns columns;
    for (int i = 0; i < CStructSections::GetCount(); i++)
    {
        const CStructSections::Section& section = CStructSections::GetAt(i);
        texts[0] = section.pszName;
        for (int nProperty = 0; nProperty < CStructSections::kProperties; nProperty++)
            texts[1 + nProperty].Format("%g", section.values[nProperty]);
        m_list.InsertLine(texts);
        columns.Note(texts);
    }
    columns.Fit(m_list, CStructSections::kProperties);
    SetChild(&m_list);
    return 0;
}

BOOL CStructSectionsPane::GiveSection(int nSection)
{
    const int nMember = m_pDoc != NULL ? m_pDoc->GetSelected() : -1;
    if (nMember < 0 || nMember >= m_pDoc->GetModel().GetCount() || nSection < 0 || nSection >= CStructSections::GetCount())
        return FALSE;
    CStructMember member = m_pDoc->GetModel().GetAt(nMember);
    member.m_strSection = CStructSections::GetAt(nSection).pszName;
    m_pDoc->SetMember(nMember, member);
    CStructApp::Log(member.m_strMark + ": section " + member.m_strSection);
    return TRUE;
}

void CStructSectionsPane::OnOpenSection(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (!GiveSection(m_list.GetSelectedItem()))
        ::MessageBeep(MB_ICONEXCLAMATION);
}
