// CBCGPTabWnd.cpp: the tab window: its tabs and their windows, the layout of the strip (labels
// cut short before the strip scrolls), switching by mouse and keyboard, and off-screen painting
// through the visual manager.
#include "CBCGPTabWnd.h"
#include "CBCGPMemDC.h"
#include "CBCGPVisualManager.h"

#include <afxwin.h>

#include <algorithm>

UINT BCGM_CHANGE_ACTIVE_TAB = ::RegisterWindowMessageA("BCGM_CHANGE_ACTIVE_TAB");
UINT BCGM_TAB_TEAR_OFF = ::RegisterWindowMessageA("BCGM_TAB_TEAR_OFF");

IMPLEMENT_DYNCREATE(CBCGPTabWnd, CWnd)

BEGIN_MESSAGE_MAP(CBCGPTabWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_PARENTNOTIFY()
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(WM_SETFONT, &CBCGPTabWnd::OnSetFont)
    ON_MESSAGE(WM_GETFONT, &CBCGPTabWnd::OnGetFont)
    ON_MESSAGE(WM_PRINTCLIENT, &CBCGPTabWnd::OnPrintClient)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_DPICHANGED, &CBCGPTabWnd::OnDpiChanged)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CBCGPTabWnd::OnDpiChanged)
END_MESSAGE_MAP()

namespace {

// At 96 DPI.
const int kMinTabWidth = 2 * CBCGPTabWnd::TAB_LABEL_MARGIN + 24; // shorter shows only an ellipsis
const int kStripEnd = 2; // space before the first tab and after the last button
const int kFarGap = 2; // between the tabs and the strip's far edge
const int kStripMargin = 8; // the strip's height beyond the font's

} // namespace

CBCGPTabWnd::CBCGPTabWnd()
    : m_iActiveTab(-1), m_iFirstVisible(0), m_bFlat(FALSE), m_location(LOCATION_BOTTOM), m_bCloseButton(FALSE),
      m_bScroll(FALSE), m_nTabBorderSize(1), m_hFont(NULL), m_rectTabsArea(0, 0, 0, 0), m_rectTabs(0, 0, 0, 0),
      m_rectWndArea(0, 0, 0, 0)
{
}

CBCGPTabWnd::~CBCGPTabWnd() {}

BOOL CBCGPTabWnd::Create(Style style, const RECT& rect, CWnd* pParentWnd, UINT nID, Location location, BOOL bCloseBtn)
{
    if (style < STYLE_3D || style > STYLE_3D_SCROLLED || (location != LOCATION_BOTTOM && location != LOCATION_TOP))
        return FALSE;
    if (pParentWnd == NULL || pParentWnd->GetSafeHwnd() == NULL)
        return FALSE;
    m_bFlat = style == STYLE_FLAT || style == STYLE_FLAT_SHARED_HORZ_SCROLL;
    m_location = location;
    m_bCloseButton = bCloseBtn;
    // No double clicks: quick clicks on two tabs are two clicks.
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW), NULL);
    // A rectangle turned inside out (a host that lays the window out later) starts empty.
    CRect rectWnd(rect);
    rectWnd.right = std::max(rectWnd.left, rectWnd.right);
    rectWnd.bottom = std::max(rectWnd.top, rectWnd.bottom);
    return CWnd::Create(lpszClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rectWnd,
        pParentWnd, nID);
}

int CBCGPTabWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_nDpi = CDpi::ForWindow(m_hWnd);
    RecalcLayout();
    return 0;
}

void CBCGPTabWnd::OnDestroy()
{
    // The windows of the tabs go with this one (they are its children) without a word to it.
    m_tabs.clear();
    m_iActiveTab = -1;
    m_iFirstVisible = 0;
    CWnd::OnDestroy();
}

void CBCGPTabWnd::SetTabBorderSize(int nTabBorderSize, BOOL bRepaint)
{
    m_nTabBorderSize = std::max(0, std::min(nTabBorderSize, 16));
    if (m_hWnd != NULL)
    {
        RecalcLayout();
        if (bRepaint)
            Invalidate(FALSE);
    }
}

