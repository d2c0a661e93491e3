// CBCGPVisualManager.h: CBCGPVisualManager, the look of the docking library's bars, captions and
// menus: one manager serves the whole process, and a host picks its class at start-up.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

class CBCGPTabWnd;

class KWDOCK_API CBCGPVisualManager : public CObject
{
    DECLARE_DYNCREATE(CBCGPVisualManager)
public:
    CBCGPVisualManager();
    ~CBCGPVisualManager() override;

    // Replaces the process's manager by a new object of pRTI's class, which must derive from
    // CBCGPVisualManager (anything else is refused, keeping the manager there is). NULL returns
    // to the plain look.
    static void SetDefaultManager(CRuntimeClass* pRTI);
    // The manager in use; the plain one is made on first use.
    static CBCGPVisualManager* GetInstance();
    // Frees the manager; the next GetInstance makes the plain one again.
    static void DestroyInstance();

    // The system colour nIndex (a COLOR_ index) as this look shows it: every colour the bars,
    // menus and tabs take from the system comes through here, so a look may replace them all.
    virtual COLORREF GetSysColor(int nIndex) const;
    // The system's 3D edges and frame controls drawn in this look's colours; the plain look
    // lets the system draw them.
    virtual void OnDrawEdge(CDC* pDC, CRect& rect, UINT nEdge, UINT nFlags);
    virtual void OnDrawFrameControl(CDC* pDC, CRect& rect, UINT nType, UINT nState);

    // Popup menus: a look that draws them itself says so (CBCGPMenuOwner then has the items
    // drawn here, in the look's menu colours); the plain look leaves them to the system.
    virtual BOOL IsOwnerDrawMenu() const;
    // Both at nDpi, the DPI of the window the menu is tracked for.
    virtual CSize OnMeasureMenuItem(CDC* pDC, LPCTSTR lpszText, BOOL bSeparator, UINT nDpi);
    // nState holds ODS_ bits: selected, greyed, checked.
    virtual void OnDrawMenuItem(CDC* pDC, const CRect& rect, LPCTSTR lpszText, UINT nState, BOOL bSeparator,
        UINT nDpi);

    // Colours of the look.
    virtual COLORREF GetBarBackgroundColor() const;
    virtual COLORREF GetBarBorderColor() const;
    virtual COLORREF GetCaptionColor(BOOL bActive) const;
    virtual COLORREF GetCaptionTextColor(BOOL bActive) const;

    // Drawing the bars do through the manager.
    virtual void OnFillBarBackground(CDC* pDC, const CRect& rect);
    virtual void OnDrawBarBorder(CDC* pDC, const CRect& rect);
    // The caption strip of a docking bar shown at nDpi, its text left-aligned and cut with an
    // ellipsis before the nButtonsWidth pixels its buttons take at the right.
    virtual void OnDrawCaption(CDC* pDC, const CRect& rect, LPCTSTR lpszText, BOOL bActive, int nButtonsWidth,
        UINT nDpi);
    // The close button of a docking bar's caption, on the caption's colour; sunk while pressed.
    virtual void OnDrawCaptionButton(CDC* pDC, const CRect& rect, BOOL bActive, BOOL bPressed, UINT nDpi);
    // A slider between docked panes (bHorz: a horizontal strip, moved up and down).
    virtual void OnDrawSlider(CDC* pDC, const CRect& rect, BOOL bHorz);
    // The status bar: its background, and one pane with its frame and text (greyed text is not
    // shown: a disabled indicator is blank).
    virtual void OnFillStatusBar(CDC* pDC, const CRect& rect);
    virtual void OnDrawStatusBarPaneBorder(CDC* pDC, const CRect& rect);
    virtual void OnDrawStatusBarPane(CDC* pDC, const CRect& rect, LPCTSTR lpszText, BOOL bEnabled);

    // Colours of tab windows: the strip and the page's surround, flat tabs (the active one
    // in the page's colour), their labels, and the lines of flat tabs and frames.
    virtual COLORREF GetTabAreaColor() const;
    virtual COLORREF GetTabColor(BOOL bActive) const;
    virtual COLORREF GetTabTextColor(BOOL bActive) const;
    virtual COLORREF GetTabBorderColor() const;
    // A tab window's page surround (rectPage less rectWndArea, where the page's window lies)
    // with its border on the sides away from the strip.
    virtual void OnEraseTabsFrame(CDC* pDC, const CRect& rectPage, const CRect& rectWndArea, const CBCGPTabWnd* pTabWnd);
    // The strip behind the tabs, with its edge toward the page.
    virtual void OnEraseTabsArea(CDC* pDC, const CRect& rect, const CBCGPTabWnd* pTabWnd);
    // Tab iTab with its label (cut with an ellipsis when it does not fit), in the font selected.
    virtual void OnDrawTab(CDC* pDC, const CRect& rectTab, int iTab, BOOL bIsActive, const CBCGPTabWnd* pTabWnd);
    // A button at the end of the strip (CBCGPTabWnd::Button).
    virtual void OnDrawTabButton(CDC* pDC, const CRect& rect, int nButton, BOOL bEnabled, const CBCGPTabWnd* pTabWnd);

    // Auto-hide: the strip along an edge (dwAlignment, a CBRS_ALIGN_ bit), a pane's button in it
    // (its text turned to run down the side edges; bShown while the pane is slid in), and the pin
    // of a docking bar's caption (upright when pinned, lying when the pane hides itself); the
    // glyphs and the text at the bar's nDpi.
    virtual void OnFillAutoHideStrip(CDC* pDC, const CRect& rect, DWORD dwAlignment);
    virtual void OnDrawAutoHideButton(CDC* pDC, const CRect& rect, LPCTSTR lpszText, DWORD dwAlignment,
        BOOL bShown, UINT nDpi);
    virtual void OnDrawPinButton(CDC* pDC, const CRect& rect, BOOL bActive, BOOL bAutoHide, UINT nDpi);
};
