// CWinThread.h: CWinThread, a thread with a message loop: idle processing, pre-translation of
// every message up the window chain, thread messages through the message map, and what happens
// to exceptions thrown in window procedures; and worker threads started with AfxBeginThread.
#pragma once

#include "afxmsg_.h"

class CException;
class CWnd;

// A worker thread's function: its result is the thread's exit code.
typedef UINT(AFX_CDECL* AFX_THREADPROC)(LPVOID pParam);

class KWAFX_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    // The object of a worker thread that runs pfnThreadProc(pParam) once started; unlike the
    // other constructor, it does not stand for the thread that makes it.
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    virtual ~CWinThread(); // closes the thread's handle

    // Starts the thread, suspended when dwCreateFlags has CREATE_SUSPENDED. FALSE when
    // Windows cannot.
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
    DWORD ResumeThread();
    DWORD SuspendThread();
    int GetThreadPriority();
    BOOL SetThreadPriority(int nPriority);
    operator HANDLE() const { return m_hThread; }
    // Called as a worker ends: deletes the object when m_bAutoDelete.
    virtual void Delete();


    CWnd* m_pMainWnd; // the loop ends when this window is destroyed
    CWnd* m_pActiveWnd; // a window other than the main one that gets idle updates too
    HANDLE m_hThread;
    DWORD m_nThreadID;
    MSG m_msgCur; // the message the loop is handling
    BOOL m_bAutoDelete; // TRUE: the worker's object goes with its thread (clear it to wait on m_hThread)

    virtual CWnd* GetMainWnd();
    virtual BOOL InitInstance();
    // The message loop: idle processing while the queue is empty, until WM_QUIT; returns
    // ExitInstance's result.
    virtual int Run();
    virtual int ExitInstance();
    // lCount counts the calls since the last message: 0 updates the command UI of the main
    // window and its descendants, 1 frees temporary objects. TRUE asks for another call.
    virtual BOOL OnIdle(LONG lCount);
    // Thread messages go through the message map; window messages to the PreTranslateMessage
    // of their window and its parents, up to the main window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    // FALSE for messages that change nothing a user sees (repeated mouse moves, paints, caret
    // blinks): they do not restart idle processing.
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // The answer to a message whose handler threw e (which the caller deletes).
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
    // What any failed message answers: -1 from WM_CREATE, a validated window after WM_PAINT.
    static LRESULT PASCAL DefaultWndProcExceptionResult(const MSG* pMsg);

protected:
    POINT m_ptCursorLast;
    UINT m_nMsgLast;
    AFX_THREADPROC m_pfnThreadProc;
    LPVOID m_pThreadParams;

    friend unsigned __stdcall AfxThreadEntry(void* pParam);
};

// Starts a worker thread running pfnThreadProc(pParam) and returns its object (NULL when the
// thread cannot be made). The object deletes itself as the thread ends unless its m_bAutoDelete
// is cleared first: start suspended, clear it, then ResumeThread to keep it.
KWAFX_API CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
    int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0, DWORD dwCreateFlags = 0,
    LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);

// The thread object of the calling thread (the application on the main thread), or NULL.
KWAFX_API CWinThread* AFXAPI AfxGetThread();