void CBCGPTabWnd::AddTab(CWnd* pTabWnd, LPCTSTR lpszTabLabel, UINT uiImageId, BOOL bDetachable)
{
    HWND hWnd = pTabWnd->GetSafeHwnd();
    // Neither the tab window itself nor a window it lies in can be one of its pages.
    if (m_hWnd == NULL || !::IsWindow(hWnd) || hWnd == m_hWnd || ::IsChild(hWnd, m_hWnd) || GetTabFromHwnd(hWnd) >= 0)
        return;
    // The tab window hears of its tabs' destruction through WM_PARENTNOTIFY.
    CWnd::ModifyStyleEx(hWnd, WS_EX_NOPARENTNOTIFY, 0, 0);
    if (::GetParent(hWnd) != m_hWnd)
    {
        CWnd::ModifyStyle(hWnd, WS_POPUP, WS_CHILD, 0);
        ::SetParent(hWnd, m_hWnd);
    }
    ::ShowWindow(hWnd, SW_HIDE);
    CTab tab;
    tab.hWnd = hWnd;
    tab.strLabel = lpszTabLabel != NULL ? lpszTabLabel : "";
    tab.uiImageId = uiImageId;
    tab.bDetachable = bDetachable;
    tab.nFullWidth = MeasureLabel(tab.strLabel);
    tab.rect.SetRectEmpty();
    m_tabs.push_back(tab);
    if (m_iActiveTab < 0)
        ActivateTab(0, TRUE);
    else
    {
        RecalcLayout();
        Invalidate(FALSE);
    }
}

BOOL CBCGPTabWnd::AddTab(CWnd* pTabWnd, UINT uiResTabLabel, UINT uiImageId, BOOL bDetachable)
{
    CString strLabel;
    if (!strLabel.LoadString(uiResTabLabel))
        return FALSE;
    int nBefore = GetTabsNum();
    AddTab(pTabWnd, strLabel, uiImageId, bDetachable);
    return GetTabsNum() > nBefore;
}

BOOL CBCGPTabWnd::RemoveTab(int iTab, BOOL bRecalcLayout)
{
    if (iTab < 0 || iTab >= GetTabsNum())
        return FALSE;
    HWND hWnd = m_tabs[iTab].hWnd;
    HWND hFocus = ::GetFocus();
    BOOL bHadFocus = hWnd != NULL && hFocus != NULL && (hFocus == hWnd || ::IsChild(hWnd, hFocus));
    m_tabs.erase(m_tabs.begin() + iTab);
    if (::IsWindow(hWnd))
        ::ShowWindow(hWnd, SW_HIDE);
    if (iTab < m_iActiveTab)
        m_iActiveTab--; // the same tab, one place further left
    else if (iTab == m_iActiveTab)
    {
        // The tab that slid into its place, else the new last one; it takes the focus over.
        m_iActiveTab = -1;
        ActivateTab(std::min(iTab, GetTabsNum() - 1), TRUE);
        if (bHadFocus && GetActiveWnd() != NULL)
            GetActiveWnd()->SetFocus();
    }
    m_iFirstVisible = std::max(0, std::min(m_iFirstVisible, GetTabsNum() - 1));
    if (bRecalcLayout && m_hWnd != NULL)
    {
        RecalcLayout();
        Invalidate(FALSE);
    }
    return TRUE;
}

void CBCGPTabWnd::RemoveAllTabs()
{
    std::vector<CTab> tabs;
    tabs.swap(m_tabs);
    m_iActiveTab = -1;
    m_iFirstVisible = 0;
    for (const CTab& tab : tabs)
    {
        if (::IsWindow(tab.hWnd))
            ::ShowWindow(tab.hWnd, SW_HIDE);
    }
    if (m_hWnd != NULL)
    {
        RecalcLayout();
        Invalidate(FALSE);
    }
}

void CBCGPTabWnd::ForgetTab(int iTab)
{
    // The window is going: nothing is done to it, the rest as for a removed tab.
    m_tabs[iTab].hWnd = NULL;
    RemoveTab(iTab);
}

