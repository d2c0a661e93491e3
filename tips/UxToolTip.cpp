// UxToolTip.cpp: CUxToolTip's window and tools: the window class, the tool table, tracking the
// mouse, the show and autopop timers, help tips, the display notification, placement and region.
#include "tips/UxToolTip.h"

#include "tips/UxTipPlacement.h"
#include "core/KwDpi.h"

#include <algorithm>

namespace
{
const char* const kTooltipClass = "CUxTooltip";
const UINT_PTR kTimerShow = 0x100;
const UINT_PTR kTimerAutoPop = 0x101;
const int kHelpTip = -2; // the pending or shown index of a help tip

// The module this code lives in: the window class belongs to the library, not to the host.
HINSTANCE LibraryInstance()
{
    HMODULE hModule = NULL;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        (LPCSTR)&LibraryInstance, &hModule);
    return hModule;
}

// Registered once per process; the class stays until the library is unloaded.
void RegisterTooltipClass()
{
    static bool bRegistered = false;
    if (bRegistered)
        return;
    HINSTANCE hInst = LibraryInstance();
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(hInst, kTooltipClass, &wc))
    {
        wc.style = CS_SAVEBITS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.lpszClassName = kTooltipClass;
        if (!::RegisterClassA(&wc))
            AfxThrowResourceException();
    }
    bRegistered = true;
}

UXTOOLTIP_INFO MakeRecord(CWnd* pWnd, const CString& sText, HICON hIcon, LPCRECT lpRectBounds, UINT nIDTool)
{
    UXTOOLTIP_INFO ti;
    ti.hWnd = pWnd->GetSafeHwnd();
    ti.nIDTool = nIDTool;
    if (lpRectBounds != NULL)
        ti.rectBounds = *lpRectBounds;
    ti.hIcon = hIcon;
    ti.sTooltip = sText;
    return ti;
}

CString LoadText(UINT nIdText)
{
    CString sText;
    sText.LoadString(nIdText);
    return sText;
}
} // namespace

BEGIN_MESSAGE_MAP(CUxToolTip, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_KILLFOCUS()
    ON_WM_ACTIVATEAPP()
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_MESSAGE(WM_THEMECHANGED, OnThemeChanged)
END_MESSAGE_MAP()

CUxToolTip::CUxToolTip()
    : m_szImage(0, 0), m_pParentWnd(NULL), m_hNotifyWnd(NULL), m_settings(m_crColor + UXTT_COLOR_BK_BEGIN),
      m_nTimeInitial(500), m_nTimeAutoPop(0), m_ptOriginal(-1, -1), m_nIndexCurrentWnd(-1),
      m_nIndexDisplayWnd(-1), m_nDirection(UXTT_DIR_BELOW_RIGHT), m_szToolIcon(0, 0), m_szTextTooltip(0, 0),
      m_hHelpIcon(NULL)
{
    memset(m_crColor, 0, sizeof(m_crColor));
    memset(&m_LogFont, 0, sizeof(m_LogFont));
    memset(m_nSizes, 0, sizeof(m_nSizes));
    m_nDpi = CKwDpi::ForWindow(NULL);
    m_bRemeasuring = FALSE;
    SetDefaultColors();
    SetDefaultSizes(TRUE);
    RegisterTooltipClass();
}

CUxToolTip::~CUxToolTip()
{
    RemoveAllTools();
    RemoveAllNamesOfResource();
    m_text.Clear();
    m_rgnToolTip.DeleteObject();
    m_rgnShadow.DeleteObject();
    if (m_hWnd != NULL)
        DestroyWindow();
    for (INT_PTR i = 0; i < m_arrLoadedIcons.GetSize(); i++)
        ::DestroyIcon(m_arrLoadedIcons[i].hIcon);
    if (m_hHelpIcon != NULL)
        ::DestroyIcon(m_hHelpIcon);
}

BOOL CUxToolTip::Create(CWnd* pParentWnd, BOOL bBalloon)
{
    m_pParentWnd = pParentWnd;
    if (!CreateEx(WS_EX_TOOLWINDOW, kTooltipClass, NULL, WS_POPUP, 0, 0, 0, 0, pParentWnd->GetSafeHwnd(), NULL))
        return FALSE;
    m_nDpi = CKwDpi::ForWindow(m_hWnd);
    SetDefaultFont();
    SetDefaultSizes(bBalloon);
    return TRUE;
}

int CUxToolTip::ScaledSize(int nSizeIndex) const
{
    return CKwDpi::Scale((int)m_nSizes[nSizeIndex], m_nDpi);
}

LRESULT CUxToolTip::OnDpiChanged(WPARAM wParam, LPARAM)
{
    // The tip places itself: the rectangle the system suggests is not used.
    const UINT nDpi = CKwDpi::FromMessage(m_hWnd, WM_DPICHANGED, wParam);
    m_LogFont.lfHeight = CKwDpi::ScaleFontHeight(m_LogFont.lfHeight, m_nDpi, nDpi);
    m_nDpi = nDpi;
    return 0;
}

BOOL CUxToolTip::PreCreateWindow(CREATESTRUCT& cs)
{
    // The tooltip's class is the library's own, so such a window comes from the library's module.
    if (cs.lpszClass != NULL && !IS_INTRESOURCE(cs.lpszClass) && lstrcmpA(cs.lpszClass, kTooltipClass) == 0)
        cs.hInstance = LibraryInstance();
    return CWnd::PreCreateWindow(cs);
}

int CUxToolTip::GetVersionI() { return 20; }
CString CUxToolTip::GetVersionC() { return CString("1.4"); }

//////////////////////////////////////////////////////////////////////////////////////////////////
// The tool table

void CUxToolTip::AddTool(const UXTOOLTIP_INFO& ti)
{
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); i++)
    {
        const UXTOOLTIP_INFO& tool = m_arrTools[i];
        if (tool.hWnd == ti.hWnd && ::EqualRect(&tool.rectBounds, &ti.rectBounds))
        {
            m_arrTools[i] = ti;
            return;
        }
    }
    m_arrTools.Add(ti);
}

