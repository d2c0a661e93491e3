// CBCGPDockingControlBar.cpp: the pane's caption in its non-client area (so its client area is all
// the host's), the close button pressed and released with the mouse captured, and the moves
// between the frame's edges and a mini frame.
#include "CBCGPDockingControlBar.h"
#include "CBCGPAutoHideButton.h"
#include "CBCGPAutoHideToolBar.h"
#include "CBCGPDockManager.h"
#include "CBCGPDockingMarkers.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMemDC.h"
#include "CBCGPMiniFrameWnd.h"
#include "CBCGPTabbedControlBar.h"
#include "CBCGPVisualManager.h"

#include <afxpriv.h>

IMPLEMENT_DYNCREATE(CBCGPDockingControlBar, CBCGPControlBar)

CRuntimeClass* CBCGPDockingControlBar::m_pTabbedControlBarRTC = NULL;

BEGIN_MESSAGE_MAP(CBCGPDockingControlBar, CBCGPControlBar)
    ON_MESSAGE(WM_SIZEPARENT, &CBCGPDockingControlBar::OnSizeParentDocked)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_DESTROY()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CBCGPDockingControlBar::CBCGPDockingControlBar()
    : m_bHasGripper(TRUE), m_dwEnabledAlignment(0), m_dwControlBarStyle(0), m_dwTabbedStyle(0),
      m_pMiniFrame(NULL), m_bClosePressed(FALSE), m_bActiveShown(FALSE),
      m_bCaptionDragging(FALSE), m_pMarkers(NULL), m_pDropTarget(NULL)
{
    m_recentDockInfo.m_dwRecentAlignmentToFrame = 0;
}

CBCGPDockingControlBar::~CBCGPDockingControlBar()
{
    delete m_pMarkers;
}

BOOL CBCGPDockingControlBar::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect, BOOL bHasGripper,
    UINT nID, DWORD dwStyle, DWORD dwTabbedStyle, DWORD dwControlBarStyle, CCreateContext*)
{
    m_bHasGripper = bHasGripper;
    m_dwTabbedStyle = dwTabbedStyle;
    m_dwControlBarStyle = dwControlBarStyle;
    // The low word of dwStyle carries bar bits (the edge); the window keeps the rest.
    DWORD dwWndStyle = (dwStyle & 0xFFFF0000) | WS_CHILD | WS_CLIPCHILDREN;
    if (!CreateBar(lpszCaption, dwWndStyle, dwStyle & CBRS_ALIGN_ANY, rect, pParentWnd, nID))
        return FALSE;
    m_recentDockInfo.m_dwRecentAlignmentToFrame = GetCurrentAlignment();
    return TRUE;
}

CBCGPDockManager* CBCGPDockingControlBar::GetDockManager() const
{
    CBCGPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, m_pDockSite);
    return pFrame != NULL ? pFrame->GetDockManager() : NULL;
}

LRESULT CBCGPDockingControlBar::OnSizeParentDocked(WPARAM, LPARAM)
{
    return 0; // the docking manager places the pane, not the frame's bar layout
}

BOOL CBCGPDockingControlBar::CanFloat() const
{
    return (m_dwControlBarStyle & CBRS_BCGP_FLOAT) != 0;
}

BOOL CBCGPDockingControlBar::IsVisible() const
{
    if (m_hWnd == NULL || (GetStyle() & WS_VISIBLE) == 0)
        return FALSE;
    return !IsFloating() || (m_pMiniFrame->GetStyle() & WS_VISIBLE) != 0;
}

void CBCGPDockingControlBar::ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate)
{
    if (m_hWnd == NULL)
        return;
    if (IsAutoHideMode())
    {
        // An auto-hidden pane shows by sliding in and hides into its button.
        Slide(bShow, FALSE);
        if (bShow && bActivate)
            SetFocus();
        return;
    }
    ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    if (IsFloating())
        m_pMiniFrame->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    else if (m_pDockSite != NULL && bDelay)
        m_pDockSite->DelayRecalcLayout();
    else if (m_pDockSite != NULL)
        m_pDockSite->RecalcLayout();
    if (bShow && bActivate)
        SetFocus();
}

