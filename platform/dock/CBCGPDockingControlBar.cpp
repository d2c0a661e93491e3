// CBCGPDockingControlBar.cpp: the pane's caption in its non-client area (so its client area is all
// the host's), the close button pressed and released with the mouse captured, and the moves
// between the frame's edges and a mini frame.
#include "CBCGPDockingControlBar.h"
#include "CBCGPAutoHideButton.h"
#include "CBCGPAutoHideToolBar.h"
#include "CBCGPDockManager.h"
#include "CBCGPDockingMarkers.h"
#include "CBCGPDockingPreview.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMemDC.h"
#include "CBCGPMiniFrameWnd.h"
#include "CBCGPPopupMenu.h"
#include "CBCGPTabbedControlBar.h"
#include "CBCGPVisualManager.h"
#include "bcgres.h"

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
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENUPOPUP()
    ON_COMMAND_RANGE(ID_BCGP_BAR_FLOATING, ID_BCGP_BAR_HIDE, &CBCGPDockingControlBar::OnBarMenuCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_BCGP_BAR_FLOATING, ID_BCGP_BAR_HIDE, &CBCGPDockingControlBar::OnUpdateBarMenuCommand)
    ON_WM_KEYDOWN()
    ON_WM_CANCELMODE()
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
    delete m_pPreview;
}

BOOL CBCGPDockingControlBar::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect, BOOL bHasGripper,
    UINT nID, DWORD dwStyle, DWORD dwTabbedStyle, DWORD dwControlBarStyle, CCreateContext*)
{
    m_bHasGripper = bHasGripper;
    m_dwTabbedStyle = dwTabbedStyle;
    m_dwControlBarStyle = dwControlBarStyle;
    // The low word of dwStyle carries bar bits (the edge); the window keeps the rest. A pane slid
    // in over its neighbours is not painted over by them.
    DWORD dwWndStyle = (dwStyle & 0xFFFF0000) | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
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
    if (m_hWnd == NULL || ShowAsTab(bShow, bDelay, bActivate))
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
    {
        if (pManager->IsDocked(this))
        {
            GetWindowRect(&m_rectRecentDocked);
            m_dwRecentDockedAlignment = GetCurrentAlignment();
        }
        pManager->RemoveControlBar(this);
    }
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
    // At the size it had there, not the floating one.
    CRect rectDocked = GetDockingRect(dwAlign);
    pManager->DockControlBar(this, dwAlign, &rectDocked);
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
    CBCGPAutoHideToolBar* pCurrAutoHideBar, BOOL bUseTimer)
{
    // A tab hides with its container, as one group of buttons.
    if (CBCGPTabbedControlBar* pTabbed = GetParentTabbedBar())
        return pTabbed->SetAutoHideMode(bMode, dwAlignment, pCurrAutoHideBar, bUseTimer);
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
    const CBCGPDockingControlBar* pSite = GetParentTabbedBar();
    return (pSite != NULL ? pSite : this)->m_pAutoHideBar != NULL;
}

