// CBCGPDockingControlBar.h: CBCGPDockingControlBar, a pane with a caption and a close button that
// docks at an edge of its frame (resized there by sliders) or floats in a mini frame of its own.
#pragma once

#include "CBCGPControlBar.h"
#include "CBCGPDockManager.h"
#include "CBCGPDockingMarkers.h"

class CBCGPAutoHideToolBar;
class CBCGPDockManager;
class CBCGPDockingPreview;
class CBCGPMiniFrameWnd;
class CBCGPSlider;
class CBCGPTabbedControlBar;

// How a bar came to float or dock.
enum BCGP_DOCK_METHOD
{
    DM_UNKNOWN,
    DM_MOUSE,
    DM_DBL_CLICK,
    DM_SHOW,
    DM_RECT,
    DM_STANDARD
};

// What a docking bar offers its user (dwControlBarStyle of Create).
#define CBRS_BCGP_FLOAT 0x0001
#define CBRS_BCGP_AUTOHIDE 0x0002
#define CBRS_BCGP_RESIZE 0x0004
#define CBRS_BCGP_CLOSE 0x0008
// The tabs of the container a bar makes when others dock onto it (dwTabbedStyle of Create).
#define CBRS_BCGP_REGULAR_TABS 0x0001
#define CBRS_BCGP_OUTLOOK_TABS 0x0002

// The ids that name a frame edge to DockControlBar.
#ifndef AFX_IDW_DOCKBAR_TOP
#define AFX_IDW_DOCKBAR_TOP 0xE81B
#define AFX_IDW_DOCKBAR_LEFT 0xE81C
#define AFX_IDW_DOCKBAR_RIGHT 0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#endif

class KWDOCK_API CBCGPDockingControlBar : public CBCGPControlBar
{
    DECLARE_DYNCREATE(CBCGPDockingControlBar)
public:
    enum { CAPTION_HEIGHT = 20 };

    CBCGPDockingControlBar();
    ~CBCGPDockingControlBar() override;

    // A pane of pParentWnd (the frame) named lpszCaption; dwStyle holds the window style and the
    // edge it docks at first (CBRS_LEFT ...), rect its size there. Without bHasGripper the pane has
    // no caption.
    virtual BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect, BOOL bHasGripper, UINT nID,
        DWORD dwStyle, DWORD dwTabbedStyle = CBRS_BCGP_REGULAR_TABS,
        DWORD dwControlBarStyle = CBRS_BCGP_FLOAT | CBRS_BCGP_AUTOHIDE | CBRS_BCGP_RESIZE | CBRS_BCGP_CLOSE,
        CCreateContext* pContext = NULL);

    // The close button's action: hides the pane.
    virtual void OnPressCloseButton();
    // Shows or hides the pane (its mini frame too when it floats) and lays the frame out, at once
    // or at idle time with bDelay; bActivate gives it the focus.
    virtual void ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate);
    virtual BOOL IsVisible() const;

    // The edges the pane may dock at (CBRS_ALIGN_ bits).
    void EnableDocking(DWORD dwAlignment) { m_dwEnabledAlignment = dwAlignment & CBRS_ALIGN_ANY; }
    DWORD GetEnabledAlignment() const { return m_dwEnabledAlignment; }
    DWORD GetControlBarStyle() const { return m_dwControlBarStyle; }
    BOOL HasGripper() const { return m_bHasGripper; }

    // Whether the pane may leave its edge; asked each time the user floats it.
    virtual BOOL CanFloat() const;
    // Floats the pane in a mini frame whose window takes rectFloat (screen); an empty rectangle
    // gives a place near the pane. The rectangle is remembered as the pane's floating place.
    virtual BOOL FloatControlBar(CRect rectFloat, BCGP_DOCK_METHOD dockMethod = DM_UNKNOWN, bool bShow = true);
    // Docks a floating pane again at the edge it was docked at last.
    virtual BOOL DockToRecentPos();
    BOOL IsFloating() const { return m_pMiniFrame != NULL; }
    CBCGPMiniFrameWnd* GetParentMiniFrame() const { return m_pMiniFrame; }
    // The slider the docked pane is resized by toward the frame's view; NULL when not docked.
    virtual CBCGPSlider* GetDefaultSlider() const;

    // Auto-hide: the pane collapsing to a tab at its edge and sliding out on demand.
    virtual CBCGPAutoHideToolBar* SetAutoHideMode(BOOL bMode, DWORD dwAlignment,
        CBCGPAutoHideToolBar* pCurrAutoHideBar = NULL, BOOL bUseTimer = TRUE);
    virtual BOOL IsAutoHideMode() const;
    virtual void Slide(BOOL bSlideOut, BOOL bUseTimer = TRUE);

    // Whether the focus is in the pane (its caption then shows active).
    BOOL IsActive() const;
    // The caption and its close button in window coordinates (empty when there is no caption).
    CRect GetCaptionRect() const;
    CRect GetCloseButtonRect() const;
    // The pin left of the close button (panes that may auto-hide): toggles auto-hide.
    CRect GetPinButtonRect() const;
    // The strip holding the pane's button while it auto-hides, else NULL.
    CBCGPAutoHideToolBar* GetAutoHideToolBar() const { return m_pAutoHideBar; }

    // Where the pane was last, to dock or float it there again.
    struct CRecentDockInfo
    {
        CRect m_rectRecentFloatingRect; // the mini frame's window, screen
        DWORD m_dwRecentAlignmentToFrame; // the edge it was docked at
    };
    CRecentDockInfo m_recentDockInfo;

    // The class tabbed containers are made of when panes dock onto each other.
    static CRuntimeClass* m_pTabbedControlBarRTC;

