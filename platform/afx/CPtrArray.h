// CPtrArray.h: declares CPtrArray, the framework's array of untyped pointers (not owned).
#pragma once

#include "CArray.h"

class KWAFX_API CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
public:
    // Pointers mean nothing in another process: nothing is stored.
    void Serialize(CArchive& ar) override;
};