CWnd* CBCGPTabWnd::GetTabWnd(int iTab) const
{
    if (iTab < 0 || iTab >= GetTabsNum() || !::IsWindow(m_tabs[iTab].hWnd))
        return NULL;
    return CWnd::FromHandle(m_tabs[iTab].hWnd);
}

int CBCGPTabWnd::GetTabFromHwnd(HWND hWnd) const
{
    if (hWnd == NULL)
        return -1;
    for (int i = 0; i < GetTabsNum(); i++)
    {
        if (m_tabs[i].hWnd == hWnd)
            return i;
    }
    return -1;
}

BOOL CBCGPTabWnd::GetTabLabel(int iTab, CString& strLabel) const
{
    if (iTab < 0 || iTab >= GetTabsNum())
        return FALSE;
    strLabel = m_tabs[iTab].strLabel;
    return TRUE;
}

BOOL CBCGPTabWnd::SetTabLabel(int iTab, const CString& strLabel)
{
    if (iTab < 0 || iTab >= GetTabsNum())
        return FALSE;
    m_tabs[iTab].strLabel = strLabel;
    m_tabs[iTab].nFullWidth = MeasureLabel(strLabel);
    if (m_hWnd != NULL)
    {
        RecalcLayout();
        Invalidate(FALSE);
    }
    return TRUE;
}

UINT CBCGPTabWnd::GetTabImage(int iTab) const
{
    return iTab >= 0 && iTab < GetTabsNum() ? m_tabs[iTab].uiImageId : (UINT)-1;
}

BOOL CBCGPTabWnd::IsTabDetachable(int iTab) const
{
    return iTab >= 0 && iTab < GetTabsNum() && m_tabs[iTab].bDetachable;
}

BOOL CBCGPTabWnd::SetActiveTab(int iTab)
{
    if (iTab < 0 || iTab >= GetTabsNum())
        return FALSE;
    ActivateTab(iTab, TRUE);
    return TRUE;
}

