// CBCGPMenuBar.cpp: the menu bar: buttons laid out from the menu's items, their popups tracked
// for the frame (moving to the neighbouring popup with the mouse or the arrow keys), command-UI
// for the command buttons, the maximized child's system parts, and off-screen painting.
#include "CBCGPMenuBar.h"
#include "CBCGPMemDC.h"
#include "CBCGPMenuOwner.h"
#include "CBCGPVisualManager.h"

#include <afxwin.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CBCGPMenuBar, CBCGPControlBar)

BEGIN_MESSAGE_MAP(CBCGPMenuBar, CBCGPControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, &CBCGPMenuBar::OnMouseLeave)
    ON_WM_CAPTURECHANGED()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

namespace {

// At 96 DPI, scaled to the bar's.
const int kEdge = 2; // space at either end of the bar
const int kTextMargin = 7; // on either side of a button's text
const int kIconSize = 16; // the maximized child's icon

// The bar that tracks a popup now: one at a time on the user-interface thread.
CBCGPMenuBar* s_pTrackingBar = NULL;

} // namespace

// Command-UI handlers reach the command buttons through this.
class CBCGPMenuBar::CMenuBarCmdUI : public CCmdUI
{
public:
    explicit CMenuBarCmdUI(CBCGPMenuBar* pBar) : m_pBar(pBar) {}
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        CMenuButton& button = m_pBar->m_buttons[m_nIndex];
        if (button.bEnabled != (bOn != FALSE))
        {
            button.bEnabled = bOn != FALSE;
            m_pBar->Invalidate(FALSE);
        }
    }
    void SetCheck(int nCheck) override
    {
        CMenuButton& button = m_pBar->m_buttons[m_nIndex];
        if (button.bChecked != (nCheck != 0))
        {
            button.bChecked = nCheck != 0;
            m_pBar->Invalidate(FALSE);
        }
    }
    void SetText(LPCTSTR lpszText) override
    {
        CString strText = lpszText != NULL ? lpszText : "";
        if (m_pBar->m_buttons[m_nIndex].strText != strText)
        {
            m_pBar->m_buttons[m_nIndex].strText = strText;
            m_pBar->RecalcButtons();
            m_pBar->Invalidate(FALSE);
        }
    }

private:
    CBCGPMenuBar* m_pBar;
};

CBCGPMenuBar::CBCGPMenuBar()
    : m_hMenu(NULL), m_bDefaultMenu(FALSE), m_hWndMaximized(NULL), m_hFont(NULL), m_nHot(hitNone),
      m_nPressed(hitNone), m_nNextPopup(hitNone), m_bTracking(FALSE)
{
}

CBCGPMenuBar::~CBCGPMenuBar()
{
    if (m_hFont != NULL)
        ::DeleteObject(m_hFont);
}

