// CWinThread.cpp: the message loop, idle processing and pre-translation.
#include "CWinThread.h"
#include "CException.h"
#include "CWinApp.h"
#include "CWnd.h"
#include "afxstate.h"

#include <process.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread* AFXAPI AfxGetThread()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    return pState != NULL ? pState->m_pCurrentWinThread : NULL;
}

CWinThread::CWinThread()
    : m_pMainWnd(NULL), m_pActiveWnd(NULL), m_hThread(NULL), m_nThreadID(::GetCurrentThreadId()), m_msgCur(),
      m_bAutoDelete(TRUE), m_ptCursorLast(), m_nMsgLast(0), m_pfnThreadProc(NULL), m_pThreadParams(NULL)
{
    // The thread that makes the object is the thread it stands for.
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState != NULL && pState->m_pCurrentWinThread == NULL)
        pState->m_pCurrentWinThread = this;
}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pMainWnd(NULL), m_pActiveWnd(NULL), m_hThread(NULL), m_nThreadID(0), m_msgCur(), m_bAutoDelete(TRUE),
      m_ptCursorLast(), m_nMsgLast(0), m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam)
{
}

CWinThread::~CWinThread()
{
    if (m_hThread != NULL)
        ::CloseHandle(m_hThread);
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState != NULL && pState->m_pCurrentWinThread == this)
        pState->m_pCurrentWinThread = NULL;
}

// Workers ---------------------------------------------------------------------------------------

unsigned __stdcall AfxThreadEntry(void* pParam)
{
    CWinThread* pThread = static_cast<CWinThread*>(pParam);
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState != NULL)
        pState->m_pCurrentWinThread = pThread;
    UINT nExitCode = pThread->m_pfnThreadProc(pThread->m_pThreadParams);
    if (pState != NULL)
        pState->m_pCurrentWinThread = NULL;
    pThread->Delete();
    return nExitCode;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (m_hThread != NULL || m_pfnThreadProc == NULL)
        return FALSE;
    // Always made suspended: handle and id are in place before the thread can end and delete us.
    unsigned nThreadID = 0;
    HANDLE hThread = (HANDLE)_beginthreadex(lpSecurityAttrs, nStackSize, AfxThreadEntry, this,
        dwCreateFlags | CREATE_SUSPENDED, &nThreadID);
    if (hThread == NULL)
        return FALSE;
    m_hThread = hThread;
    m_nThreadID = nThreadID;
    if ((dwCreateFlags & CREATE_SUSPENDED) == 0)
        ::ResumeThread(hThread);
    return TRUE;
}

DWORD CWinThread::ResumeThread()
{
    return ::ResumeThread(m_hThread);
}

DWORD CWinThread::SuspendThread()
{
    return ::SuspendThread(m_hThread);
}

int CWinThread::GetThreadPriority()
{
    return ::GetThreadPriority(m_hThread);
}

BOOL CWinThread::SetThreadPriority(int nPriority)
{
    return ::SetThreadPriority(m_hThread, nPriority);
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
    DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (pfnThreadProc == NULL)
        return NULL;
    CWinThread* pThread = new CWinThread(pfnThreadProc, pParam);
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs))
    {
        delete pThread;
        return NULL;
    }
    pThread->SetThreadPriority(nPriority);
    if ((dwCreateFlags & CREATE_SUSPENDED) == 0)
        pThread->ResumeThread();
    return pThread;
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        // Windows repeats mouse moves without any movement.
        if (m_ptCursorLast.x == pMsg->pt.x && m_ptCursorLast.y == pMsg->pt.y && pMsg->message == m_nMsgLast)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    // 0x0118 is the caret-blink timer.
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL && pMainWnd->IsWindowVisible())
        {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        CWnd* pActiveWnd = m_pActiveWnd;
        if (pActiveWnd != NULL && pActiveWnd != pMainWnd && pActiveWnd->m_hWnd != NULL &&
            pActiveWnd->IsWindowVisible())
        {
            AfxCallWndProc(pActiveWnd, pActiveWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pActiveWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        return TRUE;
    }
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (lCount == 1 && pState != NULL && pState->m_nTempMapLock == 0)
    {
        AfxLockTempMaps();
        AfxUnlockTempMaps();
    }
    return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == NULL)
    {
        AFX_MSGMAP_CALL call = {};
        call.nMessage = pMsg->message;
        call.wParam = pMsg->wParam;
        call.lParam = pMsg->lParam;
        if (ProcessMessageMap(call))
            return TRUE;
    }
    CWnd* pMainWnd = GetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd != NULL ? pMainWnd->m_hWnd : NULL, pMsg))
        return TRUE;
    // Modeless windows outside the main window still get the main window's accelerators.
    if (pMainWnd != NULL && pMsg->hwnd != NULL)
    {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd->GetTopLevelParent() != pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    if (::GetMessageA(&m_msgCur, NULL, 0, 0) <= 0)
        return FALSE; // WM_QUIT (or a broken queue)
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        while (bIdle && !::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE));
    }
}

LRESULT PASCAL CWinThread::DefaultWndProcExceptionResult(const MSG* pMsg)
{
    if (pMsg->message == WM_CREATE)
        return -1;
    if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, NULL);
    // A command counts as handled so that nobody else acts on it half-done.
    return pMsg->message == WM_COMMAND ? TRUE : 0;
}

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    if (pMsg->message != WM_CREATE && pMsg->message != WM_PAINT)
    {
        char szMessage[512];
        if (!e->GetErrorMessage(szMessage, sizeof(szMessage)))
            lstrcpynA(szMessage, "Internal application error.", sizeof(szMessage));
        AfxMessageBox(szMessage, MB_ICONSTOP);
    }
    return DefaultWndProcExceptionResult(pMsg);
}
