// CDocfileExtent.h: CDocfileExtent, whether a compound file holds every sector its allocation
// table uses. The storage reads a file cut short as zeros or stale bytes, never as an error.
#pragma once

#include "CFile.h"

class KWAFX_API CDocfileExtent
{
public:
    enum Result
    {
        notDocfile, // no compound file's signature
        whole,
        cutShort, // its header, allocation table or a sector in use lies past the end
    };
    // Reads the header and the allocation table through file; may throw CFileException.
    static Result Check(CFile& file);
};
