// PrivateBytes.cpp: the process's private (committed) memory.
#include "support/PrivateBytes.h"

#ifdef _WIN32
#include <psapi.h>

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PagefileUsage;
}
#endif
