// KwDarkControls.cpp: buttons, tabs and headers drawn in the palette's dark colours, in the
// geometry the system gives them (item rectangles, the check box's square, the group's frame).
#include "core/KwDarkControls.h"
#include "core/KwPalette.h"
#include "core/KwSystem.h"

#include <commctrl.h>

#include <algorithm>
#include <typeinfo>

namespace {

enum EKind
{
    eNone,
    eButton,
    eTab,
    eHeader,
    eCombo
};

// A brush and a pen of one colour selected into a DC for as long as the object lives.
struct SSolidTools
{
    HDC hDC;
    HBRUSH hBrush;
    HPEN hPen;
    HGDIOBJ hOldBrush, hOldPen;

    SSolidTools(HDC hTarget, COLORREF clrFill, COLORREF clrLine)
        : hDC(hTarget), hBrush(::CreateSolidBrush(clrFill)), hPen(::CreatePen(PS_SOLID, 1, clrLine)),
          hOldBrush(::SelectObject(hTarget, hBrush)), hOldPen(::SelectObject(hTarget, hPen))
    {
    }
    ~SSolidTools()
    {
        ::SelectObject(hDC, hOldBrush);
        ::SelectObject(hDC, hOldPen);
        ::DeleteObject(hBrush);
        ::DeleteObject(hPen);
    }
};

// A button a window object of the framework took over paints itself (a colour button draws its
// swatch over a push button), unless the object is a plain window's or a button's.
BOOL PaintsItself(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    return pWnd != NULL && typeid(*pWnd) != typeid(CWnd) && dynamic_cast<CButton*>(pWnd) == NULL;
}

EKind KindOf(HWND hWnd)
{
    char szClass[32] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    const LONG lStyle = ::GetWindowLongA(hWnd, GWL_STYLE);
    const HWND hParent = ::GetParent(hWnd);
    if (lstrcmpiA(szClass, "Button") == 0)
    {
        switch (lStyle & BS_TYPEMASK)
        {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
        case BS_GROUPBOX:
            return (lStyle & (BS_BITMAP | BS_ICON)) == 0 && CKwPalette::IsFollowing(hParent) && !PaintsItself(hWnd) ? eButton : eNone;
        default:
            return eNone; // owner-drawn and picture buttons keep their own painting
        }
    }
    if (lstrcmpiA(szClass, WC_COMBOBOXA) == 0)
        return (lStyle & 3) != CBS_SIMPLE && CKwPalette::IsFollowing(hParent) ? eCombo : eNone;
    if (lstrcmpiA(szClass, WC_TABCONTROLA) == 0)
        return (lStyle & (TCS_BOTTOM | TCS_VERTICAL | TCS_BUTTONS | TCS_OWNERDRAWFIXED)) == 0 && CKwPalette::IsFollowing(hParent) ? eTab : eNone;
    if (lstrcmpiA(szClass, WC_HEADERA) == 0)
        return KwIsWindowClass(hParent, WC_LISTVIEWA) && CKwPalette::IsDarkColor((COLORREF)::SendMessageA(hParent, LVM_GETBKCOLOR, 0, 0)) ? eHeader : eNone;
    return eNone;
}

// The text of a control; while the object lives, the font the control was given is selected
// into hDC and text is drawn transparently.
struct SText
{
    char sz[256];
    HDC hDC;
    HGDIOBJ hOldFont;
    int nOldMode;
    UINT nPrefix; // DT_HIDEPREFIX while the keyboard cues are hidden
    BOOL bHideFocus;

