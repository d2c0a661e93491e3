// CPtrList.h: declares CPtrList, the framework's list of untyped pointers (not owned).
#pragma once

#include "CList.h"

class KWAFX_API CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(INT_PTR nBlockSize = 10) : CList<void*, void*>(nBlockSize) {}

    // Pointers mean nothing in another process: nothing is stored.
    void Serialize(CArchive& ar) override;
};
