// afxresource.cpp: finds the module that holds a resource.
#include "afxresource.h"

// Strings come in blocks of sixteen: block nID / 16 + 1 of type RT_STRING holds string nID.
HINSTANCE AfxFindStringResourceHandle(UINT nID)
{
    HINSTANCE hInst = GetModuleHandleA(NULL);
    if (FindResourceA(hInst, MAKEINTRESOURCEA((nID >> 4) + 1), RT_STRING) != NULL)
        return hInst;
    return NULL;
}

// Only the executable is searched until extension modules register themselves.
HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    return GetModuleHandleA(NULL);
}
