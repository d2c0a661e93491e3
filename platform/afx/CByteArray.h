// CByteArray.h: declares CByteArray, the framework's array of bytes.
#pragma once

#include "CArray.h"

class KWAFX_API CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_SERIAL(CByteArray)
};
