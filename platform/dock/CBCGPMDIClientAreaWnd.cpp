// CBCGPMDIClientAreaWnd.cpp: WM_MDISETMENU handed to the frame's menu bar, WM_MDIDESTROY told to
// the frame.
#include "CBCGPMDIClientAreaWnd.h"
#include "CBCGPMDIFrameWnd.h"

IMPLEMENT_DYNAMIC(CBCGPMDIClientAreaWnd, CWnd)

BEGIN_MESSAGE_MAP(CBCGPMDIClientAreaWnd, CWnd)
    ON_MESSAGE(WM_MDISETMENU, &CBCGPMDIClientAreaWnd::OnSetMenu)
    ON_MESSAGE(WM_MDIDESTROY, &CBCGPMDIClientAreaWnd::OnMDIDestroy)
END_MESSAGE_MAP()

CBCGPMDIClientAreaWnd::CBCGPMDIClientAreaWnd() {}

LRESULT CBCGPMDIClientAreaWnd::OnSetMenu(WPARAM wParam, LPARAM lParam)
{
    // A frame with a menu bar keeps no menu in its window: the bar takes the new one, and the
    // client only keeps the Window popup that lists the children.
    CBCGPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, GetParent());
    HMENU hOld = NULL;
    if (pFrame != NULL && wParam != 0 && pFrame->OnSetMenu((HMENU)wParam, &hOld))
    {
        DefWindowProc(WM_MDISETMENU, 0, lParam);
        return (LRESULT)hOld;
    }
    return DefWindowProc(WM_MDISETMENU, wParam, lParam);
}

LRESULT CBCGPMDIClientAreaWnd::OnMDIDestroy(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = DefWindowProc(WM_MDIDESTROY, wParam, lParam);
    // The child that went may have been the maximized one.
    CBCGPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, GetParent());
    if (pFrame != NULL)
        pFrame->UpdateMaximizeMode();
    return lResult;
}
