// CBCGPVisualManagerXP.cpp: the XP look, mixed from the system's colours so that it follows the
// user's scheme.
#include "CBCGPVisualManagerXP.h"

IMPLEMENT_DYNCREATE(CBCGPVisualManagerXP, CBCGPVisualManager)

CBCGPVisualManagerXP::CBCGPVisualManagerXP() {}

COLORREF CBCGPVisualManagerXP::MixColors(COLORREF clr1, COLORREF clr2, int nPercent1)
{
    int nPercent2 = 100 - nPercent1;
    return RGB((GetRValue(clr1) * nPercent1 + GetRValue(clr2) * nPercent2) / 100,
        (GetGValue(clr1) * nPercent1 + GetGValue(clr2) * nPercent2) / 100,
        (GetBValue(clr1) * nPercent1 + GetBValue(clr2) * nPercent2) / 100);
}

COLORREF CBCGPVisualManagerXP::GetBarBackgroundColor() const
{
    return MixColors(GetSysColor(COLOR_3DFACE), GetSysColor(COLOR_WINDOW), 60);
}

COLORREF CBCGPVisualManagerXP::GetBarBorderColor() const
{
    return MixColors(GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DDKSHADOW), 50);
}

COLORREF CBCGPVisualManagerXP::GetCaptionColor(BOOL bActive) const
{
    return bActive ? GetSysColor(COLOR_HIGHLIGHT) : MixColors(GetSysColor(COLOR_3DFACE), GetSysColor(COLOR_3DSHADOW), 70);
}

COLORREF CBCGPVisualManagerXP::GetCaptionTextColor(BOOL bActive) const
{
    return GetSysColor(bActive ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
}

COLORREF CBCGPVisualManagerXP::GetTabAreaColor() const
{
    return GetBarBackgroundColor();
}

COLORREF CBCGPVisualManagerXP::GetTabColor(BOOL bActive) const
{
    return bActive ? GetSysColor(COLOR_WINDOW) : GetBarBackgroundColor();
}

COLORREF CBCGPVisualManagerXP::GetTabTextColor(BOOL bActive) const
{
    return bActive ? GetSysColor(COLOR_BTNTEXT) : MixColors(GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_3DSHADOW), 40);
}

COLORREF CBCGPVisualManagerXP::GetTabBorderColor() const
{
    return GetBarBorderColor();
}

void CBCGPVisualManagerXP::OnDrawStatusBarPaneBorder(CDC* pDC, const CRect& rect)
{
    CBrush brush(MixColors(GetBarBorderColor(), GetBarBackgroundColor(), 50));
    pDC->FrameRect(rect, &brush);
}
