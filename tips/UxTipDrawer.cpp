// UxTipDrawer.cpp: drawing laid-out markup and backgrounds with GDI.
#include "tips/UxTipDrawer.h"

#include "tips/UxToolTipInfo.h"

namespace {

// Gradients are always painted in this many bands.
const int kGradientShift = 6;
const int kGradientBands = 1 << kGradientShift;

// One channel of band i: from + i * (to - from) / 64, in integer steps; never negative, since it
// is from * (64 - i) + to * i over 64.
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

void CUxTipDrawer::Box(const UxTipBox& box)
{
    switch (box.nKind) {
    case UxTipBox::TEXT_COLOR:
        m_pDC->SetTextColor(Color(*box.pRun));
        return;
    case UxTipBox::BK_COLOR:
        m_pDC->SetBkColor(Color(*box.pRun));
        m_pDC->SetBkMode(box.pRun->bClose ? TRANSPARENT : OPAQUE);
        return;
    default:
        break;
    }
    if (!m_bDraw)
        return;
    switch (box.nKind) {
    case UxTipBox::TEXT:
        // The layout has selected the run's font.
        m_pDC->TextOut(box.x, box.y, m_markup.Chars(*box.pRun), box.pRun->nLength);
        break;
    case UxTipBox::RULE:
        DrawRule(m_pDC, box.x, box.x2, box.y);
        break;
    case UxTipBox::PICTURE: {
        CSize sz;
        m_pictures.Picture(m_markup, *box.pRun, m_pDC, CPoint(box.x, box.y), box.nLineHeight, FALSE, sz);
        break;
    }
    default:
        break;
    }
}

void CUxTipDrawer::DrawRule(CDC* pDC, int xStart, int xEnd, int y)
{
    CPen pen;
    if (!pen.CreatePen(PS_SOLID, 1, pDC->GetTextColor()))
        return;
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(xStart, y);
    pDC->LineTo(xEnd, y);
    pDC->SelectObject(pOldPen);
}

void CUxTipDrawer::FillBackground(CDC* pDC, const CRect& rect, UINT nEffect, COLORREF crFirst, COLORREF crMid,
                                  COLORREF crLast)
{
    if (nEffect < UXTT_EFFECT_HGRADIENT || nEffect > UXTT_EFFECT_3VGRADIENT) {
        pDC->FillSolidRect(&rect, crFirst);
        return;
    }
    // Odd effects run across, even ones downwards; 1 and 2 are one gradient over the whole
    // rectangle, the others two halves that meet at the last colour (3, 4) or the middle one (5, 6).
    const BOOL bHorz = (nEffect % 2) == 1;
    if (nEffect <= UXTT_EFFECT_VGRADIENT) {
        FillGradient(pDC, rect, crFirst, crLast, bHorz);
        return;
    }
    CRect rcFirst = rect, rcSecond = rect;
    if (bHorz)
        rcFirst.right = rcSecond.left = rect.left + (rect.right - rect.left) / 2;
    else
        rcFirst.bottom = rcSecond.top = rect.top + (rect.bottom - rect.top) / 2;
    const bool bSymmetric = nEffect <= UXTT_EFFECT_VCGRADIENT;
    const COLORREF crTurn = bSymmetric ? crLast : crMid;
    FillGradient(pDC, rcFirst, crFirst, crTurn, bHorz);
    FillGradient(pDC, rcSecond, crTurn, bSymmetric ? crFirst : crLast, bHorz);
}

void CUxTipDrawer::FillGradient(CDC* pDC, const CRect& rect, COLORREF crFrom, COLORREF crTo, BOOL bHorz)
{
    const int r1 = GetRValue(crFrom), g1 = GetGValue(crFrom), b1 = GetBValue(crFrom);
    const int r2 = GetRValue(crTo), g2 = GetGValue(crTo), b2 = GetBValue(crTo);
    const int nStart = bHorz ? rect.left : rect.top;
    const long long nLength = bHorz ? (long long)rect.right - rect.left : (long long)rect.bottom - rect.top;

    for (int i = 0; i < kGradientBands; i++) {
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
