// ClipboardHolder.cpp: the holder program lies next to the test program; two events named after
// this process's id tell when it holds the clipboard and when it must let go.
#include "ClipboardHolder.h"

#include <string>

ClipboardHolder::ClipboardHolder() : m_process(), m_bHolds(false), m_hWnd(NULL)
{
    const std::string sPrefix = "KwClipboardHolder" + std::to_string(::GetCurrentProcessId()) + "_";
    m_hHeld = ::CreateEventA(NULL, TRUE, FALSE, (sPrefix + "held").c_str());
    m_hRelease = ::CreateEventA(NULL, TRUE, FALSE, (sPrefix + "release").c_str());
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    std::string sCommand = szPath;
    sCommand = "\"" + sCommand.substr(0, sCommand.find_last_of('\\') + 1) + "clipboard_holder.exe\" " + sPrefix +
               "held " + sPrefix + "release";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    if (!::CreateProcessA(NULL, &sCommand[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &m_process))
        return;
    HANDLE waits[2] = {m_hHeld, m_process.hProcess};
    m_bHolds = ::WaitForMultipleObjects(2, waits, FALSE, 30000) == WAIT_OBJECT_0;
}

ClipboardHolder::~ClipboardHolder()
{
    LetGo();
    if (m_sender.joinable())
        m_sender.join();
    if (m_hWnd != NULL)
        ::DestroyWindow(m_hWnd);
    if (m_process.hProcess != NULL)
    {
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
    }
    ::CloseHandle(m_hHeld);
    ::CloseHandle(m_hRelease);
}

void ClipboardHolder::LetGo()
{
    ::SetEvent(m_hRelease);
    if (m_process.hProcess != NULL)
        ::WaitForSingleObject(m_process.hProcess, 30000);
    m_bHolds = false;
}

void ClipboardHolder::LetGoOnNextWait()
{
    m_hWnd = ::CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)WndProc);
    HWND hWnd = m_hWnd;
    m_sender = std::thread([hWnd] {
        DWORD_PTR nResult;
        ::SendMessageTimeoutA(hWnd, WM_APP, 0, 0, SMTO_NORMAL, 30000, &nResult);
    });
    // Back once the message waits in this thread's queue, so that the next wait finds it.
    for (int i = 0; i < 30000 && !(HIWORD(::GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE); i++)
        ::Sleep(1);
}

LRESULT CALLBACK ClipboardHolder::WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg != WM_APP)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    ((ClipboardHolder*)::GetWindowLongPtrA(hWnd, GWLP_USERDATA))->LetGo();
    return 0;
}
