// KwUiDllMain.cpp: the toolkit DLL joins the framework's resource chain when it loads, so that
// its dialogs, menus and strings are found, and leaves it when it unloads.
#include <afxdllx.h>

static AFX_EXTENSION_MODULE KwUiDLL = {FALSE, NULL, NULL};

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    return AfxExtensionDllMain(KwUiDLL, hInstance, dwReason);
}
