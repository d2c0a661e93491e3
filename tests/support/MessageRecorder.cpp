// MessageRecorder.cpp: a window subclass that logs, a queue hook that tells posted from sent
// messages, the comparison with an expected table, and the bounded message pump.
#include "MessageRecorder.h"

#ifdef _WIN32
#include <afxwin.h>
#include <cstdio>

// One recorder per thread at a time: the window procedure and hook find it here.
static thread_local MessageRecorder* currentRecorder = NULL;

namespace {
// The procedure a framework window's messages fall back to; the member is the framework's own.
struct SuperProc : CWnd
{
    static WNDPROC& Of(CWnd* pWnd) { return pWnd->*(&SuperProc::m_pfnSuper); }
};
} // namespace

MessageRecorder::MessageRecorder() : m_hHook(NULL), m_msgRetrieved(), m_bRetrieved(false)
{
    currentRecorder = this;
    m_hHook = ::SetWindowsHookExA(WH_GETMESSAGE, &GetMessageHook, NULL, ::GetCurrentThreadId());
}

MessageRecorder::~MessageRecorder()
{
    while (!m_watched.empty())
        Unwatch(m_watched.back().hWnd);
    if (m_hHook != NULL)
        ::UnhookWindowsHookEx(m_hHook);
    if (currentRecorder == this)
        currentRecorder = NULL;
}

void MessageRecorder::Watch(HWND hWnd, const char* who)
{
    Watched watched = {hWnd, who, NULL, false, NULL};
    watched.pfnOld = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&WatchProc);
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd))
    {
        watched.bWrapped = true;
        watched.pfnSuper = SuperProc::Of(pWnd);
        SuperProc::Of(pWnd) = &DefaultProc;
    }
    m_watched.push_back(watched);
}

void MessageRecorder::Unwatch(HWND hWnd)
{
    for (size_t i = 0; i < m_watched.size(); i++)
    {
        if (m_watched[i].hWnd != hWnd)
            continue;
        if (::IsWindow(hWnd) && (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == &WatchProc)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)m_watched[i].pfnOld);
        CWnd* pWnd = m_watched[i].bWrapped ? CWnd::FromHandlePermanent(hWnd) : NULL;
        if (pWnd != NULL && SuperProc::Of(pWnd) == &DefaultProc)
            SuperProc::Of(pWnd) = m_watched[i].pfnSuper;
        m_watched.erase(m_watched.begin() + (ptrdiff_t)i);
        return;
    }
}

bool MessageRecorder::IsRecorded(UINT message) const
{
    if (message >= 0xC000 && message <= 0xFFFF)
        return false; // registered messages vary between runs
    if (message == WM_GETICON || m_ignored.count(message) != 0)
        return false;
    return message != WM_PAINT && message != WM_NCPAINT && message != WM_ERASEBKGND && message != WM_SYNCPAINT &&
           message != WM_PRINTCLIENT;
}

void MessageRecorder::Note(const char* who, UINT message, WPARAM wParam, LPARAM lParam)
{
    m_log.push_back(Entry{who, message, msgNote, wParam, lParam});
}

LRESULT CALLBACK MessageRecorder::GetMessageHook(int code, WPARAM wParam, LPARAM lParam)
{
    MessageRecorder* pThis = currentRecorder;
    if (pThis != NULL && code == HC_ACTION && wParam == PM_REMOVE)
    {
        pThis->m_msgRetrieved = *(const MSG*)lParam;
        pThis->m_bRetrieved = true;
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

const MessageRecorder::Watched* MessageRecorder::Find(HWND hWnd) const
{
    for (const Watched& watched : m_watched)
        if (watched.hWnd == hWnd)
            return &watched;
    return NULL;
}

LRESULT CALLBACK MessageRecorder::DefaultProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageRecorder* pThis = currentRecorder;
    const Watched* pWatched = pThis != NULL ? pThis->Find(hWnd) : NULL;
    if (pWatched == NULL || !pWatched->bWrapped)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    const WNDPROC pfnSuper = pWatched->pfnSuper;
    // The innermost message of this window still being handled is the one passed on here.
    for (size_t i = pThis->m_inFlight.size(); i-- > 0;)
    {
        const InFlight& inFlight = pThis->m_inFlight[i];
        if (inFlight.hWnd != hWnd || inFlight.nEntry >= pThis->m_log.size())
            continue;
        Entry& entry = pThis->m_log[inFlight.nEntry];
        if (entry.message == message)
            entry.flags |= msgDefault;
        break;
    }
    return pfnSuper != NULL ? ::CallWindowProcA(pfnSuper, hWnd, message, wParam, lParam)
                            : ::DefWindowProcA(hWnd, message, wParam, lParam);
}

LRESULT CALLBACK MessageRecorder::WatchProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageRecorder* pThis = currentRecorder;
    const Watched* pWatched = pThis != NULL ? pThis->Find(hWnd) : NULL;
    if (pWatched == NULL)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    WNDPROC pfnOld = pWatched->pfnOld;
    bool bRecorded = pThis->IsRecorded(message);
    if (bRecorded)
    {
        // The message just taken from the queue arrives once, as posted.
        const MSG& msg = pThis->m_msgRetrieved;
        bool bPosted = pThis->m_bRetrieved && msg.hwnd == hWnd && msg.message == message && msg.wParam == wParam &&
            msg.lParam == lParam;
        if (bPosted)
            pThis->m_bRetrieved = false;
        pThis->m_log.push_back(Entry{pWatched->who, message, (UINT)(bPosted ? msgPosted : msgSent), wParam, lParam});
    }
    if (message == WM_NCDESTROY)
    {
        // The window is going: put its procedures back and forget it.
        pThis->Unwatch(hWnd);
        bRecorded = false;
    }
    if (!bRecorded)
        return ::CallWindowProcA(pfnOld, hWnd, message, wParam, lParam);
    pThis->m_inFlight.push_back(InFlight{hWnd, pThis->m_log.size() - 1});
    LRESULT lResult = ::CallWindowProcA(pfnOld, hWnd, message, wParam, lParam);
    pThis->m_inFlight.pop_back();
    return lResult;
}

