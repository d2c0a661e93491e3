// KwUiExport.h: the toolkit's export macro; classes of kwui.dll are exported while it is built
// and imported by hosts.
#pragma once

#include <afxtypes.h>

#if defined(_WIN32)
#ifdef KWUI_BUILD
#define KWUI_API __declspec(dllexport)
#else
#define KWUI_API __declspec(dllimport)
#endif
#else
#define KWUI_API __attribute__((visibility("default")))
#endif