void CBCGPDockingControlBar::Slide(BOOL bSlideOut, BOOL bUseTimer)
{
    if (CBCGPTabbedControlBar* pTabbed = GetParentTabbedBar())
    {
        // A tab slides in with its container, in front.
        if (bSlideOut && pTabbed->IsAutoHideMode())
            pTabbed->GetUnderlyingWindow()->SetActiveTab(pTabbed->GetUnderlyingWindow()->GetTabFromHwnd(m_hWnd));
        pTabbed->CBCGPDockingControlBar::Slide(bSlideOut, bUseTimer);
        return;
    }
    if (!IsAutoHideMode())
        return;
    if (bSlideOut && GetDockManager()->GetSlideInRect(this).IsRectEmpty())
        return; // no room in the frame
    m_nSlideTarget = bSlideOut ? SLIDE_STEPS : 0;
    if (bSlideOut && !IsWindowVisible())
    {
        GetDockManager()->SlideOutOthers(this); // one pane in at a time
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
    return rect.PtInRect(point) || m_pAutoHideBar->IsOverButtonOf(this, point);
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
        // The focus counts from the start (a click gives it at once); the rest is judged once
        // the pane is all in.
        if (IsActive())
            m_bSlideHadFocus = TRUE;
        if (m_nSlideStep != SLIDE_STEPS || m_nSlideTarget != SLIDE_STEPS || IsActive())
            return;
        if (m_bSlideHadFocus || !IsMouseOverSlide())
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
    return CRect(0, 0, rect.Width(), std::min(Scaled(CAPTION_HEIGHT), rect.Height()));
}

void CBCGPDockingControlBar::OnDpiChanged()
{
    SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
}

CRect CBCGPDockingControlBar::GetCloseButtonRect() const
{
    CRect rect = GetCaptionRect();
    if (rect.IsRectEmpty() || (m_dwControlBarStyle & CBRS_BCGP_CLOSE) == 0)
        return CRect(0, 0, 0, 0);
    const int nInset = Scaled(2), nSize = rect.Height() - 2 * nInset;
    return CRect(rect.right - nInset - nSize, rect.top + nInset, rect.right - nInset, rect.top + nInset + nSize);
}

void CBCGPDockingControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rect = lpncsp->rgrc[0];
    if (ShowsCaption())
        rect.top = std::min(rect.bottom, rect.top + (LONG)Scaled(CAPTION_HEIGHT));
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
    pManager->OnDrawCaption(&dcMem, rectCaption, strText, m_bActiveShown, nButtons, m_nDpi);
    if (!rectClose.IsRectEmpty())
        pManager->OnDrawCaptionButton(&dcMem, rectClose, m_bActiveShown, m_bClosePressed, m_nDpi);
    if (!rectPin.IsRectEmpty())
        pManager->OnDrawPinButton(&dcMem, rectPin, m_bActiveShown, IsAutoHideMode(), m_nDpi);
}

CRect CBCGPDockingControlBar::GetPinButtonRect() const
{
    CRect rect = GetCaptionRect();
    if (rect.IsRectEmpty() || (m_dwControlBarStyle & CBRS_BCGP_AUTOHIDE) == 0)
        return CRect(0, 0, 0, 0);
    CRect rectClose = GetCloseButtonRect();
    const int nInset = Scaled(2), nSize = rect.Height() - 2 * nInset;
    int nRight = rectClose.IsRectEmpty() ? rect.right - nInset : rectClose.left - Scaled(1);
    return CRect(nRight - nSize, rect.top + nInset, nRight, rect.top + nInset + nSize);
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
        RememberDragOrigin();
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
    if (m_pAutoHideBar != NULL)
        CBCGPDockingControlBar::SetAutoHideMode(FALSE, GetCurrentAlignment(), NULL, FALSE); // out of its strip
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
    // The frame's markers while the mouse is over the frame, the cross over a docked pane.
    CRect rectFrame;
    m_pDockSite->GetWindowRect(&rectFrame);
    if (m_pMarkers == NULL)
        m_pMarkers = new CBCGPDockingMarkers;
    if (m_pPreview == NULL)
        m_pPreview = new CBCGPDockingPreview;
    if (pManager == NULL || (m_pDropTarget == NULL && !rectFrame.PtInRect(ptScreen)))
    {
        m_pMarkers->HideMarkers();
        m_pPreview->HidePreview();
        return;
    }
    CRect rectTarget(0, 0, 0, 0);
    if (m_pDropTarget != NULL)
        m_pDropTarget->GetWindowRect(&rectTarget);
    m_pPreview->ShowAt(m_pDockSite, GetDropRect(m_pMarkers->HitTest(ptScreen), m_pDropTarget));
    m_pMarkers->ShowOver(m_pDockSite, pManager->GetDockingArea(), rectTarget, GetOfferedMarkers(m_pDropTarget), ptScreen);
    // The lit marker may have changed with the markers.
    m_pPreview->ShowAt(m_pDockSite, GetDropRect(m_pMarkers->GetLitMarker(), m_pDropTarget));
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
    if (m_pPreview != NULL)
        m_pPreview->HidePreview();
    CBCGPDockingControlBar* pTarget = m_pDropTarget;
    m_pDropTarget = NULL;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!bDrop)
        RestoreDragOrigin();
    else if (!GetDropRect(marker, pTarget).IsRectEmpty())
        DropOn(marker, pTarget);
    m_dragOrigin.kind = DragOrigin::NONE;
}

