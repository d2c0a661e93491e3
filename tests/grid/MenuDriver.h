// MenuDriver.h: MenuDriver, the user of a context menu while the code under test tracks it.
#pragma once

#include <afxwin.h>

#include <string>

// Watches for a popup menu while the code under test tracks one: notes where it appeared and its
// items, then chooses the first item with the keyboard. A menu still up after the
// time limit is ended, so the test fails instead of hanging.
class MenuDriver
{
public:
    MenuDriver() : m_nTimer(::SetTimer(NULL, 0, 50, OnTimer)), m_dwDeadline(::GetTickCount() + 5000) { s_pActive = this; }
    ~MenuDriver()
    {
        ::KillTimer(NULL, m_nTimer);
        s_pActive = NULL;
    }

    bool m_bSeen = false;
    bool m_bTimedOut = false;
    CRect m_rect;
    std::string m_items; // as MenuText writes them

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    static MenuDriver* s_pActive;
    UINT_PTR m_nTimer;
    DWORD m_dwDeadline;
};
