// MenuDriver.cpp: finds the menu window on a timer and answers it from the keyboard.
#include "MenuDriver.h"
#include "support/MenuText.h"

MenuDriver* MenuDriver::s_pActive = NULL;

void CALLBACK MenuDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_pActive != NULL)
        s_pActive->Tick();
}

void MenuDriver::Tick()
{
    HWND hMenuWnd = ::FindWindowA("#32768", NULL);
    if (hMenuWnd != NULL && ::IsWindowVisible(hMenuWnd) && !m_bSeen)
    {
        m_bSeen = true;
        ::GetWindowRect(hMenuWnd, &m_rect);
        m_items = MenuText((HMENU)::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0));
        for (BYTE vk : {(BYTE)VK_DOWN, (BYTE)VK_RETURN})
        {
            ::keybd_event(vk, 0, 0, 0);
            ::keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
        }
    }
    else if (::GetTickCount() > m_dwDeadline && !m_bTimedOut)
    {
        m_bTimedOut = true;
        ::EndMenu();
    }
}