DWORD CBCGPDockingControlBar::GetOfferedMarkers(CBCGPDockingControlBar* pTarget) const
{
    CBCGPDockManager* pManager = GetDockManager();
    if (pManager == NULL)
        return 0;
    const DWORD dwAllowed = pManager->GetEnabledAlignment() & m_dwEnabledAlignment;
    static const DWORD s_sides[] = {CBRS_ALIGN_LEFT, CBRS_ALIGN_TOP, CBRS_ALIGN_RIGHT, CBRS_ALIGN_BOTTOM};
    DWORD dwMarkers = 0;
    for (int i = 0; i < 4; i++)
        if ((dwAllowed & s_sides[i]) != 0)
            dwMarkers |= CBCGPDockingMarkers::Bit((CBCGPDockingMarkers::Marker)(CBCGPDockingMarkers::MARKER_FRAME_LEFT + i));
    if (pTarget == NULL)
        return dwMarkers;
    // A container never becomes a tab; a pane shares the target's place along its edge.
    if (!IsKindOf(RUNTIME_CLASS(CBCGPTabbedControlBar)))
        dwMarkers |= CBCGPDockingMarkers::Bit(CBCGPDockingMarkers::MARKER_CENTER);
    DWORD dwEdge = pTarget->GetCurrentAlignment();
    if ((dwAllowed & dwEdge) == 0)
        return dwMarkers;
    if ((dwEdge & CBRS_ORIENT_HORZ) != 0)
        dwMarkers |= CBCGPDockingMarkers::Bit(CBCGPDockingMarkers::MARKER_LEFT) |
                     CBCGPDockingMarkers::Bit(CBCGPDockingMarkers::MARKER_RIGHT);
    else
        dwMarkers |= CBCGPDockingMarkers::Bit(CBCGPDockingMarkers::MARKER_TOP) |
                     CBCGPDockingMarkers::Bit(CBCGPDockingMarkers::MARKER_BOTTOM);
    return dwMarkers;
}

CRect CBCGPDockingControlBar::GetDropRect(CBCGPDockingMarkers::Marker marker, CBCGPDockingControlBar* pTarget) const
{
    CBCGPDockManager* pManager = GetDockManager();
    if (marker == CBCGPDockingMarkers::MARKER_NONE || pManager == NULL ||
        (GetOfferedMarkers(pTarget) & CBCGPDockingMarkers::Bit(marker)) == 0)
        return CRect(0, 0, 0, 0);
    if (marker >= CBCGPDockingMarkers::MARKER_FRAME_LEFT)
    {
        static const DWORD s_sides[] = {CBRS_ALIGN_LEFT, CBRS_ALIGN_TOP, CBRS_ALIGN_RIGHT, CBRS_ALIGN_BOTTOM};
        return pManager->GetDockPreviewRect(this, s_sides[marker - CBCGPDockingMarkers::MARKER_FRAME_LEFT]);
    }
    CRect rect;
    pTarget->GetWindowRect(&rect);
    switch (marker)
    {
    case CBCGPDockingMarkers::MARKER_LEFT: rect.right = rect.left + rect.Width() / 2; break;
    case CBCGPDockingMarkers::MARKER_TOP: rect.bottom = rect.top + rect.Height() / 2; break;
    case CBCGPDockingMarkers::MARKER_RIGHT: rect.left = rect.right - rect.Width() / 2; break;
    case CBCGPDockingMarkers::MARKER_BOTTOM: rect.top = rect.bottom - rect.Height() / 2; break;
    default: break;
    }
    return rect;
}

void CBCGPDockingControlBar::DropOn(CBCGPDockingMarkers::Marker marker, CBCGPDockingControlBar* pTarget)
{
    if (marker == CBCGPDockingMarkers::MARKER_CENTER)
    {
        AttachToTabWnd(pTarget, DM_MOUSE);
        return;
    }
    if (marker >= CBCGPDockingMarkers::MARKER_FRAME_LEFT)
    {
        static const UINT s_ids[] = {AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_RIGHT, AFX_IDW_DOCKBAR_BOTTOM};
        if (CBCGPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, m_pDockSite))
            pFrame->DockControlBar(this, s_ids[marker - CBCGPDockingMarkers::MARKER_FRAME_LEFT]);
        return;
    }
    // A side of the target: the two share its place, a slider between them.
    BOOL bAfter = marker == CBCGPDockingMarkers::MARKER_RIGHT || marker == CBCGPDockingMarkers::MARKER_BOTTOM;
    if (IsFloating() && GetDockManager()->InsertControlBar(this, pTarget, bAfter))
        ReturnFromMiniFrame();
}

