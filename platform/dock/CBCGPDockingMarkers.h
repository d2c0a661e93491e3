// CBCGPDockingMarkers.h: CBCGPDockingMarkers, the markers shown while a pane is dragged: one near
// the middle of each side of the frame's docking area, and over a docked pane a cross of one
// toward each of its sides and one in its middle, in a popup window shaped to them, the one under
// the cursor lit; sized at the frame's DPI.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

class KWDOCK_API CBCGPDockingMarkers : public CWnd
{
public:
    enum Marker
    {
        MARKER_NONE = -1,
        // The cross over a pane: a side of it, or the middle (as a tab).
        MARKER_LEFT,
        MARKER_TOP,
        MARKER_RIGHT,
        MARKER_BOTTOM,
        MARKER_CENTER,
        // A side of the frame's docking area.
        MARKER_FRAME_LEFT,
        MARKER_FRAME_TOP,
        MARKER_FRAME_RIGHT,
        MARKER_FRAME_BOTTOM,
        MARKER_COUNT
    };
    enum { MARKER_SIZE = 28, MARKER_GAP = 4 };
    static DWORD Bit(Marker marker) { return 1u << marker; }
    enum : DWORD { CROSS = 0x1F, FRAME = 0x1E0 };

    CBCGPDockingMarkers();

    // Shows the markers of dwMarkers (Bit()s), owned by pOwner and sized at its DPI: the frame's
    // round rectArea and the cross over rectTarget (both screen; an empty target has no cross),
    // lighting the one under ptCursor.
    BOOL ShowOver(CWnd* pOwner, const CRect& rectArea, const CRect& rectTarget, DWORD dwMarkers, CPoint ptCursor);
    void HideMarkers();
    // The shown marker at ptScreen; MARKER_NONE elsewhere and while hidden.
    Marker HitTest(CPoint ptScreen) const;
    Marker GetLitMarker() const { return m_lit; }
    // Where a marker of the cross sits for a target, and one of the frame's for an area (screen),
    // at nDpi.
    static CRect GetMarkerRect(const CRect& rectTarget, Marker marker, UINT nDpi = CDpi::kDefault);
    static CRect GetFrameMarkerRect(const CRect& rectArea, Marker marker, UINT nDpi = CDpi::kDefault);
    const CRect& GetTargetRect() const { return m_rectTarget; }
    DWORD GetShownMarkers() const { return m_dwMarkers; }

protected:
    // Where marker is with the current target and area; empty when it is not shown.
    CRect GetShownRect(Marker marker) const;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    DECLARE_MESSAGE_MAP()

    CRect m_rectTarget; // screen
    CRect m_rectArea; // screen
    DWORD m_dwMarkers;
    Marker m_lit;
    UINT m_nDpi = CDpi::kDefault;
};
