// KwControlBar.h: declares CKwControlBar, a docking pane that hosts one child window filling it,
// keeps its state as three bits (auto-hide, shown, on top), and offers its own small context
// menu (Auto Hide, Hide, Float) while undocking is switched off.
#pragma once

#include "core/KwUiExport.h"
#include "core/KwWindow.h"

#include <CBCGPDockingControlBar.h>

class CCmdUI;
class CMenu;

class KWUI_API CKwControlBar : public CBCGPDockingControlBar, public CKwWindow
{
    DECLARE_DYNAMIC(CKwControlBar)
public:
    // The bits of GetState and SetState.
    enum
    {
        stateAutoHide = 1, // collapsed to a button in a strip at its edge
        stateShown = 2, // the bar, or its tabbed container, is visible
        stateOnTop = 4, // the bar itself is visible (the front tab in a container)
    };

    CKwControlBar();

    // The hosted window, one pixel inside the client area.
    void SetChild(CWnd* pChild);
    CWnd* GetChild() const { return m_pChild; }
    // The icon resource at the small-icon size, as the bar window's small icon.
    void SetIcon(UINT nIDIcon);
    BOOL GetDrawBorder() const { return m_bDrawBorder; }
    void SetDrawBorder(int bDrawBorder);

    // The library's operations of the same names stay reachable beside the toolkit's.
    using CBCGPDockingControlBar::SetAutoHideMode;
    using CBCGPDockingControlBar::ShowControlBar;
    // Auto-hides the bar (its tabbed container, when it is in one) or pins it again; nothing when
    // it is in that mode already or is not docked.
    void SetAutoHideMode(int bMode);
    BOOL IsControlBarShown() const;
    // Showing shows and activates; hiding an auto-hidden bar slides it out.
    void ShowControlBar(int bShow);
    BOOL IsControlBarOnTop() const;
    // Alone: shown when hidden, hidden when shown. A background tab comes to the front.
    void ToggleControlBar();
    // The tabs of the container it is in, else 1.
    int GetSiblingCount() const;
    int GetState() const;
    void SetState(int nState);

    BOOL CanFloat() const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void CKwWindow_OnExtendContextMenu(CMenu& menu) override;

    // Shared with the tabbed container, which behaves as a bar in these.
    // Adds the bar commands of the toolkit's menu resource when pBar may show them (undocking
    // off, docked on its own); FALSE when it may not.
    static BOOL AddOwnCommands(const CBCGPDockingControlBar* pBar, CMenu& menu);
    static BOOL CanFloatBar(const CBCGPDockingControlBar* pBar, BOOL bFloatingByCommand, BOOL bBaseAnswer);
    // The toolkit's own menu, for pWnd == pBar, with undocking off and the bar docked on its own;
    // FALSE when the docking library's menu is the one to show.
    static BOOL TrackOwnContextMenu(CBCGPDockingControlBar* pBar, CKwWindow* pMenuSource, CWnd* pWnd, CPoint point);
    static void AutoHideBar(CBCGPDockingControlBar* pBar);
    static void UpdateAutoHide(CBCGPDockingControlBar* pBar, CCmdUI* pCmdUI);
    // Floats pBar at its remembered floating place, as the Float command does.
    static void FloatBarByCommand(CBCGPDockingControlBar* pBar, BOOL& bFloatingByCommand);

protected:
    // The pane that auto-hides for the bar: its tabbed container, when it is in one.
    CBCGPDockingControlBar* GetAutoHideBar() const;
    void ResizeChild();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnAutoHide();
    afx_msg void OnUpdateAutoHide(CCmdUI* pCmdUI);
    afx_msg void OnHide();
    afx_msg void OnFloat();
    afx_msg void OnUpdateFloat(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pChild;
    BOOL m_bDrawBorder;
    BOOL m_bFloatingByCommand;

    friend class CKwTabbedControlBar; // sets m_bFloatingByCommand of the tab it floats
};
