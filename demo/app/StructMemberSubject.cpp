// CStructMemberSubject: the member behind the pages and its changes through the document.
#include "StructMemberSubject.h"

#include "StructDoc.h"

CStructMemberSubject::CStructMemberSubject() : m_pDoc(NULL), m_nIndex(-1) {}

void CStructMemberSubject::Show(CStructDoc* pDoc, int nIndex)
{
    m_pDoc = pDoc;
    m_nIndex = nIndex;
}

BOOL CStructMemberSubject::HasMember() const
{
    return m_pDoc != NULL && m_nIndex >= 0 && m_nIndex < m_pDoc->GetModel().GetCount();
}

const CStructMember& CStructMemberSubject::GetMember() const
{
    return HasMember() ? m_pDoc->GetModel().GetAt(m_nIndex) : m_none;
}

BOOL CStructMemberSubject::SetField(int nColumn, const CString& strText)
{
    if (!HasMember())
        return FALSE;
    CStructMember member = GetMember();
    if (!member.ParseCell(nColumn, strText))
        return FALSE;
    return SetMember(member);
}

BOOL CStructMemberSubject::SetMember(const CStructMember& member)
{
    if (!HasMember())
        return FALSE;
    if (member != GetMember())
        m_pDoc->SetMember(m_nIndex, member);
    return TRUE;
}
