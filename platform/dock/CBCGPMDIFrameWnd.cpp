// CBCGPMDIFrameWnd.cpp: the MDI frame with a menu bar: the window's menu moved into the bar, the
// children's menus and maximized state followed, the bars' idle update, and Alt+letter opening
// the bar's popups.
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPBaseControlBar.h"
#include "CBCGPDockingControlBar.h"
#include "CBCGPMenuBar.h"
#include "CBCGPTabbedControlBar.h"

#include <afxpriv.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CBCGPMDIFrameWnd, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CBCGPMDIFrameWnd, CMDIFrameWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CBCGPMDIFrameWnd::OnIdleUpdateCmdUI)
    ON_WM_SYSCOMMAND()
    ON_MESSAGE(WM_DPICHANGED, &CBCGPMDIFrameWnd::OnDpiChanged)
END_MESSAGE_MAP()

CBCGPMDIFrameWnd::CBCGPMDIFrameWnd() : m_nMaximizeHold(0), m_pMenuBar(NULL)
{
    m_dockManager.Create(this);
}

CBCGPMDIFrameWnd::~CBCGPMDIFrameWnd()
{
    delete m_pMenuBar;
}

CBCGPMenuBar* CBCGPMDIFrameWnd::NewMenuBar()
{
    return new CBCGPMenuBar;
}

BOOL CBCGPMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    if (!CMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    HMENU hMenu = ::GetMenu(m_hWnd);
    if (hMenu == NULL || m_pMenuBar != NULL)
        return TRUE;
    // The menu leaves the window for the bar; the frame keeps it as its default menu (and puts
    // it back into the window as it goes, so that Windows frees it).
    m_pMenuBar = NewMenuBar();
    if (m_pMenuBar == NULL || !m_pMenuBar->Create(this))
    {
        delete m_pMenuBar;
        m_pMenuBar = NULL;
        return TRUE;
    }
    m_pMenuBar->CreateFromMenu(hMenu, TRUE);
    AddControlBar(m_pMenuBar, FALSE);
    ::SetMenu(m_hWnd, NULL);
    RecalcLayout();
    return TRUE;
}

BOOL CBCGPMDIFrameWnd::CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu)
{
    if (!CMDIFrameWnd::CreateClient(lpCreateStruct, pWindowMenu))
        return FALSE;
    // A pane slid in from its strip lies over the client: the documents must not paint over it.
    ::SetWindowLongA(m_hWndMDIClient, GWL_STYLE, ::GetWindowLongA(m_hWndMDIClient, GWL_STYLE) | WS_CLIPSIBLINGS);
    return m_wndClientArea.SubclassWindow(m_hWndMDIClient);
}

BOOL CBCGPMDIFrameWnd::OnShowPopupMenu(CBCGPPopupMenu*)
{
    return TRUE;
}

BOOL CBCGPMDIFrameWnd::AddControlBar(CBCGPBaseControlBar* pBar, BOOL bTail)
{
    if (pBar == NULL || std::find(m_bars.begin(), m_bars.end(), pBar) != m_bars.end())
        return FALSE;
    m_bars.insert(bTail ? m_bars.end() : m_bars.begin(), pBar);
    return TRUE;
}

void CBCGPMDIFrameWnd::RemoveControlBarFromDockManager(CBCGPBaseControlBar* pBar)
{
    m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), pBar), m_bars.end());
    m_dockManager.RemoveControlBar(pBar);
}

BOOL CBCGPMDIFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_dockManager.EnableDocking(dwDockStyle);
    return TRUE;
}

void CBCGPMDIFrameWnd::DockControlBar(CBCGPBaseControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CBCGPDockingControlBar* pDocking = DYNAMIC_DOWNCAST(CBCGPDockingControlBar, pBar);
    if (pDocking == NULL || pDocking->m_hWnd == NULL)
        return;
    DWORD dwAllowed = pDocking->GetEnabledAlignment() & m_dockManager.GetEnabledAlignment();
    DWORD dwAlign = 0;
    switch (nDockBarID)
    {
    case AFX_IDW_DOCKBAR_TOP: dwAlign = CBRS_ALIGN_TOP; break;
    case AFX_IDW_DOCKBAR_BOTTOM: dwAlign = CBRS_ALIGN_BOTTOM; break;
    case AFX_IDW_DOCKBAR_LEFT: dwAlign = CBRS_ALIGN_LEFT; break;
    case AFX_IDW_DOCKBAR_RIGHT: dwAlign = CBRS_ALIGN_RIGHT; break;
    default:
    {
        // The edge the pane was made for, else the first it may take.
        DWORD dwFrom = pDocking->GetCurrentAlignment() & dwAllowed;
        if (dwFrom == 0)
            dwFrom = dwAllowed;
        for (DWORD dw : {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT})
            if (dwAlign == 0 && (dwFrom & dw) != 0)
                dwAlign = dw;
        break;
    }
    }
    if (CBCGPTabbedControlBar* pTabbed = pDocking->GetParentTabbedBar())
    {
        // Out of its container first, shown at the edge.
        pTabbed->DetachBar(pDocking);
        pDocking->ShowWindow(SW_SHOWNA);
    }
    if (pDocking->IsFloating())
    {
        pDocking->m_recentDockInfo.m_dwRecentAlignmentToFrame = dwAlign;
        pDocking->DockToRecentPos();
        return;
    }
    if (!m_dockManager.DockControlBar(pDocking, dwAlign, lpRect))
        return;
    AddControlBar(pDocking);
    RecalcLayout();
}

void CBCGPMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_hWnd == NULL || m_dockManager.IsLayoutHeld())
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    AFX_SIZEPARENTPARAMS layout = {};
    GetClientRect(&layout.rect);
    layout.bStretch = TRUE;
    layout.hDWP = ::BeginDeferWindowPos(16);
    // The bars that keep to a side on their own (the menu bar, the status bar) first, across the
    // whole frame; docking panes ignore this message.
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        if (hChild != m_hWndMDIClient)
            ::SendMessageA(hChild, WM_SIZEPARENT, 0, (LPARAM)&layout);
    CRect rect(layout.rect);
    m_dockManager.AdjustDockingLayout(rect, layout.hDWP);
    if (m_hWndMDIClient != NULL)
    {
        UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
        if (layout.hDWP != NULL)
            layout.hDWP = ::DeferWindowPos(layout.hDWP, m_hWndMDIClient, NULL, rect.left, rect.top, rect.Width(), rect.Height(), nFlags);
        else
            ::SetWindowPos(m_hWndMDIClient, NULL, rect.left, rect.top, rect.Width(), rect.Height(), nFlags);
    }
    if (layout.hDWP != NULL)
        ::EndDeferWindowPos(layout.hDWP);
    m_bInRecalcLayout = FALSE;
}

BOOL CBCGPMDIFrameWnd::OnSetMenu(HMENU hMenu, HMENU* phOld)
{
    if (m_pMenuBar == NULL || m_pMenuBar->m_hWnd == NULL)
        return FALSE;
    if (phOld != NULL)
        *phOld = m_pMenuBar->GetHMenu();
    m_pMenuBar->CreateFromMenu(hMenu, hMenu == m_hMenuDefault);
    return TRUE;
}

void CBCGPMDIFrameWnd::UpdateMaximizeMode()
{
    if (m_pMenuBar == NULL || m_pMenuBar->m_hWnd == NULL || m_nMaximizeHold > 0)
        return;
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActive = MDIGetActive(&bMaximized);
    HWND hWndMaximized = bMaximized ? pActive->GetSafeHwnd() : NULL;
    if (m_pMenuBar->IsMaximizeMode() == (hWndMaximized != NULL) &&
        m_pMenuBar->GetMaximizedWnd()->GetSafeHwnd() == hWndMaximized)
        return;
    m_pMenuBar->SetMaximizeMode(hWndMaximized != NULL, hWndMaximized != NULL ? pActive : NULL);
}

LRESULT CBCGPMDIFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    CMDIFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
    // The bars inside the frame hear the idle update with its other descendants; the bars that
    // float in windows of their own hear it from here.
    std::vector<CBCGPBaseControlBar*> bars = m_bars; // a bar may go while it updates
    for (CBCGPBaseControlBar* pBar : bars)
    {
        if (pBar->m_hWnd != NULL && !::IsChild(m_hWnd, pBar->m_hWnd))
            pBar->SendMessage(WM_IDLEUPDATECMDUI, wParam, lParam);
    }
    return 0;
}

LRESULT CBCGPMDIFrameWnd::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    m_dockManager.SetDpi(CDpi::FromMessage(m_hWnd, WM_DPICHANGED, wParam));
    const RECT* pSuggested = (const RECT*)lParam;
    if (pSuggested != NULL)
        SetWindowPos(NULL, pSuggested->left, pSuggested->top, pSuggested->right - pSuggested->left,
            pSuggested->bottom - pSuggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcLayout();
    return 0;
}

void CBCGPMDIFrameWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    // Alt+letter: the window has no menu of its own, the bar opens the popup.
    if ((nID & 0xFFF0) == SC_KEYMENU && lParam != 0 && lParam != ' ' && m_pMenuBar != NULL &&
        m_pMenuBar->m_hWnd != NULL && m_pMenuBar->TranslateChar((UINT)lParam))
        return;
    Default();
}