BOOL CBCGPMenuBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    DWORD dwBarStyle = dwStyle & CBRS_ALIGN_ANY;
    if (dwBarStyle == 0)
        dwBarStyle = CBRS_ALIGN_TOP;
    if (!CreateBar("Menu Bar", dwStyle & ~CBRS_ALIGN_ANY, dwBarStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    RecalcButtons();
    return TRUE;
}

void CBCGPMenuBar::CreateFromMenu(HMENU hMenu, BOOL bDefaultMenu)
{
    m_hMenu = ::IsMenu(hMenu) ? hMenu : NULL;
    m_bDefaultMenu = bDefaultMenu;
    m_buttons.clear();
    int nCount = m_hMenu != NULL ? ::GetMenuItemCount(m_hMenu) : 0;
    for (int i = 0; i < nCount; i++)
    {
        UINT nState = ::GetMenuState(m_hMenu, (UINT)i, MF_BYPOSITION);
        // A popup's high byte counts its items: eight of them would read as MF_SEPARATOR.
        if (::GetSubMenu(m_hMenu, i) != NULL)
            nState = LOBYTE(nState);
        if (nState & MF_SEPARATOR)
            continue;
        CMenuButton button;
        char szText[256] = "";
        ::GetMenuStringA(m_hMenu, (UINT)i, szText, sizeof(szText), MF_BYPOSITION);
        button.strText = szText;
        button.hPopup = ::GetSubMenu(m_hMenu, i);
        button.nID = button.hPopup != NULL ? (UINT)-1 : ::GetMenuItemID(m_hMenu, i);
        button.bEnabled = (nState & (MF_GRAYED | MF_DISABLED)) == 0;
        button.bChecked = (nState & MF_CHECKED) != 0;
        m_buttons.push_back(button);
    }
    m_nHot = m_nPressed = hitNone;
    if (m_hWnd != NULL)
    {
        RecalcButtons();
        Invalidate(FALSE);
    }
}

void CBCGPMenuBar::SetMaximizeMode(BOOL bMax, CWnd* pWnd, BOOL bRecalcLayout)
{
    m_hWndMaximized = bMax ? pWnd->GetSafeHwnd() : NULL;
    if (m_nHot < hitNone)
        m_nHot = hitNone;
    if (m_hWnd == NULL)
        return;
    RecalcButtons();
    Invalidate(FALSE);
    if (bRecalcLayout && m_pDockSite != NULL)
        m_pDockSite->DelayRecalcLayout();
}

CString CBCGPMenuBar::GetButtonText(int i) const
{
    return i >= 0 && i < GetCount() ? m_buttons[i].strText : CString();
}

UINT CBCGPMenuBar::GetButtonID(int i) const
{
    return i >= 0 && i < GetCount() ? m_buttons[i].nID : 0;
}

BOOL CBCGPMenuBar::IsButtonEnabled(int i) const
{
    return i >= 0 && i < GetCount() && m_buttons[i].bEnabled;
}

BOOL CBCGPMenuBar::IsButtonChecked(int i) const
{
    return i >= 0 && i < GetCount() && m_buttons[i].bChecked;
}

CRect CBCGPMenuBar::GetButtonRect(int i) const
{
    return i >= 0 && i < GetCount() ? m_buttons[i].rect : CRect(0, 0, 0, 0);
}

HFONT CBCGPMenuBar::GetMenuFont()
{
    if (m_hFont == NULL)
    {
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof(metrics);
        if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        {
            // The system's menu font is the screen's: at the bar's DPI, as large as that asks.
            metrics.lfMenuFont.lfHeight = CDpi::ScaleFontHeight(metrics.lfMenuFont.lfHeight,
                CDpi::ForWindow(NULL), m_nDpi);
            m_hFont = ::CreateFontIndirectA(&metrics.lfMenuFont);
        }
    }
    return m_hFont != NULL ? m_hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

CSize CBCGPMenuBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // The bar is as high as the menu font or the child's system buttons ask, whichever is more;
    // it has that height whether a child is maximized or not, so the layout keeps still.
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, GetMenuFont());
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    int cy = std::max((int)tm.tmHeight + Scaled(10), CDpi::SystemMetric(SM_CYMENUSIZE, m_nDpi) + Scaled(4));
    int cx = Scaled(kEdge);
    for (const CMenuButton& button : m_buttons)
        cx = std::max(cx, (int)button.rect.right);
    if (IsMaximizeMode())
        cx += 3 * cy;
    return CSize(bStretch ? 32767 : cx + Scaled(kEdge), cy);
}

void CBCGPMenuBar::RecalcButtons()
{
    int cy = CalcFixedLayout(FALSE, TRUE).cy;
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, GetMenuFont());
    const int nEdge = Scaled(kEdge), nMargin = Scaled(kTextMargin);
    int x = nEdge + (IsMaximizeMode() ? Scaled(kIconSize) + 2 * nEdge : 0);
    for (CMenuButton& button : m_buttons)
    {
        CRect rectText(0, 0, 0, 0);
        ::DrawTextA(hDC, button.strText, button.strText.GetLength(), &rectText, DT_SINGLELINE | DT_CALCRECT);
        button.rect.SetRect(x, 1, x + rectText.Width() + 2 * nMargin, cy - 1);
        x = button.rect.right;
    }
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
}

