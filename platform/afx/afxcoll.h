// afxcoll.h: the framework's ready-made collections of strings, pointers, objects and numbers.
#pragma once

#include "CStringList.h"
#include "CPtrList.h"
#include "CStringArray.h"
#include "CObArray.h"
#include "CPtrArray.h"
#include "CByteArray.h"
#include "CDWordArray.h"
#include "CUIntArray.h"
