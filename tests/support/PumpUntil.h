// PumpUntil: dispatches messages until a condition holds, for tests of timers and animations.
#pragma once

#ifdef _WIN32
#include <windows.h>

#include <functional>

// Dispatches this thread's messages until condition() holds, at most nTimeout milliseconds;
// TRUE when it held.
BOOL PumpUntil(const std::function<bool()>& condition, DWORD nTimeout = 5000);
#endif
