// KwGridCtrlPaint.cpp: CKwGridCtrl's layout of header, scroll bar and editor, scrolling, line
// height, and the off-screen painting of cells, grid lines, selected lines and the white box.
#include "grid/KwGridCtrl.h"
#include "core/CoreGlobalMethods.h"
#include "core/KwDpi.h"
#include "core/KwLineSelection.h"
#include "core/KwPalette.h"
#include "grid/KwHeaderCtrl.h"
#include "core/MemDC.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {
const UINT kNone = CKwGridModel::kNone;

// Keeps far-away lines' coordinates within int, so rectangles of them stay ordered.
int ClampToInt(long long n)
{
    const long long kLimit = INT_MAX / 4;
    return (int)std::max(-kLimit, std::min(kLimit, n));
}

int FloorDiv(long long a, long long b)
{
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return ClampToInt(q);
}

// The right edge of every header item, from x = 0.
std::vector<int> ColumnEdges(const CHeaderCtrl& header)
{
    std::vector<int> edges;
    if (header.GetSafeHwnd() == NULL)
        return edges;
    const int nCount = header.GetItemCount();
    int x = 0;
    for (int i = 0; i < nCount; ++i)
    {
        HDITEMA item = {};
        item.mask = HDI_WIDTH;
        header.GetItem(i, &item);
        x += item.cxy;
        edges.push_back(x);
    }
    return edges;
}

// While a grid paints, the column edges and header height it read once serve every cell's
// rectangle, instead of asking the header again for each cell.
class CPaintGeometry
{
public:
    CPaintGeometry(const CKwGridCtrl* pGrid, const std::vector<int>& edges, int nHeader)
        : m_pGrid(pGrid), m_edges(edges), m_nHeader(nHeader), m_pOuter(s_pActive)
    {
        s_pActive = this;
    }
    ~CPaintGeometry() { s_pActive = m_pOuter; }
    CPaintGeometry(const CPaintGeometry&) = delete;
    CPaintGeometry& operator=(const CPaintGeometry&) = delete;

    // The geometry of the grid being painted on this thread, or NULL.
    static const CPaintGeometry* Of(const CKwGridCtrl* pGrid)
    {
        for (const CPaintGeometry* p = s_pActive; p != NULL; p = p->m_pOuter)
            if (p->m_pGrid == pGrid)
                return p;
        return NULL;
    }

    const CKwGridCtrl* m_pGrid;
    const std::vector<int> m_edges;
    const int m_nHeader;

private:
    const CPaintGeometry* m_pOuter;
    static thread_local const CPaintGeometry* s_pActive;
};

thread_local const CPaintGeometry* CPaintGeometry::s_pActive = NULL;

CRect ChildRectInParent(const CWnd& child, const CWnd& parent)
{
    CRect rect;
    child.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    return rect;
}

// The halftone pattern keeps its phase in the control's coordinates, whatever part is painted.
// Returns the origin it replaced.
CPoint AlignBrushToWindow(CDC& dc)
{
    const CPoint org = dc.GetWindowOrg();
    return dc.SetBrushOrg(((-org.x) % 8 + 8) % 8, ((-org.y) % 8 + 8) % 8);
}
} // namespace

int CKwGridCtrl::GetHeaderHeight() const
{
    if (m_pHeaderCtrl->GetSafeHwnd() == NULL)
        return 0;
    CRect rect;
    m_pHeaderCtrl->GetWindowRect(&rect);
    return rect.Height() - 1;
}

int CKwGridCtrl::GetItemHeight() const
{
    return m_nItemHeight;
}