void CUxToolTip::AddTool(CWnd* pWnd, CString sTooltipText, HICON hIcon, LPCRECT lpRectBounds, UINT nIDTool)
{
    AddTool(MakeRecord(pWnd, sTooltipText, hIcon, lpRectBounds, nIDTool));
}

void CUxToolTip::AddTool(CWnd* pWnd, UINT nIdText, HICON hIcon, LPCRECT lpRectBounds, UINT nIDTool)
{
    AddTool(MakeRecord(pWnd, LoadText(nIdText), hIcon, lpRectBounds, nIDTool));
}

void CUxToolTip::AddTool(CWnd* pWnd, CString sTooltipText, UINT nIdIcon, CSize szIcon, LPCRECT lpRectBounds,
    UINT nIDTool)
{
    // A tool added again and again with the same icon takes the icon loaded the first time.
    HICON hIcon = NULL;
    for (INT_PTR i = 0; i < m_arrLoadedIcons.GetSize() && hIcon == NULL; i++)
        if (m_arrLoadedIcons[i].nID == nIdIcon && m_arrLoadedIcons[i].size == szIcon)
            hIcon = m_arrLoadedIcons[i].hIcon;
    if (hIcon == NULL && (hIcon = GetIconFromResources(nIdIcon, szIcon)) != NULL)
        m_arrLoadedIcons.Add(LOADED_ICON{nIdIcon, szIcon, hIcon});
    AddTool(MakeRecord(pWnd, sTooltipText, hIcon, lpRectBounds, nIDTool));
}

void CUxToolTip::AddTool(CWnd* pWnd, UINT nIdText, UINT nIdIcon, CSize szIcon, LPCRECT lpRectBounds, UINT nIDTool)
{
    AddTool(pWnd, LoadText(nIdText), nIdIcon, szIcon, lpRectBounds, nIDTool);
}

BOOL CUxToolTip::GetTool(int nIndexTool, UXTOOLTIP_INFO& ti)
{
    if (!IsExistTool(nIndexTool))
        return FALSE;
    ti = m_arrTools[nIndexTool];
    return TRUE;
}

void CUxToolTip::SetAtTool(int nIndexTool, UXTOOLTIP_INFO& ti)
{
    if (IsExistTool(nIndexTool))
        m_arrTools[nIndexTool] = ti;
}

BOOL CUxToolTip::RemoveTool(int nIndexTool)
{
    if (!IsExistTool(nIndexTool))
        return FALSE;
    m_arrTools.RemoveAt(nIndexTool);
    return TRUE;
}

