// BCGCBProDllMain.cpp: the docking library joins the framework's resource chain when it loads,
// so that its menus are found, and leaves it when it unloads.
#include <afxdllx.h>

static AFX_EXTENSION_MODULE BCGCBProDLL = {FALSE, NULL, NULL};

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    return AfxExtensionDllMain(BCGCBProDLL, hInstance, dwReason);
}
