// CBCGPDockManager.h: CBCGPDockManager, a frame's docking manager: the panes docked at each edge
// of its client area in the order they came, the edge's thickness, the sliders between the panes
// and the rest of the frame and between panes of one edge, and the layout of all of them.
#pragma once

#include "CBCGPBaseControlBar.h"

#include <afxwin.h>

#include <vector>

class CBCGPAutoHideToolBar;
class CBCGPBaseControlBar;
class CBCGPDockingControlBar;
class CBCGPSlider;

class KWDOCK_API CBCGPDockManager
{
public:
    // A pane and the space the frame keeps for its view never get thinner than this by a slider.
    enum { MIN_PANE_SIZE = 32, MIN_CLIENT_SIZE = 32 };

    CBCGPDockManager();
    ~CBCGPDockManager();
    CBCGPDockManager(const CBCGPDockManager&) = delete;
    CBCGPDockManager& operator=(const CBCGPDockManager&) = delete;

    // The frame whose client area the panes share; its sliders are made in it.
    void Create(CFrameWnd* pFrame) { m_pFrame = pFrame; }
    // The edges panes may dock to (CBRS_ALIGN_ bits).
    void EnableDocking(DWORD dwAlignment) { m_dwEnabledAlignment = dwAlignment & CBRS_ALIGN_ANY; }
    DWORD GetEnabledAlignment() const { return m_dwEnabledAlignment; }
    // The DPI the frame is shown at (its window's until the frame hears of another): sliders and
    // auto-hide strips take their thickness at it.
    UINT GetDpi() const { return m_nDpi != 0 ? m_nDpi : CDpi::ForWindow(m_pFrame != NULL ? m_pFrame->GetSafeHwnd() : NULL); }
    // The frame went to another DPI: the edges' thicknesses and the panes' lengths follow it.
    void SetDpi(UINT nDpi);

    // Docks pBar at edge dwAlignment (one CBRS_ALIGN_ bit) after the panes there. lpRect (screen)
    // gives its thickness when it is the edge's first pane, and its length along the edge. FALSE
    // when the edge is not enabled for the frame or the bar.
    BOOL DockControlBar(CBCGPDockingControlBar* pBar, DWORD dwAlignment, LPCRECT lpRect = NULL);
    // Takes the bar off its edge (it floats or goes); the edge's other panes share its place.
    void RemoveControlBar(CBCGPBaseControlBar* pBar);
    BOOL IsDocked(const CBCGPBaseControlBar* pBar) const;
    // pNew (not docked) takes pOld's place at its edge, with its length; FALSE when pOld is not docked.
    // The visible docked pane (or container) under ptScreen other than pExclude; NULL when none.
    CBCGPDockingControlBar* ControlBarFromPoint(CPoint ptScreen, const CBCGPBaseControlBar* pExclude) const;
    BOOL ReplaceControlBar(CBCGPBaseControlBar* pOld, CBCGPDockingControlBar* pNew);
    // The slider between the edge the bar is docked at and the rest of the frame; NULL when the
    // bar is not docked.
    CBCGPSlider* GetDefaultSlider(const CBCGPBaseControlBar* pBar) const;

    // Places the docked panes and sliders inside rect, edge by edge (top, bottom, left, right),
    // and leaves in rect what remains for the view.
    void AdjustDockingLayout(CRect& rect, HDWP& hDWP);

    // A slider dragged by nOffset pixels (right or down positive): resizes its panes within the
    // limits and lays the frame out. Returns the part of nOffset that was taken.
    int OnSliderMove(CBCGPSlider* pSlider, int nOffset);

    // Set while the library saves or restores a docking layout; bars asked whether they can float
    // then answer for the layout, not for the user.
    static BOOL m_bRestoringDockState;

