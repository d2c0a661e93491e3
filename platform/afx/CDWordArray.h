// CDWordArray.h: declares CDWordArray, the framework's array of DWORD values.
#pragma once

#include "CArray.h"

class KWAFX_API CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_SERIAL(CDWordArray)
};
