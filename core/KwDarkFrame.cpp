// KwDarkFrame.cpp: the dark look's subclass of the system's windows. The system paints first; the
// subclass then paints over the frame, the title bar and the scroll bars in the palette's colours.
// The system also draws scroll bars straight away (SetScrollInfo, its own tracking), so after
// most messages the bars are compared with what was last painted, and their first pixel looked at.
#include "core/KwDarkFrame.h"
#include "core/KwDarkControls.h"
#include "core/KwDarkDefaults.h"
#include "core/KwPalette.h"
#include "core/KwSystem.h"
#include "core/KwVisualManagerDark.h"
#include "CBCGPMenuBar.h"

#include <commctrl.h>

#include <algorithm>
#include <map>

namespace {

struct SState
{
    BOOL bActive;              // the caption's state, as WM_NCACTIVATE last told it
    SCROLLBARINFO bars[2];     // the scroll bars as last painted, vertical then horizontal
    LONG_PTR pfnAfterAttach;   // the window procedure right after the subclass was made
    BOOL bStays;               // someone subclassed the window after us: the subclass stays
    BOOL bControl;             // a scroll bar control: its client area is the bar
};

std::map<HWND, SState> s_windows;
// While the subclass paints or looks at a window, the messages that sends (a scroll bar control
// answers GetScrollBarInfo through SBM_GETSCROLLBARINFO) pass straight through.
BOOL s_bBusy = FALSE;

struct SBusy
{
    SBusy() { s_bBusy = TRUE; }
    ~SBusy() { s_bBusy = FALSE; }
};

typedef LONG(WINAPI* PFNRTLGETVERSION)(OSVERSIONINFOW*);

BOOL SystemDrawsDark()
{
    if (KwSystemFunction<FARPROC>("ntdll.dll", "wine_get_version") != NULL)
        return FALSE;
    const PFNRTLGETVERSION pfnVersion = KwSystemFunction<PFNRTLGETVERSION>("ntdll.dll", "RtlGetVersion");
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    return pfnVersion != NULL && pfnVersion(&info) == 0 && info.dwMajorVersion >= 10 && info.dwBuildNumber >= 17763;
}

typedef HRESULT(WINAPI* PFNDWMISCOMPOSITIONENABLED)(BOOL*);

// Whether the frame and title bar of hWnd are painted over: those of child windows (MDI children,
// controls' edges) always, as no system draws them dark; those of top-level windows unless the
// system draws them dark itself or the desktop composes them (then what is painted in the
// window's DC does not show).
BOOL FrameIsPaintable(HWND hWnd)
{
    if (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)
        return TRUE;
    if (CKwDarkFrame::IsSystemDark())
        return FALSE;
    static const PFNDWMISCOMPOSITIONENABLED pfnEnabled =
        KwSystemFunction<PFNDWMISCOMPOSITIONENABLED>("dwmapi.dll", "DwmIsCompositionEnabled");
    BOOL bComposed = FALSE;
    return pfnEnabled == NULL || FAILED(pfnEnabled(&bComposed)) || !bComposed;
}

// A screen rectangle in hWnd's window coordinates.
RECT ToWindow(HWND hWnd, RECT rect)
{
    RECT rcWindow;
    ::GetWindowRect(hWnd, &rcWindow);
    ::OffsetRect(&rect, -rcWindow.left, -rcWindow.top);
    return rect;
}

BOOL InitiallyActive(HWND hWnd)
{
    if ((::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0)
        return (HWND)::SendMessageA(::GetParent(hWnd), WM_MDIGETACTIVE, 0, 0) == hWnd;
    return ::GetActiveWindow() == hWnd;
}

BOOL IsScrollBarControl(HWND hWnd)
{
    return KwIsWindowClass(hWnd, "ScrollBar") && (::GetWindowLongA(hWnd, GWL_STYLE) & (SBS_SIZEBOX | SBS_SIZEGRIP)) == 0;
}

// The window's scroll bars, vertical then horizontal; a scroll bar control is one of them.
void GetBars(HWND hWnd, const SState& state, SCROLLBARINFO bars[2])
{
    const BOOL bVerticalControl = state.bControl && (::GetWindowLongA(hWnd, GWL_STYLE) & SBS_VERT) != 0;
    const LONG ids[2] = {state.bControl ? (bVerticalControl ? OBJID_CLIENT : 0) : OBJID_VSCROLL,
                         state.bControl ? (bVerticalControl ? 0 : OBJID_CLIENT) : OBJID_HSCROLL};
    for (int i = 0; i < 2; i++)
    {
        ZeroMemory(&bars[i], sizeof(bars[i]));
        bars[i].cbSize = sizeof(bars[i]);
        if (ids[i] == 0 || !::GetScrollBarInfo(hWnd, ids[i], &bars[i]))
            bars[i].rgstate[0] = STATE_SYSTEM_INVISIBLE;
    }
}

BOOL IsShown(const SCROLLBARINFO& bar)
{
    return (bar.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0 && !::IsRectEmpty(&bar.rcScrollBar);
}

// One of the visual manager's caption or scroll glyphs on its flat face.
void DrawGlyph(HDC hDC, const RECT& rect, UINT nType, UINT nState)
{
    CKwVisualManagerDark* pManager = CKwVisualManagerDark::GetActive();
    CRect rc(rect);
    if (pManager != NULL && !rc.IsRectEmpty())
        pManager->OnDrawFrameControl(CDC::FromHandle(hDC), rc, nType, nState | DFCS_FLAT);
}

void PaintBar(HWND hWnd, HDC hDC, const SCROLLBARINFO& bar, BOOL bVertical)
{
    const RECT rect = ToWindow(hWnd, bar.rcScrollBar);
    const BOOL bDisabled = (bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0;
    CKwDarkControls::Fill(hDC, rect, CKwPalette::Get(CKwPalette::eScrollTrack));
    RECT rcFirst = rect, rcLast = rect, rcThumb = rect;
    // The arrows' length as the system lays them out (Wine reports the thumb's in dxyLineButton).
    const int nLength = bVertical ? rect.bottom - rect.top : rect.right - rect.left;
    const int nArrow = std::min(::GetSystemMetrics(bVertical ? SM_CYVSCROLL : SM_CXHSCROLL), (nLength + 1) / 2);
    if (bVertical)
    {
        rcFirst.bottom = rect.top + nArrow;
        rcLast.top = rect.bottom - nArrow;
        rcThumb.top = rect.top + bar.xyThumbTop;
        rcThumb.bottom = rect.top + bar.xyThumbBottom;
        ::InflateRect(&rcThumb, -2, 0);
    }
    else
    {
        rcFirst.right = rect.left + nArrow;
        rcLast.left = rect.right - nArrow;
        rcThumb.left = rect.left + bar.xyThumbTop;
        rcThumb.right = rect.left + bar.xyThumbBottom;
        ::InflateRect(&rcThumb, 0, -2);
    }
    const COLORREF clrArrow = CKwPalette::Get(bDisabled ? CKwPalette::eScrollThumb : CKwPalette::eScrollThumbPressed);
    if (bar.rgstate[1] & STATE_SYSTEM_PRESSED)
        CKwDarkControls::Fill(hDC, rcFirst, CKwPalette::Get(CKwPalette::eScrollThumb));
    if (bar.rgstate[5] & STATE_SYSTEM_PRESSED)
        CKwDarkControls::Fill(hDC, rcLast, CKwPalette::Get(CKwPalette::eScrollThumb));
    CKwDarkControls::DrawArrow(hDC, rcFirst, bVertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT, clrArrow);
    CKwDarkControls::DrawArrow(hDC, rcLast, bVertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT, clrArrow);
    if (!bDisabled && bar.xyThumbBottom > bar.xyThumbTop)
        CKwDarkControls::Fill(hDC, rcThumb, CKwPalette::Get((bar.rgstate[3] & STATE_SYSTEM_PRESSED) ? CKwPalette::eScrollThumbPressed : CKwPalette::eScrollThumb));
}

void PaintBars(HWND hWnd, HDC hDC, const SCROLLBARINFO bars[2])
{
    for (int i = 0; i < 2; i++)
    {
        if (IsShown(bars[i]))
            PaintBar(hWnd, hDC, bars[i], i == 0);
    }
    if (IsShown(bars[0]) && IsShown(bars[1]))
    {
        // The corner between the two bars.
        RECT rcCorner = {bars[0].rcScrollBar.left, bars[1].rcScrollBar.top, bars[0].rcScrollBar.right, bars[1].rcScrollBar.bottom};
        CKwDarkControls::Fill(hDC, ToWindow(hWnd, rcCorner), CKwPalette::Get(CKwPalette::eFace));
    }
}

HICON WindowIcon(HWND hWnd)
{
    HICON hIcon = CBCGPMenuBar::GetCaptionIcon(hWnd);
    // As the system does: a window with no icon of its own but a modal dialog's frame shows the default one.
    if (hIcon == NULL && (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) == 0)
        hIcon = ::LoadIconA(NULL, (LPCSTR)IDI_WINLOGO);
    return hIcon;
}

// The title bar in the system's own geometry: the icon at the left, close, maximise and minimise
// at the right, the text between.
void PaintCaption(HWND hWnd, HDC hDC, BOOL bActive)
{
    TITLEBARINFO tbi = {};
    tbi.cbSize = sizeof(tbi);
    if (!::GetTitleBarInfo(hWnd, &tbi) || (tbi.rgstate[0] & STATE_SYSTEM_INVISIBLE) != 0)
        return;
    const LONG lStyle = ::GetWindowLongA(hWnd, GWL_STYLE);
    const BOOL bTool = (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    const int cxSize = ::GetSystemMetrics(SM_CXSIZE), cySize = ::GetSystemMetrics(SM_CYSIZE);
    RECT rect = ToWindow(hWnd, tbi.rcTitleBar);
    if (!bTool)
        rect.left -= cxSize; // the title bar's rectangle leaves out the window's menu
    CKwDarkControls::Fill(hDC, rect, CKwPalette::Get(bActive ? CKwPalette::eCaption : CKwPalette::eCaptionInactive));
    RECT rcText = rect;
    rcText.bottom--;
    HICON hIcon = (lStyle & WS_SYSMENU) && !bTool ? WindowIcon(hWnd) : NULL;
    if (hIcon != NULL)
    {
        ::DrawIconEx(hDC, rect.left + 2, rect.top + 1, hIcon, ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0, NULL, DI_NORMAL);
        rcText.left += cxSize + 1;
    }
    if (lStyle & WS_SYSMENU)
    {
        const UINT nClose = ::GetMenuState(::GetSystemMenu(hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND);
        const UINT nCloseState = DFCS_CAPTIONCLOSE | ((nClose == (UINT)-1 || (nClose & (MF_GRAYED | MF_DISABLED))) ? DFCS_INACTIVE : 0);
        RECT rcClose = {rect.right - cxSize, rect.top + 2, rect.right - 2, rect.top + cySize - 2};
        if (bTool)
        {
            // A tool window's small close button, 11 pixels square, centred in its caption.
            const int nHeight = ::GetSystemMetrics(SM_CYSMCAPTION);
            ::SetRect(&rcClose, rect.right - (nHeight + 12) / 2, rect.top + (nHeight - 12) / 2, 0, 0);
            ::SetRect(&rcClose, rcClose.left, rcClose.top, rcClose.left + 11, rcClose.top + 11);
        }
        DrawGlyph(hDC, rcClose, DFC_CAPTION, nCloseState);
        rcText.right = rcClose.left;
        if (!bTool && (lStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
        {
            RECT rcMax = {rect.right - 2 * cxSize, rcClose.top, rect.right - cxSize - 2, rcClose.bottom};
            RECT rcMin = {rcMax.left - cxSize + 2, rcClose.top, rcMax.left, rcClose.bottom};
            DrawGlyph(hDC, rcMax, DFC_CAPTION, (::IsZoomed(hWnd) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX) | ((lStyle & WS_MAXIMIZEBOX) ? 0 : DFCS_INACTIVE));
            DrawGlyph(hDC, rcMin, DFC_CAPTION, (::IsIconic(hWnd) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN) | ((lStyle & WS_MINIMIZEBOX) ? 0 : DFCS_INACTIVE));
            rcText.right = rcMin.left;
        }
    }
    char szText[256] = "";
    if (::GetWindowTextA(hWnd, szText, sizeof(szText)) > 0)
    {
        NONCLIENTMETRICSA ncm = {};
        ncm.cbSize = sizeof(ncm);
        ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
        HFONT hFont = ::CreateFontIndirectA(bTool ? &ncm.lfSmCaptionFont : &ncm.lfCaptionFont);
        HGDIOBJ hOldFont = ::SelectObject(hDC, hFont);
        const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
        const COLORREF clrOld = ::SetTextColor(hDC, CKwPalette::Get(bActive ? CKwPalette::eCaptionText : CKwPalette::eCaptionInactiveText));
        rcText.left += 2;
        ::DrawTextA(hDC, szText, -1, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT | DT_END_ELLIPSIS);
        ::SetTextColor(hDC, clrOld);
        ::SetBkMode(hDC, nOldMode);
        ::SelectObject(hDC, hOldFont);
        ::DeleteObject(hFont);
    }
}

// The frame round the client area: captioned windows in the caption's colour, controls' edges
// as a thin line round the window colour.
void PaintBorder(HWND hWnd, HDC hDC, BOOL bCaption, BOOL bActive)
{
    RECT rcWindow, rcClient;
    ::GetWindowRect(hWnd, &rcWindow);
    ::GetClientRect(hWnd, &rcClient);
    ::MapWindowPoints(hWnd, NULL, (POINT*)&rcClient, 2);
    rcClient = ToWindow(hWnd, rcClient);
    ::OffsetRect(&rcWindow, -rcWindow.left, -rcWindow.top);
    if (::EqualRect(&rcWindow, &rcClient))
        return;
    const int nSaved = ::SaveDC(hDC);
    ::ExcludeClipRect(hDC, rcClient.left, rcClient.top, rcClient.right, rcClient.bottom);
    MENUBARINFO mbi = {};
    mbi.cbSize = sizeof(mbi);
    if ((::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) == 0 && ::GetMenu(hWnd) != NULL && ::GetMenuBarInfo(hWnd, OBJID_MENU, 0, &mbi))
    {
        const RECT rcMenu = ToWindow(hWnd, mbi.rcBar);
        ::ExcludeClipRect(hDC, rcMenu.left, rcMenu.top, rcMenu.right, rcMenu.bottom);
    }
    CKwDarkControls::Fill(hDC, rcWindow, CKwPalette::Get(bCaption ? (bActive ? CKwPalette::eCaption : CKwPalette::eCaptionInactive) : CKwPalette::eWindow));
    CKwDarkControls::Frame(hDC, rcWindow, CKwPalette::Get(CKwPalette::eControlFrame));
    ::RestoreDC(hDC, nSaved);
}

BOOL HasEdges(LONG lStyle, LONG lExStyle)
{
    return (lStyle & (WS_CAPTION | WS_THICKFRAME)) != 0 ||
           (lExStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE)) != 0;
}

void PaintNonClient(HWND hWnd, HDC hDC, SState& state)
{
    const LONG lStyle = ::GetWindowLongA(hWnd, GWL_STYLE);
    GetBars(hWnd, state, state.bars);
    if ((lStyle & WS_CHILD) == 0 && ::IsIconic(hWnd))
        return;
    const BOOL bCaption = (lStyle & WS_CAPTION) == WS_CAPTION;
    const BOOL bFrame = FrameIsPaintable(hWnd);
    if (bFrame && HasEdges(lStyle, ::GetWindowLongA(hWnd, GWL_EXSTYLE)))
        PaintBorder(hWnd, hDC, bCaption, state.bActive);
    if (bFrame && bCaption)
        PaintCaption(hWnd, hDC, state.bActive);
    if (!CKwDarkFrame::IsSystemDark())
        PaintBars(hWnd, hDC, state.bars); // else the system's dark theme has them
}

HDC GetFrameDC(HWND hWnd)
{
    // Clipped by the siblings where the window asks for it, as the system's own frame painting.
    const BOOL bClipSiblings = (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CLIPSIBLINGS) != 0;
    return ::GetDCEx(hWnd, NULL, DCX_WINDOW | DCX_CACHE | (bClipSiblings ? DCX_CLIPSIBLINGS : 0));
}

void RepaintNonClient(HWND hWnd, SState& state, BOOL bBarsOnly)
{
    if (!::IsWindowVisible(hWnd))
        return;
    HDC hDC = GetFrameDC(hWnd);
    if (bBarsOnly)
    {
        GetBars(hWnd, state, state.bars);
        PaintBars(hWnd, hDC, state.bars);
    }
    else
        PaintNonClient(hWnd, hDC, state);
    ::ReleaseDC(hWnd, hDC);
}

// Messages that only ask or point, after which the bars are not looked at: the pointer's moves
// come by the hundred, and a scroll they cause also repaints the window, which is looked at.
BOOL LeavesBars(UINT nMsg)
{
    switch (nMsg)
    {
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETDLGCODE:
    case WM_GETFONT:
    case WM_GETOBJECT:
    case WM_QUERYUISTATE:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL BarsNeedPaint(HWND hWnd, const SState& state)
{
    if ((::GetWindowLongA(hWnd, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) == 0 && !state.bControl && !IsShown(state.bars[0]) && !IsShown(state.bars[1]))
        return FALSE;
    SCROLLBARINFO bars[2];
    GetBars(hWnd, state, bars);
    if (memcmp(bars, state.bars, sizeof(bars)) != 0)
        return TRUE;
    // The system also draws a bar again when it is given the state it has: the first pixel of
    // each bar, where its first arrow's background is, tells whether the painting is still ours.
    BOOL bRedrawn = FALSE;
    HDC hDC = GetFrameDC(hWnd);
    for (int i = 0; i < 2 && !bRedrawn; i++)
    {
        if (!IsShown(bars[i]))
            continue;
        const RECT rect = ToWindow(hWnd, bars[i].rcScrollBar);
        const COLORREF clr = ::GetPixel(hDC, rect.left, rect.top);
        bRedrawn = clr != CLR_INVALID && clr != CKwPalette::Get(CKwPalette::eScrollTrack) && clr != CKwPalette::Get(CKwPalette::eScrollThumb);
    }
    ::ReleaseDC(hWnd, hDC);
    return bRedrawn;
}

LRESULT CALLBACK DarkProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR uId, DWORD_PTR)
{
    if (nMsg == WM_NCDESTROY)
    {
        s_windows.erase(hWnd);
        CKwDarkDefaults::Forget(hWnd);
        ::RemoveWindowSubclass(hWnd, DarkProc, uId);
        return ::DefSubclassProc(hWnd, nMsg, wParam, lParam);
    }
    if (s_bBusy || !CKwPalette::IsDark())
        return ::DefSubclassProc(hWnd, nMsg, wParam, lParam);
    const BOOL bPaint = nMsg == WM_PAINT || nMsg == WM_PRINTCLIENT;
    if ((bPaint || nMsg == WM_ERASEBKGND) && CKwDarkControls::PaintsWhole(hWnd))
    {
        if (nMsg == WM_ERASEBKGND)
            return TRUE; // painting covers it all
        SBusy busy;
        PAINTSTRUCT ps;
        HDC hDC = wParam != 0 ? (HDC)wParam : ::BeginPaint(hWnd, &ps);
        CKwDarkControls::Paint(hWnd, hDC);
        if (wParam == 0)
            ::EndPaint(hWnd, &ps);
        return 0;
    }
    const LRESULT lResult = ::DefSubclassProc(hWnd, nMsg, wParam, lParam);
    if (nMsg >= WM_CTLCOLOREDIT && nMsg <= WM_CTLCOLORSTATIC)
        return CKwDarkDefaults::AnswerColors(hWnd, nMsg, (HDC)wParam, (HWND)lParam, lResult);
    if (nMsg == WM_NOTIFY)
        return CKwDarkDefaults::AnswerNotify(hWnd, (const NMHDR*)lParam, lResult);
    if (nMsg == WM_CREATE)
        CKwDarkDefaults::Apply(hWnd, TRUE);
    SBusy busy;
    if ((bPaint || CKwDarkControls::PaintsDirectly(nMsg)) && CKwDarkControls::PaintsOver(hWnd) && ::IsWindowVisible(hWnd))
    {
        HDC hDC = nMsg == WM_PRINTCLIENT ? (HDC)wParam : ::GetDC(hWnd);
        CKwDarkControls::Paint(hWnd, hDC);
        if (nMsg != WM_PRINTCLIENT)
            ::ReleaseDC(hWnd, hDC);
    }
    std::map<HWND, SState>::iterator it = s_windows.find(hWnd);
    if (it == s_windows.end())
        return lResult;
    SState& state = it->second;
    switch (nMsg)
    {
    case WM_NCACTIVATE:
        state.bActive = wParam != FALSE;
        RepaintNonClient(hWnd, state, FALSE);
        break;
    case WM_NCPAINT:
    case WM_SETTEXT:
    case WM_SETICON:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_SYSCOMMAND:
        // The system draws the caption's buttons as they are pressed and released.
        RepaintNonClient(hWnd, state, FALSE);
        break;
    case WM_PRINT:
        if (lParam & PRF_NONCLIENT)
            PaintNonClient(hWnd, (HDC)wParam, state);
        break;
    default:
        // A scroll bar control paints its bar in WM_PAINT, under the client area's name.
        if (!CKwDarkFrame::IsSystemDark() && ((nMsg == WM_PAINT && state.bControl) || (!LeavesBars(nMsg) && BarsNeedPaint(hWnd, state))))
            RepaintNonClient(hWnd, state, TRUE);
        break;
    }
    if (CKwDarkControls::PaintsDirectly(nMsg) && ::IsWindowVisible(hWnd) && CKwDarkControls::PaintsWhole(hWnd))
    {
        HDC hDC = ::GetDC(hWnd);
        CKwDarkControls::Paint(hWnd, hDC);
        ::ReleaseDC(hWnd, hDC);
    }
    return lResult;
}

} // namespace

BOOL CKwDarkFrame::IsSystemDark()
{
    static const BOOL bSystemDark = SystemDrawsDark();
    return bSystemDark;
}

void CKwDarkFrame::Attach(HWND hWnd)
{
    if (::GetWindowThreadProcessId(hWnd, NULL) != ::GetCurrentThreadId())
        return;
    std::map<HWND, SState>::iterator it = s_windows.find(hWnd);
    if (it != s_windows.end())
    {
        it->second.bActive = InitiallyActive(hWnd);
        return; // a subclass that stayed from the last time
    }
    if (!::SetWindowSubclass(hWnd, DarkProc, 0, 0))
        return;
    SState state = {};
    state.bActive = InitiallyActive(hWnd);
    state.pfnAfterAttach = ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC);
    state.bControl = IsScrollBarControl(hWnd);
    s_windows[hWnd] = state;
}

void CKwDarkFrame::DetachAll()
{
    for (std::map<HWND, SState>::iterator it = s_windows.begin(); it != s_windows.end();)
    {
        const HWND hWnd = it->first;
        if (!::IsWindow(hWnd))
            it = s_windows.erase(it);
        else if (!it->second.bStays && ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC) == it->second.pfnAfterAttach)
        {
            // Taking the last subclass away puts back the procedure below it, which would drop
            // one made later with SetWindowLongPtr: only done while ours is still on top.
            ::RemoveWindowSubclass(hWnd, DarkProc, 0);
            it = s_windows.erase(it);
        }
        else
        {
            it->second.bStays = TRUE;
            ++it;
        }
    }
}
