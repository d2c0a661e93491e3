// CBCGPBaseControlBar.h: CBCGPBaseControlBar, the root of the docking library's bars: a window of
// a frame that keeps to one of its sides, with the bar style bits that say which.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

class CFrameWnd;

// The bar style bits (in the bar's own style, not the window's): the side the bar keeps to.
#ifndef CBRS_ALIGN_LEFT
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM)
#define CBRS_LEFT (CBRS_ALIGN_LEFT)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT)
#endif

class KWDOCK_API CBCGPBaseControlBar : public CWnd
{
    DECLARE_DYNAMIC(CBCGPBaseControlBar)
public:
    CBCGPBaseControlBar();
    ~CBCGPBaseControlBar() override;

    // A bar window of pParentWnd with the window style dwStyle and the bar style dwBarStyle
    // (CBRS_ bits). Its frame is pParentWnd's frame, or pParentWnd when that is one.
    virtual BOOL CreateBar(LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwBarStyle, const RECT& rect,
        CWnd* pParentWnd, UINT nID);

    DWORD GetBarStyle() const { return m_dwBarStyle; }
    virtual void SetBarStyle(DWORD dwBarStyle) { m_dwBarStyle = dwBarStyle; }
    // The side the bar keeps to (one CBRS_ALIGN_ bit, or 0).
    DWORD GetCurrentAlignment() const { return m_dwBarStyle & CBRS_ALIGN_ANY; }
    BOOL IsHorizontal() const { return (m_dwBarStyle & CBRS_ORIENT_HORZ) != 0; }
    // The frame whose client area the bar shares and whose route its commands take.
    CFrameWnd* GetDockSiteFrameWnd() const { return m_pDockSite; }
    // The DPI the bar is shown at, and n pixels at 96 DPI as many at it.
    UINT GetDpi() const { return m_nDpi; }
    int Scaled(int n) const { return CDpi::Scale(n, m_nDpi); }
    // The GUI font at the bar's DPI.
    HFONT GetGuiFont() const;
    // The DPI the library lays pWnd out at: its docking frame's, else its window's.
    static UINT GetDpiOf(CWnd* pWnd);

protected:
    afx_msg void OnDestroy();
    afx_msg LRESULT OnDpiMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
    // After the bar's DPI changed: lays out again what it sizes by it.
    virtual void OnDpiChanged() {}

    DWORD m_dwBarStyle;
    CFrameWnd* m_pDockSite;
    UINT m_nDpi = CDpi::kDefault;
    CFont m_fontAtDpi; // the GUI font at m_nDpi where that is not the screen's
};
