// KwList.h: declares CKwList, the toolkit's name for the framework's linked list template.
#pragma once

#include "afxtempl.h"

template<class TYPE, class ARG_TYPE = const TYPE&>
class CKwList : public CList<TYPE, ARG_TYPE>
{
public:
    explicit CKwList(INT_PTR nBlockSize = 10) : CList<TYPE, ARG_TYPE>(nBlockSize) {}
};
