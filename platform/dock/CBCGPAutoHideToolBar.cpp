// CBCGPAutoHideToolBar.cpp: the buttons laid out along the strip (text turned for the side
// edges), a hover sliding their pane in for a look and a click sliding it in with the focus.
#include "CBCGPAutoHideToolBar.h"
#include "CBCGPAutoHideButton.h"
#include "CBCGPDockingControlBar.h"
#include "CBCGPVisualManager.h"

IMPLEMENT_DYNAMIC(CBCGPAutoHideToolBar, CBCGPBaseControlBar)

BEGIN_MESSAGE_MAP(CBCGPAutoHideToolBar, CBCGPBaseControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CBCGPAutoHideToolBar::CBCGPAutoHideToolBar() {}

CBCGPAutoHideToolBar::~CBCGPAutoHideToolBar()
{
    for (CBCGPAutoHideButton* pButton : m_buttons)
        delete pButton;
}

BOOL CBCGPAutoHideToolBar::Create(CFrameWnd* pFrame, DWORD dwAlignment)
{
    // Hidden until the layout gives it its place.
    return CreateBar(_T(""), WS_CHILD | WS_CLIPSIBLINGS, dwAlignment & CBRS_ALIGN_ANY, CRect(0, 0, 0, 0), pFrame, 0);
}

CBCGPAutoHideButton* CBCGPAutoHideToolBar::FindButton(const CBCGPDockingControlBar* pBar) const
{
    for (CBCGPAutoHideButton* pButton : m_buttons)
        if (pButton->GetAutoHideWindow() == pBar)
            return pButton;
    return NULL;
}

CBCGPAutoHideButton* CBCGPAutoHideToolBar::AddAutoHideWindow(CBCGPDockingControlBar* pBar)
{
    if (CBCGPAutoHideButton* pButton = FindButton(pBar))
        return pButton;
    m_buttons.push_back(new CBCGPAutoHideButton(pBar));
    LayoutButtons();
    return m_buttons.back();
}

BOOL CBCGPAutoHideToolBar::RemoveAutoHideWindow(CBCGPDockingControlBar* pBar)
{
    for (size_t i = 0; i < m_buttons.size(); i++)
    {
        if (m_buttons[i]->GetAutoHideWindow() != pBar)
            continue;
        delete m_buttons[i];
        m_buttons.erase(m_buttons.begin() + i);
        LayoutButtons();
        return TRUE;
    }
    return FALSE;
}

void CBCGPAutoHideToolBar::LayoutButtons()
{
    if (m_hWnd == NULL)
        return;
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    CRect rectClient;
    GetClientRect(&rectClient);
    int nPos = BUTTON_GAP;
    for (CBCGPAutoHideButton* pButton : m_buttons)
    {
        int nLength = pButton->GetLength(&dc);
        // Across the strip the button leaves a gap on the side toward the frame's border.
        if (IsHorizontal())
            pButton->SetRect(CRect(nPos, 0, nPos + nLength, STRIP_SIZE - BUTTON_GAP) +
                CPoint(0, GetCurrentAlignment() == CBRS_ALIGN_TOP ? BUTTON_GAP : 0));
        else
            pButton->SetRect(CRect(0, nPos, STRIP_SIZE - BUTTON_GAP, nPos + nLength) +
                CPoint(GetCurrentAlignment() == CBRS_ALIGN_LEFT ? BUTTON_GAP : 0, 0));
        nPos += nLength + BUTTON_GAP;
    }
    dc.SelectObject(pOldFont);
    Invalidate();
}

CBCGPAutoHideButton* CBCGPAutoHideToolBar::ButtonFromPoint(CPoint point) const
{
    for (CBCGPAutoHideButton* pButton : m_buttons)
        if (pButton->GetRect().PtInRect(point))
            return pButton;
    return NULL;
}

BOOL CBCGPAutoHideToolBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CBCGPAutoHideToolBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
    pManager->OnFillAutoHideStrip(&dc, rect, GetCurrentAlignment());
    for (CBCGPAutoHideButton* pButton : m_buttons)
    {
        CBCGPDockingControlBar* pBar = pButton->GetAutoHideWindow();
        BOOL bShown = pBar->m_hWnd != NULL && pBar->IsWindowVisible();
        pManager->OnDrawAutoHideButton(&dc, pButton->GetRect(), pButton->GetText(), GetCurrentAlignment(), bShown);
    }
}

void CBCGPAutoHideToolBar::OnSize(UINT nType, int cx, int cy)
{
    CBCGPBaseControlBar::OnSize(nType, cx, cy);
    LayoutButtons();
}

void CBCGPAutoHideToolBar::OnMouseMove(UINT, CPoint point)
{
    CBCGPAutoHideButton* pButton = ButtonFromPoint(point);
    if (pButton != NULL && !pButton->GetAutoHideWindow()->IsWindowVisible())
        pButton->GetAutoHideWindow()->Slide(TRUE, TRUE);
}

void CBCGPAutoHideToolBar::OnLButtonDown(UINT, CPoint point)
{
    CBCGPAutoHideButton* pButton = ButtonFromPoint(point);
    if (pButton == NULL)
        return;
    CBCGPDockingControlBar* pBar = pButton->GetAutoHideWindow();
    if (!pBar->IsWindowVisible())
        pBar->Slide(TRUE, TRUE);
    pBar->SetFocus(); // clicked: it stays in until the focus leaves it
}
