// KwSoleDocMDIFrameWnd.h: declares CKwSoleDocMDIFrameWnd, the main frame of a sole-document
// application: its title names the sole document whatever child is active, commands reach the
// sole document after the active view, and the host opens and closes its views when told.
#pragma once

#include "frame/KwMDIFrameWnd.h"

class KWUI_API CKwSoleDocMDIFrameWnd : public CKwMDIFrameWnd
{
    DECLARE_DYNAMIC(CKwSoleDocMDIFrameWnd)
public:
    CKwSoleDocMDIFrameWnd();

    // Notifications go the framework's way; commands as the base frame routes them, with the
    // sole document between the active child's view and the frame's own handlers.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // "Model - Application": the sole document, none while no sole document is open.
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    // The sole document was made or read: the host opens its views here.
    virtual void OnOpenSoleDoc(CDocument* pDoc);
    // The sole document is closing and its children are closed: the host lets go of it here.
    virtual void OnCloseSoleDoc();

protected:
    // The sole document's handlers.
    BOOL OnCmdMsgAfterActiveView(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
};
