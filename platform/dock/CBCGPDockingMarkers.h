// CBCGPDockingMarkers.h: CBCGPDockingMarkers, the markers shown over a docked pane while another
// is dragged: one toward each of its sides and one in its middle, in a popup window shaped to
// them, the one under the cursor lit.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

class KWDOCK_API CBCGPDockingMarkers : public CWnd
{
public:
    enum Marker { MARKER_NONE = -1, MARKER_LEFT, MARKER_TOP, MARKER_RIGHT, MARKER_BOTTOM, MARKER_CENTER };
    enum { MARKER_SIZE = 28, MARKER_GAP = 4 };

    CBCGPDockingMarkers();

    // Shows the markers over rectTarget (screen), owned by pOwner, lighting the one under ptCursor.
    BOOL ShowOver(CWnd* pOwner, const CRect& rectTarget, CPoint ptCursor);
    void HideMarkers();
    // The marker at ptScreen while shown; MARKER_NONE elsewhere.
    Marker HitTest(CPoint ptScreen) const;
    // Where a marker sits for a target rectangle: a cross around its centre.
    static CRect GetMarkerRect(const CRect& rectTarget, Marker marker);
    const CRect& GetTargetRect() const { return m_rectTarget; }

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    DECLARE_MESSAGE_MAP()

    CRect m_rectTarget; // screen
    Marker m_lit;
};
