// CBCGPMDIClientAreaWnd.cpp: WM_MDISETMENU handed to the frame's menu bar, WM_MDIDESTROY told to
// the frame.
#include "CBCGPMDIClientAreaWnd.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPVisualManager.h"

IMPLEMENT_DYNAMIC(CBCGPMDIClientAreaWnd, CWnd)

BEGIN_MESSAGE_MAP(CBCGPMDIClientAreaWnd, CWnd)
    ON_MESSAGE(WM_MDISETMENU, &CBCGPMDIClientAreaWnd::OnSetMenu)
    ON_MESSAGE(WM_MDICREATE, &CBCGPMDIClientAreaWnd::OnMDICreate)
    ON_MESSAGE(WM_MDIACTIVATE, &CBCGPMDIClientAreaWnd::OnMDIActivate)
    ON_MESSAGE(WM_MDINEXT, &CBCGPMDIClientAreaWnd::OnMDINext)
    ON_MESSAGE(WM_MDIDESTROY, &CBCGPMDIClientAreaWnd::OnMDIDestroy)
    ON_WM_ERASEBKGND()
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

LRESULT CBCGPMDIClientAreaWnd::SwitchChildren(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Switching while maximized restores the old child before the new one is maximized and
    // active: the bar would lose and regain the child's parts on the way.
    CBCGPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, GetParent());
    if (pFrame == NULL)
        return DefWindowProc(message, wParam, lParam);
    pFrame->m_nMaximizeHold++;
    LRESULT lResult;
    try
    {
        lResult = DefWindowProc(message, wParam, lParam);
    }
    catch (...)
    {
        pFrame->m_nMaximizeHold--;
        throw;
    }
    pFrame->m_nMaximizeHold--;
    pFrame->UpdateMaximizeMode();
    return lResult;
}

LRESULT CBCGPMDIClientAreaWnd::OnMDICreate(WPARAM wParam, LPARAM lParam)
{
    return SwitchChildren(WM_MDICREATE, wParam, lParam);
}

LRESULT CBCGPMDIClientAreaWnd::OnMDIActivate(WPARAM wParam, LPARAM lParam)
{
    return SwitchChildren(WM_MDIACTIVATE, wParam, lParam);
}

LRESULT CBCGPMDIClientAreaWnd::OnMDINext(WPARAM wParam, LPARAM lParam)
{
    return SwitchChildren(WM_MDINEXT, wParam, lParam);
}

LRESULT CBCGPMDIClientAreaWnd::OnMDIDestroy(WPARAM wParam, LPARAM lParam)
{
    return SwitchChildren(WM_MDIDESTROY, wParam, lParam);
}

BOOL CBCGPMDIClientAreaWnd::OnEraseBkgnd(CDC* pDC)
{
    COLORREF clr = CBCGPVisualManager::GetInstance()->GetSysColor(COLOR_APPWORKSPACE);
    if (clr == ::GetSysColor(COLOR_APPWORKSPACE))
        return (BOOL)Default();
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, clr);
    return TRUE;
}
