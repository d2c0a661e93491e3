// CMDIChildWnd.h: CMDIChildWnd, a document's frame inside an MDI frame: made through the MDI
// client, with its template's menu shown in the main frame while it is active.
#pragma once

#include "CFrameWnd.h"

class CMDIFrameWnd;

class KWAFX_API CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
        CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    // Made by the MDI client of pParentWnd (the main window when NULL) with WM_MDICREATE.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
        CMDIFrameWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    // -1 shows the child maximized when the active child is (or it is itself).
    void ActivateFrame(int nCmdShow = -1) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // Puts the template's (or the document's) menu into the main frame while active.
    virtual void OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt);
    BOOL DestroyWindow() override;
    // Routing for its MDI frame, the child leaves the application to the frame.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    HMENU m_hMenuShared; // the template's menu
    using CFrameWnd::OnUpdateFrameMenu;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
