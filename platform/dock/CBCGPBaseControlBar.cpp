// CBCGPBaseControlBar.cpp: creating a bar in its frame, and leaving the frame's list of bars when
// the window goes.
#include "CBCGPBaseControlBar.h"
#include "CBCGPMDIFrameWnd.h"

#include <afxwin.h>

IMPLEMENT_DYNAMIC(CBCGPBaseControlBar, CWnd)

BEGIN_MESSAGE_MAP(CBCGPBaseControlBar, CWnd)
    ON_WM_DESTROY()
    ON_MESSAGE(WM_DPICHANGED, &CBCGPBaseControlBar::OnDpiMessage)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CBCGPBaseControlBar::OnDpiMessage)
END_MESSAGE_MAP()

CBCGPBaseControlBar::CBCGPBaseControlBar() : m_dwBarStyle(0), m_pDockSite(NULL) {}

CBCGPBaseControlBar::~CBCGPBaseControlBar() {}

BOOL CBCGPBaseControlBar::CreateBar(LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwBarStyle, const RECT& rect,
    CWnd* pParentWnd, UINT nID)
{
    if (pParentWnd == NULL || pParentWnd->GetSafeHwnd() == NULL)
        return FALSE;
    m_dwBarStyle = dwBarStyle;
    m_pDockSite = pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? (CFrameWnd*)pParentWnd : pParentWnd->GetParentFrame();
    // Measured at its parent's DPI from the start (the first WM_NCCALCSIZE comes during creation).
    m_nDpi = DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, m_pDockSite) != NULL ? GetDpiOf(m_pDockSite) : GetDpiOf(pParentWnd);
    CDpi::GuiFont(m_nDpi, m_fontAtDpi);
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, IDC_ARROW), NULL);
    if ((dwStyle & WS_CHILD) != 0)
        return Create(lpszClass, lpszWindowName, dwStyle | WS_CLIPSIBLINGS, rect, pParentWnd, nID);
    // A bar outside its frame's client area (floating) is a window of its own, owned by the frame.
    return CreateEx(WS_EX_TOOLWINDOW, lpszClass, lpszWindowName, dwStyle, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), NULL);
}

UINT CBCGPBaseControlBar::GetDpiOf(CWnd* pWnd)
{
    CBCGPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, pWnd);
    return pFrame != NULL ? pFrame->GetDockManager()->GetDpi() : CDpi::ForWindow(pWnd->GetSafeHwnd());
}

HFONT CBCGPBaseControlBar::GetGuiFont() const
{
    return m_fontAtDpi.m_hObject != NULL ? (HFONT)m_fontAtDpi.m_hObject : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

LRESULT CBCGPBaseControlBar::OnDpiMessage(WPARAM wParam, LPARAM)
{
    const UINT nDpi = CDpi::FromMessage(m_hWnd, GetCurrentMessage()->message, wParam);
    if (nDpi != m_nDpi)
    {
        m_nDpi = nDpi;
        CDpi::GuiFont(m_nDpi, m_fontAtDpi);
        OnDpiChanged();
    }
    return 0;
}

void CBCGPBaseControlBar::OnDestroy()
{
    CBCGPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, m_pDockSite);
    if (pFrame != NULL)
        pFrame->RemoveControlBarFromDockManager(this);
    CWnd::OnDestroy();
}
