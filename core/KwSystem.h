// KwSystem.h: what the look's code asks of the system by name: a function of a system module,
// looked up at run time since older systems (and Wine) may lack it, and a window's class.
#pragma once

#include <windows.h>

// The function of the system module, NULL where the system lacks either. A module not loaded yet
// is loaded and kept for the process's life, as the system's own are.
template <typename T> T KwSystemFunction(const char* pszModule, const char* pszFunction)
{
    HMODULE hModule = ::GetModuleHandleA(pszModule);
    if (hModule == NULL)
        hModule = ::LoadLibraryA(pszModule);
    return hModule != NULL ? (T)(void*)::GetProcAddress(hModule, pszFunction) : NULL;
}

// Whether hWnd is a window of the class named, case ignored.
inline BOOL KwIsWindowClass(HWND hWnd, const char* pszClass)
{
    char szClass[32] = "";
    return ::GetClassNameA(hWnd, szClass, sizeof(szClass)) > 0 && lstrcmpiA(szClass, pszClass) == 0;
}