void CKwGridCtrl::GetItemRect(UINT nColumn, UINT nLine, CRect& rect) const
{
    const CPaintGeometry* pPainting = CPaintGeometry::Of(this);
    const std::vector<int> read = pPainting != NULL ? std::vector<int>() : ColumnEdges(*m_pHeaderCtrl);
    const std::vector<int>& edges = pPainting != NULL ? pPainting->m_edges : read;
    if (nColumn < edges.size())
    {
        rect.left = nColumn == 0 ? 0 : edges[nColumn - 1];
        rect.right = edges[nColumn];
    }
    else
    {
        rect.left = rect.right = edges.empty() ? 0 : edges.back();
    }
    const int nHeader = pPainting != NULL ? pPainting->m_nHeader : GetHeaderHeight();
    rect.top = ClampToInt(((long long)nLine - m_nTopLine) * m_nItemHeight + nHeader);
    rect.bottom = rect.top + m_nItemHeight;
}

void CKwGridCtrl::LayoutAll()
{
    if (m_hWnd == NULL)
        return;
    LayoutScrollBar();
    LayoutHeader();
    LayoutEditor();
}

void CKwGridCtrl::LayoutScrollBar()
{
    if (m_hWnd == NULL || m_scrollBar.m_hWnd == NULL)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nVisible = m_nItemHeight > 0 ? std::max(0, (rcClient.Height() - GetHeaderHeight()) / m_nItemHeight) : 0;
    const UINT nLimit = GetLineCountLimit();
    const long long nReachable = nLimit == kNone ? (long long)GetLineCount() + 1 : nLimit;
    const long long nRange = std::min<long long>(INT_MAX, std::max((long long)m_nTopLine + nVisible, nReachable));

    const BOOL bNeeded = nVisible < nRange;
    if (bNeeded != m_bScrollBarShown)
    {
        m_bScrollBarShown = bNeeded;
        m_scrollBar.ShowWindow(bNeeded ? SW_SHOW : SW_HIDE);
        Invalidate(FALSE);
    }

    // One pixel beyond the client area at right and bottom, so the bar's own frame is not seen.
    const int cxBar = CKwDpi::SystemMetric(SM_CXVSCROLL, m_nDpi);
    const CRect rcBar(rcClient.right - cxBar, rcClient.top, rcClient.right + 1, rcClient.bottom + 1);
    if (ChildRectInParent(m_scrollBar, *this) != rcBar)
        m_scrollBar.SetWindowPos(NULL, rcBar.left, rcBar.top, rcBar.Width(), rcBar.Height(),
            SWP_NOZORDER | SWP_NOACTIVATE);

    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = (int)nRange - 1;
    info.nPage = (UINT)nVisible;
    info.nPos = (int)std::min<long long>(m_nTopLine, INT_MAX);
    m_scrollBar.SetScrollInfo(&info, TRUE);
}

