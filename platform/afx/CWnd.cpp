// CWnd.cpp: the life of a window object: the handle map, creation through the thread's creation
// hook, subclassing, the shared window procedure, and destruction.
#include "CWnd.h"
#include "CDC.h"
#include "CException.h"
#include "CMenu.h"
#include "CResourceException.h"
#include "CWinApp.h"
#include "CWinThread.h"
#include "afxstate.h"

#include <cstdio>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

static CHandleMap<CWnd, HWND>* AfxWndMap()
{
    return AfxGetThreadMap(&AFX_THREAD_STATE::m_mapHWND);
}

CWnd::CWnd() : m_hWnd(NULL), m_nFlags(0), m_hWndOwner(NULL), m_pfnSuper(NULL), m_nModalResult(-1)
{
}

CWnd::~CWnd()
{
    // A window outliving its object would send messages to freed memory.
    if (m_hWnd != NULL && ::IsWindow(m_hWnd))
        DestroyWindow();
    if (m_hWnd != NULL)
        Detach();
}

HWND CWnd::GetSafeHwnd() const
{
    // Hosts call this through possibly NULL pointers. The empty asm hides the pointer's origin
    // from the optimiser, which would otherwise drop the test as impossible.
    const CWnd* pThis = this;
    __asm__("" : "+r"(pThis));
    return pThis == NULL ? NULL : pThis->m_hWnd;
}

CWnd* CWnd::NewTemporary(HWND hWnd)
{
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    return pWnd;
}

void CWnd::DetachTemporary(CWnd* pWnd)
{
    pWnd->m_hWnd = NULL;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    CHandleMap<CWnd, HWND>* pMap = AfxWndMap();
    return pMap != NULL ? pMap->FromHandle(hWnd) : NULL;
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    CHandleMap<CWnd, HWND>* pMap = AfxWndMap();
    return pMap != NULL && hWnd != NULL ? pMap->LookupPermanent(hWnd) : NULL;
}

void PASCAL CWnd::DeleteTempMap()
{
    if (CHandleMap<CWnd, HWND>* pMap = AfxWndMap())
        pMap->DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    // One window per object and one object per window.
    ASSERT(FromHandlePermanent(hWndNew) == NULL);
    if (FromHandlePermanent(hWndNew) != NULL)
        return FALSE;
    return CHandleMap<CWnd, HWND>::Attach(AfxWndMap(), this, m_hWnd, hWndNew);
}

HWND CWnd::Detach()
{
    m_hWndOwner = NULL;
    return CHandleMap<CWnd, HWND>::Detach(AfxWndMap(), this, m_hWnd);
}

void AFXAPI AfxLockTempMaps()
{
    if (AFX_THREAD_STATE* pState = AfxGetThreadState())
        ++pState->m_nTempMapLock;
}

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState == NULL)
        return FALSE;
    ASSERT(pState->m_nTempMapLock != 0); // an unlock without its lock
    if (pState->m_nTempMapLock == 0 || --pState->m_nTempMapLock != 0 || !bDeleteTemps)
        return pState->m_nTempMapLock != 0;
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();
    AfxDeleteTempGdiObjects();
    return FALSE;
}

// Creation --------------------------------------------------------------------------------------

// Input-method and menu windows the system makes on its own are never ours.
static BOOL AfxIsSystemHelperWindow(HWND hWnd)
{
    char szClass[16];
    if (::GetClassNameA(hWnd, szClass, sizeof(szClass)) == 0)
        return FALSE;
    return lstrcmpiA(szClass, "IME") == 0 || lstrcmpA(szClass, "#32768") == 0;
}

static void AfxRemoveCbtHook(AFX_THREAD_STATE* pState)
{
    if (pState->m_hHookOldCbtFilter != NULL)
    {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = NULL;
    }
}

// The first window created after AfxHookWindowCreate is attached to the waiting object and
// subclassed before it receives any message, whatever its class. The hook goes as soon as it
// has done that: windows the new one creates install it again for themselves.
LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState == NULL)
        return ::CallNextHookEx(NULL, code, wParam, lParam);
    BOOL bAttached = FALSE;
    if (code == HCBT_CREATEWND && pState->m_pWndInit != NULL && !AfxIsSystemHelperWindow((HWND)wParam))
    {
        CWnd* pWndInit = pState->m_pWndInit;
        HWND hWnd = (HWND)wParam;
        pState->m_pWndInit = NULL;
        pWndInit->Attach(hWnd);
        pWndInit->PreSubclassWindow();
        WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
        if (pfnOld != &AfxWndProc)
            *pWndInit->GetSuperWndProcAddr() = pfnOld;
        bAttached = TRUE;
    }
    LRESULT lResult = ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
    // A window created from PreSubclassWindow may have taken the hook away already.
    if (bAttached && pState->m_pWndInit == NULL)
        AfxRemoveCbtHook(pState);
    return lResult;
}

BOOL AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState == NULL)
        return FALSE;
    ASSERT(pState->m_pWndInit == NULL); // one creation waits at a time
    if (pState->m_hHookOldCbtFilter == NULL)
        pState->m_hHookOldCbtFilter = ::SetWindowsHookExA(WH_CBT, &AfxCbtFilterHook, NULL, ::GetCurrentThreadId());
    if (pState->m_hHookOldCbtFilter == NULL)
        return FALSE;
    pState->m_pWndInit = pWnd;
    return TRUE;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState == NULL)
        return FALSE;
    AfxRemoveCbtHook(pState);
    if (pState->m_pWndInit != NULL)
    {
        pState->m_pWndInit = NULL;
        return FALSE;
    }
    return TRUE;
}