    SText(HWND hWnd, HDC hTarget) : hDC(hTarget), nOldMode(::SetBkMode(hTarget, TRANSPARENT))
    {
        sz[0] = 0;
        ::GetWindowTextA(hWnd, sz, sizeof(sz));
        HGDIOBJ hFont = (HGDIOBJ)::SendMessageA(hWnd, WM_GETFONT, 0, 0);
        hOldFont = ::SelectObject(hDC, hFont != NULL ? hFont : ::GetStockObject(SYSTEM_FONT));
        const LRESULT nUiState = ::SendMessageA(hWnd, WM_QUERYUISTATE, 0, 0);
        nPrefix = (nUiState & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0;
        bHideFocus = (nUiState & UISF_HIDEFOCUS) != 0;
    }
    ~SText()
    {
        ::SetBkMode(hDC, nOldMode);
        ::SelectObject(hDC, hOldFont);
    }
};

void DrawFocus(HDC hDC, RECT rect)
{
    const COLORREF clrOldText = ::SetTextColor(hDC, RGB(0, 0, 0));
    const COLORREF clrOldBack = ::SetBkColor(hDC, RGB(255, 255, 255));
    ::DrawFocusRect(hDC, &rect);
    ::SetTextColor(hDC, clrOldText);
    ::SetBkColor(hDC, clrOldBack);
}

void PaintButton(HWND hWnd, HDC hDC)
{
    const LONG lStyle = ::GetWindowLongA(hWnd, GWL_STYLE);
    const UINT nType = lStyle & BS_TYPEMASK;
    const LRESULT nState = ::SendMessageA(hWnd, BM_GETSTATE, 0, 0);
    const BOOL bEnabled = ::IsWindowEnabled(hWnd);
    const BOOL bFocus = ::GetFocus() == hWnd;
    RECT rect;
    ::GetClientRect(hWnd, &rect);
    SText text(hWnd, hDC);
    ::SetTextColor(hDC, CKwPalette::Get(bEnabled ? CKwPalette::eFaceText : CKwPalette::eGrayText));
    TEXTMETRICA tm;
    ::GetTextMetricsA(hDC, &tm);
    const UINT nLine = (lStyle & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    if (nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON || ((lStyle & BS_PUSHLIKE) && nType != BS_GROUPBOX))
    {
        // A check box or radio button that looks like a push button stays pushed while checked.
        const BOOL bPushed = (nState & (BST_PUSHED | BST_CHECKED)) != 0;
        CKwDarkControls::Fill(hDC, rect, CKwPalette::Get(bPushed ? CKwPalette::eControlPressed : CKwPalette::eControl));
        CKwDarkControls::Frame(hDC, rect, CKwPalette::Get(nType == BS_DEFPUSHBUTTON || bFocus ? CKwPalette::eControlFocus : CKwPalette::eControlFrame));
        RECT rcText = rect;
        if (bPushed)
            ::OffsetRect(&rcText, 1, 1);
        ::DrawTextA(hDC, text.sz, -1, &rcText, DT_CENTER | DT_VCENTER | nLine | text.nPrefix);
        if (bFocus && !text.bHideFocus)
        {
            ::InflateRect(&rect, -3, -3);
            DrawFocus(hDC, rect);
        }
    }
    else if (nType == BS_GROUPBOX)
    {
        // The frame runs through the middle of the text, which sits on the face at the left.
        RECT rcFrame = rect;
        rcFrame.top += tm.tmHeight / 2 - 1;
        CKwDarkControls::Frame(hDC, rcFrame, CKwPalette::Get(CKwPalette::eControlFrame));
        ::InflateRect(&rcFrame, -1, -1);
        CKwDarkControls::Frame(hDC, rcFrame, CKwPalette::Get(CKwPalette::eFace)); // where the system's second line was
        SIZE size = {};
        ::GetTextExtentPoint32A(hDC, text.sz, lstrlenA(text.sz), &size);
        if (size.cx > 0)
        {
            RECT rcText = {rect.left + 6, rect.top, rect.left + 10 + size.cx, rect.top + tm.tmHeight};
            CKwDarkControls::Fill(hDC, rcText, CKwPalette::Get(CKwPalette::eFace));
            rcText.left += 2;
            ::DrawTextA(hDC, text.sz, -1, &rcText, DT_LEFT | DT_SINGLELINE | text.nPrefix);
        }
    }
    else
    {
        // Check box or radio button: the mark in a square of the text's height at the left (or
        // at the right with BS_LEFTTEXT), the text beside it.
        CKwDarkControls::Fill(hDC, rect, CKwPalette::Get(CKwPalette::eFace));
        const int nBox = 13 * ::GetDeviceCaps(hDC, LOGPIXELSY) / 96; // the system's box
        const BOOL bRight = (lStyle & BS_LEFTTEXT) != 0;
        RECT rcBox = {bRight ? rect.right - nBox : rect.left, (rect.top + rect.bottom - nBox) / 2, 0, 0};
        rcBox.right = rcBox.left + nBox;
        rcBox.bottom = rcBox.top + nBox;
        const BOOL bRadio = nType == BS_RADIOBUTTON || nType == BS_AUTORADIOBUTTON;
        const COLORREF clrBox = CKwPalette::Get((nState & BST_PUSHED) ? CKwPalette::eControlPressed : CKwPalette::eWindow);
        {
            SSolidTools tools(hDC, clrBox, CKwPalette::Get(bFocus ? CKwPalette::eControlFocus : CKwPalette::eControlFrame));
            if (bRadio)
                ::Ellipse(hDC, rcBox.left, rcBox.top, rcBox.right, rcBox.bottom);
            else
                ::Rectangle(hDC, rcBox.left, rcBox.top, rcBox.right, rcBox.bottom);
        }
        const COLORREF clrMark = CKwPalette::Get(bEnabled ? CKwPalette::eWindowText : CKwPalette::eGrayText);
        RECT rcMark = rcBox;
        ::InflateRect(&rcMark, -nBox / 4, -nBox / 4);
        if ((nState & BST_CHECKED) && bRadio)
        {
            SSolidTools tools(hDC, clrMark, clrMark);
            ::Ellipse(hDC, rcMark.left, rcMark.top, rcMark.right, rcMark.bottom);
        }
        else if (nState & BST_INDETERMINATE)
            CKwDarkControls::Fill(hDC, rcMark, CKwPalette::Get(CKwPalette::eGrayText));
        else if (nState & BST_CHECKED)
        {
            // The check mark, three pixels thick at 96 DPI, in the box's thirteenths.
            SSolidTools tools(hDC, clrMark, clrMark);
            const int x = rcBox.left, y = rcBox.top;
            for (int k = 0; k < 3 * nBox / 13; k++)
            {
                ::MoveToEx(hDC, x + 3 * nBox / 13, y + 5 * nBox / 13 + k, NULL);
                ::LineTo(hDC, x + 5 * nBox / 13, y + 7 * nBox / 13 + k);
                ::LineTo(hDC, x + 10 * nBox / 13, y + 2 * nBox / 13 + k);
            }
        }
        RECT rcText = rect;
        if (bRight)
            rcText.right = rcBox.left - 4;
        else
            rcText.left = rcBox.right + 4;
        RECT rcBounds = rcText;
        ::DrawTextA(hDC, text.sz, -1, &rcBounds, DT_LEFT | nLine | DT_CALCRECT | text.nPrefix);
        ::OffsetRect(&rcBounds, 0, (rcText.bottom - rcBounds.bottom + rcText.top - rcBounds.top) / 2);
        ::DrawTextA(hDC, text.sz, -1, &rcBounds, DT_LEFT | nLine | text.nPrefix);
        if (bFocus && !text.bHideFocus && text.sz[0] != 0)
        {
            ::InflateRect(&rcBounds, 1, 1);
            ::IntersectRect(&rcBounds, &rcBounds, &rect);
            DrawFocus(hDC, rcBounds);
        }
    }
}

void PaintTab(HWND hWnd, HDC hDC)
{
    RECT rect;
    ::GetClientRect(hWnd, &rect);
    CKwDarkControls::Fill(hDC, rect, CKwPalette::Get(CKwPalette::eFace));
    const int nCount = (int)::SendMessageA(hWnd, TCM_GETITEMCOUNT, 0, 0);
    const int nSelected = (int)::SendMessageA(hWnd, TCM_GETCURSEL, 0, 0);
    // The frame round the pages starts under the lowest row of tabs.
    RECT rcFrame = rect;
    for (int i = 0; i < nCount; i++)
    {
        RECT rcItem;
        if (::SendMessageA(hWnd, TCM_GETITEMRECT, i, (LPARAM)&rcItem) && i != nSelected && rcItem.bottom > rcFrame.top)
            rcFrame.top = rcItem.bottom;
    }
    if (nCount > 0)
        CKwDarkControls::Frame(hDC, rcFrame, CKwPalette::Get(CKwPalette::eControlFrame));
    SText text(hWnd, hDC);
    for (int n = 0; n < nCount; n++)
    {
        // The selected tab last, over its neighbours' edges.
        const int i = nSelected < 0 ? n : (nSelected + 1 + n) % nCount;
        RECT rcItem;
        if (!::SendMessageA(hWnd, TCM_GETITEMRECT, i, (LPARAM)&rcItem))
            continue;
        const BOOL bSelected = i == nSelected;
        if (bSelected)
        {
            // Raised above the others and open towards its page.
            ::InflateRect(&rcItem, 2, 0);
            rcItem.top -= 2;
            rcItem.bottom += 1;
        }
        CKwDarkControls::Fill(hDC, rcItem, CKwPalette::Get(bSelected ? CKwPalette::eFace : CKwPalette::eWindow));
        RECT rcOutline = rcItem;
        rcOutline.bottom += bSelected ? 1 : 0;
        const int nSaved = ::SaveDC(hDC);
        ::IntersectClipRect(hDC, rcItem.left, rcItem.top, rcItem.right, rcItem.bottom);
        CKwDarkControls::Frame(hDC, rcOutline, CKwPalette::Get(CKwPalette::eControlFrame));
        ::RestoreDC(hDC, nSaved);
        char szText[128] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = szText;
        item.cchTextMax = sizeof(szText);
        ::SendMessageA(hWnd, TCM_GETITEMA, i, (LPARAM)&item);
        ::SetTextColor(hDC, CKwPalette::Get(bSelected ? CKwPalette::eFaceText : CKwPalette::eGrayText));
        ::DrawTextA(hDC, szText, -1, &rcItem, DT_CENTER | DT_VCENTER | DT_SINGLELINE | text.nPrefix);
        if (bSelected && ::GetFocus() == hWnd && !text.bHideFocus)
        {
            ::InflateRect(&rcItem, -3, -3);
            DrawFocus(hDC, rcItem);
        }
    }
}

void PaintHeader(HWND hWnd, HDC hDC)
{
    RECT rect;
    ::GetClientRect(hWnd, &rect);
    CKwDarkControls::Fill(hDC, rect, CKwPalette::Get(CKwPalette::eFace));
    SText text(hWnd, hDC);
    const int nCount = (int)::SendMessageA(hWnd, HDM_GETITEMCOUNT, 0, 0);
    const COLORREF clrText = CKwPalette::Get(CKwPalette::eFaceText);
    for (int i = 0; i < nCount; i++)
    {
        RECT rcItem;
        char szText[128] = "";
        HDITEMA item = {};
        item.mask = HDI_TEXT | HDI_FORMAT | HDI_LPARAM;
        item.pszText = szText;
        item.cchTextMax = sizeof(szText);
        if (!::SendMessageA(hWnd, HDM_GETITEMRECT, i, (LPARAM)&rcItem) || !::SendMessageA(hWnd, HDM_GETITEMA, i, (LPARAM)&item))
            continue;
        RECT rcLine = {rcItem.right - 1, rcItem.top, rcItem.right, rcItem.bottom};
        CKwDarkControls::Fill(hDC, rcLine, CKwPalette::Get(CKwPalette::eControlFrame));
        if (item.fmt & HDF_OWNERDRAW)
        {
            DRAWITEMSTRUCT dis = {ODT_HEADER, (UINT)::GetDlgCtrlID(hWnd), (UINT)i, ODA_DRAWENTIRE, 0, hWnd, hDC, rcItem, (ULONG_PTR)item.lParam};
            ::SendMessageA(::GetParent(hWnd), WM_DRAWITEM, dis.CtlID, (LPARAM)&dis);
            continue;
        }
        RECT rcText = rcItem;
        ::InflateRect(&rcText, -6, 0);
        if (item.fmt & (HDF_SORTUP | HDF_SORTDOWN))
        {
            // A small triangle at the right, pointing the way the column is sorted.
            rcText.right -= 12;
            const RECT rcArrow = {rcText.right + 2, rcItem.top, rcText.right + 14, rcItem.bottom};
            CKwDarkControls::DrawArrow(hDC, rcArrow, (item.fmt & HDF_SORTUP) ? DFCS_SCROLLUP : DFCS_SCROLLDOWN, clrText);
        }
        const UINT nAlign = (item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT ? DT_RIGHT : (item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? DT_CENTER : DT_LEFT;
        ::SetTextColor(hDC, clrText);
        ::DrawTextA(hDC, szText, -1, &rcText, nAlign | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    RECT rcBottom = {rect.left, rect.bottom - 1, rect.right, rect.bottom};
    CKwDarkControls::Fill(hDC, rcBottom, CKwPalette::Get(CKwPalette::eControlFrame));
}

} // namespace

BOOL CKwDarkControls::PaintsWhole(HWND hWnd)
{
    if (!CKwPalette::IsDark())
        return FALSE;
    const EKind eKind = KindOf(hWnd);
    return eKind != eNone && eKind != eCombo;
}

BOOL CKwDarkControls::PaintsOver(HWND hWnd)
{
    return CKwPalette::IsDark() && KindOf(hWnd) == eCombo;
}

void CKwDarkControls::Paint(HWND hWnd, HDC hDC)
{
    switch (KindOf(hWnd))
    {
    case eButton: PaintButton(hWnd, hDC); break;
    case eTab: PaintTab(hWnd, hDC); break;
    case eHeader: PaintHeader(hWnd, hDC); break;
    case eCombo: PaintComboOver(hWnd, hDC); break;
    default: break;
    }
}

// Over the system's drop-down combo box: its sunken edge as a thin line, and its button.
void CKwDarkControls::PaintComboOver(HWND hWnd, HDC hDC)
{
    RECT rect;
    ::GetClientRect(hWnd, &rect);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetComboBoxInfo(hWnd, &info))
        return;
    CKwDarkControls::Frame(hDC, rect, CKwPalette::Get(CKwPalette::eControlFrame));
    ::InflateRect(&rect, -1, -1);
    CKwDarkControls::Frame(hDC, rect, CKwPalette::Get(CKwPalette::eWindow));
    if ((::GetWindowLongA(hWnd, GWL_STYLE) & 3) == CBS_DROPDOWN)
    {
        // The system frames the edit box in the window colour, one pixel out from it (the edit
        // box covers the text area).
        RECT rcEdit = info.rcItem;
        ::InflateRect(&rcEdit, 1, 1);
        CKwDarkControls::Frame(hDC, rcEdit, CKwPalette::Get(CKwPalette::eWindow));
    }
    const BOOL bPressed = (info.stateButton & STATE_SYSTEM_PRESSED) != 0;
    CKwDarkControls::Fill(hDC, info.rcButton, CKwPalette::Get(bPressed ? CKwPalette::eControlPressed : CKwPalette::eControl));
    CKwDarkControls::DrawArrow(hDC, info.rcButton, DFCS_SCROLLDOWN, CKwPalette::Get(::IsWindowEnabled(hWnd) ? CKwPalette::eFaceText : CKwPalette::eGrayText));
}

BOOL CKwDarkControls::PaintsDirectly(UINT nMsg)
{
    switch (nMsg)
    {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_UPDATEUISTATE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
        return TRUE;
    default:
        return FALSE;
    }
}

void CKwDarkControls::Fill(HDC hDC, const RECT& rect, COLORREF clr)
{
    const COLORREF clrOld = ::SetBkColor(hDC, clr);
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rect, NULL, 0, NULL);
    ::SetBkColor(hDC, clrOld);
}

void CKwDarkControls::Frame(HDC hDC, const RECT& rect, COLORREF clr)
{
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    ::FrameRect(hDC, &rect, hBrush);
    ::DeleteObject(hBrush);
}

void CKwDarkControls::DrawArrow(HDC hDC, const RECT& rect, UINT nDirection, COLORREF clr)
{
    // A triangle half as wide as the smaller side, pointing from its base to its tip.
    const int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    const int n = std::max(2, (int)std::min(rect.right - rect.left, rect.bottom - rect.top) / 4);
    POINT points[3];
    switch (nDirection)
    {
    case DFCS_SCROLLUP:
        points[0] = {cx - n, cy + n / 2};
        points[1] = {cx + n, cy + n / 2};
        points[2] = {cx, cy + n / 2 - n};
        break;
    case DFCS_SCROLLDOWN:
        points[0] = {cx - n, cy - n / 2};
        points[1] = {cx + n, cy - n / 2};
        points[2] = {cx, cy - n / 2 + n};
        break;
    case DFCS_SCROLLLEFT:
        points[0] = {cx + n / 2, cy - n};
        points[1] = {cx + n / 2, cy + n};
        points[2] = {cx + n / 2 - n, cy};
        break;
    default:
        points[0] = {cx - n / 2, cy - n};
        points[1] = {cx - n / 2, cy + n};
        points[2] = {cx - n / 2 + n, cy};
        break;
    }
    SSolidTools tools(hDC, clr, clr);
    ::Polygon(hDC, points, 3);
}