static std::string Describe(const char* who, UINT message, UINT flags, WPARAM wParam, LPARAM lParam)
{
    char sz[160];
    snprintf(sz, sizeof(sz), "%-10s %-6s 0x%04x w=%llx l=%llx%s", who,
        (flags & msgNote) ? "note" : (flags & msgPosted) ? "posted" : "sent", message, (unsigned long long)wParam,
        (unsigned long long)lParam, (flags & msgDefault) ? " default" : (flags & msgNoDefault) ? " no-default" : "");
    return sz;
}

// Whether a recorded entry is what an expected one asks for.
static bool Fits(const MessageRecorder::Entry& act, const ExpectedMsg& exp)
{
    const UINT nKind = msgSent | msgPosted | msgNote;
    return act.who == exp.who && act.message == exp.message && (act.flags & nKind) == (exp.flags & nKind) &&
        (!(exp.flags & msgWParam) || act.wParam == exp.wParam) && (!(exp.flags & msgLParam) || act.lParam == exp.lParam) &&
        (!(exp.flags & msgDefault) || (act.flags & msgDefault)) && (!(exp.flags & msgNoDefault) || !(act.flags & msgDefault));
}

::testing::AssertionResult MessageRecorder::Matches(const std::vector<ExpectedMsg>& expected) const
{
    size_t nActual = 0;
    bool bMismatch = false;
    for (size_t nExpected = 0; nExpected < expected.size() && !bMismatch; nExpected++)
    {
        if (nActual < m_log.size() && Fits(m_log[nActual], expected[nExpected]))
            nActual++;
        else
            bMismatch = !(expected[nExpected].flags & msgOptional);
    }
    if (!bMismatch && nActual == m_log.size())
        return ::testing::AssertionSuccess();

    // Expected beside actual, aligned from the start, with the first mismatch marked.
    std::string strReport = "message sequence differs at actual entry " + std::to_string(nActual) + ":\n";
    size_t nRows = expected.size() > m_log.size() ? expected.size() : m_log.size();
    for (size_t i = 0; i < nRows; i++)
    {
        std::string strExp = i < expected.size()
            ? Describe(expected[i].who, expected[i].message, expected[i].flags, expected[i].wParam, expected[i].lParam) +
                ((expected[i].flags & msgOptional) ? " (optional)" : "")
            : "";
        std::string strAct =
            i < m_log.size() ? Describe(m_log[i].who.c_str(), m_log[i].message, m_log[i].flags, m_log[i].wParam, m_log[i].lParam)
                             : "";
        char szRow[400];
        snprintf(szRow, sizeof(szRow), "%s%3u  %-60s | %s\n", i == nActual ? "=>" : "  ", (unsigned)i, strExp.c_str(),
            strAct.c_str());
        strReport += szRow;
    }
    return ::testing::AssertionFailure() << strReport;
}

namespace {

BOOL Pump(DWORD nMilliseconds, BOOL bPreTranslate)
{
    DWORD dwStart = ::GetTickCount();
    for (;;)
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                ::PostQuitMessage((int)msg.wParam);
                return FALSE;
            }
            if (bPreTranslate && CWnd::WalkPreTranslateTree(NULL, &msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        DWORD dwElapsed = ::GetTickCount() - dwStart;
        if (dwElapsed >= nMilliseconds)
            return TRUE;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, nMilliseconds - dwElapsed, QS_ALLINPUT);
    }
}

} // namespace

BOOL PumpMessages(DWORD nMilliseconds)
{
    return Pump(nMilliseconds, FALSE);
}

BOOL PumpWithPreTranslate(DWORD nMilliseconds)
{
    return Pump(nMilliseconds, TRUE);
}
#endif
