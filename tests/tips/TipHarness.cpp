// TipHarness.cpp: the tooltip tests' windows: a tooltip whose appearances are noted, and an
// owner with child windows that answers the display notification.
#include "TipHarness.h"

LRESULT CTestTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGED)
    {
        const WINDOWPOS* pPos = (const WINDOWPOS*)lParam;
        if (pPos->flags & SWP_SHOWWINDOW)
        {
            m_nAppearances++;
            m_dwShownAt = ::GetTickCount();
            m_nShowFlags = pPos->flags;
            if (m_pRecorder != NULL)
                m_pRecorder->Note("tip", WM_SHOWWINDOW, TRUE);
            if (m_onShown)
                m_onShown();
        }
        if ((pPos->flags & SWP_HIDEWINDOW) && m_pRecorder != NULL)
            m_pRecorder->Note("tip", WM_SHOWWINDOW, FALSE);
    }
    return CUxToolTip::WindowProc(message, wParam, lParam);
}

BOOL CTipOwnerWnd::CreateOwner(const CRect& rect)
{
    if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), "Owner", WS_POPUP | WS_VISIBLE,
            rect.left, rect.top, rect.Width(), rect.Height(), NULL, NULL))
        return FALSE;
    SetForegroundWindow();
    SetActiveWindow();
    return TRUE;
}

HWND CTipOwnerWnd::AddChild(const CRect& rect, BOOL bEnabled)
{
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | (bEnabled ? 0 : WS_DISABLED);
    return ::CreateWindowExA(0, AfxRegisterWndClass(0), "", dwStyle, rect.left, rect.top, rect.Width(),
        rect.Height(), m_hWnd, NULL, AfxGetInstanceHandle(), NULL);
}

BOOL CTipOwnerWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    UXTOOLTIP_NOTIFY* pNotify = (UXTOOLTIP_NOTIFY*)lParam;
    if (pNotify->hdr.code != UXTTN_DISPLAY)
        return CWnd::OnNotify(wParam, lParam, pResult);
    m_nNotifications++;
    m_lastNotify = *pNotify;
    m_lastInfo = *pNotify->ti;
    if (m_pRecorder != NULL)
        m_pRecorder->Note("receiver", WM_NOTIFY, wParam, (LPARAM)pNotify->ti->nIDTool);
    if (m_onDisplay)
        m_onDisplay(*pNotify);
    *pResult = 0;
    return TRUE;
}

CPoint ScreenPoint(HWND hWnd, int x, int y)
{
    CPoint pt(x, y);
    ::ClientToScreen(hWnd, &pt);
    return pt;
}

CRect BoundsOf(const TestSurface& surface, COLORREF color, CRect area)
{
    area &= CRect(0, 0, surface.Width(), surface.Height());
    CRect box(0, 0, 0, 0);
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++)
            if (surface.Pixel(x, y) == color)
                box |= CRect(x, y, x + 1, y + 1);
    return box;
}

CSize PrintTip(CUxToolTip& tip, CDC& dc, CUxTipText& text, CUxTipNamedPictures& names, CRect rect, const char* psz,
               BOOL bMeasure)
{
    return tip.PrintMarkup(&dc, rect, CString(psz), bMeasure, text, names);
}

CSize TextSize(CUxToolTip& tip, const char* text)
{
    CWindowDC screen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CUxTipNamedPictures names;
    CUxTipText measured;
    return PrintTip(tip, dc, measured, names, CRect(0, 0, 0, 0), text, TRUE);
}

UXTOOLTIP_INFO Record(const char* text, UINT nMask, DWORD nStyles, UINT nDirection)
{
    UXTOOLTIP_INFO ti;
    ti.sTooltip = text;
    ti.nMask = nMask;
    ti.nStyles = nStyles;
    ti.nDirection = nDirection;
    return ti;
}
