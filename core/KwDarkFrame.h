// KwDarkFrame.h: declares CKwDarkFrame, which paints in the dark look what the system draws itself
// and would leave light: title bars, frames and scroll bars where the system has no dark mode for
// them, and the system's buttons, tabs and headers (CKwDarkControls) where their parents are dark.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwDarkFrame
{
public:
    // Whether the system draws dark title bars and scroll bars itself: Windows 10 1809 and later,
    // but not Wine, which accepts the request and draws them light.
    static BOOL IsSystemDark();
    // Subclasses hWnd, a window of the calling thread, so that while the dark look serves, its
    // non-client parts are painted over in the look's colours after the system has painted them
    // (also into a WM_PRINT picture), and its control is painted by CKwDarkControls where that
    // applies. Outside the dark look the subclass passes every message through.
    static void Attach(HWND hWnd);
    // Removes every subclass Attach made that can be taken away safely (no one subclassed the
    // window after it); the others stay, passing messages through.
    static void DetachAll();
};
