// CBCGPAutoHideButton.h: CBCGPAutoHideButton, the tab an auto-hidden pane leaves in the strip at
// its edge: it names the pane, and a hover or a click on it slides the pane in.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

class CBCGPDockingControlBar;

class KWDOCK_API CBCGPAutoHideButton
{
public:
    explicit CBCGPAutoHideButton(CBCGPDockingControlBar* pBar) : m_pBar(pBar) {}

    CBCGPDockingControlBar* GetAutoHideWindow() const { return m_pBar; }
    // Where the strip placed it, in the strip's client coordinates.
    const CRect& GetRect() const { return m_rect; }
    void SetRect(const CRect& rect) { m_rect = rect; }
    // Its length along the strip: the pane's caption in the strip's font, with margins.
    int GetLength(CDC* pDC) const;
    CString GetText() const;

private:
    CBCGPDockingControlBar* m_pBar;
    CRect m_rect;
};