void CKwGridCtrl::LayoutHeader()
{
    if (m_hWnd == NULL || m_pHeaderCtrl->GetSafeHwnd() == NULL)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (m_bScrollBarShown && m_scrollBar.m_hWnd != NULL)
        rcClient.right = ChildRectInParent(m_scrollBar, *this).left;
    WINDOWPOS pos = {};
    HDLAYOUT layout = {&rcClient, &pos};
    if (!m_pHeaderCtrl->Layout(&layout))
        return;
    if (ChildRectInParent(*m_pHeaderCtrl, *this) != CRect(pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy))
        m_pHeaderCtrl->SetWindowPos(NULL, pos.x, pos.y, pos.cx, pos.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CKwGridCtrl::LayoutEditor()
{
    if (m_pEditor == NULL || m_pEditor->m_hWnd == NULL || !m_navigator.HasCell())
        return;
    CRect rect;
    GetItemRect(m_navigator.GetColumn(), m_navigator.GetLine(), rect);
    if (CComboBox* pCombo = dynamic_cast<CComboBox*>(m_pEditor))
    {
        // The combo's height is that of its dropped list.
        rect.bottom += rect.Height() * (pCombo->GetCount() > 0 ? 20 : 4);
        pCombo->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        pCombo->Invalidate(FALSE);
    }
    else
    {
        rect.DeflateRect(Px(3), Px(3), Px(2), Px(2));
        if (ChildRectInParent(*m_pEditor, *this) != rect)
            m_pEditor->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CKwGridCtrl::EnsureVisible(UINT nLine)
{
    if (m_hWnd == NULL || nLine == kNone || m_nItemHeight <= 0)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    // The top line that brings the line's bottom up to the client bottom, then down to its top.
    long long nTop = m_nTopLine;
    const long long nFits = FloorDiv((long long)rcClient.bottom - GetHeaderHeight(), m_nItemHeight);
    nTop = std::max(nTop, (long long)nLine + 1 - nFits);
    nTop = std::min(nTop, (long long)nLine);
    if (nTop != m_nTopLine)
    {
        m_nTopLine = (UINT)nTop;
        LayoutAll();
        Invalidate(FALSE);
    }
}

void CKwGridCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    LayoutAll();
}

void CKwGridCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
    if (m_scrollBar.m_hWnd == NULL)
        return;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    if (!m_scrollBar.GetScrollInfo(&info, SIF_ALL))
        return;
    long long nNew = info.nPos;
    switch (nSBCode)
    {
    case SB_LINEUP: nNew -= 1; break;
    case SB_LINEDOWN: nNew += 1; break;
    case SB_PAGEUP: nNew -= info.nPage; break;
    case SB_PAGEDOWN: nNew += info.nPage; break;
    case SB_THUMBTRACK: nNew = info.nTrackPos; break;
    case SB_TOP: nNew = 0; break;
    case SB_BOTTOM: nNew = info.nMax; break;
    default: break; // SB_THUMBPOSITION, SB_ENDSCROLL
    }
    nNew = std::min(nNew, (long long)info.nMax - (long long)info.nPage + 1);
    nNew = std::max(nNew, (long long)info.nMin);
    m_nTopLine = (UINT)std::max(0LL, nNew);
    LayoutAll();
    Invalidate(FALSE);
}

BOOL CKwGridCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    return CCoreGlobalMethods::HandleMouseWheel(m_hWnd, nFlags, zDelta, pt);
}

LRESULT CKwGridCtrl::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    if (m_fontNormal.GetSafeHandle() != NULL)
    {
        m_fontNormal.Detach();
        m_fontBold.DeleteObject();
    }
    if (wParam != 0)
    {
        m_fontNormal.Attach((HFONT)wParam);
        CCoreGlobalMethods::CreateBoldFont(m_fontNormal, m_fontBold);
    }

    MeasureItemHeight();
    if (m_pHeaderCtrl->GetSafeHwnd() != NULL)
        m_pHeaderCtrl->SendMessage(WM_SETFONT, wParam, TRUE);
    LayoutAll();
    Invalidate(FALSE);
    return 0;
}

void CKwGridCtrl::MeasureItemHeight()
{
    CClientDC dc(this);
    CFont* pOldFont = m_fontNormal.GetSafeHandle() != NULL ? dc.SelectObject(&m_fontNormal) : NULL;
    TEXTMETRICA tm = {};
    dc.GetTextMetrics(&tm);
    m_nItemHeight = tm.tmHeight + tm.tmExternalLeading + Px(6);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
}

LRESULT CKwGridCtrl::OnDpiChanged(WPARAM wParam, LPARAM)
{
    // The font is the host's: a host moved to another DPI gives the grid one made for it.
    m_nDpi = CKwDpi::FromMessage(m_hWnd, (UINT)GetCurrentMessage()->message, wParam);
    if (m_pHeaderCtrl->GetSafeHwnd() != NULL)
        m_pHeaderCtrl->SetDpi(m_nDpi);
    MeasureItemHeight();
    LayoutAll();
    Invalidate(FALSE);
    return 0;
}

int CKwGridCtrl::Px(int n) const
{
    return CKwDpi::Scale(n, m_nDpi);
}

LRESULT CKwGridCtrl::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)m_fontNormal.GetSafeHandle();
}

void CKwGridCtrl::OnHeaderEndTrack(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    LayoutEditor();
    Invalidate(FALSE);
}

