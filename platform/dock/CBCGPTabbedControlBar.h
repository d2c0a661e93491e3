// CBCGPTabbedControlBar.h: CBCGPTabbedControlBar, the pane panes docked onto each other share: its
// client area is a tab window with one tab for each pane, its caption the active pane's name.
// When a tab leaves and one is left, that pane takes the container's place and the container goes.
#pragma once

#include "CBCGPDockingControlBar.h"
#include "CBCGPTabWnd.h"

class KWDOCK_API CBCGPTabbedControlBar : public CBCGPDockingControlBar
{
    DECLARE_DYNCREATE(CBCGPTabbedControlBar)
public:
    CBCGPTabbedControlBar();

    // Makes pNewBar (a docking pane out of any other place) a tab, shown or hidden with
    // bVisible, and the active one with bSetActive. FALSE when it cannot be a tab.
    virtual BOOL AddTab(CWnd* pNewBar, BOOL bVisible = TRUE, BOOL bSetActive = TRUE, BOOL bDetachable = TRUE);
    // Floats tab nTabID, whose pane is pBar, at the pane's remembered floating place (its mini
    // frame hidden with bHide). FALSE when pBar is not that tab or may not leave.
    virtual BOOL FloatTab(CWnd* pBar, int nTabID, BCGP_DOCK_METHOD dockMethod, BOOL bHide = FALSE);
    // Takes pBar's tab out, leaving the pane a hidden child of the frame; with one tab left the
    // container dissolves (and is destroyed).
    void DetachBar(CBCGPDockingControlBar* pBar);

    CBCGPTabWnd* GetUnderlyingWindow() { return &m_wndTabs; }
    int GetTabsNum() const { return m_wndTabs.GetTabsNum(); }

protected:
    void Dissolve();
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnChangeActiveTab(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CBCGPTabWnd m_wndTabs;

    // A tab pulled off the strip: its pane floats and goes on with the drag.
    afx_msg LRESULT OnTabTearOff(WPARAM wParam, LPARAM lParam);
};
