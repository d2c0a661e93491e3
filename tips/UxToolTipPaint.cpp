// UxToolTipPaint.cpp: CUxToolTip's appearance: styles, sizes, background effects and gradient
// colours, and the painting of the window (shadow, background, border, icon, text) off screen.
#include "tips/UxToolTip.h"

namespace {

// The table of sizes of the two forms: a balloon with rounded corners, shadow and anchor, and a
// plain rectangle with thin margins.
const UINT kBalloonSizes[UXTT_SIZE_COUNT] = {16, 16, 12, 12, 4, 4, 12, 16, 16, 1, 1};
const UINT kRectangleSizes[UXTT_SIZE_COUNT] = {0, 0, 3, 1, 0, 0, 0, 0, 0, 1, 1};

// Gradients are always painted in this many bands.
const int kGradientShift = 6;
const int kGradientBands = 1 << kGradientShift;

// One channel of band i: from + i * (to - from) / 64, in integer steps; never negative, since
// it is from * (64 - i) + to * i over 64.
int BandChannel(int nFrom, int nTo, int i)
{
    return (nFrom * kGradientBands + i * (nTo - nFrom)) >> kGradientShift;
}

// Where band i begins along an extent of nLength from nStart. Computed in 64 bits, so that an
// absurd rectangle cannot overflow the product.
int BandEdge(int nStart, long long nLength, int i)
{
    return (int)(nStart + ((nLength * i) >> kGradientShift));
}

} // namespace

// ---- Styles, sizes, effects and colours: global, or a tool's own with its mask bit ----

void CUxToolTip::SetStyles(DWORD nStyles, int nIndexTool)
{
    ModifyStyles(nStyles, (DWORD)-1, nIndexTool);
}

void CUxToolTip::ModifyStyles(DWORD nAddStyles, DWORD nRemoveStyles, int nIndexTool)
{
    if (!IsExistTool(nIndexTool))
    {
        m_nStyles = (m_nStyles & ~nRemoveStyles) | nAddStyles;
        return;
    }
    // A tool without styles of its own starts from the global ones.
    UXTOOLTIP_INFO& ti = m_arrTools[nIndexTool];
    DWORD nStyles = (ti.nMask & UXTT_MASK_STYLES) ? ti.nStyles : m_nStyles;
    ti.nStyles = (nStyles & ~nRemoveStyles) | nAddStyles;
    ti.nMask |= UXTT_MASK_STYLES;
}

DWORD CUxToolTip::GetStyles(int nIndexTool)
{
    if (IsExistTool(nIndexTool) && (m_arrTools[nIndexTool].nMask & UXTT_MASK_STYLES))
        return m_arrTools[nIndexTool].nStyles;
    return m_nStyles;
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
    if (!IsExistTool(nIndexTool))
    {
        m_nEffect = nEffect;
        m_nGranularity = nGranularity;
        return;
    }
    UXTOOLTIP_INFO& ti = m_arrTools[nIndexTool];
    ti.nEffect = nEffect;
    ti.nGranularity = nGranularity;
    ti.nMask |= UXTT_MASK_EFFECT;
}

UINT CUxToolTip::GetEffectBk(int nIndexTool)
{
    BYTE nGranularity = 0;
    return GetEffectBk(nGranularity, nIndexTool);
}

UINT CUxToolTip::GetEffectBk(BYTE& nGranularity, int nIndexTool)
{
    if (IsExistTool(nIndexTool) && (m_arrTools[nIndexTool].nMask & UXTT_MASK_EFFECT))
    {
        nGranularity = m_arrTools[nIndexTool].nGranularity;
        return m_arrTools[nIndexTool].nEffect;
    }
    nGranularity = m_nGranularity;
    return m_nEffect;
}

