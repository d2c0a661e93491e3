// afxstate.cpp: the per-thread state in a TLS slot, freed as each thread leaves the DLL, and the
// one module state of the process.
#include "afxstate.h"
#include "CMenu.h"
#include "CWnd.h"

static DWORD afxThreadStateSlot = TLS_OUT_OF_INDEXES;
static AFX_MODULE_STATE afxModuleState = {};

static void AfxFreeThreadState()
{
    if (afxThreadStateSlot == TLS_OUT_OF_INDEXES)
        return;
    AFX_THREAD_STATE* pState = static_cast<AFX_THREAD_STATE*>(::TlsGetValue(afxThreadStateSlot));
    if (pState == NULL)
        return;
    ::TlsSetValue(afxThreadStateSlot, NULL);
    if (pState->m_hHookOldCbtFilter != NULL)
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
    // Permanent objects belong to their owners; only the wrappers made here go.
    delete pState->m_pmapHWND;
    delete pState->m_pmapHMENU;
    delete pState;
}

AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    AFX_THREAD_STATE* pState = static_cast<AFX_THREAD_STATE*>(::TlsGetValue(afxThreadStateSlot));
    if (pState == NULL)
    {
        pState = new AFX_THREAD_STATE();
        pState->m_pmapHWND = new CHandleMap<CWnd, HWND>(&CWnd::NewTemporary, &CWnd::DetachTemporary);
        pState->m_pmapHMENU = new CHandleMap<CMenu, HMENU>(&CMenu::NewTemporary, &CMenu::DetachTemporary);
        ::TlsSetValue(afxThreadStateSlot, pState);
    }
    return pState;
}

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    return &afxModuleState;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        afxThreadStateSlot = ::TlsAlloc();
    else if (dwReason == DLL_THREAD_DETACH)
        AfxFreeThreadState();
    else if (dwReason == DLL_PROCESS_DETACH)
        AfxFreeThreadState(); // other threads are gone; their states go with the process
    return TRUE;
}
