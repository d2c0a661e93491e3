// CStringList.h: declares CStringList, the framework's list of strings.
#pragma once

#include "CList.h"

class KWAFX_API CStringList : public CList<CString, const CString&>
{
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(INT_PTR nBlockSize = 10) : CList<CString, const CString&>(nBlockSize) {}
};