void CBCGPDockingControlBar::ReturnFromMiniFrame()
{
    if (IsFloating())
        LeaveSite();
    SetWindowPos(NULL, 0, 0, 0, 0,
        SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    if (CBCGPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, m_pDockSite))
        pFrame->AddControlBar(this);
    m_pDockSite->RecalcLayout();
}

void CBCGPDockingControlBar::RememberDragOrigin()
{
    DragOrigin origin;
    origin.recent = m_recentDockInfo;
    CBCGPDockManager* pManager = GetDockManager();
    if (CBCGPTabbedControlBar* pTabbed = GetParentTabbedBar())
    {
        CBCGPTabWnd* pTabs = pTabbed->GetUnderlyingWindow();
        origin.kind = DragOrigin::TABBED;
        origin.hTabbed = pTabbed->m_hWnd;
        origin.nTab = pTabs->GetTabFromHwnd(m_hWnd);
        origin.hSibling = pTabs->GetTabWnd(origin.nTab == 0 ? 1 : 0)->GetSafeHwnd();
        origin.hWndBefore = ::GetWindow(pTabbed->m_hWnd, GW_HWNDPREV);
    }
    else if (IsFloating())
    {
        origin.kind = DragOrigin::FLOATING;
        m_pMiniFrame->GetWindowRect(&origin.rectFloat);
    }
    else if (pManager != NULL && pManager->GetDockedPlace(this, origin.place))
    {
        origin.kind = DragOrigin::DOCKED;
        origin.hWndBefore = ::GetWindow(m_hWnd, GW_HWNDPREV);
    }
    m_dragOrigin = origin;
}