void CUxToolTip::SetGradientColors(COLORREF crBegin, COLORREF crMid, COLORREF crEnd, int nIndexTool)
{
    if (!IsExistTool(nIndexTool))
    {
        m_crColor[UXTT_COLOR_BK_BEGIN] = crBegin;
        m_crColor[UXTT_COLOR_BK_MID] = crMid;
        m_crColor[UXTT_COLOR_BK_END] = crEnd;
        return;
    }
    UXTOOLTIP_INFO& ti = m_arrTools[nIndexTool];
    ti.crBegin = crBegin;
    ti.crMid = crMid;
    ti.crEnd = crEnd;
    ti.nMask |= UXTT_MASK_COLORS;
}

void CUxToolTip::GetGradientColors(COLORREF& crBegin, COLORREF& crMid, COLORREF& crEnd, int nIndexTool)
{
    if (IsExistTool(nIndexTool) && (m_arrTools[nIndexTool].nMask & UXTT_MASK_COLORS))
    {
        const UXTOOLTIP_INFO& ti = m_arrTools[nIndexTool];
        crBegin = ti.crBegin;
        crMid = ti.crMid;
        crEnd = ti.crEnd;
        return;
    }
    crBegin = m_crColor[UXTT_COLOR_BK_BEGIN];
    crMid = m_crColor[UXTT_COLOR_BK_MID];
    crEnd = m_crColor[UXTT_COLOR_BK_END];
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

    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height()))
        return;
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);

    // The window's background is never erased, so the screen under it still shows what lay
    // beneath when it appeared: the shadow darkens that.
    CPoint ptOrigin(0, 0);
    ClientToScreen(&ptOrigin);
    HDC hScreenDC = ::GetDC(NULL);
    if (hScreenDC != NULL)
    {
        ::BitBlt(memDC.m_hDC, 0, 0, rect.Width(), rect.Height(), hScreenDC, ptOrigin.x, ptOrigin.y, SRCCOPY);
        ::ReleaseDC(NULL, hScreenDC);
    }

    OnDraw(&memDC, rect);

    dc.BitBlt(0, 0, rect.Width(), rect.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOldBitmap);
    bitmap.DeleteObject();
    memDC.DeleteDC();
}

BOOL CUxToolTip::OnEraseBkgnd(CDC* pDC)
{
    return FALSE;
}

