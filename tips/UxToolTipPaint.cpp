// UxToolTipPaint.cpp: CUxToolTip's appearance: styles, sizes, background effects and gradient
// colours, and the painting of the window (shadow, background, border, icon, text) off screen.
#include "tips/UxToolTip.h"

#include "core/MemDC.h"
#include "tips/UxTipDrawer.h"

namespace {

// The table of sizes of the two forms: a balloon with rounded corners, shadow and anchor, and a
// plain rectangle with thin margins.
const UINT kBalloonSizes[UXTT_SIZE_COUNT] = {16, 16, 12, 12, 4, 4, 12, 16, 16, 1, 1};
const UINT kRectangleSizes[UXTT_SIZE_COUNT] = {0, 0, 3, 1, 0, 0, 0, 0, 0, 1, 1};

// Selects rgn, in the context's logical coordinates, as its clipping region (which the system
// takes in device coordinates).
void SelectLogicalClip(CDC* pDC, CRgn& rgn)
{
    CPoint ptOrigin(0, 0);
    pDC->LPtoDP(&ptOrigin);
    if (ptOrigin == CPoint(0, 0)) {
        pDC->SelectClipRgn(&rgn);
        return;
    }
    CRgn rgnDevice;
    rgnDevice.CreateRectRgn(0, 0, 0, 0);
    rgnDevice.CopyRgn(&rgn);
    rgnDevice.OffsetRgn(ptOrigin);
    pDC->SelectClipRgn(&rgnDevice);
}

} // namespace

// ---- Styles, sizes, effects and colours: global, or a tool's own with its mask bit ----

void CUxToolTip::SetStyles(DWORD nStyles, int nIndexTool)
{
    ModifyStyles(nStyles, (DWORD)-1, nIndexTool);
}

void CUxToolTip::ModifyStyles(DWORD nAddStyles, DWORD nRemoveStyles, int nIndexTool)
{
    // A tool without styles of its own starts from the global ones.
    UXTOOLTIP_INFO values;
    values.nStyles = (GetStyles(nIndexTool) & ~nRemoveStyles) | nAddStyles;
    SetSetting(UXTT_MASK_STYLES, values, nIndexTool);
}

DWORD CUxToolTip::GetStyles(int nIndexTool)
{
    return m_settings.Effective(Tool(nIndexTool)).nStyles;
}

void CUxToolTip::SetDefaultStyles(int nIndexTool)
{
    SetStyles(UXTT_STYLE_DEFAULT, nIndexTool);
}

void CUxToolTip::SetSize(int nSizeIndex, UINT nValue)
{
    if (nSizeIndex >= 0 && nSizeIndex < UXTT_SIZE_COUNT)
        m_nSizes[nSizeIndex] = nValue;
}

UINT CUxToolTip::GetSize(int nSizeIndex) const
{
    if (nSizeIndex >= 0 && nSizeIndex < UXTT_SIZE_COUNT)
        return m_nSizes[nSizeIndex];
    return 0;
}

void CUxToolTip::SetDefaultSizes(BOOL bBalloonSize)
{
    const UINT* pSizes = bBalloonSize ? kBalloonSizes : kRectangleSizes;
    for (int i = 0; i < UXTT_SIZE_COUNT; i++)
        m_nSizes[i] = pSizes[i];
}

void CUxToolTip::SetEffectBk(UINT nEffect, BYTE nGranularity, int nIndexTool)
{
    UXTOOLTIP_INFO values;
    values.nEffect = nEffect;
    values.nGranularity = nGranularity;
    SetSetting(UXTT_MASK_EFFECT, values, nIndexTool);
}

UINT CUxToolTip::GetEffectBk(int nIndexTool)
{
    BYTE nGranularity = 0;
    return GetEffectBk(nGranularity, nIndexTool);
}

UINT CUxToolTip::GetEffectBk(BYTE& nGranularity, int nIndexTool)
{
    const UXTOOLTIP_INFO ti = m_settings.Effective(Tool(nIndexTool));
    nGranularity = ti.nGranularity;
    return ti.nEffect;
}

void CUxToolTip::SetGradientColors(COLORREF crBegin, COLORREF crMid, COLORREF crEnd, int nIndexTool)
{
    UXTOOLTIP_INFO values;
    values.crBegin = crBegin;
    values.crMid = crMid;
    values.crEnd = crEnd;
    SetSetting(UXTT_MASK_COLORS, values, nIndexTool);
}

void CUxToolTip::GetGradientColors(COLORREF& crBegin, COLORREF& crMid, COLORREF& crEnd, int nIndexTool)
{
    const UXTOOLTIP_INFO ti = m_settings.Effective(Tool(nIndexTool));
    crBegin = ti.crBegin;
    crMid = ti.crMid;
    crEnd = ti.crEnd;
}

// ---- Painting ----

// Painting reports no failure: a brush or bitmap that cannot be had leaves its part unpainted.
void CUxToolTip::OnPaint()
{
    CPaintDC dc(this);
    // Each display is painted once, when it is pending; later paints leave the window as it is.
    if (m_nIndexCurrentWnd == -1)
        return;
    m_nIndexDisplayWnd = m_nIndexCurrentWnd;
    m_nIndexCurrentWnd = -1;

    CRect rect;
    GetClientRect(&rect);
    rect.right--;
    rect.bottom--;
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;

    // Composed off screen, and copied to the window once: the client area less its last column
    // and row.
    dc.IntersectClipRect(&rect);
    CMemDC memDC(&dc);
    CRect rcPaint;
    memDC.GetClipBox(&rcPaint);
    // The window's background is never erased, so the screen under it still shows what lay
    // beneath when it appeared: the shadow darkens that.
    CPoint ptOrigin(0, 0);
    ClientToScreen(&ptOrigin);
    HDC hScreenDC = ::GetDC(NULL);
    if (hScreenDC != NULL) {
        ::BitBlt(memDC.m_hDC, rcPaint.left, rcPaint.top, rcPaint.Width(), rcPaint.Height(), hScreenDC,
                 ptOrigin.x + rcPaint.left, ptOrigin.y + rcPaint.top, SRCCOPY);
        ::ReleaseDC(NULL, hScreenDC);
    }
    OnDraw(&memDC, rect);
}