void CBCGPTabWnd::ActivateTab(int iTab, BOOL bNotify)
{
    if (iTab == m_iActiveTab)
        return;
    HWND hOld = m_iActiveTab >= 0 ? m_tabs[m_iActiveTab].hWnd : NULL;
    HWND hFocus = ::GetFocus();
    BOOL bHadFocus = hOld != NULL && hFocus != NULL && (hFocus == hOld || ::IsChild(hOld, hFocus));
    m_iActiveTab = iTab;
    HWND hNew = iTab >= 0 ? m_tabs[iTab].hWnd : NULL;
    if (m_hWnd != NULL)
    {
        RecalcLayout(); // places the new window in the page
        EnsureVisible(iTab);
        Invalidate(FALSE);
    }
    if (hNew != NULL)
        ::SetWindowPos(hNew, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (hOld != NULL && hOld != hNew && ::IsWindow(hOld))
        ::ShowWindow(hOld, SW_HIDE);
    // The focus does not stay behind in a hidden window.
    if (bHadFocus && hNew != NULL)
        ::SetFocus(hNew);
    if (bNotify && iTab >= 0 && m_hWnd != NULL && ::GetParent(m_hWnd) != NULL)
        ::SendMessageA(::GetParent(m_hWnd), BCGM_CHANGE_ACTIVE_TAB, (WPARAM)iTab, (LPARAM)this);
}

void CBCGPTabWnd::StepActiveTab(int nStep, BOOL bWrap)
{
    int nCount = GetTabsNum();
    if (nCount == 0)
        return;
    int iTab = m_iActiveTab + nStep;
    if (bWrap)
        iTab = (iTab + nCount) % nCount;
    if (iTab >= 0 && iTab < nCount)
        ActivateTab(iTab, TRUE);
}

HFONT CBCGPTabWnd::GetTabFont() const
{
    if (m_hFont != NULL)
        return m_hFont;
    return m_fontAtDpi.m_hObject != NULL ? (HFONT)m_fontAtDpi.m_hObject : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

int CBCGPTabWnd::MeasureLabel(const CString& strLabel)
{
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, GetTabFont());
    CRect rectText(0, 0, 0, 0);
    ::DrawTextA(hDC, strLabel, strLabel.GetLength(), &rectText, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    return rectText.Width() + 2 * Scaled(TAB_LABEL_MARGIN);
}

int CBCGPTabWnd::GetStripHeight()
{
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, GetTabFont());
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    return tm.tmHeight + Scaled(kStripMargin);
}

void CBCGPTabWnd::RecalcLayout()
{
    if (m_hWnd == NULL)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    int nStrip = std::min(GetStripHeight(), rectClient.Height());
    m_rectTabsArea = rectClient;
    m_rectWndArea = rectClient;
    if (m_location == LOCATION_BOTTOM)
    {
        m_rectTabsArea.top = rectClient.bottom - nStrip;
        m_rectWndArea.bottom = m_rectTabsArea.top;
        m_rectWndArea.DeflateRect(m_nTabBorderSize, m_nTabBorderSize, m_nTabBorderSize, 0);
    }
    else
    {
        m_rectTabsArea.bottom = rectClient.top + nStrip;
        m_rectWndArea.top = m_rectTabsArea.bottom;
        m_rectWndArea.DeflateRect(m_nTabBorderSize, 0, m_nTabBorderSize, m_nTabBorderSize);
    }
    // A window too small for its border keeps an empty page, never one inside out.
    m_rectWndArea.right = std::max(m_rectWndArea.left, m_rectWndArea.right);
    m_rectWndArea.bottom = std::max(m_rectWndArea.top, m_rectWndArea.bottom);
    LayoutTabs();
    CWnd* pActive = GetActiveWnd();
    if (pActive != NULL)
        pActive->SetWindowPos(NULL, m_rectWndArea.left, m_rectWndArea.top, m_rectWndArea.Width(),
            m_rectWndArea.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBCGPTabWnd::LayoutTabs()
{
    // The buttons sit at the right end of the strip: close always (when asked for), the arrows
    // only while the tabs overflow.
    const int nStripEnd = Scaled(kStripEnd), nFarGap = Scaled(kFarGap);
    int nAvail = std::max(0, m_rectTabsArea.Width() - 2 * nStripEnd - (m_bCloseButton ? GetStripHeight() : 0));
    int nTotal = 0, nWidest = 0;
    for (const CTab& tab : m_tabs)
    {
        nTotal += tab.nFullWidth;
        nWidest = std::max(nWidest, tab.nFullWidth);
    }
    // Labels are cut first: every tab wider than a cap is narrowed to it, with the largest cap
    // that lets all tabs fit; only when even the shortest cap does not, the strip scrolls.
    int nCap = nWidest;
    if (nTotal > nAvail)
    {
        int nLow = Scaled(kMinTabWidth), nHigh = nWidest;
        auto fits = [&](int nTry) {
            int nSum = 0;
            for (const CTab& tab : m_tabs)
                nSum += std::min(tab.nFullWidth, nTry);
            return nSum <= nAvail;
        };
        if (fits(nLow))
        {
            while (nLow < nHigh)
            {
                int nMid = (nLow + nHigh + 1) / 2;
                if (fits(nMid))
                    nLow = nMid;
                else
                    nHigh = nMid - 1;
            }
        }
        m_bScroll = !fits(nLow);
        nCap = nLow;
    }
    else
        m_bScroll = FALSE;
    if (!m_bScroll)
        m_iFirstVisible = 0;
    int nButtons = (m_bCloseButton ? 1 : 0) + (m_bScroll ? 2 : 0);
    m_rectTabs = m_rectTabsArea;
    m_rectTabs.left += nStripEnd;
    m_rectTabs.right = std::max(m_rectTabs.left,
        (LONG)(m_rectTabsArea.right - nStripEnd - nButtons * (m_rectTabsArea.Height() + 1)));
    // Tabs lie on the strip's edge toward the page, clear of its far edge.
    int nTop = m_location == LOCATION_BOTTOM ? m_rectTabsArea.top : m_rectTabsArea.top + nFarGap;
    int nBottom = m_location == LOCATION_BOTTOM ? m_rectTabsArea.bottom - nFarGap : m_rectTabsArea.bottom;
    int x = m_rectTabs.left;
    for (int i = 0; i < GetTabsNum(); i++)
    {
        CTab& tab = m_tabs[i];
        if (i < m_iFirstVisible || x >= m_rectTabs.right)
        {
            tab.rect.SetRectEmpty();
            continue;
        }
        int nWidth = std::min(tab.nFullWidth, nCap);
        // One tab wider than the whole strip is cut to it.
        nWidth = std::min(nWidth, (int)m_rectTabs.Width());
        tab.rect.SetRect(x, nTop, x + nWidth, nBottom);
        x += nWidth;
    }
}

void CBCGPTabWnd::EnsureVisible(int iTab)
{
    if (iTab < 0 || iTab >= GetTabsNum() || m_hWnd == NULL)
        return;
    int nFirst = m_iFirstVisible;
    if (iTab < m_iFirstVisible)
        m_iFirstVisible = iTab;
    LayoutTabs();
    // Scrolls right until the tab's right edge is inside the strip, or it is the first shown.
    while (m_iFirstVisible < iTab && (m_tabs[iTab].rect.IsRectEmpty() || m_tabs[iTab].rect.right > m_rectTabs.right))
    {
        m_iFirstVisible++;
        LayoutTabs();
    }
    if (nFirst != m_iFirstVisible)
        Invalidate(FALSE);
}

BOOL CBCGPTabWnd::GetTabRect(int iTab, CRect& rect) const
{
    if (iTab < 0 || iTab >= GetTabsNum())
        return FALSE;
    rect = m_tabs[iTab].rect;
    // A tab running past the buttons is seen, and hit, only up to them.
    rect.right = std::min(rect.right, m_rectTabs.right);
    if (rect.right <= rect.left)
        rect.SetRectEmpty();
    return TRUE;
}

int CBCGPTabWnd::GetTabFromPoint(CPoint pt) const
{
    for (int i = 0; i < GetTabsNum(); i++)
    {
        CRect rect;
        if (GetTabRect(i, rect) && rect.PtInRect(pt))
            return i;
    }
    return -1;
}

CRect CBCGPTabWnd::GetButtonRect(Button button) const
{
    // From the right end: close, then the right and the left arrow.
    int nSlot = -1;
    if (button == BUTTON_CLOSE && m_bCloseButton)
        nSlot = 0;
    else if ((button == BUTTON_SCROLL_RIGHT || button == BUTTON_SCROLL_LEFT) && m_bScroll)
        nSlot = (m_bCloseButton ? 1 : 0) + (button == BUTTON_SCROLL_LEFT ? 1 : 0);
    if (nSlot < 0)
        return CRect(0, 0, 0, 0);
    int nSize = m_rectTabsArea.Height() + 1;
    int nRight = m_rectTabsArea.right - Scaled(kStripEnd) - nSlot * nSize;
    CRect rect(nRight - nSize + 1, m_rectTabsArea.top, nRight, m_rectTabsArea.bottom);
    rect.DeflateRect(0, 2);
    return rect;
}

BOOL CBCGPTabWnd::CanScrollRight() const
{
    // Until the last tab is shown whole.
    if (!m_bScroll || m_iFirstVisible >= GetTabsNum() - 1)
        return FALSE;
    return m_tabs.back().rect.IsRectEmpty() || m_tabs.back().rect.right > m_rectTabs.right;
}

CBCGPTabWnd::Button CBCGPTabWnd::GetButtonFromPoint(CPoint pt) const
{
    for (Button button : {BUTTON_SCROLL_LEFT, BUTTON_SCROLL_RIGHT, BUTTON_CLOSE})
    {
        if (GetButtonRect(button).PtInRect(pt))
            return button;
    }
    return BUTTON_NONE;
}

void CBCGPTabWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
    EnsureVisible(m_iActiveTab);
    Invalidate(FALSE);
}

void CBCGPTabWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    switch (GetButtonFromPoint(point))
    {
    case BUTTON_SCROLL_LEFT:
        if (m_iFirstVisible > 0)
        {
            m_iFirstVisible--;
            LayoutTabs();
            Invalidate(FALSE);
        }
        return;
    case BUTTON_SCROLL_RIGHT:
        if (CanScrollRight())
        {
            m_iFirstVisible++;
            LayoutTabs();
            Invalidate(FALSE);
        }
        return;
    case BUTTON_CLOSE:
        if (GetActiveWnd() != NULL)
            GetActiveWnd()->PostMessage(WM_CLOSE);
        return;
    default:
        break;
    }
    int iTab = GetTabFromPoint(point);
    if (iTab < 0)
        return;
    ActivateTab(iTab, TRUE);
    // The strip keeps a focus it had (keyboard use); otherwise the page takes it.
    if (::GetFocus() != m_hWnd && GetActiveWnd() != NULL)
        GetActiveWnd()->SetFocus();
    if (m_bTearOff && IsTabDetachable(iTab))
    {
        m_iPressedTab = iTab;
        m_ptPressed = point;
        SetCapture();
    }
}

BOOL CBCGPTabWnd::PreTranslateMessage(MSG* pMsg)
{
    // Ctrl+PageDown and Ctrl+PageUp switch to the next and previous tab, round the ends, while
    // the focus is anywhere inside the tab window.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_NEXT || pMsg->wParam == VK_PRIOR) &&
        ::GetKeyState(VK_CONTROL) < 0 && ::GetKeyState(VK_MENU) >= 0 &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)) && GetTabsNum() > 1)
    {
        StepActiveTab(pMsg->wParam == VK_NEXT ? 1 : -1, TRUE);
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

UINT CBCGPTabWnd::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}

void CBCGPTabWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // With the focus on the strip, Left and Right move to the neighbouring tab and stop at the
    // ends, as a tab control does.
    if (nChar == VK_LEFT || nChar == VK_RIGHT)
        StepActiveTab(nChar == VK_RIGHT ? 1 : -1, FALSE);
    else
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CBCGPTabWnd::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    Invalidate(FALSE); // the focus mark
}

void CBCGPTabWnd::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    Invalidate(FALSE);
}

void CBCGPTabWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    CWnd::OnParentNotify(message, lParam);
    if (LOWORD(message) != WM_DESTROY)
        return;
    int iTab = GetTabFromHwnd((HWND)lParam);
    if (iTab >= 0)
        ForgetTab(iTab);
}

void CBCGPTabWnd::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    Remeasure();
}

void CBCGPTabWnd::Remeasure()
{
    for (CTab& tab : m_tabs)
        tab.nFullWidth = MeasureLabel(tab.strLabel);
    RecalcLayout();
    Invalidate(FALSE);
}

LRESULT CBCGPTabWnd::OnDpiChanged(WPARAM wParam, LPARAM)
{
    const UINT nDpi = CDpi::FromMessage(m_hWnd, (UINT)GetCurrentMessage()->message, wParam);
    if (nDpi == m_nDpi)
        return 0;
    m_nDpi = nDpi;
    // The GUI font is the screen's; at another DPI the strip uses it at that DPI.
    CDpi::GuiFont(nDpi, m_fontAtDpi);
    Remeasure();
    return 0;
}