void CBCGPDockingControlBar::OnPressCloseButton()
{
    ShowControlBar(FALSE, FALSE, FALSE);
}

BOOL CBCGPDockingControlBar::FloatControlBar(CRect rectFloat, BCGP_DOCK_METHOD dockMethod, bool bShow)
{
    if (m_hWnd == NULL || m_pDockSite == NULL)
        return FALSE;
    if (CBCGPTabbedControlBar* pTabbed = GetParentTabbedBar())
        return pTabbed->FloatTab(this, pTabbed->GetUnderlyingWindow()->GetTabFromHwnd(m_hWnd), dockMethod, !bShow);
    if (IsAutoHideMode())
        SetAutoHideMode(FALSE, GetCurrentAlignment(), NULL, FALSE);
    rectFloat.NormalizeRect();
    if (rectFloat.Width() < CBCGPDockManager::MIN_PANE_SIZE || rectFloat.Height() < CBCGPDockManager::MIN_PANE_SIZE)
    {
        // Never floated yet: where the pane is, a little down and right, at its size.
        GetWindowRect(&rectFloat);
        rectFloat.OffsetRect(20, 20);
        rectFloat.right = std::max(rectFloat.right, rectFloat.left + 200L);
        rectFloat.bottom = std::max(rectFloat.bottom, rectFloat.top + 150L);
    }
    if (IsFloating())
    {
        m_pMiniFrame->MoveWindow(rectFloat);
        return TRUE;
    }
    CBCGPMiniFrameWnd* pMiniFrame = new CBCGPMiniFrameWnd;
    if (!pMiniFrame->Create(this, m_pDockSite, rectFloat))
    {
        delete pMiniFrame;
        return FALSE;
    }
    if (GetCurrentAlignment() != 0)
        m_recentDockInfo.m_dwRecentAlignmentToFrame = GetCurrentAlignment();
    if (CBCGPDockManager* pManager = GetDockManager())
        pManager->RemoveControlBar(this);
    m_pMiniFrame = pMiniFrame;
    SetParent(pMiniFrame);
    CRect rectClient;
    pMiniFrame->GetClientRect(&rectClient);
    // The caption goes with the move (the mini frame shows the name).
    SetWindowPos(NULL, 0, 0, rectClient.Width(), rectClient.Height(),
        SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    m_recentDockInfo.m_rectRecentFloatingRect = rectFloat;
    m_pDockSite->RecalcLayout();
    if (bShow)
        pMiniFrame->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    // Its caption lit as its frame's is.
    pMiniFrame->SendMessage(WM_FLOATSTATUS, ::GetActiveWindow() == m_pDockSite->m_hWnd ? FS_ACTIVATE : FS_DEACTIVATE);
    return TRUE;
}

BOOL CBCGPDockingControlBar::DockToRecentPos()
{
    CBCGPDockManager* pManager = GetDockManager();
    if (!IsFloating() || pManager == NULL)
        return FALSE;
    DWORD dwAlign = m_recentDockInfo.m_dwRecentAlignmentToFrame;
    if ((dwAlign & m_dwEnabledAlignment & pManager->GetEnabledAlignment()) == 0)
        return FALSE;
    CBCGPMiniFrameWnd* pMiniFrame = m_pMiniFrame;
    BOOL bVisible = IsVisible();
    SetParent(m_pDockSite);
    m_pMiniFrame = NULL;
    pMiniFrame->RemoveControlBar();
    pMiniFrame->DestroyWindow();
    SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
    pManager->DockControlBar(this, dwAlign);
    ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    m_pDockSite->RecalcLayout();
    return TRUE;
}

CBCGPSlider* CBCGPDockingControlBar::GetDefaultSlider() const
{
    CBCGPDockManager* pManager = GetDockManager();
    return pManager != NULL ? pManager->GetDefaultSlider(this) : NULL;
}

CBCGPAutoHideToolBar* CBCGPDockingControlBar::SetAutoHideMode(BOOL bMode, DWORD dwAlignment,
    CBCGPAutoHideToolBar* pCurrAutoHideBar, BOOL)
{
    CBCGPDockManager* pManager = GetDockManager();
    if (m_hWnd == NULL || pManager == NULL || !bMode == !IsAutoHideMode())
        return m_pAutoHideBar;
    if (!bMode)
    {
        KillTimer(SLIDE_TIMER);
        KillTimer(WATCH_TIMER);
        m_pAutoHideBar->RemoveAutoHideWindow(this);
        m_pAutoHideBar->Invalidate();
        m_pAutoHideBar = NULL;
        m_nSlideStep = m_nSlideTarget = 0;
        // Back among the docked panes, at the place it kept there.
        ShowWindow(SW_SHOWNA);
        m_pDockSite->RecalcLayout();
        return NULL;
    }
    // Only a docked pane hides, into the strip at its own edge.
    DWORD dwEdge = GetCurrentAlignment();
    if ((m_dwControlBarStyle & CBRS_BCGP_AUTOHIDE) == 0 || !pManager->IsDocked(this) || (dwAlignment & dwEdge) == 0)
        return NULL;
    CBCGPAutoHideToolBar* pStrip = pCurrAutoHideBar;
    if (pStrip == NULL)
        pStrip = pManager->GetAutoHideToolBar(dwEdge, TRUE);
    if (pStrip == NULL || pStrip->GetCurrentAlignment() != dwEdge)
        return NULL;
    if (IsActive())
        m_pDockSite->SetFocus();
    pStrip->AddAutoHideWindow(this);
    m_pAutoHideBar = pStrip;
    m_nSlideStep = m_nSlideTarget = 0;
    ShowWindow(SW_HIDE);
    m_pDockSite->RecalcLayout();
    pStrip->Invalidate();
    return pStrip;
}

BOOL CBCGPDockingControlBar::IsAutoHideMode() const
{
    return m_pAutoHideBar != NULL;
}

void CBCGPDockingControlBar::Slide(BOOL bSlideOut, BOOL bUseTimer)
{
    if (!IsAutoHideMode())
        return;
    if (bSlideOut && GetDockManager()->GetSlideInRect(this).IsRectEmpty())
        return; // no room in the frame
    m_nSlideTarget = bSlideOut ? SLIDE_STEPS : 0;
    if (bSlideOut && !IsWindowVisible())
    {
        m_nSlideStep = 0;
        m_bSlideHadFocus = FALSE;
        SetTimer(WATCH_TIMER, WATCH_ELAPSE, NULL);
    }
    if (!bSlideOut)
    {
        KillTimer(WATCH_TIMER);
        if (IsActive())
            m_pDockSite->SetFocus(); // the focus must not stay in a window that goes
    }
    if (!bUseTimer)
        m_nSlideStep = m_nSlideTarget;
    else if (m_nSlideStep != m_nSlideTarget)
        m_nSlideStep += m_nSlideStep < m_nSlideTarget ? 1 : -1; // the first step at once
    PlaceSlide();
    if (m_nSlideStep != m_nSlideTarget)
        SetTimer(SLIDE_TIMER, SLIDE_ELAPSE, NULL);
    else
        KillTimer(SLIDE_TIMER);
}

void CBCGPDockingControlBar::PlaceSlide()
{
    if (m_nSlideStep == 0)
    {
        ShowWindow(SW_HIDE);
        m_pAutoHideBar->Invalidate();
        return;
    }
    // The part slid in so far, against the strip; the pane's contents move with its edge.
    CRect rect = GetDockManager()->GetSlideInRect(this);
    int nWidth = rect.Width() * m_nSlideStep / SLIDE_STEPS;
    int nHeight = rect.Height() * m_nSlideStep / SLIDE_STEPS;
    switch (GetCurrentAlignment())
    {
    case CBRS_ALIGN_TOP: rect.bottom = rect.top + nHeight; break;
    case CBRS_ALIGN_BOTTOM: rect.top = rect.bottom - nHeight; break;
    case CBRS_ALIGN_LEFT: rect.right = rect.left + nWidth; break;
    default: rect.left = rect.right - nWidth; break;
    }
    BOOL bWasVisible = IsWindowVisible();
    SetWindowPos(&CWnd::wndTop, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (!bWasVisible)
        m_pAutoHideBar->Invalidate();
}

BOOL CBCGPDockingControlBar::IsMouseOverSlide() const
{
    CPoint point;
    ::GetCursorPos(&point);
    CRect rect;
    GetWindowRect(&rect);
    if (rect.PtInRect(point))
        return TRUE;
    CBCGPAutoHideButton* pButton = m_pAutoHideBar->FindButton(this);
    if (pButton == NULL)
        return FALSE;
    CRect rectButton = pButton->GetRect();
    m_pAutoHideBar->ClientToScreen(&rectButton);
    return rectButton.PtInRect(point);
}

void CBCGPDockingControlBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == SLIDE_TIMER && IsAutoHideMode())
    {
        m_nSlideStep += m_nSlideStep < m_nSlideTarget ? 1 : -1;
        PlaceSlide();
        if (m_nSlideStep == m_nSlideTarget)
            KillTimer(SLIDE_TIMER);
    }
    else if (nIDEvent == WATCH_TIMER && IsAutoHideMode())
    {
        if (m_nSlideStep != SLIDE_STEPS || m_nSlideTarget != SLIDE_STEPS)
            return; // judged once it is all in
        if (IsActive())
            m_bSlideHadFocus = TRUE;
        else if (m_bSlideHadFocus || !IsMouseOverSlide())
            Slide(FALSE, TRUE);
    }
    else
        CBCGPControlBar::OnTimer(nIDEvent);
}

