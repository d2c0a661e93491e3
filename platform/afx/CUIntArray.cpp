// CUIntArray.cpp: the run-time class of CUIntArray and its archive form.
#include "CUIntArray.h"

IMPLEMENT_DYNAMIC(CUIntArray, CObject)

void CUIntArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
}
