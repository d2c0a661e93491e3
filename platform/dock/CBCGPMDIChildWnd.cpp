// CBCGPMDIChildWnd.cpp: the child's size and activation changes passed on to the frame's menu
// bar.
#include "CBCGPMDIChildWnd.h"
#include "CBCGPMDIFrameWnd.h"

IMPLEMENT_DYNCREATE(CBCGPMDIChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CBCGPMDIChildWnd, CMDIChildWnd)
    ON_WM_SIZE()
    ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

CBCGPMDIChildWnd::CBCGPMDIChildWnd() {}

CBCGPMDIFrameWnd* CBCGPMDIChildWnd::GetBCGPMDIFrame() const
{
    return DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, GetMDIFrame());
}

void CBCGPMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    CMDIChildWnd::OnSize(nType, cx, cy);
    // Only the active child's state shows in the bar; another one's changes as it activates.
    CBCGPMDIFrameWnd* pFrame = GetBCGPMDIFrame();
    if (pFrame != NULL && pFrame->MDIGetActive() == this)
        pFrame->UpdateMaximizeMode();
}

void CBCGPMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    CBCGPMDIFrameWnd* pFrame = GetBCGPMDIFrame();
    if (pFrame != NULL)
        pFrame->UpdateMaximizeMode();
}
