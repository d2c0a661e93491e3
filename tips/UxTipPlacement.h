// UxTipPlacement.h: CUxTipPlacement, where a tip of a given size goes around the cursor, and the
// shape of its balloon: pure functions of the tip's size, the cursor, the direction and the work
// area. Portable.
#pragma once

#include "core/KwUiExport.h"

#include "tips/UxTipGeometry.h"

class KWUI_API CUxTipPlacement
{
public:
    // Directions: 0 and 1 above the cursor, 2 and 3 below; 0 and 2 extend to the left.
    static bool IsAbove(unsigned nDirection) { return nDirection < 2; }
    static bool IsLeft(unsigned nDirection) { return nDirection == 0 || nDirection == 2; }
    static unsigned NextHorizontal(unsigned nDirection);
    static unsigned NextVertical(unsigned nDirection);

    // One side of the box for one direction, within [0, nExtent): false when it does not fit,
    // and then nothing is changed.
    static bool FitHorizontally(int x, int cx, int nExtent, unsigned nDirection, int nAnchorMargin, UxTipRect& box);
    static bool FitVertically(int y, int cy, int nExtent, unsigned nDirection, UxTipRect& box);

    // The box (starting as given) placed around the cursor on a work area of that size: the
    // direction asked for, else the other way horizontally and vertically; a side that fits
    // neither way keeps its place. The direction reached is returned in nDirection. A box larger
    // than the area is cut to it. A shadow of that offset moves a box left of the cursor by it.
    static UxTipRect Place(UxTipRect box, UxTipPoint cursor, unsigned& nDirection, UxTipSize area, int nAnchorMargin,
                           UxTipSize shadow);

    // The balloon of a box of size sz in its own coordinates: the body, and the base of the
    // anchor from (x1, yBase) to (x2, yBase) on the cursor's side, the space for it taken off.
    struct Balloon
    {
        UxTipRect body;
        int x1, x2, yBase;
    };
    static Balloon Shape(UxTipSize sz, unsigned nDirection, int nAnchorHeight, int nAnchorWidth, int nAnchorMargin);
};