void CUxToolTip::RemoveAllTools() { m_arrTools.RemoveAll(); }
BOOL CUxToolTip::IsExistTool(int nIndexTool) const { return nIndexTool >= 0 && nIndexTool < (int)m_arrTools.GetSize(); }
int CUxToolTip::GetToolCount() const { return (int)m_arrTools.GetSize(); }

int CUxToolTip::FindTool(CPoint& pt)
{
    HWND hWnd = GetWndFromPoint(pt, (GetStyles() & UXTT_STYLE_DISABLED) != 0);
    if (hWnd == NULL)
        return -1;
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); i++)
    {
        const UXTOOLTIP_INFO& tool = m_arrTools[i];
        if (tool.hWnd != hWnd)
            continue;
        CPoint ptTool = pt;
        ::ScreenToClient(hWnd, &ptTool);
        if (::IsRectEmpty(&tool.rectBounds) || ::PtInRect(&tool.rectBounds, ptTool))
            return (int)i;
    }
    return -1;
}

int CUxToolTip::FindTool(CWnd* pWnd, LPCRECT lpRect)
{
    HWND hWnd = pWnd->GetSafeHwnd();
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); i++)
    {
        const UXTOOLTIP_INFO& tool = m_arrTools[i];
        if (tool.hWnd == hWnd && (lpRect == NULL || ::EqualRect(&tool.rectBounds, lpRect)))
            return (int)i;
    }
    return -1;
}

int CUxToolTip::FindTool(UINT nIDTool)
{
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); i++)
        if (m_arrTools[i].nIDTool == nIDTool)
            return (int)i;
    return -1;
}

void CUxToolTip::SetMaskTool(int nIndexTool, UINT nMask)
{
    if (IsExistTool(nIndexTool))
        m_arrTools[nIndexTool].nMask = nMask;
}

void CUxToolTip::ModifyMaskTool(int nIndexTool, UINT nAddMask, UINT nRemoveMask)
{
    if (IsExistTool(nIndexTool))
        m_arrTools[nIndexTool].nMask = (m_arrTools[nIndexTool].nMask & ~nRemoveMask) | nAddMask;
}

UINT CUxToolTip::GetMaskTool(int nIndexTool) { return IsExistTool(nIndexTool) ? m_arrTools[nIndexTool].nMask : 0; }

UXTOOLTIP_INFO* CUxToolTip::Tool(int nIndexTool)
{
    return IsExistTool(nIndexTool) ? &m_arrTools[nIndexTool] : NULL;
}

void CUxToolTip::SetSetting(UINT nMaskBit, const UXTOOLTIP_INFO& values, int nIndexTool)
{
    m_settings.Set(nMaskBit, values, Tool(nIndexTool));
}

void CUxToolTip::SetDirection(UINT nDirection, int nIndexTool)
{
    if (nDirection > UXTT_DIR_BELOW_RIGHT)
        return;
    UXTOOLTIP_INFO values;
    values.nDirection = nDirection;
    SetSetting(UXTT_MASK_DIRECTION, values, nIndexTool);
}

UINT CUxToolTip::GetDirection(int nIndexTool)
{
    return m_settings.Effective(Tool(nIndexTool)).nDirection;
}

void CUxToolTip::SetBehaviour(UINT nBehaviour, int nIndexTool)
{
    UXTOOLTIP_INFO values;
    values.nBehaviour = nBehaviour;
    SetSetting(UXTT_MASK_BEHAVIOUR, values, nIndexTool);
}

UINT CUxToolTip::GetBehaviour(int nIndexTool)
{
    return m_settings.Effective(Tool(nIndexTool)).nBehaviour;
}

void CUxToolTip::SetDelayTime(DWORD dwDuration, UINT nTime)
{
    if (dwDuration == TTDT_AUTOPOP)
        m_nTimeAutoPop = nTime;
    else if (dwDuration == TTDT_INITIAL)
        m_nTimeInitial = nTime;
}

UINT CUxToolTip::GetDelayTime(DWORD dwDuration) const
{
    if (dwDuration == TTDT_AUTOPOP)
        return m_nTimeAutoPop;
    if (dwDuration == TTDT_INITIAL)
        return m_nTimeInitial;
    return 0;
}

void CUxToolTip::SetNotify(BOOL bParentNotify) { m_hNotifyWnd = bParentNotify ? m_pParentWnd->GetSafeHwnd() : NULL; }
void CUxToolTip::SetNotify(HWND hWnd) { m_hNotifyWnd = hWnd; }
BOOL CUxToolTip::GetNotify() const { return m_hNotifyWnd != NULL; }

