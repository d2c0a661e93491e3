// CBCGPSlider.cpp: a slider drags with the mouse captured; every step goes to the docking manager,
// which clamps it and lays the frame out again, so the panes follow the mouse.
#include "CBCGPSlider.h"
#include "CBCGPDockManager.h"
#include "CBCGPVisualManager.h"

IMPLEMENT_DYNAMIC(CBCGPSlider, CBCGPBaseControlBar)

BEGIN_MESSAGE_MAP(CBCGPSlider, CBCGPBaseControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CBCGPSlider::CBCGPSlider() : m_pManager(NULL), m_bInner(FALSE), m_bDragging(FALSE) {}

BOOL CBCGPSlider::Create(CBCGPDockManager* pManager, DWORD dwAlignment, BOOL bInner, CWnd* pParentWnd)
{
    m_pManager = pManager;
    m_bInner = bInner;
    return CreateBar(NULL, WS_CHILD, dwAlignment & CBRS_ALIGN_ANY, CRect(0, 0, 0, 0), pParentWnd, 0);
}

BOOL CBCGPSlider::MovesHorizontally() const
{
    // A slider along a left or right edge moves across it; an inner one of a top or bottom edge
    // moves along it.
    return IsHorizontal() == m_bInner;
}

BOOL CBCGPSlider::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CBCGPSlider::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    CBCGPVisualManager::GetInstance()->OnDrawSlider(&dc, rect, !MovesHorizontally());
}

BOOL CBCGPSlider::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(::LoadCursorA(NULL, MovesHorizontally() ? IDC_SIZEWE : IDC_SIZENS));
    return TRUE;
}

void CBCGPSlider::OnLButtonDown(UINT, CPoint point)
{
    ClientToScreen(&point);
    m_ptLast = point;
    m_bDragging = TRUE;
    SetCapture();
}

void CBCGPSlider::OnMouseMove(UINT, CPoint point)
{
    if (!m_bDragging || m_pManager == NULL)
        return;
    ClientToScreen(&point);
    int nOffset = MovesHorizontally() ? point.x - m_ptLast.x : point.y - m_ptLast.y;
    if (nOffset == 0)
        return;
    // What the manager could not take (a clamp) stays owed, so the slider keeps under the mouse
    // when it comes back.
    int nMoved = m_pManager->OnSliderMove(this, nOffset);
    if (MovesHorizontally())
        m_ptLast.x += nMoved;
    else
        m_ptLast.y += nMoved;
}

void CBCGPSlider::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bDragging)
        return;
    OnMouseMove(nFlags, point);
    ::ReleaseCapture(); // ends the drag through WM_CAPTURECHANGED
}

void CBCGPSlider::OnCaptureChanged(CWnd*)
{
    m_bDragging = FALSE;
}
