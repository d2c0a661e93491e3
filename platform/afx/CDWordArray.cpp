// CDWordArray.cpp: the run-time class of CDWordArray.
#include "CDWordArray.h"

IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
