// CBCGPMenuOwner.h: CBCGPMenuOwner, the tracking of the library's popup menus, drawn by the
// visual manager when its look asks for it.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

// A look that draws menus itself (CBCGPVisualManager::IsOwnerDrawMenu) gets them through a
// hidden window of the library that owns the menu while it is open: it turns each popup's items
// to owner-drawn once the target has set them up (WM_INITMENUPOPUP), draws them through the
// manager, hands every other menu message and the chosen command to the target, and gives the
// items back as they were when the menu closes. In any other look the system tracks the menu
// for the target as it always has.
class KWDOCK_API CBCGPMenuOwner
{
public:
    // TrackPopupMenuEx's arguments and result.
    static UINT Track(HMENU hMenu, UINT nFlags, int x, int y, HWND hTarget, LPTPMPARAMS lptpm);

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    static void MakeOwnerDraw(HMENU hMenu);
    static void Restore();
};
