// afxdllx.h: what an extension DLL includes to join the resource chain. Its DllMain calls
// AfxInitExtensionModule and makes a CDynLinkLibrary on DLL_PROCESS_ATTACH, and calls
// AfxTermExtensionModule on DLL_PROCESS_DETACH; AfxExtensionDllMain does both.
#pragma once

#include "afxwin.h"

// The whole of an extension DLL's DllMain for the resource chain: state is the DLL's own.
inline BOOL AfxExtensionDllMain(AFX_EXTENSION_MODULE& state, HINSTANCE hInstance, DWORD dwReason)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(state, hInstance))
            return FALSE;
        new CDynLinkLibrary(state);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(state);
    }
    return TRUE;
}
