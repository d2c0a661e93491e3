// ParityCases.h: the archives every build writes alike, one file a case. A case stores its
// values into an archive, or reads them back from one and throws std::runtime_error, naming the
// value, at the first that differs.
#pragma once

#include <afx.h>

#include <cstddef>

struct ParityCase
{
    const char* name;
    void (*exchange)(CArchive& ar);
};

extern const ParityCase g_parityCases[];
extern const size_t g_nParityCases;
