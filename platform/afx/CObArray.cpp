// CObArray.cpp: the run-time class of CObArray and its archive form.
#include "CObArray.h"

#include "CArchive.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)

void CObArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD_PTR)m_nSize);
        for (INT_PTR i = 0; i < m_nSize; i++)
            ar << m_pData[i];
    }
    else
    {
        // Objects join the array as they arrive: when the archive fails, the owner still finds
        // (and can delete) those already read.
        DWORD_PTR nCount = ar.ReadCount();
        RemoveAll();
        for (; nCount > 0; nCount--)
        {
            CObject* pOb;
            ar >> pOb;
            Add(pOb);
        }
    }
}
