// KwDarkDefaults.h: declares CKwDarkDefaults, the dark look of what a host leaves at the system's
// defaults: its list views, tree views, edits and list boxes, and the dialogs it makes while the
// look is dark.
#pragma once

#include <windows.h>

// Dialogs that keep the classic face (those made before the switch that never called
// CKwPalette::FollowInDialog, the system's common dialogs and message boxes) keep it for their
// controls too; everywhere else a control whose colours nobody chose takes the look's.
class CKwDarkDefaults
{
public:
    // A list view or tree view hWnd still in the system's colours takes the look's window
    // colours while bDark; back in the classic look, one that took them gets the system's again.
    // Colours a host set stay as they are.
    static void Apply(HWND hWnd, BOOL bDark);
    // Drops what Apply remembers of hWnd, as it is destroyed.
    static void Forget(HWND hWnd);
    // The answer of hParent to a colour message of its control (WM_CTLCOLOREDIT,
    // WM_CTLCOLORLISTBOX, and WM_CTLCOLORSTATIC of a read-only edit) in the dark look, given what
    // it answered itself: the system's default answer becomes the look's colours, set into hDC.
    static LRESULT AnswerColors(HWND hParent, UINT nMsg, HDC hDC, HWND hControl, LRESULT lAnswered);
    // The answer of hParent to a custom draw notice of a dark list view, given what it answered
    // itself: where it left the drawing to the system, the selected lines of the list without
    // the focus are drawn in the look's colours (the system's would be its light face).
    static LRESULT AnswerNotify(HWND hParent, const NMHDR* pHeader, LRESULT lAnswered);
    // Whether hWnd, a window being made while the look is dark, is a dialog that follows it: a
    // top-level dialog of the application's own modules (not the system's), or the child dialog of
    // one that follows.
    static BOOL FollowsFromCreation(HWND hWnd, HINSTANCE hInstance);
};
