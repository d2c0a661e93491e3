// CPtrList.cpp: the run-time class of CPtrList and its archive form.
#include "CPtrList.h"

IMPLEMENT_DYNAMIC(CPtrList, CObject)

void CPtrList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
}
