// CBCGPSlider.h: CBCGPSlider, the thin bar between docked panes and the rest of the frame (or
// between two panes of one edge) that resizes them when dragged.
#pragma once

#include "CBCGPBaseControlBar.h"

class CBCGPDockManager;

class KWDOCK_API CBCGPSlider : public CBCGPBaseControlBar
{
    DECLARE_DYNAMIC(CBCGPSlider)
public:
    // The thickness of every slider, in pixels.
    enum { SLIDER_SIZE = 4 };

    CBCGPSlider();

    // A slider of pParentWnd's client area. dwAlignment is the side of the frame the panes it
    // resizes keep to (CBRS_ALIGN_ bit); bInner makes it a slider between two panes of that side,
    // which moves along the side instead of across it.
    BOOL Create(CBCGPDockManager* pManager, DWORD dwAlignment, BOOL bInner, CWnd* pParentWnd);

    BOOL IsInner() const { return m_bInner; }
    // TRUE when the slider moves left and right (a vertical line on the screen).
    BOOL MovesHorizontally() const;
    BOOL IsDragging() const { return m_bDragging; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()

    CBCGPDockManager* m_pManager;
    BOOL m_bInner;
    BOOL m_bDragging;
    CPoint m_ptLast; // screen point of the drag's last step
};
