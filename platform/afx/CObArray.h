// CObArray.h: declares CObArray, the framework's array of CObject pointers (not owned).
#pragma once

#include "CArray.h"

class KWAFX_API CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_SERIAL(CObArray)
public:
    // Stores the objects themselves, through the archive's object references. The array does
    // not own what it loads.
    void Serialize(CArchive& ar) override;
};
