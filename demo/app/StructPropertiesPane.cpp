// CStructPropertiesPane: the member's pages, made once and refilled as the model changes.
#include "StructPropertiesPane.h"

#include "StructAppearancePage.h"
#include "StructDoc.h"
#include "StructEvents.h"
#include "StructGeneralPage.h"
#include "StructSectionPage.h"

void CStructPropertiesPane::SetModel(CStructDoc* pDoc)
{
    if (m_subject.GetDoc() != NULL)
        m_subject.GetDoc()->Unsubscribe(this);
    m_subject.Show(pDoc, -1);
    if (pDoc != NULL)
        pDoc->Subscribe(this);
    ShowSelected();
}

CKwPropertyPage* CStructPropertiesPane::GetPage(int nTab)
{
    if (GetTabWnd().m_hWnd == NULL || nTab < 0 || nTab >= GetTabWnd().GetTabsNum())
        return NULL;
    return dynamic_cast<CKwPropertyPage*>(GetTabWnd().GetTabWnd(nTab));
}

void CStructPropertiesPane::OnEvent(CKwEventSource* pSource, CKwEvent* pEvent)
{
    const CStructEvent* pStructEvent = dynamic_cast<const CStructEvent*>(pEvent);
    if (pStructEvent == NULL || pSource != m_subject.GetDoc())
        return;
    if (pStructEvent->m_kind == CStructEvent::kMemberChanged && pStructEvent->m_nMember != m_subject.GetIndex())
        return; // another member: the pages show the same
    ShowSelected();
}

void CStructPropertiesPane::ShowSelected()
{
    CStructDoc* pDoc = m_subject.GetDoc();
    m_subject.Show(pDoc, pDoc != NULL ? pDoc->GetSelected() : -1);
    if (!m_subject.HasMember())
    {
        CList<CKwPropertyPage*, CKwPropertyPage*> none;
        SetPages(none, 0, 0, 0);
        return;
    }
    if (GetPagesID() == kMemberPages)
    {
        m_subject.CKwPropertyPageSubject_NotifyChanged();
        return;
    }
    CList<CKwPropertyPage*, CKwPropertyPage*> pages;
    pages.AddTail(new CStructGeneralPage(&m_subject));
    pages.AddTail(new CStructAppearancePage(&m_subject));
    pages.AddTail(new CStructSectionPage(&m_subject));
    SetPages(pages, kMemberPages, kMemberContext, 0);
}