//////////////////////////////////////////////////////////////////////////////////////////////////
// Tracking

void CUxToolTip::RelayEvent(MSG* pMsg)
{
    if (m_hWnd == NULL || pMsg == NULL)
        return;
    switch (pMsg->message)
    {
    case WM_MOUSEMOVE:
    {
        CPoint pt(pMsg->pt);
        if (pt == m_ptOriginal)
            return;
        if (m_nIndexCurrentWnd == kHelpTip || m_nIndexDisplayWnd == kHelpTip)
            return;
        if (!(GetStyles() & UXTT_STYLE_NOACTIVE) && ::GetActiveWindow() == NULL)
            return;
        m_ptOriginal = pt;
        if (m_pParentWnd != NULL)
            m_pParentWnd->ScreenToClient(&pt);
        int nIndexTool = FindTool(pt);
        if (nIndexTool < 0)
        {
            if (IsCursorInToolTip() && (m_pToolInfo.nBehaviour & UXTT_BEHAVIOUR_CLOSE_OVER))
                return;
            Pop();
            m_nIndexCurrentWnd = -1;
            m_nIndexDisplayWnd = -1;
        }
        else if (nIndexTool == m_nIndexDisplayWnd)
        {
            if (IsVisible() && (m_pToolInfo.nBehaviour & UXTT_BEHAVIOUR_CLOSE_OVER))
                return;
            if (!(m_pToolInfo.nBehaviour & UXTT_BEHAVIOUR_REPEAT_SHOW))
            {
                Pop();
                return;
            }
            SetNewToolTip(nIndexTool, TRUE);
        }
        else
        {
            SetNewToolTip(nIndexTool, !IsVisible());
        }
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Pop();
        break;
    default:
        break;
    }
}

BOOL CUxToolTip::PreTranslateMessage(MSG* pMsg)
{
    RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

void CUxToolTip::ShowHelpTooltip(CPoint& pt, UXTOOLTIP_INFO& ti)
{
    if (m_hWnd == NULL)
        return;
    m_nIndexDisplayWnd = -1;
    m_nIndexCurrentWnd = kHelpTip;
    m_pToolInfo = ti;
    m_ptOriginal = pt;
    if (m_pParentWnd != NULL)
        m_pParentWnd->ClientToScreen(&m_ptOriginal);
    OnTimer(kTimerShow);
}

void CUxToolTip::ShowHelpTooltip(CPoint& pt, CString sTooltipText, HICON hIcon)
{
    UXTOOLTIP_INFO ti = MakeRecord(m_pParentWnd, sTooltipText, hIcon, NULL, 0);
    ShowHelpTooltip(pt, ti);
}

void CUxToolTip::ShowHelpTooltip(CPoint& pt, CString sTooltipText, UINT nIdIcon)
{
    // The icon of the previous help tip is no longer shown: this one takes its place.
    HICON hIcon = GetIconFromResources(nIdIcon);
    if (m_hHelpIcon != NULL)
        ::DestroyIcon(m_hHelpIcon);
    m_hHelpIcon = hIcon;
    ShowHelpTooltip(pt, sTooltipText, hIcon);
}

void CUxToolTip::ShowHelpTooltip(CPoint& pt, UINT nIdText, HICON hIcon)
{
    ShowHelpTooltip(pt, LoadText(nIdText), hIcon);
}

void CUxToolTip::ShowHelpTooltip(CPoint& pt, UINT nIdText, UINT nIdIcon)
{
    ShowHelpTooltip(pt, LoadText(nIdText), nIdIcon);
}

void CUxToolTip::SetNewToolTip(int nIndexTool, BOOL bWithDelay)
{
    m_nIndexDisplayWnd = -1;
    Pop();
    if (!IsExistTool(nIndexTool))
        return;
    m_pToolInfo = m_arrTools[nIndexTool];
    m_nIndexCurrentWnd = nIndexTool;
    if (bWithDelay)
        SetTimer(kTimerShow, m_nTimeInitial, NULL);
    else
        OnTimer(kTimerShow);
}

//////////////////////////////////////////////////////////////////////////////////////////////////
// Timers and hiding

void CUxToolTip::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTimerShow)
    {
        // Hidden first; a help tip pending survives this, unlike Pop.
        KillTimers();
        ShowWindow(SW_HIDE);
        CPoint pt = m_ptOriginal;
        if (m_nIndexCurrentWnd != kHelpTip)
        {
            ::GetCursorPos(&pt);
            CPoint ptClient = pt;
            if (m_pParentWnd != NULL)
                m_pParentWnd->ScreenToClient(&ptClient);
            int nIndexTool = FindTool(ptClient);
            if (nIndexTool != m_nIndexCurrentWnd || pt != m_ptOriginal || !IsExistTool(nIndexTool))
                return;
        }
        PrepareDisplayToolTip(&pt);
        // A help tip with nothing to show ends at once, or tracking would wait for it forever.
        if (m_nIndexCurrentWnd == kHelpTip && !IsVisible())
            m_nIndexCurrentWnd = -1;
        // A receiver that destroyed the window ended the display: a timer without the window
        // would tick for the whole thread.
        if (m_hWnd == NULL)
            return;
        if (m_nTimeAutoPop != 0 && !(m_pToolInfo.nBehaviour & UXTT_BEHAVIOUR_NO_AUTOPOP))
            SetTimer(kTimerAutoPop, m_nTimeAutoPop, NULL);
    }
    else if (nIDEvent == kTimerAutoPop)
    {
        if (!(IsCursorInToolTip() && (m_pToolInfo.nBehaviour & UXTT_BEHAVIOUR_AUTOPOP_OVER)))
            Pop();
    }
    else
    {
        CWnd::OnTimer(nIDEvent);
    }
}

