// KwLook.h: declares CKwLook, the switch between the classic and the dark look of the whole
// process, remembered under the application's profile.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwLook
{
public:
    enum ELook
    {
        eClassic = 0,
        eDark = 1
    };

    // The look serving the process now: dark while CKwVisualManagerDark is the manager.
    static ELook GetLook();
    // Switches the process to eLook: the dark manager, or back to the manager the host had
    // before it; then every window of the process (top-level ones, their children, popups and
    // floating frames) gets the platform's parts of the look and repaints. With bRemember the
    // choice is stored as value "Look" under "KwLook" in the application's profile. While dark,
    // windows the calling thread makes later get the platform's dark parts and CKwDarkFrame's
    // painting as they are made, and the dialogs the application makes follow the look
    // (CKwPalette::FollowInDialog); back in the classic look that painting is taken away. List
    // views, tree views and edits whose colours the host left at the system's take the look's
    // (CKwDarkDefaults), except in dialogs that keep the classic face.
    static void SetLook(ELook eLook, BOOL bRemember = TRUE);
    // The remembered look; a missing value, another type or an unknown number is the classic one.
    static ELook LoadLook();
    // At start-up: switches to the remembered look when it is not the classic one, so that a
    // classic start touches nothing.
    static void ApplyRememberedLook();
    // The platform's own parts of the current look on hWnd and its children: the title bar's dark
    // mode (DWM attribute 20, or 19 on older systems) and the dark theme of scroll bars, where the
    // system has them, and CKwDarkFrame's painting where the system lacks them. FALSE when the
    // system refused the title bar.
    static BOOL ApplyToWindow(HWND hWnd);
};
