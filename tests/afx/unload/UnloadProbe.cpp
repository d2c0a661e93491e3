// UnloadProbe.cpp: a DLL that uses the framework, for a host that loads and frees it (and with
// it kwafx.dll) while the process goes on.
#include <afxwin.h>

#include "afxstate.h"

// Uses the framework on the calling thread: windows (one nested in another's creation) and
// temporary wrappers of every kind, left for the thread's end or the DLL's unload. Returns how
// many threads have a state, or -1 when a step failed.
extern "C" __declspec(dllexport) int ProbeUseFramework()
{
    CWnd parent;
    if (!parent.CreateEx(0, AfxRegisterWndClass(0), "probe", WS_POPUP, CRect(0, 0, 40, 40), NULL, 0))
        return -1;
    CWnd child;
    if (!child.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD, CRect(0, 0, 5, 5), &parent, 1))
        return -1;
    HDC hDC = ::GetDC(parent.m_hWnd);
    HMENU hMenu = ::CreateMenu();
    bool bOK = CWnd::FromHandle(::GetDesktopWindow()) != NULL && CDC::FromHandle(hDC) != NULL &&
        CGdiObject::FromHandle(::GetStockObject(WHITE_BRUSH)) != NULL && CMenu::FromHandle(hMenu) != NULL;
    ::DestroyMenu(hMenu);
    ::ReleaseDC(parent.m_hWnd, hDC);
    return bOK ? AfxGetThreadStateCount() : -1;
}
