// KwStatusBar.h: declares CKwStatusBar, a status bar that keeps windows (a progress control, say)
// placed over panes of its own.
#pragma once

#include "core/KwUiExport.h"

#include <CBCGPStatusBar.h>
#include <CMap.h>

class KWUI_API CKwStatusBar : public CBCGPStatusBar
{
    DECLARE_DYNCREATE(CKwStatusBar)
public:
    CKwStatusBar();

    // Keeps pWnd one pixel inside the pane nPaneID (its earlier pane, if any, is forgotten) and
    // places every kept window at once. A window the host destroys later is forgotten; one whose
    // pane the bar does not have stays where it is.
    void AssignWndToPane(CWnd* pWnd, UINT nPaneID);

protected:
    void ResizeChildren();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    // By window handle, not object: the host may delete a window without telling the bar.
    CMap<HWND, HWND, UINT, UINT> m_mapWndToPane;
};