void CKwGridCtrl::OnPaint()
{
    auto paint = [this](CDC& target) {
        const int nSaved = target.SaveDC();
        if (m_pHeaderCtrl->GetSafeHwnd() != NULL)
            target.ExcludeClipRect(ChildRectInParent(*m_pHeaderCtrl, *this));
        if (m_bScrollBarShown && m_scrollBar.m_hWnd != NULL)
            target.ExcludeClipRect(ChildRectInParent(m_scrollBar, *this));
        // A memory DC given to paint into is off screen already: a second surface would only
        // cost a copy of the whole client area.
        if (::GetObjectType(target.m_hDC) == OBJ_MEMDC)
        {
            DrawCtrl(target);
        }
        else
        {
            CMemDC dc(&target);
            DrawCtrl(dc);
        }
        target.RestoreDC(nSaved);
    };
    CMemDC::PaintWindow(this, paint);
}

void CKwGridCtrl::DrawCtrl(CDC& dc)
{
    const COLORREF clrBack = CKwPalette::Get(m_bReadOnly ? CKwPalette::eFace : CKwPalette::eWindow);
    const COLORREF clrGridLine = CKwPalette::Get(CKwPalette::eFaceShadow);
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nHeader = GetHeaderHeight();
    const int nLineHeight = m_nItemHeight;

    dc.FillSolidRect(rcClient.left, nHeader, rcClient.Width(), rcClient.bottom - nHeader, clrBack);
    dc.SetBkColor(clrBack);
    // Texts go over cells already in the background colour: filling behind them again is waste.
    const int nOldBkMode = dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = m_fontNormal.GetSafeHandle() != NULL ? dc.SelectObject(&m_fontNormal) : NULL;

    // Cells column by column, from the top line down to the client bottom: the listener is asked
    // for every column, also one that lies beyond the client area or has no width.
    const CPaintGeometry geometry(this, ColumnEdges(*m_pHeaderCtrl), nHeader);
    const std::vector<int>& edges = geometry.m_edges;
    const UINT nLines = GetLineCount();
    for (UINT nColumn = 0; nColumn < edges.size() && nLineHeight > 0; ++nColumn)
    {
        int nTop = nHeader;
        for (UINT nLine = m_nTopLine; nLine < nLines && nTop < rcClient.bottom; ++nLine, nTop += nLineHeight)
            DrawItem(dc, nColumn, nLine);
    }

    // How far down the grid goes: the lines the user can reach.
    long long nGridBottom;
    switch (GetInsertMode())
    {
    case eInsertAppendLine: nGridBottom = ((long long)nLines + 1 - m_nTopLine) * nLineHeight + nHeader; break;
    case eInsertFixed: nGridBottom = ((long long)nLines - m_nTopLine) * nLineHeight + nHeader; break;
    default: nGridBottom = rcClient.bottom + 1; break;
    }

    // Dotted grid lines: the halftone brush in the grid-line colour over the background.
    dc.SetTextColor(clrGridLine);
    dc.SetBkColor(clrBack);
    const CPoint oldBrushOrg = AlignBrushToWindow(dc);
    CBrush* pOldBrush = dc.SelectObject(CDC::GetHalftoneBrush());
    const int nVerticalBottom = (int)std::min<long long>(nGridBottom, rcClient.bottom);
    for (int x : edges)
    {
        if (x >= rcClient.right)
            break;
        if (nVerticalBottom > nHeader)
            dc.PatBlt(x, nHeader, 1, nVerticalBottom - nHeader, PATCOPY);
    }
    if (nLineHeight > 0)
        for (long long y = nHeader + nLineHeight; y <= nGridBottom && y <= rcClient.bottom; y += nLineHeight)
            dc.PatBlt(rcClient.left, (int)y, rcClient.Width(), 1, PATCOPY);

    const BOOL bFocus = FocusIn(this);
    if (bFocus || m_bShowSelectionAlways)
    {
        const CKwLineSelection& selection = m_navigator.GetSelection();
        for (POSITION pos = selection.GetHeadPosition(); pos != NULL;)
        {
            const UINT nLine = selection.GetNext(pos);
            if (nLine < m_nTopLine)
                continue;
            CRect rect;
            GetItemRect(0, nLine, rect);
            if (rect.top >= rcClient.bottom)
                break;
            DrawHighlight(dc, CRect(rcClient.left, rect.top + 1, rcClient.right, rect.top + nLineHeight));
        }
    }

    if ((bFocus || m_bShowWhiteBoxAlways) && m_navigator.HasCell())
    {
        const UINT nColumn = m_navigator.GetColumn(), nLine = m_navigator.GetLine();
        CRect rect;
        GetItemRect(nColumn, nLine, rect);
        rect.DeflateRect(Px(2), Px(2), Px(1), Px(1));
        dc.FillSolidRect(&rect, clrBack);
        dc.SetTextColor(clrGridLine);
        dc.SetBkColor(clrBack);
        dc.PatBlt(rect.left - 1, rect.top - 1, rect.Width() + 2, 1, PATCOPY);
        dc.PatBlt(rect.left - 1, rect.bottom, rect.Width() + 2, 1, PATCOPY);
        dc.PatBlt(rect.left - 1, rect.top, 1, rect.Height(), PATCOPY);
        dc.PatBlt(rect.right, rect.top, 1, rect.Height(), PATCOPY);
        DrawItem(dc, nColumn, nLine);
    }

    dc.SelectObject(pOldBrush);
    dc.SetBrushOrg(oldBrushOrg);
    dc.SetBkMode(nOldBkMode);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
}

