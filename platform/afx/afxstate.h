// afxstate.h: AFX_THREAD_STATE, what the window layer keeps for each thread (the window and menu
// handle maps, the window being created, the message being handled), and the process-wide
// module state (instance, resource module, application object).
#pragma once

#include "afxtypes.h"
#include "CHandleMap.h"

class CWnd;
class CMenu;
class CWinApp;
class CWinThread;

struct AFX_THREAD_STATE
{
    CWnd* m_pWndInit; // the object whose window CreateEx is creating, until its first message
    HHOOK m_hHookOldCbtFilter; // the creation hook of this thread, installed on first use
    MSG m_lastSentMsg; // the message the innermost AfxCallWndProc is handling (for Default)
    CWinThread* m_pCurrentWinThread;
    HWND m_hLockoutNotifyWindow; // a window that ignores its controls' notifications meanwhile
    int m_nTempMapLock; // temporary objects survive idle time while this is nonzero
    CHandleMap<CWnd, HWND>* m_pmapHWND;
    CHandleMap<CMenu, HMENU>* m_pmapHMENU;
};

// The calling thread's state, created on first use and freed when the thread ends.
KWAFX_API AFX_THREAD_STATE* AFXAPI AfxGetThreadState();

struct AFX_MODULE_STATE
{
    CWinApp* m_pCurrentWinApp;
    HINSTANCE m_hCurrentInstanceHandle; // NULL until AfxWinInit: the executable is then used
    HINSTANCE m_hCurrentResourceHandle; // NULL: the instance handle
    LPCTSTR m_lpszCurrentAppName;
};

KWAFX_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
