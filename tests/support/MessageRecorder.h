// MessageRecorder.h: records what windows receive (and what test code notes down), so that a test
// compares the whole sequence with an expected table; and a message pump bounded in time.
#pragma once

#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

// How an entry came or how it is compared.
enum
{
    msgSent = 0x01, // through SendMessage (or a direct call of the window procedure)
    msgPosted = 0x02, // through the queue
    msgNote = 0x04, // noted by the test code (a handler ran), not received
    msgWParam = 0x10, // compare wParam
    msgLParam = 0x20, // compare lParam
    msgOptional = 0x40, // may be missing
    msgDefault = 0x80, // reached the default window procedure (expected: must have)
    msgNoDefault = 0x100, // expected only: must not have reached the default window procedure
};

struct ExpectedMsg
{
    ExpectedMsg(const char* who, UINT message, UINT flags, WPARAM wParam = 0, LPARAM lParam = 0)
        : who(who), message(message), flags(flags), wParam(wParam), lParam(lParam)
    {
    }
    const char* who; // the name the window was watched under, or the note's author
    UINT message;
    UINT flags;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageRecorder
{
public:
    struct Entry
    {
        std::string who;
        UINT message;
        UINT flags;
        WPARAM wParam;
        LPARAM lParam;
    };

    MessageRecorder();
    ~MessageRecorder(); // stops watching every window still alive

    // Subclasses the window: every message it receives from now on is recorded under this name,
    // except registered messages, WM_GETICON and painting. For a window of
    // the framework, the procedure its messages fall back to is wrapped as well, so that each
    // entry tells whether the message went on to the default window procedure (msgDefault).
    void Watch(HWND hWnd, const char* who);
    void Unwatch(HWND hWnd);
    void Ignore(UINT message) { m_ignored.insert(message); }

    // An event of the test's own: a handler ran (message 0 when it stands for none).
    void Note(const char* who, UINT message = 0, WPARAM wParam = 0, LPARAM lParam = 0);
    void Clear() { m_log.clear(); }
    const std::vector<Entry>& Log() const { return m_log; }

    // Success when the log is the expected sequence (optional entries may be absent); otherwise
    // a message listing expected beside actual, marking the first mismatch.
    ::testing::AssertionResult Matches(const std::vector<ExpectedMsg>& expected) const;

private:
    static LRESULT CALLBACK WatchProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK DefaultProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam);
    bool IsRecorded(UINT message) const;

    struct Watched
    {
        HWND hWnd;
        std::string who;
        WNDPROC pfnOld;
        bool bWrapped; // the framework's object falls back to DefaultProc
        WNDPROC pfnSuper; // what it fell back to before (NULL: the default window procedure)
    };
    struct InFlight
    {
        HWND hWnd;
        size_t nEntry;
    };
    const Watched* Find(HWND hWnd) const;
    std::vector<Watched> m_watched;
    std::vector<InFlight> m_inFlight; // recorded messages still being handled, innermost last
    std::vector<Entry> m_log;
    std::set<UINT> m_ignored;
    HHOOK m_hHook;
    MSG m_msgRetrieved; // the last message taken from the queue, until it arrives
    bool m_bRetrieved;
};

// Dispatches this thread's messages for up to nMilliseconds, or until the queue is empty when
// nMilliseconds is 0. Returns FALSE when WM_QUIT arrived (it is left for the caller).
BOOL PumpMessages(DWORD nMilliseconds = 0);

// The same, the way the framework's loop dispatches: each message is first offered to the
// PreTranslateMessage chain of its window (so dialogs and controls see their keys).
BOOL PumpWithPreTranslate(DWORD nMilliseconds = 0);
#endif
