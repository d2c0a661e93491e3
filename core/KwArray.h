// KwArray.h: declares CKwArray, the toolkit's array template: a CArray that can be copied
// element by element, so that arrays nest (CKwArray<CKwArray<CString>>).
#pragma once

#include "afxtempl.h"

template<class TYPE, class ARG_TYPE = const TYPE&>
class CKwArray : public CArray<TYPE, ARG_TYPE>
{
public:
    CKwArray() {}
    CKwArray(const CKwArray& src) : CArray<TYPE, ARG_TYPE>() { this->Copy(src); }
    // Moving hands the storage over, so an outer array that grows moves its inner arrays
    // instead of copying them.
    CKwArray(CKwArray&& src) noexcept : CArray<TYPE, ARG_TYPE>() { this->SwapContents(src); }

    CKwArray& operator=(const CKwArray& src)
    {
        this->Copy(src);
        return *this;
    }
    CKwArray& operator=(CKwArray&& src) noexcept
    {
        if (this != &src)
        {
            this->RemoveAll();
            this->SwapContents(src);
        }
        return *this;
    }
};