BOOL CBCGPDockingControlBar::IsActive() const
{
    HWND hFocus = ::GetFocus();
    return hFocus != NULL && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus));
}

CRect CBCGPDockingControlBar::GetCaptionRect() const
{
    if (!ShowsCaption())
        return CRect(0, 0, 0, 0);
    CRect rect;
    GetWindowRect(&rect);
    return CRect(0, 0, rect.Width(), std::min((int)CAPTION_HEIGHT, rect.Height()));
}

CRect CBCGPDockingControlBar::GetCloseButtonRect() const
{
    CRect rect = GetCaptionRect();
    if (rect.IsRectEmpty() || (m_dwControlBarStyle & CBRS_BCGP_CLOSE) == 0)
        return CRect(0, 0, 0, 0);
    int nSize = rect.Height() - 4;
    return CRect(rect.right - 2 - nSize, rect.top + 2, rect.right - 2, rect.top + 2 + nSize);
}

void CBCGPDockingControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rect = lpncsp->rgrc[0];
    if (ShowsCaption())
        rect.top = std::min(rect.bottom, rect.top + (LONG)CAPTION_HEIGHT);
}

void CBCGPDockingControlBar::OnNcPaint()
{
    CRect rectCaption = GetCaptionRect();
    if (rectCaption.IsRectEmpty())
        return;
    CWindowDC dc(this);
    // Off-screen, then in one copy: the caption does not flicker as the focus moves.
    CBCGPMemDC memDC(dc, rectCaption);
    CDC& dcMem = memDC.GetDC();
    CString strText;
    GetWindowText(strText);
    CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
    m_bActiveShown = IsActive();
    CRect rectClose = GetCloseButtonRect();
    CRect rectPin = GetPinButtonRect();
    int nButtons = !rectPin.IsRectEmpty() ? rectCaption.right - rectPin.left : rectClose.Width();
    pManager->OnDrawCaption(&dcMem, rectCaption, strText, m_bActiveShown, nButtons);
    if (!rectClose.IsRectEmpty())
        pManager->OnDrawCaptionButton(&dcMem, rectClose, m_bActiveShown, m_bClosePressed);
    if (!rectPin.IsRectEmpty())
        pManager->OnDrawPinButton(&dcMem, rectPin, m_bActiveShown, IsAutoHideMode());
}

