// CUIntArray.h: declares CUIntArray, the framework's array of UINT values.
#pragma once

#include "CArray.h"

class KWAFX_API CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
public:
    // UINT has no fixed size across platforms: nothing is stored.
    void Serialize(CArchive& ar) override;
};
