// ModalDialogDriver.h: answers a modal dialog that the code under test runs on this thread: a
// thread timer looks for the dialog while its modal loop runs and, once it is up, runs the
// test's answer once; a dialog still up after the time limit is cancelled, so a test fails
// instead of hanging.
#pragma once

#ifdef _WIN32
#include <windows.h>

#include <functional>

class ModalDialogDriver
{
public:
    typedef std::function<void(HWND hDlg)> Answer;

    // Looks for a visible top-level "#32770" window of this thread, whose caption is
    // lpszCaption when one is given.
    explicit ModalDialogDriver(Answer answer, const char* lpszCaption = NULL, DWORD dwTimeoutMs = 10000);
    ~ModalDialogDriver();
    ModalDialogDriver(const ModalDialogDriver&) = delete;
    ModalDialogDriver& operator=(const ModalDialogDriver&) = delete;

    bool Answered() const { return m_bAnswered; }
    bool TimedOut() const { return m_bTimedOut; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK FindDialog(HWND hWnd, LPARAM lParam);
    void Tick();

    static ModalDialogDriver* s_pActive;
    Answer m_answer;
    const char* m_lpszCaption;
    DWORD m_dwDeadline;
    UINT_PTR m_nTimer;
    HWND m_hFound;
    bool m_bAnswered;
    bool m_bTimedOut;
};
#endif