    // The layout of every bar docked here once and still alive, one profile key per bar under
    // lpszSection ("<section>\\DockingBar-<id>"): its edge and place there, the edge's thickness,
    // its floating rectangle, whether it shows and its place in its auto-hide strip (a tab: its
    // container's). Each tabbed container has a key "<section>\\TabbedBar-<n>" (n below the
    // section's "TabbedBars") with the same values and its panes' ids in tab order ("Bars") and
    // the active tab; it is made anew of m_pTabbedControlBarRTC. Loading takes what it can use
    // from each key and leaves a bar without a usable key where it is; a bar is never lost. FALSE
    // without a profile.
    BOOL SaveState(LPCTSTR lpszSection);
    BOOL LoadState(LPCTSTR lpszSection);
    // Auto-hide: the edges that keep a strip for the panes hidden there (CBRS_ALIGN_ bits), the
    // strip of an edge (made on first need with bCreate; NULL at an edge not enabled), and the
    // place a pane hidden at its edge takes when it slides in: over the view and the docked panes,
    // next to its strip, the edge's thickness across (less what the view needs to stay usable).
    BOOL EnableAutoHideBars(DWORD dwAlignment);
    DWORD GetAutoHideAlignment() const { return m_dwAutoHideAlignment; }
    CBCGPAutoHideToolBar* GetAutoHideToolBar(DWORD dwAlignment, BOOL bCreate = FALSE);
    CRect GetSlideInRect(const CBCGPDockingControlBar* pBar) const;

private:
    struct Edge
    {
        DWORD dwAlignment = 0;
        int nSize = 0; // the wished thickness across the edge
        std::vector<CBCGPDockingControlBar*> bars; // in the order they docked
        std::vector<int> lengths; // each bar's share of the edge's length
        std::vector<size_t> visible; // the bars laid out last time, by index
        std::vector<int> laidOut; // their lengths then
        CBCGPSlider* pSlider = nullptr;
        std::vector<CBCGPSlider*> inner; // inner[k] follows visible[k]
        int nThickness = 0; // as last laid out
    };
    Edge* FindEdge(DWORD dwAlignment);
    Edge* FindEdgeOf(const CBCGPBaseControlBar* pBar, size_t* pIndex = nullptr);
    const Edge* FindEdgeOf(const CBCGPBaseControlBar* pBar) const;
    CBCGPSlider* NewSlider(DWORD dwAlignment, BOOL bInner);
    void LayoutEdge(Edge& edge, CRect& rect, HDWP& hDWP);
    void LayoutAutoHideStrips(CRect& rect, HDWP& hDWP);

    CFrameWnd* m_pFrame;
    DWORD m_dwEnabledAlignment;
    Edge m_edges[4]; // top, bottom, left, right
    CRect m_rectClient; // what the view got last time
    std::vector<HWND> m_knownBars; // every bar docked here once, by window (it may be gone since)
    std::vector<CBCGPDockingControlBar*> KnownBars();
    DWORD m_dwAutoHideAlignment = 0;
    CBCGPAutoHideToolBar* m_autoHideBars[4] = {}; // by edge as m_edges
    CRect m_rectInsideStrips; // the client area less the auto-hide strips, as laid out last

public:
    // Docks pBar at pTarget's edge next to it (after it with bAfter), the two sharing pTarget's
    // length. FALSE when pTarget is not docked here or its edge is not one pBar may take.
    BOOL InsertControlBar(CBCGPDockingControlBar* pBar, CBCGPDockingControlBar* pTarget, BOOL bAfter);
    // Where a docked bar is (its edge, its rank there, its share of the length, the edge's
    // thickness), so that a cancelled drag can put it back exactly.
    struct DockedPlace
    {
        DWORD dwAlignment = 0;
        size_t nIndex = 0;
        int nLength = 0;
        int nEdgeSize = 0;
    };
    BOOL GetDockedPlace(const CBCGPBaseControlBar* pBar, DockedPlace& place) const;
    BOOL RestoreDockedPlace(CBCGPDockingControlBar* pBar, const DockedPlace& place);
    // Screen rectangles for a drag: the area panes dock in, and the part of it pBar would take
    // docked at frame edge dwAlignment (empty when it may not).
    CRect GetDockingArea() const;
    CRect GetDockPreviewRect(const CBCGPDockingControlBar* pBar, DWORD dwAlignment) const;
    // Slides out, at once, every auto-hidden pane that shows but pBar.
    void SlideOutOthers(const CBCGPDockingControlBar* pBar);
    // While a layout loads, the frame lays itself out once, at the end.
    BOOL IsLayoutHeld() const { return m_bHoldLayout; }

private:
    // Writes the place of pSite (pBar or the container it is a tab of) into the record
    // strSection: its edge and place there or its floating rectangle, whether it shows, its place
    // in its auto-hide strip; pBar's own recent edge and floating rectangle.
    BOOL SavePlace(const CString& strSection, CBCGPDockingControlBar* pSite, CBCGPDockingControlBar* pBar);
    BOOL m_bHoldLayout = FALSE;
    UINT m_nDpi = 0;
};