void CUxToolTip::OnDestroy()
{
    KillTimers();
    CWnd::OnDestroy();
}

void CUxToolTip::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    Pop();
}

void CUxToolTip::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    CWnd::OnActivateApp(bActive, dwThreadID);
    Pop();
}

void CUxToolTip::Pop()
{
    // A help tip ends here, painted or not yet: tracking would otherwise wait for it forever.
    if (m_nIndexDisplayWnd == kHelpTip)
        m_nIndexDisplayWnd = -1;
    if (m_nIndexCurrentWnd == kHelpTip)
        m_nIndexCurrentWnd = -1;
    KillTimers();
    if (m_hWnd != NULL)
        ShowWindow(SW_HIDE);
}

void CUxToolTip::KillTimers(UINT nIDTimer)
{
    if (m_hWnd == NULL)
        return;
    if (nIDTimer == 0 || nIDTimer == kTimerShow)
        KillTimer(kTimerShow);
    if (nIDTimer == 0 || nIDTimer == kTimerAutoPop)
        KillTimer(kTimerAutoPop);
}

BOOL CUxToolTip::IsVisible() { return m_hWnd != NULL && IsWindowVisible(); }

BOOL CUxToolTip::IsCursorInToolTip()
{
    if (!IsVisible())
        return FALSE;
    CPoint pt;
    ::GetCursorPos(&pt);
    return ::WindowFromPoint(pt) == m_hWnd;
}

BOOL CUxToolTip::IsEnabledIndexTool(int nIndexTool) { return IsExistTool(nIndexTool) || nIndexTool == kHelpTip; }

HWND CUxToolTip::GetWndFromPoint(CPoint& pt, BOOL bGetDisabled)
{
    CPoint ptClient = pt;
    HWND hParent = m_pParentWnd->GetSafeHwnd();
    if (hParent != NULL)
        ::ClientToScreen(hParent, &pt);
    HWND hWnd = ::WindowFromPoint(pt);
    if (hWnd == NULL || hWnd != hParent)
        return hWnd;
    // Over the owner itself: a disabled child lets the point through to its parent, so look
    // for the child directly.
    HWND hChild = ::ChildWindowFromPointEx(hParent, ptClient, bGetDisabled ? CWP_ALL : CWP_SKIPDISABLED);
    return hChild != NULL ? hChild : hParent;
}

//////////////////////////////////////////////////////////////////////////////////////////////////
// Showing: the notification, the size, the place and the region

