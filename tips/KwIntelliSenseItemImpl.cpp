// KwIntelliSenseItemImpl.cpp: the ready-made completion item.
#include "tips/KwIntelliSenseItemImpl.h"

CKwIntelliSenseItemImpl::CKwIntelliSenseItemImpl(CString sDisplayString, int nImageIndex, CString sDescription)
    : m_sDisplayString(sDisplayString), m_nImageIndex(nImageIndex), m_sDescription(sDescription)
{
}

CKwIntelliSenseItemImpl::CKwIntelliSenseItemImpl(const CKwIntelliSenseItemImpl& other)
    : m_sDisplayString(other.m_sDisplayString), m_nImageIndex(other.m_nImageIndex),
      m_sDescription(other.m_sDescription)
{
}

CKwIntelliSenseItemImpl& CKwIntelliSenseItemImpl::operator=(const CKwIntelliSenseItemImpl& other)
{
    m_sDisplayString = other.m_sDisplayString;
    m_nImageIndex = other.m_nImageIndex;
    m_sDescription = other.m_sDescription;
    return *this;
}
