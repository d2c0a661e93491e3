// CBCGPStatusBar.cpp: the panes' layout (computed from the client area whenever asked, so it
// always fits the bar's size), their idle update through the command route, and their painting
// off-screen by the visual manager.
#include "CBCGPStatusBar.h"
#include "CBCGPMemDC.h"
#include "CBCGPVisualManager.h"

#include <afxwin.h>

#include <algorithm>

IMPLEMENT_DYNCREATE(CBCGPStatusBar, CBCGPControlBar)

BEGIN_MESSAGE_MAP(CBCGPStatusBar, CBCGPControlBar)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SIZE()
END_MESSAGE_MAP()

// Sets a pane's state for the command route: enabled shows its text, checked pops it out.
class CBCGPStatusCmdUI : public CCmdUI
{
public:
    CBCGPStatusBar* m_pBar = nullptr;
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        UINT nStyle = m_pBar->GetPaneStyle((int)m_nIndex);
        m_pBar->SetPaneStyle((int)m_nIndex, bOn ? (nStyle & ~SBPS_DISABLED) : (nStyle | SBPS_DISABLED));
    }
    void SetCheck(int nCheck) override
    {
        UINT nStyle = m_pBar->GetPaneStyle((int)m_nIndex);
        m_pBar->SetPaneStyle((int)m_nIndex, nCheck != 0 ? (nStyle | SBPS_POPOUT) : (nStyle & ~SBPS_POPOUT));
    }
    void SetText(LPCTSTR lpszText) override { m_pBar->SetPaneText((int)m_nIndex, lpszText); }
};

CBCGPStatusBar::CBCGPStatusBar() : m_hFont(NULL) {}

CBCGPStatusBar::~CBCGPStatusBar()
{
    if (m_hFont != NULL)
        ::DeleteObject(m_hFont);
}

BOOL CBCGPStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    // The system's font as it is (the screen's) until the bar knows its DPI.
    m_nDpi = CDpi::ForWindow(NULL);
    if (m_hFont == NULL)
        MakeFont();
    DWORD dwBarStyle = dwStyle & CBRS_ALIGN_ANY;
    if (!CreateBar(NULL, dwStyle & ~CBRS_ALIGN_ANY, dwBarStyle != 0 ? dwBarStyle : CBRS_ALIGN_BOTTOM,
            CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    // Shown at another DPI than the screen's from the start.
    if (m_nDpi != CDpi::ForWindow(NULL))
        MakeFont();
    m_nPaneDpi = m_nDpi;
    return TRUE;
}

void CBCGPStatusBar::MakeFont()
{
    if (m_hFont != NULL)
        ::DeleteObject(m_hFont);
    m_hFont = NULL;
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return;
    metrics.lfStatusFont.lfHeight = CDpi::ScaleFontHeight(metrics.lfStatusFont.lfHeight, CDpi::ForWindow(NULL), m_nDpi);
    m_hFont = ::CreateFontIndirectA(&metrics.lfStatusFont);
}

void CBCGPStatusBar::OnDpiChanged()
{
    MakeFont();
    for (Pane& pane : m_panes)
        pane.cxText = ::MulDiv(pane.cxText, (int)m_nDpi, (int)m_nPaneDpi);
    m_nPaneDpi = m_nDpi;
    Invalidate(FALSE);
    if (m_pDockSite != NULL)
        m_pDockSite->DelayRecalcLayout();
}

int CBCGPStatusBar::TextWidth(LPCTSTR lpszText) const
{
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, m_hFont != NULL ? (HGDIOBJ)m_hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(hDC, lpszText, lstrlenA(lpszText), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    return size.cx;
}

BOOL CBCGPStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (nIDCount < 0 || (nIDCount > 0 && lpIDArray == NULL))
        return FALSE;
    m_panes.clear();
    BOOL bAllFound = TRUE;
    for (int i = 0; i < nIDCount; i++)
    {
        Pane pane = {lpIDArray[i], i == 0 ? (UINT)SBPS_STRETCH : (UINT)SBPS_NORMAL, 0, CString()};
        if (pane.nID != ID_SEPARATOR && !pane.strText.LoadString(pane.nID))
            bAllFound = FALSE;
        pane.cxText = TextWidth(pane.strText);
        m_panes.push_back(pane);
    }
    if (m_hWnd != NULL)
        Invalidate(FALSE);
    return bAllFound;
}

UINT CBCGPStatusBar::GetItemID(int nIndex) const
{
    return IsValid(nIndex) ? m_panes[nIndex].nID : ID_SEPARATOR;
}

int CBCGPStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (size_t i = 0; i < m_panes.size(); i++)
        if (m_panes[i].nID == nIDFind)
            return (int)i;
    return -1;
}

