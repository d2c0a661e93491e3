// PrivateBytes: the memory this process holds privately, for tests that a long run of inputs
// leaks nothing.
#pragma once

#ifdef _WIN32
#include <windows.h>

SIZE_T PrivateBytes();
#endif
