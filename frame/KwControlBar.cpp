// KwControlBar.cpp: the hosted child, the three state bits mapped onto the docking library's
// operations, and the bar's own context menu while undocking is off.
#include "frame/KwControlBar.h"
#include "core/KwPalette.h"
#include "frame/KwDockingManager.h"
#include "frame/KwTabbedControlBar.h"
#include "frame/KwWindowUpdateLock.h"

#include "core/KwMenu.h"
#include "res/resource.h"

#include <CBCGPDockManager.h>
#include <CBCGPSlider.h>
#include <CBCGPTabWnd.h>
#include <afxresource.h>

IMPLEMENT_DYNAMIC(CKwControlBar, CBCGPDockingControlBar)

BEGIN_MESSAGE_MAP(CKwControlBar, CBCGPDockingControlBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_SETFOCUS()
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_KW_BAR_AUTO_HIDE, &CKwControlBar::OnAutoHide)
    ON_UPDATE_COMMAND_UI(ID_KW_BAR_AUTO_HIDE, &CKwControlBar::OnUpdateAutoHide)
    ON_COMMAND(ID_KW_BAR_HIDE, &CKwControlBar::OnHide)
    ON_COMMAND(ID_KW_BAR_FLOAT, &CKwControlBar::OnFloat)
    ON_UPDATE_COMMAND_UI(ID_KW_BAR_FLOAT, &CKwControlBar::OnUpdateFloat)
END_MESSAGE_MAP()

CKwControlBar::CKwControlBar() : m_pChild(NULL), m_bDrawBorder(TRUE), m_bFloatingByCommand(FALSE)
{
    // Bars docked onto each other form a container of the toolkit's own.
    m_pTabbedControlBarRTC = RUNTIME_CLASS(CKwTabbedControlBar);
}

int CKwControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CBCGPDockingControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pTabbedControlBarRTC = RUNTIME_CLASS(CKwTabbedControlBar); // a host may have changed it since
    ResizeChild();
    return 0;
}

void CKwControlBar::SetChild(CWnd* pChild)
{
    m_pChild = pChild;
    ResizeChild();
}

void CKwControlBar::ResizeChild()
{
    if (m_hWnd == NULL || m_pChild == NULL || m_pChild->GetSafeHwnd() == NULL)
        return;
    CRect rect;
    GetClientRect(&rect);
    rect.DeflateRect(1, 1);
    m_pChild->SetWindowPos(NULL, rect.left, rect.top, std::max(0, rect.Width()), std::max(0, rect.Height()),
        SWP_NOZORDER | SWP_NOACTIVATE);
}

void CKwControlBar::OnSize(UINT nType, int cx, int cy)
{
    CBCGPDockingControlBar::OnSize(nType, cx, cy);
    ResizeChild();
}

void CKwControlBar::SetIcon(UINT nIDIcon)
{
    // Shared: the system keeps the one icon per resource and size, so nothing leaks on a change.
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nIDIcon), RT_GROUP_ICON);
    HICON hIcon = (HICON)::LoadImageA(hInst, MAKEINTRESOURCEA(nIDIcon), IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
        ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    if (m_hWnd != NULL)
        SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
}

void CKwControlBar::SetDrawBorder(int bDrawBorder)
{
    m_bDrawBorder = bDrawBorder;
    if (m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE);
}

void CKwControlBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    if (m_pChild == NULL)
        dc.FillSolidRect(&rect, CKwPalette::Get(CKwPalette::eFace));
    if (m_bDrawBorder)
    {
        CBrush brush(CKwPalette::Get(CKwPalette::eFaceShadow));
        dc.FrameRect(&rect, &brush);
    }
    else
        dc.FillSolidRect(&rect, CKwPalette::Get(CKwPalette::eFace));
}

void CKwControlBar::OnSetFocus(CWnd* pOldWnd)
{
    CBCGPDockingControlBar::OnSetFocus(pOldWnd);
    if (m_pChild != NULL && m_pChild->GetSafeHwnd() != NULL)
        m_pChild->SetFocus();
}

BOOL CKwControlBar::PreTranslateMessage(MSG* pMsg)
{
    // Enter goes to the control with the focus instead of a dialog's default button.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
    {
        ::TranslateMessage(pMsg);
        ::DispatchMessageA(pMsg);
        return TRUE;
    }
    return CBCGPDockingControlBar::PreTranslateMessage(pMsg);
}

CBCGPDockingControlBar* CKwControlBar::GetAutoHideBar() const
{
    CBCGPTabbedControlBar* pTabbed = GetParentTabbedBar();
    return pTabbed != NULL ? (CBCGPDockingControlBar*)pTabbed : (CBCGPDockingControlBar*)this;
}

void CKwControlBar::SetAutoHideMode(int bMode)
{
    CBCGPDockingControlBar* pBar = GetAutoHideBar();
    CBCGPSlider* pSlider = pBar->GetDefaultSlider();
    if (!bMode == !pBar->IsAutoHideMode() || pSlider == NULL)
        return;
    pBar->SetAutoHideMode(bMode, pSlider->GetCurrentAlignment(), NULL, TRUE);
}

BOOL CKwControlBar::IsControlBarShown() const
{
    return GetAutoHideBar()->IsVisible();
}

BOOL CKwControlBar::IsControlBarOnTop() const
{
    return IsVisible();
}

void CKwControlBar::ShowControlBar(int bShow)
{
    CBCGPDockingControlBar* pAutoHide = GetAutoHideBar();
    if (bShow)
        ShowControlBar(TRUE, FALSE, TRUE);
    else if (!pAutoHide->IsAutoHideMode())
        ShowControlBar(FALSE, FALSE, FALSE);
    else if (pAutoHide->IsVisible())
        pAutoHide->Slide(FALSE, TRUE);
}

