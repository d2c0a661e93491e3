// CWinThread.h: CWinThread, a thread with a message loop: idle processing, pre-translation of
// every message up the window chain, thread messages through the message map, and what happens
// to exceptions thrown in window procedures.
#pragma once

#include "afxmsg_.h"

class CException;
class CWnd;

class KWAFX_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    virtual ~CWinThread();

    CWnd* m_pMainWnd; // the loop ends when this window is destroyed
    CWnd* m_pActiveWnd; // a window other than the main one that gets idle updates too
    HANDLE m_hThread;
    DWORD m_nThreadID;
    MSG m_msgCur; // the message the loop is handling

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
};

// The thread object of the calling thread (the application on the main thread), or NULL.
KWAFX_API CWinThread* AFXAPI AfxGetThread();
