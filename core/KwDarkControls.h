// KwDarkControls.h: declares CKwDarkControls, the dark look's painting of the system's push
// buttons, check boxes, radio buttons, group boxes, tab controls and list headers, which have no
// dark mode of their own.
#pragma once

#include <windows.h>

// Buttons, tab controls and combo boxes are painted in dialogs that follow the look
// (CKwPalette::FollowInDialog), headers over a list view with a dark background; the rest keep the
// system's painting.
class CKwDarkControls
{
public:
    // Whether hWnd is one of the controls painted here in the current look: wholly, in place of
    // the system's WM_PAINT.
    static BOOL PaintsWhole(HWND hWnd);
    // Whether the system's painting of hWnd is kept and painted over after it: the edge and the
    // button of a drop-down combo box.
    static BOOL PaintsOver(HWND hWnd);
    // Paints hWnd onto hDC, in client coordinates: the whole control, or what goes over the system's.
    static void Paint(HWND hWnd, HDC hDC);
    // What goes over the system's painting of the drop-down combo box hWnd whatever its parent:
    // its edge as a thin line and its button. For combos that draw their items in the look.
    static void PaintComboOver(HWND hWnd, HDC hDC);
    // Whether the system paints a control straight away, outside WM_PAINT, when handling nMsg (a
    // button does on a change of focus, state, style or text): it is painted again after it.
    static BOOL PaintsDirectly(UINT nMsg);

    // Drawing shared with the painting of frames: a solid rectangle, a one-pixel frame, and an
    // arrow (DFCS_SCROLLUP, DOWN, LEFT or RIGHT) centred in a rectangle.
    static void Fill(HDC hDC, const RECT& rect, COLORREF clr);
    static void Frame(HDC hDC, const RECT& rect, COLORREF clr);
    static void DrawArrow(HDC hDC, const RECT& rect, UINT nDirection, COLORREF clr);
};