namespace {

// Back to its place in Z order (so in the tab order too), below hWndBefore, or on top.
void PlaceAfter(CWnd* pWnd, HWND hWndBefore)
{
    pWnd->SetWindowPos(hWndBefore != NULL && ::IsWindow(hWndBefore) ? CWnd::FromHandle(hWndBefore) : &CWnd::wndTop, 0, 0,
        0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace

void CBCGPDockingControlBar::RestoreDragOrigin()
{
    const DragOrigin origin = m_dragOrigin;
    m_dragOrigin.kind = DragOrigin::NONE;
    CBCGPDockManager* pManager = GetDockManager();
    if (origin.kind == DragOrigin::FLOATING && IsFloating())
        m_pMiniFrame->SetWindowPos(NULL, origin.rectFloat.left, origin.rectFloat.top, origin.rectFloat.Width(),
            origin.rectFloat.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    else if (origin.kind == DragOrigin::DOCKED && IsFloating() && pManager != NULL &&
             pManager->RestoreDockedPlace(this, origin.place))
    {
        ReturnFromMiniFrame();
        PlaceAfter(this, origin.hWndBefore);
    }
    else if (origin.kind == DragOrigin::TABBED && IsFloating())
    {
        // Into the container again at its old place; gone (one tab was left), made anew with
        // the tab that stayed.
        auto* pTabbed = DYNAMIC_DOWNCAST(CBCGPTabbedControlBar, CWnd::FromHandlePermanent(origin.hTabbed));
        auto* pSibling = DYNAMIC_DOWNCAST(CBCGPDockingControlBar, CWnd::FromHandlePermanent(origin.hSibling));
        LeaveSite();
        if (pTabbed != NULL && ::IsWindow(origin.hTabbed))
            pTabbed->AddTab(this, TRUE, TRUE);
        else if (pSibling != NULL)
            pTabbed = DYNAMIC_DOWNCAST(CBCGPTabbedControlBar, AttachToTabWnd(pSibling, DM_UNKNOWN, TRUE));
        if (pTabbed != NULL && GetParentTabbedBar() == pTabbed)
        {
            pTabbed->GetUnderlyingWindow()->MoveTab(pTabbed->GetUnderlyingWindow()->GetTabFromHwnd(m_hWnd), origin.nTab);
            PlaceAfter(pTabbed, origin.hWndBefore);
        }
        else
            FloatControlBar(origin.recent.m_rectRecentFloatingRect, DM_UNKNOWN, true); // nowhere to go back to
    }
    m_recentDockInfo = origin.recent;
    m_pDockSite->RecalcLayout();
}

void CBCGPDockingControlBar::StartFloatingDrag(CPoint ptScreen)
{
    if (!IsFloating() || m_bCaptionDragging)
        return;
    if (!IsActive())
        SetFocus();
    RememberDragOrigin();
    m_bCaptionDragging = TRUE;
    m_ptDragLast = ptScreen;
    SetCapture();
}

BOOL CBCGPDockingControlBar::TearOffTab(CPoint ptScreen)
{
    CBCGPTabbedControlBar* pTabbed = GetParentTabbedBar();
    if (pTabbed == NULL || m_bCaptionDragging)
        return FALSE;
    RememberDragOrigin();
    // The mini frame comes out under the mouse, its caption held, at the container's size.
    CRect rect;
    pTabbed->GetWindowRect(&rect);
    CPoint ptCorner(ptScreen.x - std::min(40, rect.Width() / 2), ptScreen.y - ::GetSystemMetrics(SM_CYSMCAPTION) / 2);
    m_recentDockInfo.m_rectRecentFloatingRect = CRect(ptCorner, rect.Size());
    int nTab = pTabbed->GetUnderlyingWindow()->GetTabFromHwnd(m_hWnd);
    if (!pTabbed->FloatTab(this, nTab, DM_MOUSE, FALSE) || !IsFloating())
    {
        m_recentDockInfo = m_dragOrigin.recent;
        m_dragOrigin.kind = DragOrigin::NONE;
        return FALSE;
    }
    if (!IsActive())
        SetFocus();
    m_bCaptionDragging = TRUE;
    m_ptDragLast = ptScreen;
    SetCapture();
    DragTo(ptScreen);
    return TRUE;
}

void CBCGPDockingControlBar::CancelDrag()
{
    if (m_bCaptionDragging)
        EndDrag(FALSE, m_ptDragLast);
}

BOOL CBCGPDockingControlBar::PreTranslateMessage(MSG* pMsg)
{
    // Esc ends a drag wherever the focus is inside the pane.
    if (m_bCaptionDragging && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
    {
        CancelDrag();
        return TRUE;
    }
    return CBCGPControlBar::PreTranslateMessage(pMsg);
}

void CBCGPDockingControlBar::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE && m_bCaptionDragging)
        CancelDrag();
    else
        CBCGPControlBar::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CBCGPDockingControlBar::OnCancelMode()
{
    CancelDrag();
    CBCGPControlBar::OnCancelMode();
}

CRect CBCGPDockingControlBar::GetDockingRect(DWORD dwAlignment) const
{
    if (dwAlignment == m_dwRecentDockedAlignment && !m_rectRecentDocked.IsRectEmpty())
        return m_rectRecentDocked;
    CRect rect;
    GetWindowRect(&rect);
    return rect;
}

BOOL CBCGPDockingControlBar::ShowAsTab(BOOL bShow, BOOL bDelay, BOOL bActivate)
{
    CBCGPTabbedControlBar* pTabbed = GetParentTabbedBar();
    if (pTabbed == NULL)
        return FALSE;
    if (bShow)
        pTabbed->GetUnderlyingWindow()->SetActiveTab(pTabbed->GetUnderlyingWindow()->GetTabFromHwnd(m_hWnd));
    pTabbed->ShowControlBar(bShow, bDelay, FALSE);
    if (bShow && bActivate)
        SetFocus();
    return TRUE;
}

CBCGPDockingControlBar* CBCGPDockingControlBar::GetBarMenuTarget()
{
    CBCGPTabbedControlBar* pTabbed = GetParentTabbedBar();
    return pTabbed != NULL ? pTabbed : this;
}

void CBCGPDockingControlBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CBCGPTabbedControlBar* pTabbed = DYNAMIC_DOWNCAST(CBCGPTabbedControlBar, this);
    if (pWnd == this && point == CPoint(-1, -1))
        ShowBarMenu(rectWindow.TopLeft() + CPoint(0, GetCaptionRect().bottom)); // from the keyboard
    else if (pWnd == this && GetCaptionRect().PtInRect(CPoint(point.x - rectWindow.left, point.y - rectWindow.top)))
        ShowBarMenu(point);
    else if (pTabbed != NULL && pWnd == pTabbed->GetUnderlyingWindow())
    {
        // On a tab: the menu of that tab's pane.
        CBCGPTabWnd* pTabs = pTabbed->GetUnderlyingWindow();
        CPoint ptTabs = point;
        pTabs->ScreenToClient(&ptTabs);
        CBCGPDockingControlBar* pBar = DYNAMIC_DOWNCAST(CBCGPDockingControlBar, pTabs->GetTabWnd(pTabs->GetTabFromPoint(ptTabs)));
        if (pBar != NULL)
            pBar->ShowBarMenu(point);
    }
    else
        Default();
}

BOOL CBCGPDockingControlBar::ShowBarMenu(CPoint ptScreen)
{
    CMenu menu;
    if (m_hWnd == NULL || !menu.LoadMenu(IDR_BCGP_BAR_MENU) || menu.GetSubMenu(0) == NULL)
        return FALSE;
    // The commands come back to this pane; its items are set as the menu opens (WM_INITMENUPOPUP).
    CBCGPPopupMenu* pPopup = new CBCGPPopupMenu;
    if (!pPopup->Create(this, ptScreen.x, ptScreen.y, menu.GetSubMenu(0)->m_hMenu, FALSE, TRUE))
    {
        delete pPopup;
        return FALSE;
    }
    CBCGPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, AfxGetMainWnd());
    if (pFrame != NULL && !pFrame->OnShowPopupMenu(pPopup))
    {
        pPopup->CloseMenu();
        return FALSE;
    }
    return TRUE;
}

void CBCGPDockingControlBar::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (!bSysMenu && pPopupMenu != NULL)
        CCmdUI::UpdateMenuItems(pPopupMenu, this, FALSE);
}

void CBCGPDockingControlBar::OnUpdateBarMenuCommand(CCmdUI* pCmdUI)
{
    CBCGPDockingControlBar* pTarget = GetBarMenuTarget();
    CBCGPDockManager* pManager = GetDockManager();
    BOOL bAutoHide = pTarget->IsAutoHideMode();
    switch (pCmdUI->m_nID)
    {
    case ID_BCGP_BAR_FLOATING:
        pCmdUI->SetCheck(IsFloating());
        pCmdUI->Enable(CanFloat());
        break;
    case ID_BCGP_BAR_DOCKING:
        // Back from floating to the edge it left, or pinned again from its strip.
        pCmdUI->SetCheck(!IsFloating() && !bAutoHide);
        pCmdUI->Enable(IsFloating() ? (m_recentDockInfo.m_dwRecentAlignmentToFrame & m_dwEnabledAlignment) != 0 : TRUE);
        break;
    case ID_BCGP_BAR_AUTOHIDE:
        pCmdUI->SetCheck(bAutoHide);
        pCmdUI->Enable((pTarget->GetControlBarStyle() & CBRS_BCGP_AUTOHIDE) != 0 &&
            (bAutoHide || (pManager != NULL && pManager->IsDocked(pTarget) &&
                              (pManager->GetAutoHideAlignment() & pTarget->GetCurrentAlignment()) != 0)));
        break;
    default:
        pCmdUI->Enable((pTarget->GetControlBarStyle() & CBRS_BCGP_CLOSE) != 0);
        break;
    }
}

void CBCGPDockingControlBar::OnBarMenuCommand(UINT nID)
{
    CBCGPDockingControlBar* pTarget = GetBarMenuTarget();
    BOOL bAutoHide = pTarget->IsAutoHideMode();
    switch (nID)
    {
    case ID_BCGP_BAR_FLOATING:
        if (!IsFloating() && CanFloat())
            FloatControlBar(m_recentDockInfo.m_rectRecentFloatingRect, DM_SHOW, true);
        break;
    case ID_BCGP_BAR_DOCKING:
        if (IsFloating())
            DockToRecentPos();
        else if (bAutoHide)
            pTarget->SetAutoHideMode(FALSE, pTarget->GetCurrentAlignment(), NULL, TRUE);
        break;
    case ID_BCGP_BAR_AUTOHIDE:
        pTarget->SetAutoHideMode(!bAutoHide, pTarget->GetCurrentAlignment(), NULL, TRUE);
        break;
    default:
        pTarget->OnPressCloseButton();
        break;
    }
}