CRect CBCGPMenuBar::GetSysPartRect(int nHit) const
{
    if (!IsMaximizeMode() || m_hWnd == NULL)
        return CRect(0, 0, 0, 0);
    CRect rectClient;
    GetClientRect(&rectClient);
    int cy = rectClient.Height();
    const int nEdge = Scaled(kEdge), nIcon = Scaled(kIconSize), nInset = Scaled(3);
    if (nHit == hitSysMenu)
        return CRect(CPoint(nEdge + 1, (cy - nIcon) / 2), CSize(nIcon, nIcon));
    // Close at the right end, after a gap; restore and minimize side by side before it.
    int nSize = std::max(0, cy - 2 * nInset);
    int nRight = rectClient.right - nEdge;
    if (nHit != hitClose)
        nRight -= nSize + nEdge;
    if (nHit == hitMinimize)
        nRight -= nSize;
    if (nHit != hitClose && nHit != hitRestore && nHit != hitMinimize)
        return CRect(0, 0, 0, 0);
    return CRect(nRight - nSize, nInset, nRight, nInset + nSize);
}

int CBCGPMenuBar::HitTest(CPoint point) const
{
    for (int nHit : {hitSysMenu, hitMinimize, hitRestore, hitClose})
    {
        if (GetSysPartRect(nHit).PtInRect(point))
            return nHit;
    }
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_buttons[i].rect.PtInRect(point))
            return i;
    }
    return hitNone;
}

HWND CBCGPMenuBar::GetCommandTarget() const
{
    CWnd* pOwner = GetOwner();
    if (pOwner == NULL)
        pOwner = m_pDockSite;
    return pOwner->GetSafeHwnd();
}

void CBCGPMenuBar::SetPressed(int nHit)
{
    if (m_nPressed != nHit)
    {
        m_nPressed = nHit;
        Invalidate(FALSE);
        UpdateWindow();
    }
}

void CBCGPMenuBar::OpenPopup(int i)
{
    HWND hTarget = GetCommandTarget();
    if (m_bTracking || s_pTrackingBar != NULL || hTarget == NULL || m_hWnd == NULL)
        return;
    m_bTracking = TRUE;
    s_pTrackingBar = this;
    HHOOK hHook = ::SetWindowsHookExA(WH_MSGFILTER, MenuFilterHook, NULL, ::GetCurrentThreadId());
    // The mouse moving onto another button closes this popup and names the next one.
    m_nNextPopup = i;
    while (m_nNextPopup >= 0 && m_nNextPopup < GetCount() && m_buttons[m_nNextPopup].hPopup != NULL &&
           m_buttons[m_nNextPopup].bEnabled)
    {
        int nOpen = m_nNextPopup;
        m_nNextPopup = hitNone;
        SetPressed(nOpen);
        CRect rect = m_buttons[nOpen].rect;
        ClientToScreen(&rect);
        TPMPARAMS params = {sizeof(params), rect};
        // Tracked for the frame: its command UI sets the items, the command is posted to it.
        CBCGPMenuOwner::Track(m_buttons[nOpen].hPopup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_VERTICAL,
            rect.left, rect.bottom, hTarget, &params);
    }
    if (hHook != NULL)
        ::UnhookWindowsHookEx(hHook);
    s_pTrackingBar = NULL;
    m_bTracking = FALSE;
    SetPressed(hitNone);
}

