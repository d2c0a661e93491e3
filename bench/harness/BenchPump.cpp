// BenchPump.cpp: see BenchPump.h.
#include "harness/BenchPump.h"

#ifdef _WIN32
#include <windows.h>

void BenchPump()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

#endif
