// DockTestFrame.h: the main frame and panes the docking tests build on.
#pragma once

#include <afxwin.h>

class CBCGPDockingControlBar;
class CBCGPMDIFrameWnd;

// A main frame of app, shown at (0, 0) in 800x600, panes docking and auto-hiding at every edge;
// NULL when it cannot be made. The quit an earlier main frame left in the queue is taken away
// first (it would stop every pump).
CBCGPMDIFrameWnd* NewDockTestFrame(CWinApp& app);

// Makes pane, named lpszName with id nID, at dwSide (CBRS_LEFT ...) of pFrame with rect's size,
// able to dock anywhere, and docks it there. FALSE when it cannot be made.
BOOL DockNewPane(CBCGPMDIFrameWnd* pFrame, CBCGPDockingControlBar& pane, LPCTSTR lpszName, DWORD dwSide,
    const CRect& rect, UINT nID = 0);