LRESULT CALLBACK CBCGPMenuBar::MenuFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    CBCGPMenuBar* pBar = s_pTrackingBar;
    MSG* pMsg = (MSG*)lParam;
    if (nCode == MSGF_MENU && pBar != NULL && pMsg != NULL &&
        (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_LBUTTONDOWN))
    {
        CPoint point(pMsg->pt);
        pBar->ScreenToClient(&point);
        int nHit = pBar->HitTest(point);
        if (nHit >= 0 && nHit != pBar->m_nPressed && pBar->m_buttons[nHit].hPopup != NULL &&
            pBar->m_buttons[nHit].bEnabled)
        {
            pBar->m_nNextPopup = nHit;
            ::EndMenu();
            return TRUE;
        }
        // A click on the open popup's own button closes it, as a menu bar does.
        if (nHit == pBar->m_nPressed && pMsg->message == WM_LBUTTONDOWN)
        {
            ::EndMenu();
            return TRUE;
        }
    }
    if (nCode == MSGF_MENU && pBar != NULL && pMsg != NULL && pMsg->message == WM_KEYDOWN &&
        (pMsg->wParam == VK_LEFT || pMsg->wParam == VK_RIGHT) && !IsSubMenuKey(pMsg->wParam == VK_RIGHT))
    {
        // Left and Right go on to the neighbouring popup of the bar, round the ends.
        int nStep = pMsg->wParam == VK_RIGHT ? 1 : -1;
        for (int i = 1; i < pBar->GetCount(); i++)
        {
            int nNext = (pBar->m_nPressed + nStep * i + pBar->GetCount()) % pBar->GetCount();
            if (pBar->m_buttons[nNext].hPopup != NULL && pBar->m_buttons[nNext].bEnabled)
            {
                pBar->m_nNextPopup = nNext;
                ::EndMenu();
                return TRUE;
            }
        }
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

namespace {

BOOL CALLBACK CollectMenuWindow(HWND hWnd, LPARAM lParam)
{
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpA(szClass, "#32768") == 0 && ::IsWindowVisible(hWnd))
        ((std::vector<HWND>*)lParam)->push_back(hWnd);
    return TRUE;
}

} // namespace

BOOL CBCGPMenuBar::IsSubMenuKey(BOOL bRight)
{
    // The key belongs to the menu when a submenu is open (Left closes it) or, for Right, when
    // the item selected in the popup opens one.
    std::vector<HWND> menus;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectMenuWindow, (LPARAM)&menus);
    if (menus.size() > 1)
        return TRUE;
    if (!bRight || menus.empty())
        return FALSE;
    HMENU hMenu = (HMENU)::SendMessageA(menus[0], MN_GETHMENU, 0, 0);
    int nCount = hMenu != NULL ? ::GetMenuItemCount(hMenu) : 0;
    for (int i = 0; i < nCount; i++)
    {
        if ((::GetMenuState(hMenu, (UINT)i, MF_BYPOSITION) & MF_HILITE) != 0)
            return ::GetSubMenu(hMenu, i) != NULL;
    }
    return FALSE;
}

BOOL CBCGPMenuBar::TranslateChar(UINT nChar)
{
    CharLowerBuffA((LPSTR)&nChar, 1);
    for (int i = 0; i < GetCount(); i++)
    {
        const CString& strText = m_buttons[i].strText;
        int nAmp = -1;
        // The mnemonic follows the first single '&' ("&&" shows an ampersand).
        for (int j = 0; j + 1 < strText.GetLength(); j++)
        {
            if (strText[j] == '&' && strText[j + 1] == '&')
                j++;
            else if (strText[j] == '&')
            {
                nAmp = j + 1;
                break;
            }
        }
        if (nAmp < 0 || !m_buttons[i].bEnabled)
            continue;
        char ch = strText[nAmp];
        CharLowerBuffA(&ch, 1);
        if ((UINT)(BYTE)ch != (nChar & 0xFF))
            continue;
        if (m_buttons[i].hPopup != NULL)
            OpenPopup(i);
        else
            ::PostMessageA(GetCommandTarget(), WM_COMMAND, MAKEWPARAM(m_buttons[i].nID, 0), 0);
        return TRUE;
    }
    return FALSE;
}

void CBCGPMenuBar::SendSysCommand(int nHit)
{
    UINT nCommand = nHit == hitMinimize ? SC_MINIMIZE : nHit == hitRestore ? SC_RESTORE : SC_CLOSE;
    // Posted: closing the child must not pull the window away under this handler.
    if (::IsWindow(m_hWndMaximized))
        ::PostMessageA(m_hWndMaximized, WM_SYSCOMMAND, nCommand, 0);
}

