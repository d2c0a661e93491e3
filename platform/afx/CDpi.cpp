// CDpi.cpp: CDpi. The per-monitor functions of user32 are looked up at run time, so the
// framework still loads on systems older than them.
#include "CDpi.h"
#include "CFont.h"

namespace {
template <class TFunction> TFunction User32(const char* pszName)
{
    return (TFunction)(void*)::GetProcAddress(::GetModuleHandleA("user32.dll"), pszName);
}

UINT ScreenDpi()
{
    HDC hDC = ::GetDC(NULL);
    const int nDpi = ::GetDeviceCaps(hDC, LOGPIXELSY);
    ::ReleaseDC(NULL, hDC);
    return nDpi > 0 ? (UINT)nDpi : CDpi::kDefault;
}
} // namespace

UINT CDpi::ForWindow(HWND hWnd)
{
    typedef UINT(WINAPI * PGetDpiForWindow)(HWND);
    static const PGetDpiForWindow pGetDpiForWindow = User32<PGetDpiForWindow>("GetDpiForWindow");
    if (hWnd != NULL && pGetDpiForWindow != NULL)
    {
        const UINT nDpi = pGetDpiForWindow(hWnd);
        if (nDpi != 0)
            return nDpi;
    }
    if (hWnd == NULL)
        return ScreenDpi();
    HDC hDC = ::GetDC(hWnd);
    const int nDpi = hDC != NULL ? ::GetDeviceCaps(hDC, LOGPIXELSY) : 0;
    if (hDC != NULL)
        ::ReleaseDC(hWnd, hDC);
    return nDpi > 0 ? (UINT)nDpi : ScreenDpi();
}

UINT CDpi::FromMessage(HWND hWnd, UINT message, WPARAM wParam)
{
    if (message == WM_DPICHANGED && LOWORD(wParam) != 0)
        return LOWORD(wParam);
    return ForWindow(hWnd);
}

int CDpi::Scale(int n, UINT nDpi)
{
    return nDpi == kDefault ? n : ::MulDiv(n, (int)nDpi, kDefault);
}

int CDpi::Unscale(int n, UINT nDpi)
{
    return nDpi == kDefault || nDpi == 0 ? n : ::MulDiv(n, kDefault, (int)nDpi);
}

LONG CDpi::ScaleFontHeight(LONG nHeight, UINT nFromDpi, UINT nToDpi)
{
    if (nFromDpi == nToDpi || nFromDpi == 0)
        return nHeight;
    return ::MulDiv(nHeight, (int)nToDpi, (int)nFromDpi);
}

BOOL CDpi::GetGuiLogFont(UINT nDpi, LOGFONTA* pLogFont)
{
    if (::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(*pLogFont), pLogFont) == 0)
        return FALSE;
    pLogFont->lfHeight = ScaleFontHeight(pLogFont->lfHeight, ForWindow(NULL), nDpi);
    return TRUE;
}

HFONT CDpi::GuiFont(UINT nDpi, CFont& font)
{
    font.DeleteObject();
    LOGFONTA logFont = {};
    if (nDpi != ForWindow(NULL) && GetGuiLogFont(nDpi, &logFont))
        font.CreateFontIndirect(&logFont);
    return font.m_hObject != NULL ? (HFONT)font.m_hObject : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

int CDpi::SystemMetric(int nIndex, UINT nDpi)
{
    typedef int(WINAPI * PGetSystemMetricsForDpi)(int, UINT);
    static const PGetSystemMetricsForDpi pForDpi = User32<PGetSystemMetricsForDpi>("GetSystemMetricsForDpi");
    if (pForDpi != NULL)
        return pForDpi(nIndex, nDpi);
    return ::GetSystemMetrics(nIndex);
}

BOOL CDpi::EnablePerMonitorAwareness()
{
    typedef BOOL(WINAPI * PSetProcessDpiAwarenessContext)(HANDLE);
    const PSetProcessDpiAwarenessContext pSetContext =
        User32<PSetProcessDpiAwarenessContext>("SetProcessDpiAwarenessContext");
    typedef HANDLE(WINAPI * PGetThreadDpiAwarenessContext)();
    typedef int(WINAPI * PGetAwarenessFromDpiAwarenessContext)(HANDLE);
    const PGetThreadDpiAwarenessContext pGetContext =
        User32<PGetThreadDpiAwarenessContext>("GetThreadDpiAwarenessContext");
    const PGetAwarenessFromDpiAwarenessContext pAwareness =
        User32<PGetAwarenessFromDpiAwarenessContext>("GetAwarenessFromDpiAwarenessContext");
    if (pSetContext == NULL || pGetContext == NULL || pAwareness == NULL)
        return FALSE;
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, else DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE.
    // Either fails on a process whose awareness is set already (by its manifest, or by the
    // system, as some emulations do): what counts is the awareness it has in the end.
    if (!pSetContext((HANDLE)(INT_PTR)-4))
        pSetContext((HANDLE)(INT_PTR)-3);
    return pAwareness(pGetContext()) == 2; // DPI_AWARENESS_PER_MONITOR_AWARE

}
