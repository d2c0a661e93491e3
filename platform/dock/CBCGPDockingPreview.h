// CBCGPDockingPreview.h: CBCGPDockingPreview, the hatched outline a drag shows of where the pane
// will go when it is let go over the lit marker.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

class KWDOCK_API CBCGPDockingPreview : public CWnd
{
public:
    enum { BORDER = 6 };

    // Shows the outline round rect (screen), owned by pOwner, as wide as BORDER at its DPI; an
    // empty rect hides it.
    BOOL ShowAt(CWnd* pOwner, const CRect& rect);
    void HidePreview();
    // The rectangle outlined; empty while hidden.
    CRect GetPreviewRect() const;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    DECLARE_MESSAGE_MAP()

    int m_nBorder = BORDER;
};
