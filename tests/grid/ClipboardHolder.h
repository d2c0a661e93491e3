// ClipboardHolder.h: declares ClipboardHolder, another process that holds the clipboard open
// while it lives, so that this process cannot open it.
#pragma once

#include <windows.h>

#include <thread>

class ClipboardHolder
{
public:
    // Returns once the other process holds the clipboard (Holds() false if it never did).
    ClipboardHolder();
    ~ClipboardHolder();
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;

    bool Holds() const { return m_bHolds; }
    // Returns once the other process has closed the clipboard and ended.
    void LetGo();
    // Lets go as soon as this thread answers a message sent to it from another thread, which a
    // thread does only while it waits: the next wait of the code under test, not before.
    void LetGoOnNextWait();

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    HANDLE m_hHeld, m_hRelease;
    PROCESS_INFORMATION m_process;
    bool m_bHolds;
    HWND m_hWnd;
    std::thread m_sender;
};