void CBCGPMenuBar::TrackSysMenu()
{
    HWND hChild = m_hWndMaximized;
    HMENU hSysMenu = ::IsWindow(hChild) ? ::GetSystemMenu(hChild, FALSE) : NULL;
    if (hSysMenu == NULL || m_bTracking)
        return;
    m_bTracking = TRUE;
    SetPressed(hitSysMenu);
    CRect rect = GetSysPartRect(hitSysMenu);
    ClientToScreen(&rect);
    TPMPARAMS params = {sizeof(params), rect};
    UINT nCommand = (UINT)::TrackPopupMenuEx(hSysMenu,
        TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_VERTICAL, rect.left, rect.bottom, hChild,
        &params);
    m_bTracking = FALSE;
    SetPressed(hitNone);
    if (nCommand != 0 && ::IsWindow(hChild))
        ::PostMessageA(hChild, WM_SYSCOMMAND, nCommand, 0);
}

void CBCGPMenuBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    // Popup buttons keep the state the menu gives them; command buttons follow their handlers.
    CMenuBarCmdUI state(this);
    state.m_nIndexMax = (UINT)GetCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = m_buttons[state.m_nIndex].nID;
        if (m_buttons[state.m_nIndex].hPopup == NULL && state.m_nID != 0)
            state.DoUpdate(pTarget, bDisableIfNoHndler && state.m_nID < 0xF000);
    }
}

void CBCGPMenuBar::OnLButtonDown(UINT, CPoint point)
{
    int nHit = HitTest(point);
    if (nHit == hitSysMenu)
        TrackSysMenu();
    else if (nHit >= 0 && m_buttons[nHit].bEnabled && m_buttons[nHit].hPopup != NULL)
        OpenPopup(nHit);
    else if ((nHit >= 0 && m_buttons[nHit].bEnabled) || nHit < hitSysMenu)
    {
        // Commands and system buttons act when the button is released over them.
        SetPressed(nHit);
        SetCapture();
    }
}

void CBCGPMenuBar::OnLButtonUp(UINT, CPoint point)
{
    int nPressed = m_nPressed;
    if (nPressed == hitNone || ::GetCapture() != m_hWnd)
        return;
    ::ReleaseCapture(); // clears the pressed state
    if (HitTest(point) != nPressed)
        return;
    if (nPressed >= 0)
        ::PostMessageA(GetCommandTarget(), WM_COMMAND, MAKEWPARAM(m_buttons[nPressed].nID, 0), 0);
    else
        SendSysCommand(nPressed);
}

void CBCGPMenuBar::OnMouseMove(UINT, CPoint point)
{
    int nHit = HitTest(point);
    if (nHit == m_nHot)
        return;
    m_nHot = nHit;
    Invalidate(FALSE);
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&track);
}

LRESULT CBCGPMenuBar::OnMouseLeave(WPARAM, LPARAM)
{
    if (m_nHot != hitNone)
    {
        m_nHot = hitNone;
        Invalidate(FALSE);
    }
    return 0;
}

void CBCGPMenuBar::OnCaptureChanged(CWnd*)
{
    if (!m_bTracking)
        SetPressed(hitNone);
}

void CBCGPMenuBar::OnSettingChange(UINT, LPCTSTR)
{
    OnDpiChanged();
}

void CBCGPMenuBar::OnDpiChanged()
{
    // The menu font may have changed: measured again, and the frame lays out its bars anew.
    if (m_hFont != NULL)
        ::DeleteObject(m_hFont);
    m_hFont = NULL;
    RecalcButtons();
    Invalidate(FALSE);
    if (m_pDockSite != NULL)
        m_pDockSite->DelayRecalcLayout();
}

void CBCGPMenuBar::OnSize(UINT nType, int cx, int cy)
{
    CBCGPControlBar::OnSize(nType, cx, cy);
    RecalcButtons();
    Invalidate(FALSE);
}

BOOL CBCGPMenuBar::OnEraseBkgnd(CDC*)
{
    return TRUE; // painted whole, off-screen
}

