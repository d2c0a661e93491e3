// bcgdefs.h: the docking library's export macro; its classes are exported while kwdock.dll is
// built and imported by the toolkit and hosts.
#pragma once

#include <afxtypes.h>

#ifdef KWDOCK_BUILD
#define KWDOCK_API __declspec(dllexport)
#else
#define KWDOCK_API __declspec(dllimport)
#endif
