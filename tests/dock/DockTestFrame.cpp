// DockTestFrame.cpp: the frame comes from the tests' own resources.
#include "DockTestFrame.h"

#include "CBCGPDockingControlBar.h"
#include "CBCGPMDIFrameWnd.h"
#include "DockFrameTest.rh"

CBCGPMDIFrameWnd* NewDockTestFrame(CWinApp& app)
{
    MSG msg;
    ::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE);
    CBCGPMDIFrameWnd* pFrame = new CBCGPMDIFrameWnd;
    if (!pFrame->LoadFrame(IDR_DOCK_MAIN))
    {
        delete pFrame;
        return NULL;
    }
    app.m_pMainWnd = pFrame;
    pFrame->SetWindowPos(NULL, 0, 0, 800, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->EnableAutoHideBars(CBRS_ALIGN_ANY);
    return pFrame;
}

BOOL DockNewPane(CBCGPMDIFrameWnd* pFrame, CBCGPDockingControlBar& pane, LPCTSTR lpszName, DWORD dwSide,
    const CRect& rect, UINT nID)
{
    if (!pane.Create(lpszName, pFrame, rect, TRUE, nID, WS_CHILD | WS_VISIBLE | dwSide))
        return FALSE;
    pane.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&pane);
    return TRUE;
}
