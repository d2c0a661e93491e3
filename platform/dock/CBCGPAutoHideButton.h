// CBCGPAutoHideButton.h: CBCGPAutoHideButton, the tab an auto-hidden pane leaves in the strip at
// its edge: it names the pane, and a hover or a click on it slides the pane in. A tabbed container
// leaves one button for each of its tabs, which brings that tab in front as the container slides in.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

class CBCGPDockingControlBar;

class KWDOCK_API CBCGPAutoHideButton
{
public:
    explicit CBCGPAutoHideButton(CBCGPDockingControlBar* pBar, HWND hTab = NULL) : m_pBar(pBar), m_hTab(hTab) {}

    CBCGPDockingControlBar* GetAutoHideWindow() const { return m_pBar; }
    // Where the strip placed it, in the strip's client coordinates.
    const CRect& GetRect() const { return m_rect; }
    void SetRect(const CRect& rect) { m_rect = rect; }
    // Its length along the strip: the pane's caption in the strip's font, with margins at nDpi.
    int GetLength(CDC* pDC, UINT nDpi) const;
    CString GetText() const;

    // The tab pane the button stands for (a window of pBar's tabs), NULL for the whole pane; and
    // the pane a click slides in, with its tab in front.
    HWND GetTabWnd() const { return m_hTab; }
    CBCGPDockingControlBar* GetTarget() const;
    // Whether its pane shows with its tab in front (the button is drawn pressed then).
    BOOL IsShown() const;

private:
    CBCGPDockingControlBar* m_pBar;
    HWND m_hTab; // by handle: the tab's pane may go while the container hides
    CRect m_rect;
};
