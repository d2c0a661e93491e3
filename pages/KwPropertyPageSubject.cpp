// CKwPropertyPageSubject: the pages' list, and deliveries that survive the pages changing it.
#include "pages/KwPropertyPageSubject.h"
#include "pages/KwPropertyPage.h"

#include <vector>

CKwPropertyPageSubject::CKwPropertyPageSubject() : m_Pages(10)
{
}

CKwPropertyPageSubject::~CKwPropertyPageSubject()
{
    for (POSITION pos = m_Pages.GetHeadPosition(); pos != NULL;)
        m_Pages.GetNext(pos)->ForgetSubject(this);
    m_Pages.RemoveAll();
}

void CKwPropertyPageSubject::CKwPropertyPageSubject_Subscribe(CKwPropertyPage* pPage)
{
    if (pPage != NULL && m_Pages.Find(pPage) == NULL)
        m_Pages.AddTail(pPage);
}

void CKwPropertyPageSubject::CKwPropertyPageSubject_Unsubscribe(CKwPropertyPage* pPage)
{
    POSITION pos = m_Pages.Find(pPage);
    if (pos != NULL)
        m_Pages.RemoveAt(pos);
}

template <class Call>
void CKwPropertyPageSubject::Deliver(Call call)
{
    std::vector<CKwPropertyPage*> snapshot;
    for (POSITION pos = m_Pages.GetHeadPosition(); pos != NULL;)
        snapshot.push_back(m_Pages.GetNext(pos));
    for (CKwPropertyPage* pPage : snapshot)
    {
        // A page that left (or was deleted, which unsubscribes it) is skipped.
        if (m_Pages.Find(pPage) != NULL)
            call(pPage);
    }
}

void CKwPropertyPageSubject::CKwPropertyPageSubject_NotifyChanged()
{
    Deliver([](CKwPropertyPage* pPage) { pPage->NotifySubjectChanged(); });
}

void CKwPropertyPageSubject::CKwPropertyPageSubject_NotifyDeleted()
{
    Deliver([](CKwPropertyPage* pPage) { pPage->NotifySubjectDeleted(); });
}

int CKwPropertyPageSubject::CKwPropertyPageSubject_OpenProperty(UINT nID, int nReserved, int nStartChar, int nEndChar)
{
    for (POSITION pos = m_Pages.GetHeadPosition(); pos != NULL;)
    {
        if (m_Pages.GetNext(pos)->OpenProperty(nID, nReserved, nStartChar, nEndChar))
            return TRUE;
    }
    return FALSE;
}
