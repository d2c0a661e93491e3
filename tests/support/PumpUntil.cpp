// PumpUntil.cpp: the condition is checked between short pumps, so a test waits no longer than it must.
#include "support/PumpUntil.h"

#ifdef _WIN32
#include "support/MessageRecorder.h"

BOOL PumpUntil(const std::function<bool()>& condition, DWORD nTimeout)
{
    for (DWORD dwStart = ::GetTickCount(); !condition();)
    {
        if (::GetTickCount() - dwStart > nTimeout)
            return FALSE;
        PumpMessages(10);
    }
    return TRUE;
}
#endif
