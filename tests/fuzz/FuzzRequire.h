// FuzzRequire.h: Require, the fuzz targets' check of a property: a broken one is a finding.
#pragma once

#include <cstdlib>

inline void Require(bool bHolds)
{
    if (!bHolds)
        abort();
}
