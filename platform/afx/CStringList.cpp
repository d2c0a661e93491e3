// CStringList.cpp: the run-time class of CStringList.
#include "CStringList.h"

IMPLEMENT_SERIAL(CStringList, CObject, 0)