// A picture of the tip on screen asked for into a context of the caller's (a host taking a
// picture of its windows): drawn over what that context holds, as it is drawn over the screen.
LRESULT CUxToolTip::OnPrintClient(WPARAM wParam, LPARAM lParam)
{
    CRect rect;
    GetClientRect(&rect);
    rect.right--;
    rect.bottom--;
    if ((m_nIndexDisplayWnd == -1 && m_nIndexCurrentWnd == -1) || wParam == 0 || rect.IsRectEmpty())
        return 0;
    CDC dc;
    dc.Attach((HDC)wParam);
    const int nSaved = dc.SaveDC();
    OnDraw(&dc, rect);
    dc.RestoreDC(nSaved);
    dc.Detach();
    return 0;
}

BOOL CUxToolTip::OnEraseBkgnd(CDC* pDC)
{
    return FALSE;
}

void CUxToolTip::OnDraw(CDC* pDC, CRect rect)
{
    pDC->SetBkMode(TRANSPARENT);

    const DWORD nStyles = m_pToolInfo.nStyles;
    if (nStyles & UXTT_STYLE_SHADOW) {
        OnDrawShadow(pDC);
        rect.right -= ScaledSize(UXTT_SIZE_SHADOW_CX);
        rect.bottom -= ScaledSize(UXTT_SIZE_SHADOW_CY);
    }

    // Everything from here on stays inside the tip's body and anchor; the caller's clipping
    // comes back at the end.
    CRgn rgnOldClip;
    rgnOldClip.CreateRectRgn(0, 0, 0, 0);
    BOOL bHadClip = ::GetClipRgn(pDC->m_hDC, (HRGN)rgnOldClip.m_hObject) == 1;
    SelectLogicalClip(pDC, m_rgnToolTip);

    OnDrawBackground(pDC, &rect);

    CBrush brushBorder;
    if (brushBorder.CreateSolidBrush(m_crColor[UXTT_COLOR_BORDER]))
        pDC->FrameRgn(&m_rgnToolTip, &brushBorder, ScaledSize(UXTT_SIZE_BORDER_CX),
                      ScaledSize(UXTT_SIZE_BORDER_CY));

    rect.DeflateRect(ScaledSize(UXTT_SIZE_MARGIN_CX), ScaledSize(UXTT_SIZE_MARGIN_CY));

    // Room for the anchor, on the side of the cursor, whether or not the anchor is drawn.
    if (m_nDirection == UXTT_DIR_BELOW_LEFT || m_nDirection == UXTT_DIR_BELOW_RIGHT)
        rect.top += ScaledSize(UXTT_SIZE_ANCHOR_HEIGHT);
    else
        rect.bottom -= ScaledSize(UXTT_SIZE_ANCHOR_HEIGHT);

    if (m_pToolInfo.hIcon != NULL) {
        int yIcon = rect.top;
        if (nStyles & UXTT_STYLE_ICON_VCENTER)
            yIcon = rect.top + (rect.Height() - m_szToolIcon.cy) / 2;
        else if (nStyles & UXTT_STYLE_ICON_BOTTOM)
            yIcon = rect.bottom - m_szToolIcon.cy;
        pDC->DrawState(CPoint(ScaledSize(UXTT_SIZE_MARGIN_CX), yIcon), m_szToolIcon, m_pToolInfo.hIcon,
                       DST_ICON | DSS_NORMAL, (HBRUSH)NULL);
        rect.left += ScaledSize(UXTT_SIZE_MARGIN_CX) + m_szToolIcon.cx;
    }

    if (nStyles & UXTT_STYLE_TEXT_BOTTOM)
        rect.top = rect.bottom - m_szTextTooltip.cy;
    else if (nStyles & UXTT_STYLE_TEXT_VCENTER)
        rect.top += (rect.Height() - m_szTextTooltip.cy) / 2;

    PrintTitleString(pDC, rect, m_pToolInfo.sTooltip, FALSE);

    ::SelectClipRgn(pDC->m_hDC, bHadClip ? (HRGN)rgnOldClip.m_hObject : NULL);
}

void CUxToolTip::OnDrawShadow(CDC* pDC)
{
    // One region fill that ANDs the shadow colour into what lies beneath.
    CBrush brushShadow;
    if (!brushShadow.CreateSolidBrush(m_crColor[UXTT_COLOR_SHADOW]))
        return;
    int nOldRop = pDC->SetROP2(R2_MASKPEN);
    pDC->FillRgn(&m_rgnShadow, &brushShadow);
    pDC->SetROP2(nOldRop);
}

void CUxToolTip::OnDrawBackground(CDC* pDC, CRect* pRect)
{
    CUxTipDrawer::FillBackground(pDC, *pRect, m_pToolInfo.nEffect, m_pToolInfo.crBegin, m_pToolInfo.crMid,
                                 m_pToolInfo.crEnd);
}

void CUxToolTip::FillGradient(CDC* pDC, CRect rect, COLORREF colorStart, COLORREF colorFinish, BOOL bHorz)
{
    CUxTipDrawer::FillGradient(pDC, rect, colorStart, colorFinish, bHorz);
}
