// StructProcessCounts.h: CStructProcessCounts, what the running editor holds of the system (its
// kernel handles, GDI and USER objects, and memory), as the soak prints them round after round.
#pragma once

#include <afx.h>

struct CStructProcessCounts
{
    // The counts of this process now.
    static CStructProcessCounts Take();
    // How each count is taken, one line: Wine answers neither GetProcessHandleCount nor
    // GetGuiResources, and the counts then come from the handle tables themselves.
    static CString DescribeSources();

    int nHandles = 0;     // kernel handles: files, events, threads, keys ...
    int nGdiObjects = 0;  // bitmaps, brushes, pens, fonts, regions, DCs
    int nUserObjects = 0; // windows, menus, icons and cursors
    SIZE_T nWorkingSet = 0;   // bytes
    SIZE_T nPrivateBytes = 0; // bytes committed to this process alone
};