void CUxToolTip::PrepareDisplayToolTip(CPoint* pt)
{
    // The record shown carries the effective settings: the tool's own or else the global ones.
    UXTOOLTIP_INFO& ti = m_pToolInfo;
    m_settings.Resolve(ti);

    SendNotify(pt, ti);
    // The receiver may have destroyed the tooltip; and a tip with nothing in it is not shown.
    if (m_hWnd == NULL || (ti.hIcon == NULL && ti.sTooltip.IsEmpty()))
        return;

    m_szTextTooltip = GetTooltipSize(ti.sTooltip);
    m_szToolIcon = GetSizeIcon(ti.hIcon);
    CSize sz = m_szTextTooltip;
    if (m_szToolIcon.cx != 0 && m_szToolIcon.cy != 0)
    {
        sz.cx += m_szToolIcon.cx + (m_szTextTooltip.cx != 0 ? ScaledSize(UXTT_SIZE_MARGIN_CX) : 0);
        sz.cy = std::max(m_szToolIcon.cy, m_szTextTooltip.cy);
    }
    sz.cx += 2 * ScaledSize(UXTT_SIZE_MARGIN_CX);
    sz.cy += 2 * ScaledSize(UXTT_SIZE_MARGIN_CY) + ScaledSize(UXTT_SIZE_ANCHOR_HEIGHT);
    if (ti.nStyles & UXTT_STYLE_SHADOW)
    {
        sz.cx += ScaledSize(UXTT_SIZE_SHADOW_CX);
        sz.cy += ScaledSize(UXTT_SIZE_SHADOW_CY);
    }
    CRect rect(0, 0, sz.cx, sz.cy);
    DisplayToolTip(pt, &rect);
}

CSize CUxToolTip::GetTooltipSize(CString str)
{
    CRect rect(0, 0, 0, 0);
    if (m_hWnd != NULL)
        GetClientRect(&rect);
    CWindowDC dcScreen(NULL);
    CDC dc;
    CBitmap bitmap;
    if (!dc.CreateCompatibleDC(&dcScreen) ||
        !bitmap.CreateCompatibleBitmap(&dcScreen, std::max(rect.Width(), 1), std::max(rect.Height(), 1)))
        return CSize(0, 0);
    CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
    CSize sz = PrintTitleString(&dc, rect, str, TRUE);
    dc.SelectObject(pOldBitmap);
    return sz;
}

void CUxToolTip::DisplayToolTip(CPoint* pt, CRect* rect)
{
    CalculateInfoBoxRect(pt, rect);
    const UINT nDpi = m_nDpi;
    SetWindowPos(NULL, rect->left, rect->top, rect->Width() + 2, rect->Height() + 2,
        SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOCOPYBITS);
    // Put on a monitor of another DPI, the tip was measured for the old one: measured again for
    // the new one (once, should that size take it back).
    if (m_nDpi != nDpi && !m_bRemeasuring)
    {
        m_bRemeasuring = TRUE;
        PrepareDisplayToolTip(pt);
        m_bRemeasuring = FALSE;
        return;
    }

    BOOL bShadow = (m_pToolInfo.nStyles & UXTT_STYLE_SHADOW) != 0;
    if (bShadow)
    {
        rect->right -= ScaledSize(UXTT_SIZE_SHADOW_CX);
        rect->bottom -= ScaledSize(UXTT_SIZE_SHADOW_CY);
    }
    m_rgnToolTip.DeleteObject();
    m_rgnShadow.DeleteObject();
    GetWindowRegion(&m_rgnToolTip, rect->Size(), *pt);

    // The window keeps a region of its own: the system deletes it with the window.
    CRgn rgnWindow;
    rgnWindow.CreateRectRgn(0, 0, 0, 0);
    rgnWindow.CopyRgn(&m_rgnToolTip);
    if (bShadow)
    {
        m_rgnShadow.CreateRectRgn(0, 0, 0, 0);
        m_rgnShadow.CopyRgn(&m_rgnToolTip);
        m_rgnShadow.OffsetRgn(ScaledSize(UXTT_SIZE_SHADOW_CX), ScaledSize(UXTT_SIZE_SHADOW_CY));
        rgnWindow.CombineRgn(&rgnWindow, &m_rgnShadow, RGN_OR);
    }
    if (::SetWindowRgn(m_hWnd, (HRGN)rgnWindow.m_hObject, FALSE))
        rgnWindow.Detach();
}

void CUxToolTip::CalculateInfoBoxRect(CPoint* pt, CRect* rect)
{
    // The screen the tip is placed on.
    CWindowDC dc(NULL);
    const UxTipSize area = {dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)};
    UxTipSize shadow;
    if (m_pToolInfo.nStyles & UXTT_STYLE_SHADOW)
        shadow = {ScaledSize(UXTT_SIZE_SHADOW_CX), ScaledSize(UXTT_SIZE_SHADOW_CY)};
    unsigned nDirection = m_pToolInfo.nDirection;
    const UxTipRect box = CUxTipPlacement::Place({rect->left, rect->top, rect->right, rect->bottom}, {pt->x, pt->y},
        nDirection, area, ScaledSize(UXTT_SIZE_ANCHOR_MARGIN), shadow);
    rect->SetRect(box.left, box.top, box.right, box.bottom);
    m_nDirection = nDirection;
}