CRect CBCGPDockingControlBar::GetPinButtonRect() const
{
    CRect rect = GetCaptionRect();
    if (rect.IsRectEmpty() || (m_dwControlBarStyle & CBRS_BCGP_AUTOHIDE) == 0)
        return CRect(0, 0, 0, 0);
    CRect rectClose = GetCloseButtonRect();
    int nSize = rect.Height() - 4;
    int nRight = rectClose.IsRectEmpty() ? rect.right - 2 : rectClose.left - 1;
    return CRect(nRight - nSize, rect.top + 2, nRight, rect.top + 2 + nSize);
}

LRESULT CBCGPDockingControlBar::OnNcHitTest(CPoint point)
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    point.Offset(-rectWindow.left, -rectWindow.top);
    if (GetCloseButtonRect().PtInRect(point))
        return HTCLOSE;
    if (GetPinButtonRect().PtInRect(point))
        return HTMAXBUTTON;
    if (GetCaptionRect().PtInRect(point))
        return HTCAPTION;
    return CBCGPControlBar::OnNcHitTest(point + rectWindow.TopLeft());
}

void CBCGPDockingControlBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    // Never to the default procedure: a child window's caption would move it inside the frame.
    if (nHitTest == HTCLOSE)
    {
        m_bClosePressed = TRUE;
        SetCapture();
        SendMessage(WM_NCPAINT);
    }
    else if (nHitTest == HTMAXBUTTON)
        SetAutoHideMode(!IsAutoHideMode(), GetCurrentAlignment(), NULL, TRUE);
    else if (nHitTest == HTCAPTION)
    {
        if (!IsActive())
            SetFocus();
        m_bCaptionDragging = TRUE;
        m_ptDragLast = point;
        SetCapture();
    }
}

void CBCGPDockingControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bCaptionDragging)
    {
        ClientToScreen(&point);
        EndDrag(TRUE, point);
        return;
    }
    if (!m_bClosePressed)
    {
        CBCGPControlBar::OnLButtonUp(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    point.Offset(-rectWindow.left, -rectWindow.top);
    BOOL bClose = GetCloseButtonRect().PtInRect(point);
    ::ReleaseCapture();
    if (bClose)
        OnPressCloseButton();
}

void CBCGPDockingControlBar::OnCaptureChanged(CWnd*)
{
    if (m_bCaptionDragging && ::GetCapture() != m_hWnd)
        EndDrag(FALSE, CPoint(0, 0));
    if (!m_bClosePressed)
        return;
    m_bClosePressed = FALSE;
    SendMessage(WM_NCPAINT);
}

void CBCGPDockingControlBar::OnNcLButtonDblClk(UINT nHitTest, CPoint)
{
    if (nHitTest == HTCAPTION && CanFloat())
        FloatControlBar(m_recentDockInfo.m_rectRecentFloatingRect, DM_DBL_CLICK, true);
}

BOOL CBCGPDockingControlBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CBCGPDockingControlBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    CBCGPVisualManager::GetInstance()->OnFillBarBackground(&dc, rect);
}

void CBCGPDockingControlBar::OnSetFocus(CWnd* pOldWnd)
{
    CBCGPControlBar::OnSetFocus(pOldWnd);
    SendMessage(WM_NCPAINT);
}

void CBCGPDockingControlBar::OnKillFocus(CWnd* pNewWnd)
{
    CBCGPControlBar::OnKillFocus(pNewWnd);
    SendMessage(WM_NCPAINT);
}

void CBCGPDockingControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // The focus moved between the pane's children and the rest: the caption follows at idle.
    if (IsActive() != m_bActiveShown)
        SendMessage(WM_NCPAINT);
}

