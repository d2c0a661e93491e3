// CBCGPMiniFrameWnd.h: CBCGPMiniFrameWnd, the small tool window a floating pane lives in, owned by
// the main frame; it keeps the frame's caption active while it is the active window.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

class CBCGPDockingControlBar;

class KWDOCK_API CBCGPMiniFrameWnd : public CWnd
{
    DECLARE_DYNAMIC(CBCGPMiniFrameWnd)
public:
    CBCGPMiniFrameWnd();

    // A mini frame at rect (screen, the whole window) owned by pOwner, for pBar, hidden.
    BOOL Create(CBCGPDockingControlBar* pBar, CWnd* pOwner, const CRect& rect);
    CBCGPDockingControlBar* GetControlBar() const { return m_pBar; }
    // The pane leaves (it docks or goes): the mini frame forgets it.
    void RemoveControlBar() { m_pBar = NULL; }

protected:
    void PostNcDestroy() override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnClose();
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    // A right-click on the caption: the pane's context menu.
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    // On another monitor: the place the system suggests.
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    void RememberRect();

    CBCGPDockingControlBar* m_pBar;

    // The caption pressed: the pane drags its mini frame itself (with the docking markers), not
    // the system's move loop.
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
};
