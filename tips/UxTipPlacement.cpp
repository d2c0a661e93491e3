// UxTipPlacement.cpp: placing the tip around the cursor, and the shape of its balloon.
#include "tips/UxTipPlacement.h"

#include <algorithm>

unsigned CUxTipPlacement::NextHorizontal(unsigned nDirection)
{
    return nDirection ^ 1u; // 0 <-> 1, 2 <-> 3
}

unsigned CUxTipPlacement::NextVertical(unsigned nDirection)
{
    return nDirection ^ 2u; // 0 <-> 2, 1 <-> 3
}

bool CUxTipPlacement::FitHorizontally(int x, int cx, int nExtent, unsigned nDirection, int nAnchorMargin,
                                      UxTipRect& box)
{
    int left, right;
    if (IsLeft(nDirection)) {
        right = std::min(x + nAnchorMargin, nExtent);
        left = right - cx;
        if (left < 0)
            return false;
    } else {
        left = x < nAnchorMargin ? 0 : x - nAnchorMargin;
        right = left + cx;
    }
    if (right > nExtent)
        return false;
    box.left = left;
    box.right = right;
    return true;
}

bool CUxTipPlacement::FitVertically(int y, int cy, int nExtent, unsigned nDirection, UxTipRect& box)
{
    int top, bottom;
    if (IsAbove(nDirection)) {
        bottom = y;
        top = y - cy;
        if (top < 0)
            return false;
    } else {
        top = y;
        bottom = y + cy;
        if (y < 0)
            return false;
    }
    if (bottom > nExtent)
        return false;
    box.top = top;
    box.bottom = bottom;
    return true;
}

UxTipRect CUxTipPlacement::Place(UxTipRect box, UxTipPoint cursor, unsigned& nDirection, UxTipSize area,
                                 int nAnchorMargin, UxTipSize shadow)
{
    // No more of a box than the area can be seen: one cut to it keeps the window, its region and
    // the picture composed for it within that.
    if (area.cx > 0 && box.right - box.left > area.cx)
        box.right = box.left + area.cx;
    if (area.cy > 0 && box.bottom - box.top > area.cy)
        box.bottom = box.top + area.cy;
    const int cx = box.right - box.left, cy = box.bottom - box.top;
    // A record may come back from the display notification with any number: one that names no
    // direction is the default, below and to the right, so that painting and region agree.
    if (nDirection > 3)
        nDirection = 3;
    if (!FitHorizontally(cursor.x, cx, area.cx, nDirection, nAnchorMargin, box)) {
        nDirection = NextHorizontal(nDirection);
        FitHorizontally(cursor.x, cx, area.cx, nDirection, nAnchorMargin, box);
    }
    if (!FitVertically(cursor.y, cy, area.cy, nDirection, box)) {
        nDirection = NextVertical(nDirection);
        FitVertically(cursor.y, cy, area.cy, nDirection, box);
    }
    // The shadow lies right of and below the box: a box left of the cursor moves by it, so that
    // its anchor still points at the cursor.
    if (IsLeft(nDirection)) {
        box.left += shadow.cx;
        box.right += shadow.cx;
        box.top += shadow.cy;
        box.bottom += shadow.cy;
    }
    return box;
}

CUxTipPlacement::Balloon CUxTipPlacement::Shape(UxTipSize sz, unsigned nDirection, int nAnchorHeight,
                                                int nAnchorWidth, int nAnchorMargin)
{
    Balloon b;
    b.body = { 0, 0, sz.cx, sz.cy };
    if (IsAbove(nDirection)) {
        b.body.bottom -= nAnchorHeight;
        b.yBase = b.body.bottom;
    } else {
        b.body.top += nAnchorHeight;
        b.yBase = b.body.top;
    }
    if (IsLeft(nDirection)) {
        b.x1 = b.body.right - nAnchorMargin;
        b.x2 = b.x1 - nAnchorWidth;
    } else {
        b.x1 = b.body.left + nAnchorMargin;
        b.x2 = b.x1 + nAnchorWidth;
    }
    return b;
}