void CBCGPDockingControlBar::OnDestroy()
{
    if (m_pAutoHideBar != NULL)
    {
        m_pAutoHideBar->RemoveAutoHideWindow(this);
        m_pAutoHideBar = NULL;
    }
    if (CBCGPDockManager* pManager = GetDockManager())
        pManager->RemoveControlBar(this);
    if (m_pMiniFrame != NULL)
    {
        // The mini frame goes after the pane (now, or already on its way when it is the one
        // being destroyed).
        m_pMiniFrame->RemoveControlBar();
        m_pMiniFrame->PostMessage(WM_CLOSE);
        m_pMiniFrame = NULL;
    }
    CBCGPControlBar::OnDestroy();
}

CBCGPTabbedControlBar* CBCGPDockingControlBar::GetParentTabbedBar() const
{
    // A tab's parent is the container's tab window.
    HWND hTabs = m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
    if (hTabs == NULL || DYNAMIC_DOWNCAST(CBCGPTabWnd, CWnd::FromHandlePermanent(hTabs)) == NULL)
        return NULL;
    return DYNAMIC_DOWNCAST(CBCGPTabbedControlBar, CWnd::FromHandlePermanent(::GetParent(hTabs)));
}

CBCGPTabbedControlBar* CBCGPDockingControlBar::CreateTabbedControlBar()
{
    CRuntimeClass* pClass = m_pTabbedControlBarRTC;
    if (pClass == NULL || !pClass->IsDerivedFrom(RUNTIME_CLASS(CBCGPTabbedControlBar)))
        pClass = RUNTIME_CLASS(CBCGPTabbedControlBar);
    CBCGPTabbedControlBar* pTabbed = (CBCGPTabbedControlBar*)pClass->CreateObject();
    if (pTabbed == NULL)
        return NULL;
    CString strText;
    GetWindowText(strText);
    CRect rect;
    GetWindowRect(&rect);
    if (!pTabbed->Create(strText, m_pDockSite, rect, m_bHasGripper, 0,
            WS_CHILD | (GetStyle() & WS_VISIBLE) | GetCurrentAlignment(), m_dwTabbedStyle, m_dwControlBarStyle))
    {
        delete pTabbed;
        return NULL;
    }
    pTabbed->EnableDocking(m_dwEnabledAlignment);
    pTabbed->m_recentDockInfo = m_recentDockInfo;
    CBCGPDockManager* pManager = GetDockManager();
    if (IsFloating())
    {
        CRect rectFloat;
        m_pMiniFrame->GetWindowRect(&rectFloat);
        LeaveSite();
        pTabbed->FloatControlBar(rectFloat, DM_STANDARD, true);
    }
    else if (pManager != NULL && pManager->ReplaceControlBar(this, pTabbed))
        m_pDockSite->RecalcLayout();
    return pTabbed;
}

void CBCGPDockingControlBar::LeaveSite()
{
    if (CBCGPTabbedControlBar* pTabbed = GetParentTabbedBar())
        pTabbed->DetachBar(this);
    else if (IsFloating())
    {
        CBCGPMiniFrameWnd* pMiniFrame = m_pMiniFrame;
        ShowWindow(SW_HIDE);
        SetParent(m_pDockSite);
        m_pMiniFrame = NULL;
        pMiniFrame->RemoveControlBar();
        pMiniFrame->DestroyWindow();
    }
    else if (CBCGPDockManager* pManager = GetDockManager())
    {
        if (GetCurrentAlignment() != 0)
            m_recentDockInfo.m_dwRecentAlignmentToFrame = GetCurrentAlignment();
        pManager->RemoveControlBar(this);
        ShowWindow(SW_HIDE);
    }
}

