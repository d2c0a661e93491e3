// afxresource.h: declares how the framework finds the module that holds a resource.
#pragma once

#include "afxtypes.h"

#ifdef _WIN32
// The module whose string table holds string nID, or NULL when none does. Strings are looked
// up in the application's executable first.
KWAFX_API HINSTANCE AfxFindStringResourceHandle(UINT nID);
// The module that holds resource lpszName of type lpszType (a bitmap, icon, dialog...); the
// executable when none does, so that the caller's load fails there.
KWAFX_API HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
#endif
