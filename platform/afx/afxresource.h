// afxresource.h: declares how the framework finds the module that holds a resource.
#pragma once

#include "afxtypes.h"

#ifdef _WIN32
// The module whose string table holds string nID, or NULL when none does: the application's
// resource module first, then the DLLs of the resource chain (CDynLinkLibrary.h) in order, then
// the framework itself (kwafx.rc).
KWAFX_API HINSTANCE AfxFindStringResourceHandle(UINT nID);
// The module that holds resource lpszName of type lpszType (a bitmap, icon, dialog...), searched
// the same way; the application's resource module when none does, so that the load fails there.
KWAFX_API HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
// The dialog template lpszName from the module that holds it (in *phInst, its size in *pdwSize);
// NULL when no module does.
LPCDLGTEMPLATE AfxLoadDialogTemplate(LPCTSTR lpszName, HINSTANCE* phInst, DWORD* pdwSize = NULL);
#endif