void CKwGridCtrl::DrawItem(CDC& dc, UINT nColumn, UINT nLine)
{
    CRect rect;
    GetItemRect(nColumn, nLine, rect);
    rect.DeflateRect(Px(3), Px(3), Px(2), Px(2));

    CKwGridCtrlItem item;
    GetItem(nColumn, nLine, item);
    CString sText;
    if (item.nType == 1)
    {
        if (item.pChoices != NULL && item.nIndex >= 0 && item.nIndex < item.pChoices->GetSize())
            sText = item.pChoices->GetAt(item.nIndex);
    }
    else
    {
        sText = item.sText;
    }
    if (sText.IsEmpty())
        return;

    CFont* pOldFont = item.bBold && m_fontBold.GetSafeHandle() != NULL ? dc.SelectObject(&m_fontBold) : NULL;
    dc.SetTextColor(item.clrText == 0xFFFFFFFF ? CKwPalette::Get(CKwPalette::eWindowText) : item.clrText);
    dc.DrawText(sText, &rect, DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
}

void CKwGridCtrl::DrawHighlight(CDC& dc, const CRect& rect)
{
    if (rect.IsRectEmpty())
        return;
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height()))
        return;
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    memDC.FillSolidRect(0, 0, rect.Width(), rect.Height(), CKwPalette::Get(CKwPalette::eSelection));
    // (NOT old) OR highlight: the window colour turns into the highlight, dark text turns light.
    // On the dark look's dark cells and light text, old OR highlight does the same.
    if (!CKwPalette::IsDark())
        dc.PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), DSTINVERT);
    dc.BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memDC, 0, 0, SRCPAINT);
    memDC.SelectObject(pOldBitmap);
}

HBRUSH CKwGridCtrl::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (!CKwPalette::IsDark())
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    const COLORREF clrBack = CKwPalette::Get(CKwPalette::eWindow);
    LOGBRUSH lb = {};
    if (m_brushEditor.GetSafeHandle() == NULL || !m_brushEditor.GetLogBrush(&lb) || lb.lbColor != clrBack)
    {
        m_brushEditor.DeleteObject();
        m_brushEditor.CreateSolidBrush(clrBack);
    }
    pDC->SetTextColor(CKwPalette::Get(CKwPalette::eWindowText));
    pDC->SetBkColor(clrBack);
    return (HBRUSH)m_brushEditor.GetSafeHandle();
}