CBCGPDockingControlBar* CBCGPDockingControlBar::AttachToTabWnd(CBCGPDockingControlBar* pTabControlBarAttachTo,
    BCGP_DOCK_METHOD, BOOL bSetActive, CBCGPDockingControlBar** ppTabbedControlBar)
{
    CBCGPDockingControlBar* pTarget = pTabControlBarAttachTo;
    if (pTarget == NULL || pTarget == this || m_hWnd == NULL || pTarget->m_hWnd == NULL || m_pDockSite == NULL ||
        pTarget->m_pDockSite != m_pDockSite || DYNAMIC_DOWNCAST(CBCGPTabbedControlBar, this) != NULL)
        return NULL;
    CBCGPTabbedControlBar* pTabbed = DYNAMIC_DOWNCAST(CBCGPTabbedControlBar, pTarget);
    if (pTabbed == NULL)
        pTabbed = pTarget->GetParentTabbedBar();
    if (pTabbed != NULL && pTabbed == GetParentTabbedBar())
        return NULL; // a tab of that container already
    if (pTabbed == NULL)
    {
        if ((pTabbed = pTarget->CreateTabbedControlBar()) == NULL)
            return NULL;
        pTabbed->AddTab(pTarget, TRUE, FALSE);
    }
    LeaveSite();
    pTabbed->AddTab(this, TRUE, bSetActive);
    m_pDockSite->RecalcLayout();
    if (ppTabbedControlBar != NULL)
        *ppTabbedControlBar = pTabbed;
    return pTabbed;
}

void CBCGPDockingControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CBCGPControlBar::OnMouseMove(nFlags, point);
    if (!m_bCaptionDragging)
        return;
    ClientToScreen(&point);
    DragTo(point);
}

void CBCGPDockingControlBar::DragTo(CPoint ptScreen)
{
    CPoint ptDelta = ptScreen - m_ptDragLast;
    if (!IsFloating())
    {
        // Still docked: a click that wanders a little is no drag.
        if (abs(ptDelta.x) < ::GetSystemMetrics(SM_CXDRAG) && abs(ptDelta.y) < ::GetSystemMetrics(SM_CYDRAG))
            return;
        CRect rect;
        GetWindowRect(&rect);
        rect.OffsetRect(ptDelta);
        m_bCaptionDragging = FALSE; // floating moves the pane: its capture may change on the way
        if (!CanFloat() || !FloatControlBar(rect, DM_MOUSE, true) || !IsFloating())
        {
            if (::GetCapture() == m_hWnd)
                ::ReleaseCapture();
            return;
        }
        m_bCaptionDragging = TRUE;
        SetCapture();
    }
    else
    {
        CRect rect;
        m_pMiniFrame->GetWindowRect(&rect);
        rect.OffsetRect(ptDelta);
        m_pMiniFrame->SetWindowPos(NULL, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_ptDragLast = ptScreen;
    CBCGPDockManager* pManager = GetDockManager();
    m_pDropTarget = pManager != NULL ? pManager->ControlBarFromPoint(ptScreen, this) : NULL;
    if (m_pDropTarget == NULL)
    {
        if (m_pMarkers != NULL)
            m_pMarkers->HideMarkers();
        return;
    }
    if (m_pMarkers == NULL)
        m_pMarkers = new CBCGPDockingMarkers;
    CRect rectTarget;
    m_pDropTarget->GetWindowRect(&rectTarget);
    m_pMarkers->ShowOver(m_pDockSite, rectTarget, ptScreen);
}

void CBCGPDockingControlBar::EndDrag(BOOL bDrop, CPoint ptScreen)
{
    m_bCaptionDragging = FALSE;
    CBCGPDockingMarkers::Marker marker = CBCGPDockingMarkers::MARKER_NONE;
    if (m_pMarkers != NULL)
    {
        marker = m_pMarkers->HitTest(ptScreen);
        m_pMarkers->HideMarkers();
    }
    CBCGPDockingControlBar* pTarget = m_pDropTarget;
    m_pDropTarget = NULL;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!bDrop || pTarget == NULL || marker == CBCGPDockingMarkers::MARKER_NONE)
        return;
    if (marker == CBCGPDockingMarkers::MARKER_CENTER)
    {
        AttachToTabWnd(pTarget, DM_MOUSE);
        return;
    }
    static const UINT s_ids[] = {AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_RIGHT, AFX_IDW_DOCKBAR_BOTTOM};
    if (CBCGPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, m_pDockSite))
        pFrame->DockControlBar(this, s_ids[marker]);
}
