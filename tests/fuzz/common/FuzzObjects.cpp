// FuzzObjects.cpp: the archive targets' serialisable classes.
#include "FuzzObjects.h"

#include <afxcoll.h>

#include <cstdlib>
#include <vector>

IMPLEMENT_DYNAMIC(CFuzzObject, CObject)
IMPLEMENT_SERIAL(CParityNode, CFuzzObject, 1)
IMPLEMENT_SERIAL(CParityVersioned, CFuzzObject, VERSIONABLE_SCHEMA | 2)
IMPLEMENT_SERIAL(CParityEmpty, CFuzzObject, 0)

std::set<CFuzzObject*>& CFuzzObject::Alive()
{
    static std::set<CFuzzObject*> alive;
    return alive;
}

void CFuzzObject::DeleteAll()
{
    std::vector<CFuzzObject*> all(Alive().begin(), Alive().end());
    for (CFuzzObject* p : all) {
        if (!p->m_bComplete)
            abort();
    }
    for (CFuzzObject* p : all)
        delete p;
}

void CParityNode::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_strName << m_nValue << m_pNext;
        return;
    }
    ar >> m_strName >> m_nValue >> m_pNext;
    m_bComplete = true;
}

void CParityVersioned::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (WORD)0x5678;
        return;
    }
    m_nSchema = ar.GetObjectSchema();
    if (m_nSchema > 2)
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
    if (m_nSchema == 2) {
        WORD w;
        ar >> w;
    } else {
        BYTE by;
        ar >> by;
    }
    m_bComplete = true;
}

void CParityEmpty::Serialize(CArchive& ar)
{
    m_bComplete = ar.IsLoading();
}

// An array of objects owns none of them, so one read inside an object that then fails leaves
// what it held to nobody, as the framework's array is documented to. The targets make no such
// arrays (a file naming the class is refused) and read arrays of objects only where they own them.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    RUNTIME_CLASS(CObArray)->m_pfnCreateObject = NULL;
    return 0;
}
