// CBCGPDockingMarkers.cpp: the markers' window is transparent to the mouse (the dragging pane
// keeps the capture) and never takes the activation.
#include "CBCGPDockingMarkers.h"
#include "CBCGPBaseControlBar.h"
#include "CBCGPVisualManager.h"

BEGIN_MESSAGE_MAP(CBCGPDockingMarkers, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CBCGPDockingMarkers::CBCGPDockingMarkers() : m_dwMarkers(0), m_lit(MARKER_NONE) {}

CRect CBCGPDockingMarkers::GetMarkerRect(const CRect& rectTarget, Marker marker, UINT nDpi)
{
    static const int s_dx[] = {-1, 0, 1, 0, 0}, s_dy[] = {0, -1, 0, 1, 0};
    if (marker < MARKER_LEFT || marker > MARKER_CENTER)
        return CRect(0, 0, 0, 0);
    CPoint ptCentre = rectTarget.CenterPoint();
    const int nSize = CDpi::Scale(MARKER_SIZE, nDpi), nStep = nSize + CDpi::Scale(MARKER_GAP, nDpi);
    CPoint pt(ptCentre.x + s_dx[marker] * nStep - nSize / 2, ptCentre.y + s_dy[marker] * nStep - nSize / 2);
    return CRect(pt, CSize(nSize, nSize));
}

CRect CBCGPDockingMarkers::GetFrameMarkerRect(const CRect& rectArea, Marker marker, UINT nDpi)
{
    CPoint ptCentre = rectArea.CenterPoint();
    const int nSize = CDpi::Scale(MARKER_SIZE, nDpi), nInset = CDpi::Scale(2 * MARKER_GAP, nDpi);
    CPoint pt(ptCentre.x - nSize / 2, ptCentre.y - nSize / 2);
    switch (marker)
    {
    case MARKER_FRAME_LEFT: pt.x = rectArea.left + nInset; break;
    case MARKER_FRAME_TOP: pt.y = rectArea.top + nInset; break;
    case MARKER_FRAME_RIGHT: pt.x = rectArea.right - nInset - nSize; break;
    case MARKER_FRAME_BOTTOM: pt.y = rectArea.bottom - nInset - nSize; break;
    default: return CRect(0, 0, 0, 0);
    }
    return CRect(pt, CSize(nSize, nSize));
}

CRect CBCGPDockingMarkers::GetShownRect(Marker marker) const
{
    if ((m_dwMarkers & Bit(marker)) == 0)
        return CRect(0, 0, 0, 0);
    if (marker <= MARKER_CENTER)
        return m_rectTarget.IsRectEmpty() ? CRect(0, 0, 0, 0) : GetMarkerRect(m_rectTarget, marker, m_nDpi);
    return GetFrameMarkerRect(m_rectArea, marker, m_nDpi);
}

CBCGPDockingMarkers::Marker CBCGPDockingMarkers::HitTest(CPoint ptScreen) const
{
    if (m_hWnd == NULL || !IsWindowVisible())
        return MARKER_NONE;
    for (int i = MARKER_LEFT; i < MARKER_COUNT; i++)
        if (GetShownRect((Marker)i).PtInRect(ptScreen))
            return (Marker)i;
    return MARKER_NONE;
}

BOOL CBCGPDockingMarkers::ShowOver(CWnd* pOwner, const CRect& rectArea, const CRect& rectTarget, DWORD dwMarkers,
    CPoint ptCursor)
{
    if (m_hWnd == NULL && !CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, AfxRegisterWndClass(0), NULL,
                              WS_POPUP, 0, 0, 0, 0, pOwner->GetSafeHwnd(), NULL))
        return FALSE;
    const UINT nDpi = CBCGPBaseControlBar::GetDpiOf(pOwner);
    BOOL bMoved = rectTarget != m_rectTarget || rectArea != m_rectArea || dwMarkers != m_dwMarkers || nDpi != m_nDpi;
    m_nDpi = nDpi;
    m_rectTarget = rectTarget;
    m_rectArea = rectArea;
    m_dwMarkers = dwMarkers;
    if (bMoved || !IsWindowVisible())
    {
        // Shaped to the markers, so the panes show between them.
        CRect rectAll(0, 0, 0, 0);
        for (int i = MARKER_LEFT; i < MARKER_COUNT; i++)
            if (!GetShownRect((Marker)i).IsRectEmpty())
                rectAll = rectAll.IsRectEmpty() ? GetShownRect((Marker)i) : (rectAll | GetShownRect((Marker)i));
        if (rectAll.IsRectEmpty())
        {
            HideMarkers();
            return TRUE;
        }
        CRgn rgn;
        rgn.CreateRectRgn(0, 0, 0, 0);
        for (int i = MARKER_LEFT; i < MARKER_COUNT; i++)
        {
            CRect rect = GetShownRect((Marker)i) - rectAll.TopLeft();
            CRgn rgnMarker;
            rgnMarker.CreateRectRgnIndirect(&rect);
            rgn.CombineRgn(&rgn, &rgnMarker, RGN_OR);
        }
        SetWindowPos(&CWnd::wndTopMost, rectAll.left, rectAll.top, rectAll.Width(), rectAll.Height(),
            SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ::SetWindowRgn(m_hWnd, (HRGN)rgn.Detach(), TRUE);
        m_lit = MARKER_NONE;
        Invalidate();
    }
    Marker lit = HitTest(ptCursor);
    if (lit != m_lit)
    {
        m_lit = lit;
        Invalidate();
    }
    return TRUE;
}

void CBCGPDockingMarkers::HideMarkers()
{
    if (m_hWnd != NULL)
        ShowWindow(SW_HIDE);
    m_rectTarget.SetRectEmpty();
    m_rectArea.SetRectEmpty();
    m_dwMarkers = 0;
    m_lit = MARKER_NONE;
}

LRESULT CBCGPDockingMarkers::OnNcHitTest(CPoint)
{
    return HTTRANSPARENT;
}

BOOL CBCGPDockingMarkers::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CBCGPDockingMarkers::OnPaint()
{
    CPaintDC dc(this);
    CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    for (int i = MARKER_LEFT; i < MARKER_COUNT; i++)
    {
        CRect rect = GetShownRect((Marker)i);
        if (rect.IsRectEmpty())
            continue;
        rect -= rectWindow.TopLeft();
        dc.FillSolidRect(rect, i == m_lit ? pManager->GetCaptionColor(TRUE) : pManager->GetBarBorderColor());
        CRect rectInner = rect;
        rectInner.DeflateRect(CDpi::Scale(5, m_nDpi), CDpi::Scale(5, m_nDpi));
        // The part of the pane or the frame the dropped one takes: a side, or all of it as a tab.
        CRect rectShare = rectInner;
        int nSide = i >= MARKER_FRAME_LEFT ? i - MARKER_FRAME_LEFT : i;
        switch (nSide)
        {
        case MARKER_LEFT: rectShare.right = rectShare.left + rectInner.Width() / 3; break;
        case MARKER_TOP: rectShare.bottom = rectShare.top + rectInner.Height() / 3; break;
        case MARKER_RIGHT: rectShare.left = rectShare.right - rectInner.Width() / 3; break;
        case MARKER_BOTTOM: rectShare.top = rectShare.bottom - rectInner.Height() / 3; break;
        default: break;
        }
        dc.FillSolidRect(rectInner, RGB(255, 255, 255));
        dc.FillSolidRect(rectShare, pManager->GetCaptionColor(TRUE));
        CRect rectEdge = rectInner;
        for (int k = CDpi::Scale(1, m_nDpi); k > 0; --k, rectEdge.DeflateRect(1, 1))
            dc.Draw3dRect(rectEdge, pManager->GetBarBorderColor(), pManager->GetBarBorderColor());
    }
}
