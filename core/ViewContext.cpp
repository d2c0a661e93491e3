// ViewContext.cpp: the view context record, its archive form and the stack of contexts handed to
// views while they are created.
#include "core/ViewContext.h"

#include <string.h>

IMPLEMENT_SERIAL(CViewContext, CObject, 3)

CKwList<CViewContext*, CViewContext*> CViewContext::m_ContextStack(10);

CViewContext::CViewContext()
    : m_nValue1(0), m_nValue2(0), m_nValue3(0), m_nValue4(0), m_nValue5(0), m_nValue6(0),
      m_nValue7(0)
{
}

CViewContext& CViewContext::operator=(const CViewContext& src)
{
    m_strText1 = src.m_strText1;
    m_strText2 = src.m_strText2;
    m_strText3 = src.m_strText3;
    m_strText4 = src.m_strText4;
    m_nValue1 = src.m_nValue1;
    m_nValue2 = src.m_nValue2;
    m_nValue3 = src.m_nValue3;
    m_nValue4 = src.m_nValue4;
    m_nValue5 = src.m_nValue5;
    m_nValue6 = src.m_nValue6;
    m_nValue7 = src.m_nValue7;
    return *this;
}

BOOL CViewContext::operator==(const CViewContext& other) const
{
    // Equality of multibyte texts is equality of their bytes.
    return strcmp(m_strText1, other.m_strText1) == 0 && strcmp(m_strText2, other.m_strText2) == 0
        && strcmp(m_strText3, other.m_strText3) == 0 && strcmp(m_strText4, other.m_strText4) == 0
        && m_nValue1 == other.m_nValue1 && m_nValue2 == other.m_nValue2
        && m_nValue3 == other.m_nValue3 && m_nValue4 == other.m_nValue4
        && m_nValue5 == other.m_nValue5 && m_nValue6 == other.m_nValue6
        && m_nValue7 == other.m_nValue7;
}

void CViewContext::Serialize(CArchive& ar)
{
    // The values travel as 32-bit words in every build.
    long* fields[] = {&m_nValue1, &m_nValue2, &m_nValue3, &m_nValue4, &m_nValue5, &m_nValue6,
        &m_nValue7};
    if (ar.IsStoring()) {
        ar << (DWORD)3;
        ar << m_strText1 << m_strText2 << m_strText3 << m_strText4;
        for (long* p : fields)
            ar << (DWORD)*p;
    } else {
        // Read into a scratch record, so that a record cut short leaves this one as it was.
        CViewContext read;
        DWORD schema;
        ar >> schema;
        ar >> read.m_strText1 >> read.m_strText2 >> read.m_strText3 >> read.m_strText4;
        long* readFields[] = {&read.m_nValue1, &read.m_nValue2, &read.m_nValue3,
            &read.m_nValue4, &read.m_nValue5, &read.m_nValue6, &read.m_nValue7};
        for (long* p : readFields) {
            DWORD dw;
            ar >> dw;
            *p = (long)(int)dw;
        }
        *this = read;
    }
}

CViewContext* CViewContext::CreateViewContext()
{
    CViewContext* p = new CViewContext;
    m_ContextStack.AddHead(p);
    return p;
}

void CViewContext::DestroyViewContext(CViewContext* p)
{
    if (m_ContextStack.IsEmpty() || m_ContextStack.GetHead() != p)
        return;
    m_ContextStack.RemoveHead();
    delete p;
    if (m_ContextStack.IsEmpty())
        m_ContextStack.RemoveAll(); // gives the node blocks back
}

const CViewContext* CViewContext::GetViewContext()
{
    return m_ContextStack.IsEmpty() ? NULL : m_ContextStack.GetHead();
}
