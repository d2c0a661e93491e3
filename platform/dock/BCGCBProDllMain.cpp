// BCGCBProDllMain.cpp: the docking library joins the framework's resource chain when it loads,
// so that its menus are found, and leaves it when it unloads.
#include <afxdllx.h>

static AFX_EXTENSION_MODULE BCGCBProDLL = {FALSE, NULL, NULL};

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(BCGCBProDLL, hInstance))
            return FALSE;
        new CDynLinkLibrary(BCGCBProDLL);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(BCGCBProDLL);
    }
    return TRUE;
}
