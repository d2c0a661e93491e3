// CBCGPMDIFrameWnd.h: CBCGPMDIFrameWnd, the docking library's MDI main frame: its menu shows in a
// menu bar along the top of the client area instead of the window's own menu, the bar follows
// the menus the children put in and their maximized state, and the frame keeps the list of its
// control bars.
#pragma once

#include "CBCGPDockManager.h"
#include "CBCGPMDIClientAreaWnd.h"
#include "bcgdefs.h"

#include <afxwin.h>

#include <vector>

class CBCGPBaseControlBar;
class CBCGPDockingControlBar;
class CBCGPMenuBar;
class CBCGPPopupMenu;

class KWDOCK_API CBCGPMDIFrameWnd : public CMDIFrameWnd
{
    DECLARE_DYNAMIC(CBCGPMDIFrameWnd)
public:
    CBCGPMDIFrameWnd();
    ~CBCGPMDIFrameWnd() override;

    // The frame from its resources; a frame with a menu shows it in its menu bar.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
        CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;

    // The menu bar, or NULL when the frame has no menu.
    CBCGPMenuBar* GetMenuBar() const { return m_pMenuBar; }

    // Called when a popup menu of the docking library opens while this frame is the main window;
    // TRUE lets it show.
    virtual BOOL OnShowPopupMenu(CBCGPPopupMenu* pMenuPopup);

    // The bars of the frame, in the order they were added; a bar leaves the list when its window
    // goes.
    BOOL AddControlBar(CBCGPBaseControlBar* pBar, BOOL bTail = TRUE);
    void RemoveControlBarFromDockManager(CBCGPBaseControlBar* pBar);
    int GetControlBarCount() const { return (int)m_bars.size(); }

    // Docking: the edges panes may dock at (CBRS_ALIGN_ bits), and a pane docked at the edge
    // nDockBarID names (AFX_IDW_DOCKBAR_TOP ...; 0: the edge the pane was made for, else the
    // first it may take) after the panes there. lpRect (screen) sizes it.
    BOOL EnableDocking(DWORD dwDockStyle);
    void DockControlBar(CBCGPBaseControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    CBCGPDockManager* GetDockManager() { return &m_dockManager; }
    // The edges where panes may auto-hide into a strip of buttons (CBRS_ALIGN_ bits).
    BOOL EnableAutoHideBars(DWORD dwDockStyle) { return m_dockManager.EnableAutoHideBars(dwDockStyle); }
    // The menu bar and the other bars along the sides, then the docked panes edge by edge, the
    // MDI client in what is left.
    void RecalcLayout(BOOL bNotify = TRUE) override;

    // Gives the menu an MDI child puts in (WM_MDISETMENU) to the menu bar; *phOld receives the
    // menu shown before. FALSE when there is no menu bar to take it.
    virtual BOOL OnSetMenu(HMENU hMenu, HMENU* phOld);
    // Shows in the menu bar whether the active child is maximized, when that has changed; the
    // children call it as they activate, maximize and restore. Nothing while m_nMaximizeHold is
    // set (the MDI client is switching children).
    void UpdateMaximizeMode();
    int m_nMaximizeHold;

    BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu) override;

protected:
    // The menu bar object, made with new; the frame deletes it. A host may give its own class.
    virtual CBCGPMenuBar* NewMenuBar();

    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    // On another monitor's DPI: takes the place the system suggests and lays the docked bars out
    // at the new DPI (each bar measures itself again on the message it gets after its frame).
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CBCGPMenuBar* m_pMenuBar;
    CBCGPMDIClientAreaWnd m_wndClientArea;
    std::vector<CBCGPBaseControlBar*> m_bars;
    CBCGPDockManager m_dockManager;
};