int CKwControlBar::GetSiblingCount() const
{
    CBCGPTabWnd* pTabs = DYNAMIC_DOWNCAST(CBCGPTabWnd, GetParent());
    return pTabs != NULL ? pTabs->GetTabsNum() : 1;
}

void CKwControlBar::ToggleControlBar()
{
    if (GetSiblingCount() < 2)
        ShowControlBar(!IsControlBarShown());
    else if (!IsControlBarOnTop())
        ShowControlBar(TRUE);
}

int CKwControlBar::GetState() const
{
    return (GetAutoHideBar()->IsAutoHideMode() ? stateAutoHide : 0) | (IsControlBarShown() ? stateShown : 0) |
        (IsControlBarOnTop() ? stateOnTop : 0);
}

void CKwControlBar::SetState(int nState)
{
    CKwWindowUpdateLock lock(this);
    SetAutoHideMode(nState & stateAutoHide);
    CBCGPTabbedControlBar* pTabbed = GetParentTabbedBar();
    if ((nState & stateShown) != 0 && (nState & stateOnTop) == 0 && pTabbed != NULL)
    {
        // Shown in its container, behind the tab that was in front.
        int iActive = pTabbed->GetUnderlyingWindow()->GetActiveTab();
        ShowControlBar(TRUE);
        pTabbed->GetUnderlyingWindow()->SetActiveTab(iActive);
    }
    else if ((nState & stateAutoHide) != 0 && (nState & stateShown) == 0)
        GetAutoHideBar()->Slide(FALSE, FALSE);
    else
        ShowControlBar(nState & stateShown);
}

BOOL CKwControlBar::CanFloatBar(const CBCGPDockingControlBar* pBar, BOOL bFloatingByCommand, BOOL bBaseAnswer)
{
    // A layout being restored and the Float command float bars whatever the user may do.
    if (CBCGPDockManager::m_bRestoringDockState || bFloatingByCommand)
        return bBaseAnswer;
    return CKwDockingManager::IsUndockingEnabled() ? bBaseAnswer : FALSE;
}

BOOL CKwControlBar::CanFloat() const
{
    return CanFloatBar(this, m_bFloatingByCommand, CBCGPDockingControlBar::CanFloat());
}

BOOL CKwControlBar::AddOwnCommands(const CBCGPDockingControlBar* pBar, CMenu& menu)
{
    if (CKwDockingManager::IsUndockingEnabled() || pBar->IsFloating() || pBar->IsTabbed())
        return FALSE;
    CKwMenu::AddContextMenuCommands(menu, IDR_KW_CONTEXT_MENUS, "KwControlBar");
    return TRUE;
}

void CKwControlBar::CKwWindow_OnExtendContextMenu(CMenu& menu)
{
    if (!AddOwnCommands(this, menu))
        CKwWindow::CKwWindow_OnExtendContextMenu(menu);
}

BOOL CKwControlBar::TrackOwnContextMenu(CBCGPDockingControlBar* pBar, CKwWindow* pMenuSource, CWnd* pWnd, CPoint point)
{
    if (pWnd != pBar || CKwDockingManager::IsUndockingEnabled() || pBar->IsFloating() || pBar->IsTabbed())
        return FALSE;
    if (point.x == -1 && point.y == -1)
    {
        // From the keyboard: near the top left corner of the bar.
        point = CPoint(5, 5);
        pBar->ClientToScreen(&point);
    }
    // Filled through the virtual call, so derived bars add their own commands.
    CKwMenu menu;
    if (menu.CreatePopupMenu())
    {
        pMenuSource->CKwWindow_OnExtendContextMenu(menu);
        if (menu.GetMenuItemCount() > 0)
            menu.TrackPopupMenu(pBar, point);
    }
    return TRUE;
}

void CKwControlBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (!TrackOwnContextMenu(this, this, pWnd, point))
        CBCGPDockingControlBar::OnContextMenu(pWnd, point);
}

void CKwControlBar::AutoHideBar(CBCGPDockingControlBar* pBar)
{
    if (CBCGPSlider* pSlider = pBar->GetDefaultSlider())
        pBar->SetAutoHideMode(!pBar->IsAutoHideMode(), pSlider->GetCurrentAlignment(), NULL, TRUE);
}

void CKwControlBar::UpdateAutoHide(CBCGPDockingControlBar* pBar, CCmdUI* pCmdUI)
{
    BOOL bSlider = pBar->GetDefaultSlider() != NULL;
    pCmdUI->SetCheck(pBar->IsAutoHideMode() && bSlider);
    pCmdUI->Enable(bSlider);
}

void CKwControlBar::OnAutoHide()
{
    AutoHideBar(this);
}

void CKwControlBar::OnUpdateAutoHide(CCmdUI* pCmdUI)
{
    UpdateAutoHide(this, pCmdUI);
}

void CKwControlBar::OnHide()
{
    OnPressCloseButton();
}

void CKwControlBar::FloatBarByCommand(CBCGPDockingControlBar* pBar, BOOL& bFloatingByCommand)
{
    bFloatingByCommand = TRUE;
    pBar->FloatControlBar(pBar->m_recentDockInfo.m_rectRecentFloatingRect, DM_DBL_CLICK, true);
    bFloatingByCommand = FALSE;
}

void CKwControlBar::OnFloat()
{
    if (!IsTabbed())
        FloatBarByCommand(this, m_bFloatingByCommand);
}

void CKwControlBar::OnUpdateFloat(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsFloating() && !IsAutoHideMode() && !IsTabbed());
}
