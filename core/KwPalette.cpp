// KwPalette.cpp: the table of the toolkit's colours in both looks.
#include "core/KwPalette.h"
#include "core/KwVisualManagerDark.h"

namespace {

const int kFixed = -1;

struct SColor
{
    int nSysColor;      // the classic colour's COLOR_ index, or kFixed
    COLORREF clrFixed;  // the classic colour where it is fixed
    COLORREF clrDark;   // the dark colour; CLR_NONE: the dark table's system colour
};

const SColor kColors[CKwPalette::eColorCount] = {
    {COLOR_WINDOW, 0, CLR_NONE},
    {COLOR_BTNTEXT, 0, CLR_NONE},
    {COLOR_GRAYTEXT, 0, CLR_NONE},
    {COLOR_BTNFACE, 0, CLR_NONE},
    {COLOR_BTNTEXT, 0, CLR_NONE},
    {COLOR_BTNHIGHLIGHT, 0, CLR_NONE},
    {COLOR_BTNSHADOW, 0, CLR_NONE},
    {COLOR_HIGHLIGHT, 0, CLR_NONE},
    {COLOR_INFOBK, 0, CLR_NONE},
    {COLOR_INFOTEXT, 0, CLR_NONE},
    {COLOR_BTNSHADOW, 0, RGB(10, 10, 10)},
    {kFixed, RGB(0x00, 0x00, 0xEE), RGB(0x6C, 0xB4, 0xFF)},
    {kFixed, RGB(0x55, 0x1A, 0x8B), RGB(0xC0, 0x9C, 0xF0)},
    {kFixed, RGB(0xFF, 0xFF, 0xE1), RGB(55, 55, 60)},
    {kFixed, RGB(0x00, 0x00, 0x00), RGB(241, 241, 241)},
    {kFixed, RGB(0x00, 0x00, 0xC0), RGB(0x6C, 0xB4, 0xFF)},
    {kFixed, RGB(0x80, 0x80, 0x80), RGB(110, 110, 116)},
    {kFixed, RGB(0xFF, 0xFF, 0xFF), RGB(62, 62, 66)},
    {kFixed, RGB(0x00, 0x00, 0x00), RGB(230, 230, 230)},
    {kFixed, RGB(0xFF, 0xFF, 0xFF), RGB(96, 96, 102)},
    {kFixed, RGB(0xC0, 0xC0, 0xC0), RGB(70, 70, 74)},
    {kFixed, RGB(0x81, 0x81, 0x81), RGB(78, 78, 84)},
    {kFixed, RGB(0x02, 0x02, 0x02), RGB(18, 18, 18)},
    {kFixed, RGB(0x02, 0x02, 0x02), RGB(230, 230, 230)},
    {kFixed, RGB(0x00, 0x00, 0x7F), RGB(0x33, 0x99, 0xFF)},
};

} // namespace

COLORREF CKwPalette::Get(EColor eColor)
{
    if (eColor < 0 || eColor >= eColorCount)
        eColor = eWindowText;
    const SColor& color = kColors[eColor];
    CKwVisualManagerDark* pDark = CKwVisualManagerDark::GetActive();
    if (pDark == NULL)
        return color.nSysColor == kFixed ? color.clrFixed : ::GetSysColor(color.nSysColor);
    return color.clrDark != CLR_NONE ? color.clrDark : pDark->GetSysColor(color.nSysColor);
}

BOOL CKwPalette::IsDark()
{
    return CKwVisualManagerDark::GetActive() != NULL;
}