static void AfxRegisterDefaultClass()
{
    WNDCLASSA wc = {};
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (::GetClassInfoA(hInst, AFX_WND_CLASS, &wc))
        return;
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInst;
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = AFX_WND_CLASS;
    ::RegisterClassA(&wc);
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState == NULL)
        AfxThrowResourceException();
    char* szName = pState->m_szClassName;
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (hCursor == NULL && hbrBackground == NULL && hIcon == NULL)
        ::wsprintfA(szName, "Afx:%p:%x", (void*)hInst, nClassStyle);
    else
        ::wsprintfA(szName, "Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor, (void*)hbrBackground,
            (void*)hIcon);
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(hInst, szName, &wc))
    {
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.hIcon = hIcon;
        wc.lpszClassName = szName;
        // Another thread may register the same name between the two calls: that is success.
        if (!::RegisterClassA(&wc))
        {
            if (::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
                AfxThrowResourceException();
            // Its class may not be usable from this thread yet: Wine makes the name known before
            // the class. Windows made from the name before then would fail.
            for (int i = 0; i < 1000 && !::GetClassInfoA(hInst, szName, &wc); i++)
                ::Sleep(1);
        }
    }
    return szName;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        AfxRegisterDefaultClass();
        cs.lpszClass = AFX_WND_CLASS;
    }
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
    UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, (LPVOID)pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    ASSERT(m_hWnd == NULL);
    if (m_hWnd != NULL)
        return FALSE; // one window per object
    CREATESTRUCTA cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    if (!AfxHookWindowCreate(this))
    {
        PostNcDestroy();
        return FALSE;
    }
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
        cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    // No window ever came: the object is finished as if it had been destroyed.
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != NULL;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    // A permanent object may be deleted by PostNcDestroy: nothing of it is touched afterwards.
    HWND hWnd = m_hWnd;
    CWnd* pPermanent = FromHandlePermanent(hWnd);
    BOOL bResult = ::DestroyWindow(hWnd);
    if (pPermanent == NULL && m_hWnd != NULL)
        m_hWnd = NULL; // a temporary or unmapped wrapper lets go of the handle
    return bResult;
}

void CWnd::PostNcDestroy()
{
}

void CWnd::PreSubclassWindow()
{
}

WNDPROC* CWnd::GetSuperWndProcAddr()
{
    return &m_pfnSuper;
}

// Subclassing ----------------------------------------------------------------------------------

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || ::GetWindowThreadProcessId(hWnd, NULL) != ::GetCurrentThreadId())
        return FALSE;
    if (!Attach(hWnd))
        return FALSE; // already someone's
    PreSubclassWindow();
    WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
    if (pfnOld != &AfxWndProc)
        *GetSuperWndProcAddr() = pfnOld;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID);
    return hWndControl != NULL && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == NULL)
        return NULL;
    WNDPROC* ppfnSuper = GetSuperWndProcAddr();
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)(*ppfnSuper != NULL ? *ppfnSuper : ::DefWindowProcA));
    *ppfnSuper = NULL;
    return Detach();
}

// The shared window procedure --------------------------------------------------------------------

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

// Framework exceptions never leave a window procedure: the thread reports them and the message
// gets the answer that means failure.
static LRESULT AfxHandleWndProcException(CException* e, const MSG& msg)
{
    CWinThread* pThread = AfxGetThread();
    LRESULT lResult = pThread != NULL ? pThread->ProcessWndProcException(e, &msg)
                                      : CWinThread::DefaultWndProcExceptionResult(&msg);
    e->Delete();
    return lResult;
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState == NULL)
        return 0; // no object of this thread can have a window
    MSG oldState = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;
    LRESULT lResult = 0;
    try
    {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (CException* e)
    {
        lResult = AfxHandleWndProcException(e, pState->m_lastSentMsg);
    }
    catch (...)
    {
        // Nothing may unwind through the system's frames; failure is all the caller learns.
        lResult = CWinThread::DefaultWndProcExceptionResult(&pState->m_lastSentMsg);
    }
    pState->m_lastSentMsg = oldState;
    return lResult;
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState == NULL)
        return NULL;
    pState->m_lastSentMsg.time = ::GetMessageTime();
    DWORD dwPos = ::GetMessagePos();
    pState->m_lastSentMsg.pt.x = (short)LOWORD(dwPos);
    pState->m_lastSentMsg.pt.y = (short)HIWORD(dwPos);
    return &pState->m_lastSentMsg;
}

LRESULT CWnd::Default()
{
    MSG msg = AfxGetLastSentMsg();
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC pfnSuper = m_pfnSuper != NULL ? m_pfnSuper : *GetSuperWndProcAddr();
    if (pfnSuper != NULL)
        return ::CallWindowProcA(pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

// The last message: the main window's end ends the thread's loop, and the object lets go of its
// window (deleting itself when it was made with new).
void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL && pThread->m_pMainWnd == this)
    {
        ::PostQuitMessage(0);
        pThread->m_pMainWnd = NULL;
    }
    AfxRevokeDropTarget(m_hWnd);
    WNDPROC pfnWndProc = (WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC);
    Default();
    // Put the original procedure back unless someone subclassed the window after us.
    if ((WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == pfnWndProc)
    {
        WNDPROC pfnSuper = *GetSuperWndProcAddr();
        if (pfnSuper != NULL)
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)pfnSuper);
    }
    Detach();
    PostNcDestroy();
}

BOOL CWnd::SetOccDialogInfo(struct _AFX_OCC_DIALOG_INFO*)
{
    return FALSE;
}
