// afxstate.h: AFX_THREAD_STATE, what the framework keeps for each thread (every handle map, the
// window being created, the message being handled), and the process-wide module state
// (instance, resource module, application object).
#pragma once

#include "afxtypes.h"
#include "CHandleMap.h"

#include <commctrl.h>

class CCommonDialog;
class CDC;
class CGdiObject;
class CImageList;
class CMenu;
class CWinApp;
class CWinThread;
class CWnd;

struct AFX_THREAD_STATE
{
    AFX_THREAD_STATE();
    ~AFX_THREAD_STATE();
    AFX_THREAD_STATE(const AFX_THREAD_STATE&) = delete;
    AFX_THREAD_STATE& operator=(const AFX_THREAD_STATE&) = delete;

    CWnd* m_pWndInit; // the object whose window CreateEx is creating, until its first message
    HHOOK m_hHookOldCbtFilter; // the creation hook, installed only while a window is being created
    CCommonDialog* m_pCommDlgInit; // the common dialog whose DoModal waits for its window
    MSG m_lastSentMsg; // the message the innermost AfxCallWndProc is handling (for Default)
    CWinThread* m_pCurrentWinThread;
    HWND m_hLockoutNotifyWindow; // a window that ignores its controls' notifications meanwhile
    int m_nTempMapLock; // temporary objects survive idle time while this is nonzero
    char m_szClassName[96]; // the name AfxRegisterWndClass returned last

    CHandleMap<CWnd, HWND> m_mapHWND;
    CHandleMap<CMenu, HMENU> m_mapHMENU;
    CHandleMap<CDC, HDC> m_mapHDC;
    CHandleMap<CGdiObject, HGDIOBJ> m_mapHGDIOBJ;
    CHandleMap<CImageList, HIMAGELIST> m_mapHIMAGELIST;

    AFX_THREAD_STATE* m_pNextState; // every live state, so that unloading the DLL frees them all
};

// The calling thread's state, made on first use and freed when the thread ends or the DLL is
// unloaded. NULL when it cannot be made (no memory): callers then fail cleanly.
KWAFX_API AFX_THREAD_STATE* AFXAPI AfxGetThreadState();
// The calling thread's map of one kind (&AFX_THREAD_STATE::m_mapHDC ...); NULL without a state.
template <class TMap> inline TMap* AfxGetThreadMap(TMap AFX_THREAD_STATE::*pmMap)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    return pState != NULL ? &(pState->*pmMap) : NULL;
}
// The message the thread's innermost AfxCallWndProc is handling; an empty one without a state.
MSG AFXAPI AfxGetLastSentMsg();
// The window whose controls' notifications are ignored for now (NULL for none).
HWND AFXAPI AfxGetLockoutNotifyWindow();
// How many threads have a state now (for tests of thread and DLL life).
KWAFX_API int AFXAPI AfxGetThreadStateCount();
// A window is going: the drop target still registered for it revokes itself, as the
// registration must not outlive the window (OLE would keep the target and its marshalled copy).
void AFXAPI AfxRevokeDropTarget(HWND hWnd);

struct AFX_MODULE_STATE
{
    CWinApp* m_pCurrentWinApp;
    HINSTANCE m_hCurrentInstanceHandle; // NULL until AfxWinInit: the executable is then used
    HINSTANCE m_hCurrentResourceHandle; // NULL: the instance handle
    LPCTSTR m_lpszCurrentAppName;
};

KWAFX_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
