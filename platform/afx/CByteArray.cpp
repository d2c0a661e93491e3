// CByteArray.cpp: the run-time class of CByteArray.
#include "CByteArray.h"

IMPLEMENT_SERIAL(CByteArray, CObject, 0)
