// StructViewIdentity.cpp: the view's context, given and compared.
#include "StructViewIdentity.h"

CStructViewIdentity::CStructViewIdentity(const char* pszTitle) : m_strTitle(pszTitle)
{
    if (const CViewContext* p = CViewContext::GetViewContext())
        m_ctx = *p;
}

LRESULT CStructViewIdentity::Get(LPARAM lParam) const
{
    *(CViewContext*)lParam = m_ctx;
    return 1;
}

LRESULT CStructViewIdentity::Compare(LPARAM lParam) const
{
    return *(const CViewContext*)lParam == m_ctx;
}

LRESULT CStructViewIdentity::GetTitle(LPARAM lParam) const
{
    *(CString*)lParam = m_strTitle;
    return 1;
}
