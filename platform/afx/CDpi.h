// CDpi.h: declares CDpi, the dots per inch a window is shown at, and lengths, fonts and system
// metrics scaled from the 96 DPI the framework's and the toolkit's figures are given at.
#pragma once

#include "afxtypes.h"

class CFont;

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

class KWAFX_API CDpi
{
public:
    static constexpr UINT kDefault = 96;

    // The window's DPI: the system's per-window answer where it has one, else its DC's
    // LOGPIXELSY (the screen's for NULL).
    static UINT ForWindow(HWND hWnd);
    // The DPI a DPI message brings to hWnd: a top-level window's WM_DPICHANGED carries it in
    // wParam; a child learns of the change by WM_DPICHANGED_AFTERPARENT and asks its window.
    static UINT FromMessage(HWND hWnd, UINT message, WPARAM wParam);
    // n pixels at 96 DPI as many at nDpi, rounded half away from zero (n itself at 96).
    static int Scale(int n, UINT nDpi);
    // The other way: n pixels at nDpi as many at 96 DPI.
    static int Unscale(int n, UINT nDpi);
    // A font's height for another DPI, in the same sign convention (cell or character height).
    static LONG ScaleFontHeight(LONG nHeight, UINT nFromDpi, UINT nToDpi);
    // The GUI font's description at nDpi (the stock font is made for the screen's DPI).
    static BOOL GetGuiLogFont(UINT nDpi, LOGFONTA* pLogFont);
    // The GUI font to select at nDpi: the stock one at the screen's DPI (font left empty), else
    // font, made again at nDpi.
    static HFONT GuiFont(UINT nDpi, CFont& font);
    // GetSystemMetrics at nDpi (the system's own figure at its DPI where it cannot say).
    static int SystemMetric(int nIndex, UINT nDpi);
    // Makes the process per-monitor DPI aware (version 2 where the system has it, else the first
    // version). For hosts to call at start-up, before any window exists; the framework never
    // changes a host's awareness by itself. FALSE when the system refused or knows neither.
    static BOOL EnablePerMonitorAwareness();
};