protected:
    CBCGPDockManager* GetDockManager() const;
    BOOL ShowsCaption() const { return m_bHasGripper && !IsFloating() && !IsTabbed(); }
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // The caption and its buttons measured again.
    void OnDpiChanged() override;

    afx_msg LRESULT OnSizeParentDocked(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    BOOL m_bHasGripper;
    DWORD m_dwEnabledAlignment;
    DWORD m_dwControlBarStyle;
    DWORD m_dwTabbedStyle;
    CBCGPMiniFrameWnd* m_pMiniFrame;
    BOOL m_bClosePressed;
    BOOL m_bActiveShown; // the caption's state as painted last

    // Auto-hide: the pane slides in m_nSlideStep of SLIDE_STEPS toward m_nSlideTarget; while in
    // it watches the focus and the mouse (in by a click: until the focus leaves; in by a hover:
    // until the mouse leaves pane and button).
    enum { SLIDE_STEPS = 8, SLIDE_TIMER = 0xB001, WATCH_TIMER = 0xB002, SLIDE_ELAPSE = 15, WATCH_ELAPSE = 100 };
    void PlaceSlide();
    BOOL IsMouseOverSlide() const;
    CBCGPAutoHideToolBar* m_pAutoHideBar = NULL;
    int m_nSlideStep = 0;
    int m_nSlideTarget = 0;
    BOOL m_bSlideHadFocus = FALSE;

    friend class CBCGPMiniFrameWnd;

public:
    // Docks the pane as a tab onto pTabControlBarAttachTo: into it (or the container it is a tab
    // of) when it is in one already, else into a new container of m_pTabbedControlBarRTC that
    // takes that pane's place, docked or floating. Returns the container (also in
    // *ppTabbedControlBar), NULL when the pane cannot go there.
    virtual CBCGPDockingControlBar* AttachToTabWnd(CBCGPDockingControlBar* pTabControlBarAttachTo,
        BCGP_DOCK_METHOD dockMethod, BOOL bSetActive = TRUE, CBCGPDockingControlBar** ppTabbedControlBar = NULL);
    // The tabbed container the pane is a tab of; NULL when it is none.
    CBCGPTabbedControlBar* GetParentTabbedBar() const;
    BOOL IsTabbed() const { return GetParentTabbedBar() != NULL; }

protected:
    // A container for this pane, made of m_pTabbedControlBarRTC, in the pane's place; NULL on failure.
    virtual CBCGPTabbedControlBar* CreateTabbedControlBar();
    // Takes the pane out of its place (its edge, its mini frame or its container) back to a
    // hidden child of the frame.
    void LeaveSite();

    // Dragging by the caption: past the drag distance the pane floats (when it may) and its mini
    // frame follows the mouse; over a docked pane the markers show, and a drop on one docks the
    // pane at that side of the frame or, on the middle one, as a tab of that pane.
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    void DragTo(CPoint ptScreen);
    void EndDrag(BOOL bDrop, CPoint ptScreen);

    BOOL m_bCaptionDragging;
    CPoint m_ptDragLast; // screen
    CBCGPDockingMarkers* m_pMarkers; // while a drag shows them
    CBCGPDockingControlBar* m_pDropTarget;

public:
    CBCGPDockingMarkers* GetDockingMarkers() const { return m_pMarkers; }

    // The drag: floating panes are dragged by their mini frame's caption, tabs out of their
    // container by the tab, and Esc (or the mouse taken away) puts the pane back where it was.
    BOOL IsDragging() const { return m_bCaptionDragging; }
    void StartFloatingDrag(CPoint ptScreen);
    // Floats the tab under the mouse at ptScreen and goes on dragging it; FALSE when it may not.
    BOOL TearOffTab(CPoint ptScreen);
    void CancelDrag();
    // The outline of where the pane goes when let go over the lit marker (NULL before a drag).
    CBCGPDockingPreview* GetDockingPreview() const { return m_pPreview; }
    // Where a drop on marker (over pTarget for the cross) puts the pane, screen; empty when it
    // cannot go there.
    CRect GetDropRect(CBCGPDockingMarkers::Marker marker, CBCGPDockingControlBar* pTarget) const;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnCancelMode();
    // The markers a drag offers at ptScreen: the frame's sides, and the cross over pTarget.
    DWORD GetOfferedMarkers(CBCGPDockingControlBar* pTarget) const;
    void DropOn(CBCGPDockingMarkers::Marker marker, CBCGPDockingControlBar* pTarget);
    // Leaves the mini frame for the docked place the manager gave (shown, laid out).
    void ReturnFromMiniFrame();
    void RememberDragOrigin();
    void RestoreDragOrigin();

    struct DragOrigin
    {
        enum Kind { NONE, DOCKED, FLOATING, TABBED } kind = NONE;
        CBCGPDockManager::DockedPlace place;
        CRect rectFloat; // the mini frame's window
        HWND hTabbed = NULL; // the container, and a tab that stays when the container dissolves
        HWND hSibling = NULL;
        int nTab = -1;
        CRecentDockInfo recent = {};
        HWND hWndBefore = NULL; // the sibling above it (or its container) in Z order
    };
    DragOrigin m_dragOrigin;
    CBCGPDockingPreview* m_pPreview = NULL;
    // The pane's window when it last left an edge: docked there again, it takes that size.
    CRect m_rectRecentDocked;
    DWORD m_dwRecentDockedAlignment = 0;

public:
    // The rectangle (screen) whose size the pane takes docking at edge dwAlignment.
    CRect GetDockingRect(DWORD dwAlignment) const;

public:
    // The pane's context menu (a right-click on its caption, or on its tab in a container):
    // Floating, Docking, Auto Hide and Hide, the one the pane is in checked, each enabled when it
    // can act. Auto Hide and Hide act on the container of a tab. Shown at the screen point
    // through the library's popup menu; FALSE when it could not be.
    BOOL ShowBarMenu(CPoint ptScreen);
    // The pane (or its container, for a tab) that auto-hides and hides on its behalf.
    CBCGPDockingControlBar* GetBarMenuTarget();

protected:
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    // Sets the items of the popup menus the pane owns through its own command route.
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnBarMenuCommand(UINT nID);
    afx_msg void OnUpdateBarMenuCommand(CCmdUI* pCmdUI);
    // A tab shows by coming to the front of its container, which shows with it, and hides with
    // its container. FALSE when the pane is no tab.
    BOOL ShowAsTab(BOOL bShow, BOOL bDelay, BOOL bActivate);
};
