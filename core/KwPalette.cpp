// KwPalette.cpp: the table of the toolkit's colours in both looks.
#include "core/KwPalette.h"
#include "core/KwVisualManagerDark.h"

#include <commctrl.h>

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
    {COLOR_ACTIVECAPTION, 0, RGB(32, 32, 32)},
    {COLOR_CAPTIONTEXT, 0, RGB(255, 255, 255)},
    {COLOR_INACTIVECAPTION, 0, RGB(43, 43, 43)},
    {COLOR_INACTIVECAPTIONTEXT, 0, RGB(150, 150, 150)},
    {COLOR_SCROLLBAR, 0, RGB(23, 23, 23)},
    {COLOR_BTNFACE, 0, RGB(77, 77, 80)},
    {COLOR_BTNSHADOW, 0, RGB(160, 160, 164)},
    {COLOR_BTNFACE, 0, RGB(62, 62, 66)},
    {COLOR_BTNSHADOW, 0, RGB(28, 28, 30)},
    {COLOR_BTNSHADOW, 0, RGB(104, 104, 110)},
    {COLOR_HIGHLIGHT, 0, RGB(0x33, 0x99, 0xFF)},
    {COLOR_BTNFACE, 0, RGB(63, 63, 70)},
};

COLORREF ClassicColor(const SColor& color)
{
    return color.nSysColor == kFixed ? color.clrFixed : ::GetSysColor(color.nSysColor);
}

// The dark colour of an entry, while the dark manager serves.
COLORREF DarkColor(const SColor& color)
{
    return color.clrDark != CLR_NONE ? color.clrDark : CKwVisualManagerDark::GetActive()->GetSysColor(color.nSysColor);
}

// A text colour a handler chose in the classic way: the dark counterpart of the first entry that
// has it as its classic colour, else the colour itself.
COLORREF DarkCounterpart(COLORREF clr)
{
    for (const SColor& color : kColors)
    {
        if (ClassicColor(color) == clr)
            return DarkColor(color);
    }
    return clr;
}

const char kFollowing[] = "KwFollowsLook"; // the property that marks them

LRESULT CALLBACK DialogColorsProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR uId, DWORD_PTR)
{
    if (nMsg == WM_NCDESTROY)
    {
        ::RemoveWindowSubclass(hWnd, DialogColorsProc, uId);
        ::RemovePropA(hWnd, kFollowing);
    }
    if (nMsg == WM_ERASEBKGND && CKwPalette::IsDark())
    {
        // The system's property sheet pages erase without asking WM_CTLCOLORDLG (seen under Wine).
        RECT rect;
        ::GetClientRect(hWnd, &rect);
        ::FillRect((HDC)wParam, &rect, CKwPalette::GetBrush(CKwPalette::eFace));
        return TRUE;
    }
    if (nMsg < WM_CTLCOLORMSGBOX || nMsg > WM_CTLCOLORSTATIC || nMsg == WM_CTLCOLORSCROLLBAR || !CKwPalette::IsDark())
        return ::DefSubclassProc(hWnd, nMsg, wParam, lParam);
    // The dialog's own handlers first; the system's default text colours give way to the look's,
    // and a classic colour a handler chose (a link's) to its dark counterpart.
    ::DefSubclassProc(hWnd, nMsg, wParam, lParam);
    const HDC hDC = (HDC)wParam;
    const BOOL bWindow = nMsg == WM_CTLCOLOREDIT || nMsg == WM_CTLCOLORLISTBOX;
    const COLORREF clrBack = CKwPalette::Get(bWindow ? CKwPalette::eWindow : CKwPalette::eFace);
    const COLORREF clrText = ::GetTextColor(hDC);
    if (clrText == ::GetSysColor(COLOR_WINDOWTEXT) || clrText == ::GetSysColor(COLOR_BTNTEXT))
        ::SetTextColor(hDC, CKwPalette::Get(bWindow ? CKwPalette::eWindowText : CKwPalette::eFaceText));
    else
        ::SetTextColor(hDC, DarkCounterpart(clrText));
    ::SetBkColor(hDC, clrBack);
    return (LRESULT)CKwPalette::GetBrush(bWindow ? CKwPalette::eWindow : CKwPalette::eFace);
}

} // namespace

COLORREF CKwPalette::Get(EColor eColor)
{
    if (eColor < 0 || eColor >= eColorCount)
        eColor = eWindowText;
    const SColor& color = kColors[eColor];
    if (CKwVisualManagerDark::GetActive() == NULL)
        return ClassicColor(color);
    return DarkColor(color);
}

HBRUSH CKwPalette::GetBrush(EColor eColor)
{
    static CBrush s_brushes[eColorCount];
    if (eColor < 0 || eColor >= eColorCount)
        eColor = eWindowText;
    // Made again when the colour has changed, with the look or the system's colours.
    const COLORREF clr = Get(eColor);
    CBrush& brush = s_brushes[eColor];
    LOGBRUSH lb = {};
    if (brush.GetSafeHandle() == NULL || !brush.GetLogBrush(&lb) || lb.lbColor != clr)
    {
        brush.DeleteObject();
        brush.CreateSolidBrush(clr);
    }
    return (HBRUSH)brush.GetSafeHandle();
}

COLORREF CKwPalette::GetOnBack(EColor eColor, COLORREF clrBack)
{
    if (!IsDark() || IsDarkColor(clrBack) || eColor < 0 || eColor >= eColorCount)
        return Get(eColor);
    return ClassicColor(kColors[eColor]);
}

BOOL CKwPalette::IsDark()
{
    return CKwVisualManagerDark::GetActive() != NULL;
}

BOOL CKwPalette::IsDarkColor(COLORREF clr)
{
    return GetRValue(clr) * 299 + GetGValue(clr) * 587 + GetBValue(clr) * 114 < 128 * 1000;
}

void CKwPalette::FollowInDialog(HWND hDlg)
{
    if (::SetWindowSubclass(hDlg, DialogColorsProc, 0, 0))
        ::SetPropA(hDlg, kFollowing, (HANDLE)1);
}

BOOL CKwPalette::IsFollowing(HWND hWnd)
{
    return hWnd != NULL && ::GetPropA(hWnd, kFollowing) != NULL;
}
