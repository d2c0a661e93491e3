// afxstate.cpp: the per-thread state in one TLS slot, and the one module state of the process.
//
// Every state made is also kept in a list, so that unloading the DLL frees the states of threads
// that are still running. At process termination nothing is freed: the other threads were
// stopped wherever they were, and the memory goes with the process.
#include "afxstate.h"
#include "CDC.h"
#include "CImageList.h"
#include "CMenu.h"
#include "CWnd.h"

#include <new>

static DWORD afxThreadStateSlot = TLS_OUT_OF_INDEXES;
static CRITICAL_SECTION afxStateListLock;
static AFX_THREAD_STATE* afxStateList = NULL;
static AFX_MODULE_STATE afxModuleState = {};

AFX_THREAD_STATE::AFX_THREAD_STATE()
    : m_pWndInit(NULL), m_hHookOldCbtFilter(NULL), m_pCommDlgInit(NULL), m_lastSentMsg(), m_pCurrentWinThread(NULL),
      m_hLockoutNotifyWindow(NULL), m_nTempMapLock(0), m_szClassName(),
      m_mapHWND(&CWnd::NewTemporary, &CWnd::DetachTemporary),
      m_mapHMENU(&CMenu::NewTemporary, &CMenu::DetachTemporary),
      m_mapHDC(&CDC::NewTemporary, &CDC::DetachTemporary),
      m_mapHGDIOBJ(&CGdiObject::NewTemporary, &CGdiObject::DetachTemporary),
      m_mapHIMAGELIST(&CImageList::NewTemporary, &CImageList::DetachTemporary), m_pNextState(NULL)
{
}

// The maps delete only the temporary wrappers made for the thread; permanent objects belong to
// their owners.
AFX_THREAD_STATE::~AFX_THREAD_STATE()
{
    // A creation interrupted by the thread's end must not leave the hook behind.
    if (m_hHookOldCbtFilter != NULL)
        ::UnhookWindowsHookEx(m_hHookOldCbtFilter);
}

AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    if (afxThreadStateSlot == TLS_OUT_OF_INDEXES)
        return NULL;
    AFX_THREAD_STATE* pState = static_cast<AFX_THREAD_STATE*>(::TlsGetValue(afxThreadStateSlot));
    if (pState != NULL)
        return pState;
    pState = new (std::nothrow) AFX_THREAD_STATE;
    if (pState == NULL)
        return NULL;
    if (!::TlsSetValue(afxThreadStateSlot, pState))
    {
        delete pState;
        return NULL;
    }
    ::EnterCriticalSection(&afxStateListLock);
    pState->m_pNextState = afxStateList;
    afxStateList = pState;
    ::LeaveCriticalSection(&afxStateListLock);
    return pState;
}

MSG AFXAPI AfxGetLastSentMsg()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    return pState != NULL ? pState->m_lastSentMsg : MSG();
}

HWND AFXAPI AfxGetLockoutNotifyWindow()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    return pState != NULL ? pState->m_hLockoutNotifyWindow : NULL;
}

int AFXAPI AfxGetThreadStateCount()
{
    ::EnterCriticalSection(&afxStateListLock);
    int nCount = 0;
    for (AFX_THREAD_STATE* pState = afxStateList; pState != NULL; pState = pState->m_pNextState)
        nCount++;
    ::LeaveCriticalSection(&afxStateListLock);
    return nCount;
}

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    return &afxModuleState;
}

static void AfxFreeThreadState()
{
    if (afxThreadStateSlot == TLS_OUT_OF_INDEXES)
        return;
    AFX_THREAD_STATE* pState = static_cast<AFX_THREAD_STATE*>(::TlsGetValue(afxThreadStateSlot));
    if (pState == NULL)
        return;
    ::TlsSetValue(afxThreadStateSlot, NULL);
    ::EnterCriticalSection(&afxStateListLock);
    AFX_THREAD_STATE** ppLink = &afxStateList;
    while (*ppLink != pState)
        ppLink = &(*ppLink)->m_pNextState;
    *ppLink = pState->m_pNextState;
    ::LeaveCriticalSection(&afxStateListLock);
    delete pState;
}

// FreeLibrary: the states of the threads that go on running go now, with the slot.
static void AfxFreeAllThreadStates()
{
    if (afxThreadStateSlot == TLS_OUT_OF_INDEXES)
        return; // the attach failed
    while (afxStateList != NULL)
    {
        AFX_THREAD_STATE* pState = afxStateList;
        afxStateList = pState->m_pNextState;
        delete pState;
    }
    ::TlsFree(afxThreadStateSlot);
    afxThreadStateSlot = TLS_OUT_OF_INDEXES;
    ::DeleteCriticalSection(&afxStateListLock);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID lpReserved)
{
    switch (dwReason)
    {
    case DLL_PROCESS_ATTACH:
        afxThreadStateSlot = ::TlsAlloc();
        if (afxThreadStateSlot == TLS_OUT_OF_INDEXES)
            return FALSE; // the DLL fails to load rather than run without its state
        ::InitializeCriticalSection(&afxStateListLock);
        break;
    case DLL_THREAD_DETACH:
        AfxFreeThreadState();
        break;
    case DLL_PROCESS_DETACH:
        if (lpReserved == NULL)
            AfxFreeAllThreadStates();
        break;
    }
    return TRUE;
}
