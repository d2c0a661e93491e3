// CStringArray.cpp: the run-time class of CStringArray.
#include "CStringArray.h"

IMPLEMENT_SERIAL(CStringArray, CObject, 0)
