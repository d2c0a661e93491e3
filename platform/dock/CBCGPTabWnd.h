// CBCGPTabWnd.h: CBCGPTabWnd, a window that shows one of several child windows at a time under a
// strip of tabs (at its bottom or top); and BCGM_CHANGE_ACTIVE_TAB, the message it tells its
// parent of a new active tab with.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

#include <vector>

// Sent to the tab window's parent after its active tab changed: wParam is the index of the new
// active tab, lParam the CBCGPTabWnd*. Registered when the library loads.
extern KWDOCK_API UINT BCGM_CHANGE_ACTIVE_TAB;
// Sent to the parent when a tab is dragged off the strip (tear-off enabled): wParam the tab,
// lParam a POINT* with the mouse in screen coordinates; nonzero when the parent took the drag.
extern KWDOCK_API UINT BCGM_TAB_TEAR_OFF;

class KWDOCK_API CBCGPTabWnd : public CWnd
{
    DECLARE_DYNCREATE(CBCGPTabWnd)
public:
    // STYLE_FLAT draws flat tabs joined to the page; the 3D styles raised ones. The shared
    // scroll bar of STYLE_FLAT_SHARED_HORZ_SCROLL is not carried: it draws as STYLE_FLAT.
    enum Style
    {
        STYLE_3D = 0,
        STYLE_FLAT = 1,
        STYLE_FLAT_SHARED_HORZ_SCROLL = 2,
        STYLE_3D_SCROLLED = 3,
    };
    enum Location
    {
        LOCATION_BOTTOM = 0,
        LOCATION_TOP = 1,
    };
    // The buttons at the right end of the strip (scroll arrows show only when the tabs overflow).
    enum Button
    {
        BUTTON_NONE = -1,
        BUTTON_SCROLL_LEFT = 0,
        BUTTON_SCROLL_RIGHT = 1,
        BUTTON_CLOSE = 2,
    };

    // Space on either side of a label, inside its tab.
    enum { TAB_LABEL_MARGIN = 6 };

    CBCGPTabWnd();
    ~CBCGPTabWnd() override;

    // A visible child of pParentWnd. bCloseBtn adds a button that closes the active tab's window
    // (WM_CLOSE posted to it). FALSE for an unknown style or location, or when the window fails.
    BOOL Create(Style style, const RECT& rect, CWnd* pParentWnd, UINT nID, Location location = LOCATION_BOTTOM,
        BOOL bCloseBtn = FALSE);

    // Settings a host may call before Create as well as after. The border is the frame drawn
    // around the page (the active tab's window) on its three sides away from the strip, 1 pixel
    // to start with; 0 lets the page reach the window's edges, as a tab strip at the bottom of
    // a frame's client area wants (SetTabBorderSize(0, TRUE)).
    virtual void SetTabBorderSize(int nTabBorderSize, BOOL bRepaint = TRUE);
    int GetTabBorderSize() const { return m_nTabBorderSize; }
    // Flat tabs (STYLE_FLAT) or raised ones.
    BOOL IsFlatTab() const { return m_bFlat; }
    Location GetLocation() const { return m_location; }

    // Adds a tab at the end for pTabWnd (made a child of the tab window, and hidden unless it is
    // the first tab, which becomes active; a top-level window is turned into a child). The window stays its creator's: the tab window never
    // destroys it. A window that is already a tab, the tab window or one of its ancestors, or no
    // window, is not added. uiImageId and
    // bDetachable are kept for the docking bars; the strip draws no images.
    void AddTab(CWnd* pTabWnd, LPCTSTR lpszTabLabel, UINT uiImageId = (UINT)-1, BOOL bDetachable = TRUE);
    // The label is string uiResTabLabel of the resource chain; FALSE, and no tab, when no module
    // holds it or the window cannot be added.
    BOOL AddTab(CWnd* pTabWnd, UINT uiResTabLabel, UINT uiImageId = (UINT)-1, BOOL bDetachable = TRUE);
    // Removes tab iTab and hides its window (it is not destroyed). When it was the active tab,
    // the tab that takes its place becomes active (the last one when it was the last).
    BOOL RemoveTab(int iTab, BOOL bRecalcLayout = TRUE);
    // Removes every tab, hiding their windows; no tab is active then, and no message is sent.
    void RemoveAllTabs();

