// CBCGPMDIChildWnd.h: CBCGPMDIChildWnd, the docking library's MDI child frame: it tells its main
// frame's menu bar when it is maximized, restored or activated.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

class CBCGPMDIFrameWnd;

class KWDOCK_API CBCGPMDIChildWnd : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CBCGPMDIChildWnd)
public:
    CBCGPMDIChildWnd();

    // The main frame when it is a CBCGPMDIFrameWnd, else NULL.
    CBCGPMDIFrameWnd* GetBCGPMDIFrame() const;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    DECLARE_MESSAGE_MAP()
};
