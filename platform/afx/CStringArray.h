// CStringArray.h: declares CStringArray, the framework's array of strings.
#pragma once

#include "CArray.h"

class KWAFX_API CStringArray : public CArray<CString, const CString&>
{
    DECLARE_SERIAL(CStringArray)
};
