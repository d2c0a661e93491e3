// Column widths records from arbitrary bytes: a setup byte (see CFuzzArchive), the list's column
// count (a byte; 255 stands for the largest count), then the record. A record read whole holds
// no more widths than columns, each 16 bits, and writes back and reads again the same; one
// refused leaves the widths as they were. Anything else is a fault.
#include "FuzzArchive.h"

#include <grid/LargeListWidths.h>
#include <support/ArchiveBytes.h>

#include <climits>
#include <cstdlib>

namespace {

bool Same(const CDWordArray& a, const CDWordArray& b)
{
    if (a.GetSize() != b.GetSize())
        return false;
    for (INT_PTR i = 0; i < a.GetSize(); i++) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BYTE setup = TakeByte(data, size);
    BYTE columns = TakeByte(data, size);
    int nColumns = columns == 255 ? INT_MAX : columns;
    CDWordArray widths, before;
    widths.Add(100);
    widths.Add(0xFFFF);
    before.Copy(widths);
    CFuzzArchive archive(setup, data, size);
    if (!Refusable([&] { CLargeListWidths::Load(*archive, nColumns, widths); })) {
        if (!Same(widths, before))
            abort();
        return 0;
    }
    if (widths.GetSize() > nColumns)
        abort();
    for (INT_PTR i = 0; i < widths.GetSize(); i++) {
        if (widths[i] > 0xFFFF)
            abort();
    }
    CDWordArray again;
    LoadBytes(StoreBytes([&](CArchive& ar) { CLargeListWidths::Store(ar, widths); }), [&](CArchive& ar) {
        CLargeListWidths::Load(ar, nColumns, again);
        if (!ar.IsBufferEmpty() || !Same(widths, again))
            abort();
    });
    return 0;
}
