// CBCGPMDIClientAreaWnd.h: CBCGPMDIClientAreaWnd, the MDI client of a CBCGPMDIFrameWnd,
// subclassed so that the menus the children put into the frame go to the frame's menu bar, and
// the bar shows only where a switch between children ends, not the states passed on the way.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

class KWDOCK_API CBCGPMDIClientAreaWnd : public CWnd
{
    DECLARE_DYNAMIC(CBCGPMDIClientAreaWnd)
public:
    CBCGPMDIClientAreaWnd();

protected:
    afx_msg LRESULT OnSetMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMDICreate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMDIActivate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMDINext(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMDIDestroy(WPARAM wParam, LPARAM lParam);
    // The workspace behind the children in the look's colour; the system erases it in its own.
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT SwitchChildren(UINT message, WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
