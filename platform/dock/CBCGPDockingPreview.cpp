// CBCGPDockingPreview.cpp: a popup shaped to a frame a few pixels wide, so that what lies inside
// stays visible and nothing needs the display to blend windows; transparent to the mouse.
#include "CBCGPDockingPreview.h"
#include "CBCGPBaseControlBar.h"
#include "CBCGPVisualManager.h"

BEGIN_MESSAGE_MAP(CBCGPDockingPreview, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

BOOL CBCGPDockingPreview::ShowAt(CWnd* pOwner, const CRect& rect)
{
    if (rect.IsRectEmpty())
    {
        HidePreview();
        return TRUE;
    }
    if (m_hWnd == NULL && !CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, AfxRegisterWndClass(0), NULL,
                              WS_POPUP, 0, 0, 0, 0, pOwner->GetSafeHwnd(), NULL))
        return FALSE;
    const int nBorder = CDpi::Scale(BORDER, CBCGPBaseControlBar::GetDpiOf(pOwner));
    if (IsWindowVisible() && GetPreviewRect() == rect && nBorder == m_nBorder)
        return TRUE;
    m_nBorder = nBorder;
    CRgn rgn, rgnInner;
    rgn.CreateRectRgn(0, 0, rect.Width(), rect.Height());
    rgnInner.CreateRectRgn(m_nBorder, m_nBorder, rect.Width() - m_nBorder, rect.Height() - m_nBorder);
    rgn.CombineRgn(&rgn, &rgnInner, RGN_DIFF);
    // Below the markers, which are shown after it.
    SetWindowPos(&CWnd::wndTopMost, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::SetWindowRgn(m_hWnd, (HRGN)rgn.Detach(), TRUE);
    Invalidate();
    return TRUE;
}

void CBCGPDockingPreview::HidePreview()
{
    if (m_hWnd != NULL)
        ShowWindow(SW_HIDE);
}

CRect CBCGPDockingPreview::GetPreviewRect() const
{
    CRect rect(0, 0, 0, 0);
    if (m_hWnd != NULL && IsWindowVisible())
        GetWindowRect(&rect);
    return rect;
}

LRESULT CBCGPDockingPreview::OnNcHitTest(CPoint)
{
    return HTTRANSPARENT;
}

BOOL CBCGPDockingPreview::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CBCGPDockingPreview::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
    CBrush brush;
    brush.CreateHatchBrush(HS_BDIAGONAL, pManager->GetCaptionColor(TRUE));
    dc.SetBkColor(RGB(255, 255, 255));
    dc.FillRect(rect, &brush);
    dc.Draw3dRect(rect, pManager->GetCaptionColor(TRUE), pManager->GetCaptionColor(TRUE));
    rect.DeflateRect(m_nBorder - 1, m_nBorder - 1);
    dc.Draw3dRect(rect, pManager->GetCaptionColor(TRUE), pManager->GetCaptionColor(TRUE));
}
