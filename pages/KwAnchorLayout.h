// KwAnchorLayout.h: CKwAnchorLayout, the arithmetic of controls anchored to the edges of the page
// that holds them: the distances measured once, and a control's place for a new size. It works
// on any rectangle with left, top, right and bottom (RECT, CRect), so it builds everywhere.
#pragma once

class CKwAnchorLayout
{
public:
    // Bits of a control's anchors: the edge keeps its distance from the page's same edge. Left
    // and right together stretch the control; right alone moves it; neither leaves it alone.
    enum
    {
        ANCHOR_LEFT = 1,
        ANCHOR_TOP = 2,
        ANCHOR_RIGHT = 4,
        ANCHOR_BOTTOM = 8
    };

    // Left and top: of the control's edges from the page's; right and bottom: of the page's
    // edges from the control's.
    template <class TRect>
    static TRect Distance(const TRect& rcPage, const TRect& rcControl)
    {
        TRect d = rcControl;
        d.left = rcControl.left - rcPage.left;
        d.top = rcControl.top - rcPage.top;
        d.right = rcPage.right - rcControl.right;
        d.bottom = rcPage.bottom - rcControl.bottom;
        return d;
    }

    // The control's rectangle in a page whose client area is now rcClient.
    template <class TRect>
    static TRect Place(const TRect& rcControl, const TRect& rcClient, const TRect& rcDistance, int nFlags)
    {
        TRect r = rcControl;
        Axis(r.left, r.right, rcClient.left + rcDistance.left, rcClient.right - rcDistance.right,
            (nFlags & ANCHOR_LEFT) != 0, (nFlags & ANCHOR_RIGHT) != 0);
        Axis(r.top, r.bottom, rcClient.top + rcDistance.top, rcClient.bottom - rcDistance.bottom,
            (nFlags & ANCHOR_TOP) != 0, (nFlags & ANCHOR_BOTTOM) != 0);
        return r;
    }

private:
    // One direction: the anchored edges go to their places; a single anchored edge carries the
    // other along at the control's size.
    template <class T>
    static void Axis(T& low, T& high, long nLow, long nHigh, bool bLow, bool bHigh)
    {
        T size = high - low;
        if (bLow)
            low = (T)nLow;
        if (bHigh)
            high = (T)nHigh;
        if (bLow && !bHigh)
            high = low + size;
        if (bHigh && !bLow)
            low = high - size;
    }
};