    int GetTabsNum() const { return (int)m_tabs.size(); }
    // The window of tab iTab; NULL for no such tab.
    CWnd* GetTabWnd(int iTab) const;
    int GetActiveTab() const { return m_iActiveTab; }
    CWnd* GetActiveWnd() const { return GetTabWnd(m_iActiveTab); }
    // Shows tab iTab's window in the page and hides the one shown before; the parent hears
    // BCGM_CHANGE_ACTIVE_TAB when the active tab changed. FALSE for no such tab.
    BOOL SetActiveTab(int iTab);
    // The tab whose window is hWnd, -1 when none.
    int GetTabFromHwnd(HWND hWnd) const;
    BOOL GetTabLabel(int iTab, CString& strLabel) const;
    BOOL SetTabLabel(int iTab, const CString& strLabel);
    UINT GetTabImage(int iTab) const;
    BOOL IsTabDetachable(int iTab) const;

    // The strip of tabs, and the page: the client area less the strip and the border.
    void GetTabsRect(CRect& rect) const { rect = m_rectTabsArea; }
    void GetWndArea(CRect& rect) const { rect = m_rectWndArea; }
    // Tab iTab's rectangle in the strip (empty when it is scrolled out of view).
    BOOL GetTabRect(int iTab, CRect& rect) const;
    // The tab at the client point, -1 when none (scrolled out of view or under the buttons).
    int GetTabFromPoint(CPoint pt) const;
    // The button at the client point, and its rectangle (empty when it is not shown).
    Button GetButtonFromPoint(CPoint pt) const;
    CRect GetButtonRect(Button button) const;
    // The first tab shown at the left end of the strip; the others scroll by one tab a step.
    int GetFirstVisibleTab() const { return m_iFirstVisible; }
    // Scrolls the strip so that tab iTab is shown whole (as far as it fits).
    void EnsureVisible(int iTab);

    // Lays the strip and the page out again from the client area and places the active window.
    virtual void RecalcLayout();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    struct CTab
    {
        HWND hWnd; // the window as a handle: its object belongs to its creator
        CString strLabel;
        UINT uiImageId;
        BOOL bDetachable;
        int nFullWidth; // what the label asks for
        CRect rect; // in the strip, after layout
    };

    // Makes iTab active (or none, -1), showing its window and hiding the one before; bNotify
    // tells the parent when the active tab changed.
    void ActivateTab(int iTab, BOOL bNotify);
    // Activates the tab nStep away from the active one (wrapping round with bWrap).
    void StepActiveTab(int nStep, BOOL bWrap);
    // Forgets the tab of a window that is no longer one (destroyed from outside).
    void ForgetTab(int iTab);
    // Widths of the tabs and whether they need scrolling, for the strip's current width.
    void LayoutTabs();
    int MeasureLabel(const CString& strLabel);
    int GetStripHeight();
    BOOL CanScrollRight() const;
    HFONT GetTabFont() const;
    void DrawStrip(CDC* pDC, const CRect& rectClient);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    std::vector<CTab> m_tabs;
    int m_iActiveTab;
    int m_iFirstVisible;
    BOOL m_bFlat;
    Location m_location;
    BOOL m_bCloseButton;
    BOOL m_bScroll; // the tabs overflow the strip: the scroll arrows show
    int m_nTabBorderSize;
    HFONT m_hFont; // set by WM_SETFONT; NULL: the GUI font (m_fontAtDpi at another DPI than the screen's)
    UINT m_nDpi = CDpi::kDefault;
    CFont m_fontAtDpi;
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    // Measures the labels again and lays the strip out (after a font or DPI change).
    void Remeasure();

public:
    // The DPI the tab window is shown at, and n pixels at 96 DPI as many at it.
    UINT GetDpi() const { return m_nDpi; }
    int Scaled(int n) const { return CDpi::Scale(n, m_nDpi); }
    CRect m_rectTabsArea; // the whole strip
    CRect m_rectTabs; // the part of the strip the tabs may use (left of the buttons)
    CRect m_rectWndArea;

public:
    // Moves tab iFrom to place iTo (the others close up); the active tab stays active.
    BOOL MoveTab(int iFrom, int iTo);
    // Detachable tabs pulled off the strip by the mouse go to the parent (BCGM_TAB_TEAR_OFF).
    void EnableTabTearOff(BOOL bEnable) { m_bTearOff = bEnable; }

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    BOOL m_bTearOff = FALSE;
    int m_iPressedTab = -1; // held by the mouse, not yet torn off
    CPoint m_ptPressed;
};