LRESULT CBCGPTabWnd::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = (HFONT)wParam;
    for (CTab& tab : m_tabs)
        tab.nFullWidth = MeasureLabel(tab.strLabel);
    RecalcLayout();
    if (LOWORD(lParam) != 0)
        Invalidate(FALSE);
    return 0;
}

LRESULT CBCGPTabWnd::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)m_hFont;
}

LRESULT CBCGPTabWnd::OnPrintClient(WPARAM wParam, LPARAM)
{
    // Straight into the caller's DC (PrintWindow, window animations); the children print
    // themselves.
    CRect rectClient;
    GetClientRect(&rectClient);
    DrawStrip(CDC::FromHandle((HDC)wParam), rectClient);
    return 0;
}

BOOL CBCGPTabWnd::OnEraseBkgnd(CDC*)
{
    return TRUE; // painted whole, off-screen
}

void CBCGPTabWnd::OnPaint()
{
    PAINTSTRUCT ps;
    CDC* pDC = CDC::FromHandle(::BeginPaint(m_hWnd, &ps));
    CRect rectClient;
    GetClientRect(&rectClient);
    {
        // The page's window paints itself: the children are clipped out of the copy.
        CBCGPMemDC memDC(*pDC, rectClient);
        DrawStrip(&memDC.GetDC(), rectClient);
    }
    ::EndPaint(m_hWnd, &ps);
}