void CBCGPMenuBar::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    CRect rectClient;
    GetClientRect(&rectClient);
    {
        CBCGPMemDC memDC(*CDC::FromHandle(hDC), rectClient);
        DrawBar(memDC.GetDC().GetSafeHdc(), rectClient);
    }
    ::EndPaint(m_hWnd, &ps);
}

void CBCGPMenuBar::DrawBar(HDC hDC, const CRect& rectClient)
{
    CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
    ::SetBkColor(hDC, pManager->GetSysColor(COLOR_BTNFACE));
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rectClient, NULL, 0, NULL);
    HGDIOBJ hOldFont = ::SelectObject(hDC, GetMenuFont());
    ::SetBkMode(hDC, TRANSPARENT);
    for (int i = 0; i < GetCount(); i++)
        DrawButton(hDC, m_buttons[i], i == m_nHot && m_buttons[i].bEnabled, i == m_nPressed);
    ::SelectObject(hDC, hOldFont);
    if (IsMaximizeMode())
    {
        for (int nHit : {hitSysMenu, hitMinimize, hitRestore, hitClose})
            DrawSysPart(hDC, nHit);
    }
}

void CBCGPMenuBar::DrawButton(HDC hDC, const CMenuButton& button, BOOL bHot, BOOL bPressed)
{
    CRect rect = button.rect;
    CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
    CDC* pDC = CDC::FromHandle(hDC);
    // Classic flat menu buttons: raised under the mouse, sunk while open or checked.
    CRect rectEdge = rect;
    if (bPressed || button.bChecked)
        pManager->OnDrawEdge(pDC, rectEdge, BDR_SUNKENOUTER, BF_RECT);
    else if (bHot)
        pManager->OnDrawEdge(pDC, rectEdge, BDR_RAISEDINNER, BF_RECT);
    if (bPressed)
        rect.OffsetRect(1, 1);
    if (!button.bEnabled)
    {
        // Etched, as a greyed menu item.
        CRect rectShadow = rect;
        rectShadow.OffsetRect(1, 1);
        ::SetTextColor(hDC, pManager->GetSysColor(COLOR_BTNHIGHLIGHT));
        ::DrawTextA(hDC, button.strText, button.strText.GetLength(), &rectShadow, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    ::SetTextColor(hDC, pManager->GetSysColor(button.bEnabled ? COLOR_MENUTEXT : COLOR_GRAYTEXT));
    ::DrawTextA(hDC, button.strText, button.strText.GetLength(), &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

HICON CBCGPMenuBar::GetCaptionIcon(HWND hWnd)
{
    HICON hIcon = (HICON)::SendMessageA(hWnd, WM_GETICON, ICON_SMALL, 0);
    if (hIcon == NULL)
        hIcon = (HICON)::SendMessageA(hWnd, WM_GETICON, ICON_BIG, 0);
    if (hIcon == NULL)
        hIcon = (HICON)::GetClassLongPtrA(hWnd, GCLP_HICONSM);
    if (hIcon == NULL)
        hIcon = (HICON)::GetClassLongPtrA(hWnd, GCLP_HICON);
    return hIcon;
}

void CBCGPMenuBar::DrawSysPart(HDC hDC, int nHit)
{
    CRect rect = GetSysPartRect(nHit);
    if (nHit == hitSysMenu)
    {
        // The icon the child's own caption would show: its own, its class's, else the system's.
        HICON hIcon = GetCaptionIcon(m_hWndMaximized);
        if (hIcon == NULL)
            hIcon = ::LoadIconA(NULL, IDI_WINLOGO);
        ::DrawIconEx(hDC, rect.left, rect.top, hIcon, rect.Width(), rect.Height(), 0, NULL, DI_NORMAL);
        return;
    }
    UINT nState = nHit == hitMinimize ? DFCS_CAPTIONMIN : nHit == hitRestore ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONCLOSE;
    if (nHit == m_nPressed)
        nState |= DFCS_PUSHED;
    CBCGPVisualManager::GetInstance()->OnDrawFrameControl(CDC::FromHandle(hDC), rect, DFC_CAPTION, nState);
}