void CUxToolTip::OnDraw(CDC* pDC, CRect rect)
{
    pDC->SetBkMode(TRANSPARENT);

    const DWORD nStyles = m_pToolInfo.nStyles;
    if (nStyles & UXTT_STYLE_SHADOW)
    {
        OnDrawShadow(pDC);
        rect.right -= (int)m_nSizes[UXTT_SIZE_SHADOW_CX];
        rect.bottom -= (int)m_nSizes[UXTT_SIZE_SHADOW_CY];
    }

    // Everything from here on stays inside the tip's body and anchor; the caller's clipping
    // comes back at the end.
    CRgn rgnOldClip;
    rgnOldClip.CreateRectRgn(0, 0, 0, 0);
    BOOL bHadClip = ::GetClipRgn(pDC->m_hDC, (HRGN)rgnOldClip.m_hObject) == 1;
    pDC->SelectClipRgn(&m_rgnToolTip);

    OnDrawBackground(pDC, &rect);

    CBrush brushBorder;
    if (brushBorder.CreateSolidBrush(m_crColor[UXTT_COLOR_BORDER]))
        pDC->FrameRgn(&m_rgnToolTip, &brushBorder, (int)m_nSizes[UXTT_SIZE_BORDER_CX],
                      (int)m_nSizes[UXTT_SIZE_BORDER_CY]);

    rect.DeflateRect((int)m_nSizes[UXTT_SIZE_MARGIN_CX], (int)m_nSizes[UXTT_SIZE_MARGIN_CY]);

    // Room for the anchor, on the side of the cursor, whether or not the anchor is drawn.
    if (m_nDirection == UXTT_DIR_BELOW_LEFT || m_nDirection == UXTT_DIR_BELOW_RIGHT)
        rect.top += (int)m_nSizes[UXTT_SIZE_ANCHOR_HEIGHT];
    else
        rect.bottom -= (int)m_nSizes[UXTT_SIZE_ANCHOR_HEIGHT];

    if (m_pToolInfo.hIcon != NULL)
    {
        int yIcon = rect.top;
        if (nStyles & UXTT_STYLE_ICON_VCENTER)
            yIcon = rect.top + (rect.Height() - m_szToolIcon.cy) / 2;
        else if (nStyles & UXTT_STYLE_ICON_BOTTOM)
            yIcon = rect.bottom - m_szToolIcon.cy;
        pDC->DrawState(CPoint((int)m_nSizes[UXTT_SIZE_MARGIN_CX], yIcon), m_szToolIcon, m_pToolInfo.hIcon,
                       DST_ICON | DSS_NORMAL, (HBRUSH)NULL);
        rect.left += (int)m_nSizes[UXTT_SIZE_MARGIN_CX] + m_szToolIcon.cx;
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
    const CRect rect = *pRect;
    const UINT nEffect = m_pToolInfo.nEffect;
    const COLORREF crFirst = m_pToolInfo.crBegin;
    if (nEffect < UXTT_EFFECT_HGRADIENT || nEffect > UXTT_EFFECT_3VGRADIENT)
    {
        pDC->FillSolidRect(&rect, crFirst);
        return;
    }

    // Odd effects run across, even ones downwards; 1 and 2 are one gradient over the whole
    // rectangle, the others two halves that meet at the last colour (3, 4) or the middle one (5, 6).
    const BOOL bHorz = (nEffect % 2) == 1;
    if (nEffect <= UXTT_EFFECT_VGRADIENT)
    {
        FillGradient(pDC, rect, crFirst, m_pToolInfo.crEnd, bHorz);
        return;
    }
    CRect rcFirst = rect, rcSecond = rect;
    if (bHorz)
        rcFirst.right = rcSecond.left = rect.left + (rect.right - rect.left) / 2;
    else
        rcFirst.bottom = rcSecond.top = rect.top + (rect.bottom - rect.top) / 2;
    const bool bSymmetric = nEffect <= UXTT_EFFECT_VCGRADIENT;
    const COLORREF crTurn = bSymmetric ? m_pToolInfo.crEnd : m_pToolInfo.crMid;
    FillGradient(pDC, rcFirst, crFirst, crTurn, bHorz);
    FillGradient(pDC, rcSecond, crTurn, bSymmetric ? crFirst : m_pToolInfo.crEnd, bHorz);
}

void CUxToolTip::FillGradient(CDC* pDC, CRect rect, COLORREF colorStart, COLORREF colorFinish, BOOL bHorz)
{
    const int r1 = GetRValue(colorStart), g1 = GetGValue(colorStart), b1 = GetBValue(colorStart);
    const int r2 = GetRValue(colorFinish), g2 = GetGValue(colorFinish), b2 = GetBValue(colorFinish);
    const int nStart = bHorz ? rect.left : rect.top;
    const long long nLength = bHorz ? (long long)rect.right - rect.left : (long long)rect.bottom - rect.top;

    for (int i = 0; i < kGradientBands; i++)
    {
        // Bands narrower than a pixel are skipped, so each pixel is painted once.
        const int nFrom = BandEdge(nStart, nLength, i);
        const int nTo = BandEdge(nStart, nLength, i + 1);
        if (nTo <= nFrom)
            continue;
        CRect band = bHorz ? CRect(nFrom, rect.top, nTo, rect.bottom) : CRect(rect.left, nFrom, rect.right, nTo);
        CBrush brush;
        if (brush.CreateSolidBrush(RGB(BandChannel(r1, r2, i), BandChannel(g1, g2, i), BandChannel(b1, b2, i))))
            pDC->FillRect(&band, &brush);
    }
}
