// KwMDIFrameWnd.h: declares CKwMDIFrameWnd, the application's main frame: it remembers its place
// and maximized state in the profile, puts the document's name before the application's in the
// title, offers commands to the window with the focus first, and has the window-list commands.
#pragma once

#include "core/KwUiExport.h"
#include "res/resource.h"

#include <CBCGPMDIFrameWnd.h>

class KWUI_API CKwMDIFrameWnd : public CBCGPMDIFrameWnd
{
    DECLARE_DYNAMIC(CKwMDIFrameWnd)
public:
    CKwMDIFrameWnd();

    // Shows the frame where it was when it last closed; the host calls it instead of showing the
    // main window itself. A host started with an explicit show command (minimized...) keeps it.
    void ShowFrame();

    // TRUE for the clipboard, find, select-all and undo commands that belong to the control with
    // the focus: they never go to the active view past the focus chain.
    static int IsEditCommand(UINT nID);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The window with the focus and its parents up to their frame, the active child's view
    // (unless an edit command), this frame's own handlers, the application.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // "document - application" (with FWS_PREFIXTITLE) or "application - document"; the
    // application alone without a document name.
    void UpdateFrameTitleForDocumentKw(LPCTSTR lpszDocName);

protected:
    // System commands of a maximized child's menu (in the frame's menu) go to the MDI client.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // A step of the command route after the active child's view and before the frame's own
    // handlers; nothing here.
    virtual BOOL OnCmdMsgAfterActiveView(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    afx_msg void OnClose();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnWindowNext();
    afx_msg void OnWindowPrev();
    afx_msg void OnWindowCloseAll();
    afx_msg void OnUpdateWindowNextPrev(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    BOOL m_bInOnCmdMsg; // walking the focus chain: a window below that asks again gets nothing
    HWND m_hWndFocusSave; // had the focus when the frame was last deactivated

private:
    // The placement and maximized state under "Frame" in the profile.
    void SaveFrameState();
    BOOL RouteThroughFocus(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
};
