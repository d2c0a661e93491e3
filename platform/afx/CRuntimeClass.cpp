// CRuntimeClass: class identity, creation by name, and the process-wide list of classes that
// every module's classes join while the module initialises.
#include "CRuntimeClass.h"
#include "CObject.h"
#include "CArchive.h"
#include "CArchiveException.h"

#include <cstring>
#include <mutex>

// Both are constant-initialised, so classes of kwafx itself may register before any of its
// dynamic initialisation has run.
static CRuntimeClass* s_pFirstClass = NULL;
static std::mutex s_classLock;

void AFXAPI CRuntimeClass::Register(CRuntimeClass* pClass)
{
    std::lock_guard<std::mutex> lock(s_classLock);
    pClass->m_pNextClass = s_pFirstClass;
    s_pFirstClass = pClass;
}

void AFXAPI CRuntimeClass::Unregister(CRuntimeClass* pClass)
{
    std::lock_guard<std::mutex> lock(s_classLock);
    for (CRuntimeClass** pp = &s_pFirstClass; *pp != NULL; pp = &(*pp)->m_pNextClass) {
        if (*pp == pClass) {
            *pp = pClass->m_pNextClass;
            pClass->m_pNextClass = NULL;
            return;
        }
    }
}

CRuntimeClass* AFXAPI CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == NULL)
        return NULL;
    std::lock_guard<std::mutex> lock(s_classLock);
    for (CRuntimeClass* p = s_pFirstClass; p != NULL; p = p->m_pNextClass) {
        if (strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    }
    return NULL;
}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
        return NULL;
    return (*m_pfnCreateObject)();
}

CObject* AFXAPI CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass != NULL ? pClass->CreateObject() : NULL;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != NULL;
         p = p->m_pfnGetBaseClass != NULL ? p->m_pfnGetBaseClass() : NULL) {
        if (p == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLen = (WORD)strlen(m_lpszClassName);
    ar << (WORD)m_wSchema << nLen;
    ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* AFXAPI CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    // Names are at most 64 characters; a longer one is no class of ours.
    char szClassName[64 + 1];
    WORD wSchema, nLen;
    ar >> wSchema >> nLen;
    *pwSchemaNum = wSchema;
    if (nLen > 64)
        return NULL;
    if (ar.Read(szClassName, nLen) != nLen)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    szClassName[nLen] = '\0';
    if (strlen(szClassName) != nLen)
        return NULL;
    return FromName(szClassName);
}
