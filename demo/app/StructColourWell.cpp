// CStructColourWell: the colour and its frame.
#include "StructColourWell.h"

BEGIN_MESSAGE_MAP(CStructColourWell, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CStructColourWell::CStructColourWell() : m_cr(CLR_NONE) {}

BOOL CStructColourWell::Create(CWnd* pParent, UINT nID)
{
    return CWnd::Create(AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), "", WS_CHILD | WS_VISIBLE,
        CRect(0, 0, 10, 10), pParent, nID);
}

void CStructColourWell::SetColour(COLORREF cr)
{
    if (cr == m_cr)
        return;
    m_cr = cr;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

BOOL CStructColourWell::OnEraseBkgnd(CDC*)
{
    return TRUE; // all painted in OnPaint
}

void CStructColourWell::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.FillSolidRect(rect, ::GetSysColor(COLOR_BTNFACE));
    rect.DeflateRect(2, 2);
    if (m_cr == CLR_NONE || rect.IsRectEmpty())
        return;
    dc.FillSolidRect(rect, ::GetSysColor(COLOR_BTNSHADOW));
    rect.DeflateRect(1, 1);
    dc.FillSolidRect(rect, m_cr);
}
