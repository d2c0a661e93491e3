// KwPlacement.h: declares CKwPlacement, which makes a window placement read from a document or
// the profile fit to apply: a sound length, a known show command, a rectangle one can reach.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwPlacement
{
public:
    // Forces the length field, turns an unknown show command into SW_SHOWNORMAL, and brings a
    // normal rectangle that lies off every monitor back inside pArea's client area (pArea's
    // client coordinates, as for MDI children) or, with pArea NULL, into the work area of the
    // nearest monitor (screen coordinates, as for a top-level frame). The size is kept as far as
    // the area allows.
    static void Repair(WINDOWPLACEMENT& wp, CWnd* pArea);

    // A placement in a document: its eleven fields as 32-bit values, length first.
    static void Write(CArchive& ar, const WINDOWPLACEMENT& wp);
    // Reads the eleven fields as they stand; Repair makes them fit to apply.
    static void Read(CArchive& ar, WINDOWPLACEMENT& wp);

private:
    // Moves rc inside area, shrinking it where it is larger.
    static void MoveInside(RECT& rc, const RECT& area);
};