BOOL CUxToolTip::TestHorizDirection(int x, int cx, int nWidth, int nDirection, CRect* rect)
{
    UxTipRect box = {rect->left, rect->top, rect->right, rect->bottom};
    if (!CUxTipPlacement::FitHorizontally(x, cx, nWidth, (unsigned)nDirection,
            ScaledSize(UXTT_SIZE_ANCHOR_MARGIN), box))
        return FALSE;
    rect->left = box.left;
    rect->right = box.right;
    return TRUE;
}

BOOL CUxToolTip::TestVertDirection(int y, int cy, int nHeight, int nDirection, CRect* rect)
{
    UxTipRect box = {rect->left, rect->top, rect->right, rect->bottom};
    if (!CUxTipPlacement::FitVertically(y, cy, nHeight, (unsigned)nDirection, box))
        return FALSE;
    rect->top = box.top;
    rect->bottom = box.bottom;
    return TRUE;
}

int CUxToolTip::GetNextHorizDirection(int nDirection) const
{
    return (int)CUxTipPlacement::NextHorizontal((unsigned)nDirection);
}

int CUxToolTip::GetNextVertDirection(int nDirection) const
{
    return (int)CUxTipPlacement::NextVertical((unsigned)nDirection);
}

void CUxToolTip::GetWindowRegion(CRgn* rgn, CSize sz, CPoint pt)
{
    const CUxTipPlacement::Balloon balloon = CUxTipPlacement::Shape({sz.cx, sz.cy}, m_nDirection,
        ScaledSize(UXTT_SIZE_ANCHOR_HEIGHT), ScaledSize(UXTT_SIZE_ANCHOR_WIDTH),
        ScaledSize(UXTT_SIZE_ANCHOR_MARGIN));
    const UxTipRect& body = balloon.body;
    const DWORD nStyles = m_pToolInfo.nStyles;
    rgn->DeleteObject();
    if (nStyles & UXTT_STYLE_ROUNDED)
        rgn->CreateRoundRectRgn(body.left, body.top, body.right + 1, body.bottom + 1,
            ScaledSize(UXTT_SIZE_ROUNDED_CX), ScaledSize(UXTT_SIZE_ROUNDED_CY));
    else
        rgn->CreateRectRgn(body.left, body.top, body.right + 1, body.bottom + 1);

    if (nStyles & UXTT_STYLE_ANCHOR)
    {
        POINT ptAnchor[3] = {{pt.x, pt.y}, {balloon.x1, balloon.yBase}, {balloon.x2, balloon.yBase}};
        if (m_hWnd != NULL)
            ::ScreenToClient(m_hWnd, &ptAnchor[0]);
        CRgn rgnAnchor;
        rgnAnchor.CreatePolygonRgn(ptAnchor, 3, ALTERNATE);
        rgn->CombineRgn(rgn, &rgnAnchor, RGN_OR);
    }
}

LRESULT CUxToolTip::SendNotify(CPoint* pt, UXTOOLTIP_INFO& ti)
{
    if (m_hWnd == NULL || m_hNotifyWnd == NULL)
        return 0;
    // The receiver sees the area in the owner's coordinates; it may change everything else.
    UXTOOLTIP_INFO tiNotify = ti;
    if (ti.hWnd != NULL && m_pParentWnd->GetSafeHwnd() != NULL)
        ::MapWindowPoints(ti.hWnd, m_pParentWnd->GetSafeHwnd(), (LPPOINT)&tiNotify.rectBounds, 2);

    UXTOOLTIP_NOTIFY notify;
    notify.hdr.hwndFrom = m_hWnd;
    notify.hdr.idFrom = (UINT_PTR)GetDlgCtrlID();
    notify.hdr.code = UXTTN_DISPLAY;
    notify.pt = pt;
    notify.ti = &tiNotify;
    ::SendMessage(m_hNotifyWnd, WM_NOTIFY, (WPARAM)notify.hdr.idFrom, (LPARAM)&notify);

    tiNotify.rectBounds = ti.rectBounds;
    ti = tiNotify;
    return 0;
}
