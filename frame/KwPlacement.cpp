// KwPlacement.cpp: repairing stored window placements.
#include "frame/KwPlacement.h"

#include <algorithm>

void CKwPlacement::Repair(WINDOWPLACEMENT& wp, CWnd* pArea)
{
    wp.length = sizeof(WINDOWPLACEMENT);
    if (wp.showCmd > SW_MAX)
        wp.showCmd = SW_SHOWNORMAL;

    // A reversed rectangle from a document is read as the rectangle it spans.
    RECT& rc = wp.rcNormalPosition;
    if (rc.right < rc.left)
        std::swap(rc.left, rc.right);
    if (rc.bottom < rc.top)
        std::swap(rc.top, rc.bottom);

    if (pArea != NULL && pArea->GetSafeHwnd() != NULL)
    {
        RECT client;
        ::GetClientRect(pArea->m_hWnd, &client);
        // Whether it is on a monitor is a question of the screen.
        POINT origin = {0, 0};
        ::ClientToScreen(pArea->m_hWnd, &origin);
        RECT onScreen = rc;
        ::OffsetRect(&onScreen, origin.x, origin.y);
        if (::MonitorFromRect(&onScreen, MONITOR_DEFAULTTONULL) == NULL)
            MoveInside(rc, client);
    }
    else if (::MonitorFromRect(&rc, MONITOR_DEFAULTTONULL) == NULL)
    {
        MONITORINFO mi = {};
        mi.cbSize = sizeof(MONITORINFO);
        if (::GetMonitorInfoA(::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &mi))
            MoveInside(rc, mi.rcWork);
    }
}

void CKwPlacement::MoveInside(RECT& rc, const RECT& area)
{
    // 64 bits: a forged rectangle may span more than an int holds.
    long long cx = std::min<long long>((long long)rc.right - rc.left, (long long)area.right - area.left);
    long long cy = std::min<long long>((long long)rc.bottom - rc.top, (long long)area.bottom - area.top);
    cx = std::max<long long>(cx, 0);
    cy = std::max<long long>(cy, 0);
    long long x = std::min<long long>(std::max<long long>(rc.left, area.left), area.right - cx);
    long long y = std::min<long long>(std::max<long long>(rc.top, area.top), area.bottom - cy);
    rc.left = (LONG)x;
    rc.top = (LONG)y;
    rc.right = (LONG)(x + cx);
    rc.bottom = (LONG)(y + cy);
}

void CKwPlacement::Write(CArchive& ar, const WINDOWPLACEMENT& wp)
{
    ar << (DWORD)wp.length << (DWORD)wp.flags << (DWORD)wp.showCmd << (LONG)wp.ptMinPosition.x
       << (LONG)wp.ptMinPosition.y << (LONG)wp.ptMaxPosition.x << (LONG)wp.ptMaxPosition.y
       << (LONG)wp.rcNormalPosition.left << (LONG)wp.rcNormalPosition.top << (LONG)wp.rcNormalPosition.right
       << (LONG)wp.rcNormalPosition.bottom;
}

void CKwPlacement::Read(CArchive& ar, WINDOWPLACEMENT& wp)
{
    DWORD length, flags, showCmd;
    LONG v[8];
    ar >> length >> flags >> showCmd;
    for (LONG& x : v)
        ar >> x;
    wp.length = length;
    wp.flags = flags;
    wp.showCmd = showCmd;
    wp.ptMinPosition = {v[0], v[1]};
    wp.ptMaxPosition = {v[2], v[3]};
    wp.rcNormalPosition = {v[4], v[5], v[6], v[7]};
}