void CBCGPTabWnd::DrawStrip(CDC* pDC, const CRect& rectClient)
{
    CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
    CRect rectPage = rectClient;
    if (m_location == LOCATION_BOTTOM)
        rectPage.bottom = m_rectTabsArea.top;
    else
        rectPage.top = m_rectTabsArea.bottom;
    pManager->OnEraseTabsFrame(pDC, rectPage, m_rectWndArea, this);
    pManager->OnEraseTabsArea(pDC, m_rectTabsArea, this);
    CFont* pOldFont = pDC->SelectObject(CFont::FromHandle(GetTabFont()));
    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&m_rectTabs);
    // The active tab last: it joins the page over the strip's edge.
    for (int i = 0; i < GetTabsNum(); i++)
    {
        if (i != m_iActiveTab && !m_tabs[i].rect.IsRectEmpty())
            pManager->OnDrawTab(pDC, m_tabs[i].rect, i, FALSE, this);
    }
    if (m_iActiveTab >= 0 && !m_tabs[m_iActiveTab].rect.IsRectEmpty())
    {
        CRect rect = m_tabs[m_iActiveTab].rect;
        pManager->OnDrawTab(pDC, rect, m_iActiveTab, TRUE, this);
        if (::GetFocus() == m_hWnd)
        {
            rect.DeflateRect(Scaled(3), Scaled(3));
            pDC->SetTextColor(RGB(0, 0, 0));
            pDC->SetBkColor(RGB(255, 255, 255));
            pDC->DrawFocusRect(&rect);
        }
    }
    pDC->RestoreDC(nSaved);
    pDC->SelectObject(pOldFont);
    if (m_bScroll)
    {
        pManager->OnDrawTabButton(pDC, GetButtonRect(BUTTON_SCROLL_LEFT), BUTTON_SCROLL_LEFT, m_iFirstVisible > 0, this);
        pManager->OnDrawTabButton(pDC, GetButtonRect(BUTTON_SCROLL_RIGHT), BUTTON_SCROLL_RIGHT, CanScrollRight(), this);
    }
    if (m_bCloseButton)
        pManager->OnDrawTabButton(pDC, GetButtonRect(BUTTON_CLOSE), BUTTON_CLOSE, m_iActiveTab >= 0, this);
}

BOOL CBCGPTabWnd::MoveTab(int iFrom, int iTo)
{
    if (iFrom < 0 || iFrom >= GetTabsNum() || iTo < 0 || iTo >= GetTabsNum())
        return FALSE;
    HWND hActive = m_iActiveTab >= 0 ? m_tabs[m_iActiveTab].hWnd : NULL;
    CTab tab = m_tabs[iFrom];
    m_tabs.erase(m_tabs.begin() + iFrom);
    m_tabs.insert(m_tabs.begin() + iTo, tab);
    if (hActive != NULL)
        m_iActiveTab = GetTabFromHwnd(hActive);
    if (m_hWnd != NULL)
    {
        RecalcLayout();
        Invalidate(FALSE);
    }
    return TRUE;
}

void CBCGPTabWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    // Off the strip beyond the drag distance: the tab leaves, and the parent goes on with the drag.
    if (m_iPressedTab < 0 || m_rectTabsArea.PtInRect(point) ||
        (abs(point.x - m_ptPressed.x) < ::GetSystemMetrics(SM_CXDRAG) &&
            abs(point.y - m_ptPressed.y) < ::GetSystemMetrics(SM_CYDRAG)))
        return;
    int iTab = m_iPressedTab;
    m_iPressedTab = -1;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    ClientToScreen(&point);
    ::SendMessageA(::GetParent(m_hWnd), BCGM_TAB_TEAR_OFF, (WPARAM)iTab, (LPARAM)&point);
}

void CBCGPTabWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_iPressedTab = -1;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    CWnd::OnLButtonUp(nFlags, point);
}

void CBCGPTabWnd::OnCaptureChanged(CWnd* pWnd)
{
    m_iPressedTab = -1;
    CWnd::OnCaptureChanged(pWnd);
}