std::vector<CRect> CBCGPStatusBar::CalcItemRects(const CRect& rectClient) const
{
    // Fixed panes take their text and margins; stretchy ones share the rest, never less than
    // their own text.
    CRect rectPanes = rectClient;
    const int nBorder = Scaled(BORDER), nGap = Scaled(GAP), nMargin = Scaled(TEXT_MARGIN);
    rectPanes.DeflateRect(nBorder, nBorder, nBorder, Scaled(1));
    int nFixed = 0, nStretchy = 0;
    for (const Pane& pane : m_panes)
    {
        nFixed += pane.cxText + 2 * nMargin;
        if (pane.nStyle & SBPS_STRETCH)
            nStretchy++;
    }
    nFixed += nGap * std::max(0, (int)m_panes.size() - 1);
    int nExtra = std::max(0, rectPanes.Width() - nFixed);
    std::vector<CRect> rects;
    int x = rectPanes.left;
    for (const Pane& pane : m_panes)
    {
        int cx = pane.cxText + 2 * nMargin;
        if ((pane.nStyle & SBPS_STRETCH) && nStretchy > 0)
        {
            int nShare = nExtra / nStretchy;
            cx += nShare;
            nExtra -= nShare;
            nStretchy--;
        }
        rects.push_back(CRect(x, rectPanes.top, x + cx, rectPanes.bottom));
        x += cx + nGap;
    }
    return rects;
}

void CBCGPStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (lpRect == NULL)
        return;
    ::SetRectEmpty(lpRect);
    if (!IsValid(nIndex) || m_hWnd == NULL)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    *lpRect = CalcItemRects(rectClient)[nIndex];
}

void CBCGPStatusBar::InvalidatePane(int nIndex)
{
    CRect rect;
    GetItemRect(nIndex, &rect);
    if (!rect.IsRectEmpty())
        InvalidateRect(&rect, FALSE);
}

BOOL CBCGPStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    if (!IsValid(nIndex))
        return FALSE;
    CString strText = lpszNewText != NULL ? lpszNewText : "";
    if (m_panes[nIndex].strText == strText)
        return TRUE;
    m_panes[nIndex].strText = strText;
    if (bUpdate)
        InvalidatePane(nIndex);
    return TRUE;
}

CString CBCGPStatusBar::GetPaneText(int nIndex) const
{
    return IsValid(nIndex) ? m_panes[nIndex].strText : CString();
}

void CBCGPStatusBar::SetPaneWidth(int nIndex, int cx)
{
    if (!IsValid(nIndex) || cx < 0 || m_panes[nIndex].cxText == cx)
        return;
    m_panes[nIndex].cxText = cx;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

int CBCGPStatusBar::GetPaneWidth(int nIndex) const
{
    return IsValid(nIndex) ? m_panes[nIndex].cxText : 0;
}

UINT CBCGPStatusBar::GetPaneStyle(int nIndex) const
{
    return IsValid(nIndex) ? m_panes[nIndex].nStyle : 0;
}

void CBCGPStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (!IsValid(nIndex) || m_panes[nIndex].nStyle == nStyle)
        return;
    BOOL bLayout = ((m_panes[nIndex].nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    m_panes[nIndex].nStyle = nStyle;
    if (m_hWnd == NULL)
        return;
    if (bLayout)
        Invalidate(FALSE);
    else
        InvalidatePane(nIndex);
}

CSize CBCGPStatusBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, m_hFont != NULL ? (HGDIOBJ)m_hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    return CSize(bStretch ? 32767 : 0, tm.tmHeight + Scaled(2 * TEXT_MARGIN + BORDER + 1));
}

void CBCGPStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CBCGPStatusCmdUI state;
    state.m_pBar = this;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)m_panes.size();
    for (size_t i = 0; i < m_panes.size(); i++)
    {
        if (m_panes[i].nID == ID_SEPARATOR)
            continue;
        state.m_nID = m_panes[i].nID;
        state.m_nIndex = (UINT)i;
        // A pane nobody updates keeps its state (the message pane, a host's own panes).
        state.DoUpdate(pTarget, FALSE);
    }
}

void CBCGPStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CBCGPControlBar::OnSize(nType, cx, cy);
    Invalidate(FALSE); // the stretchy pane changed and the others moved
}

BOOL CBCGPStatusBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CBCGPStatusBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    if (rectClient.IsRectEmpty())
        return;
    CBCGPMemDC memDC(dc, rectClient);
    CDC& dcMem = memDC.GetDC();
    CFont* pOldFont = dcMem.SelectObject(CFont::FromHandle(m_hFont != NULL ? m_hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
    pManager->OnFillStatusBar(&dcMem, rectClient);
    std::vector<CRect> rects = CalcItemRects(rectClient);
    for (size_t i = 0; i < m_panes.size(); i++)
        pManager->OnDrawStatusBarPane(&dcMem, rects[i], m_panes[i].strText, (m_panes[i].nStyle & SBPS_DISABLED) == 0);
    dcMem.SelectObject(pOldFont);
}
