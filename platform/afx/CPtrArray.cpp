// CPtrArray.cpp: the run-time class of CPtrArray and its archive form.
#include "CPtrArray.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)

void CPtrArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
}
