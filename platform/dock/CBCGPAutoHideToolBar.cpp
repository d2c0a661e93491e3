// CBCGPAutoHideToolBar.cpp: the buttons laid out along the strip (text turned for the side
// edges), a hover sliding their pane in for a look and a click sliding it in with the focus.
#include "CBCGPAutoHideToolBar.h"
#include "CBCGPAutoHideButton.h"
#include "CBCGPDockingControlBar.h"
#include "CBCGPTabbedControlBar.h"
#include "CBCGPVisualManager.h"

#include <algorithm>

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
    UpdateTabButtons(pBar); // a container: a button for each tab
    LayoutButtons();
    return FindButton(pBar);
}

BOOL CBCGPAutoHideToolBar::RemoveAutoHideWindow(CBCGPDockingControlBar* pBar)
{
    auto it = std::stable_partition(m_buttons.begin(), m_buttons.end(),
        [pBar](CBCGPAutoHideButton* pButton) { return pButton->GetAutoHideWindow() != pBar; });
    if (it == m_buttons.end())
        return FALSE;
    for (auto itGone = it; itGone != m_buttons.end(); ++itGone)
        delete *itGone;
    m_buttons.erase(it, m_buttons.end());
    LayoutButtons();
    return TRUE;
}

void CBCGPAutoHideToolBar::LayoutButtons()
{
    if (m_hWnd == NULL)
        return;
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(CFont::FromHandle(GetGuiFont()));
    CRect rectClient;
    GetClientRect(&rectClient);
    const int nGap = Scaled(BUTTON_GAP), nAcross = Scaled(STRIP_SIZE) - nGap;
    int nPos = nGap;
    for (size_t i = 0; i < m_buttons.size(); i++)
    {
        CBCGPAutoHideButton* pButton = m_buttons[i];
        if (i > 0 && m_buttons[i - 1]->GetAutoHideWindow() != pButton->GetAutoHideWindow())
            nPos += Scaled(GROUP_GAP);
        int nLength = pButton->GetLength(&dc, m_nDpi);
        // Across the strip the button leaves a gap on the side toward the frame's border.
        if (IsHorizontal())
            pButton->SetRect(CRect(nPos, 0, nPos + nLength, nAcross) +
                CPoint(0, GetCurrentAlignment() == CBRS_ALIGN_TOP ? nGap : 0));
        else
            pButton->SetRect(CRect(0, nPos, nAcross, nPos + nLength) +
                CPoint(GetCurrentAlignment() == CBRS_ALIGN_LEFT ? nGap : 0, 0));
        nPos += nLength + nGap;
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
        pManager->OnDrawAutoHideButton(&dc, pButton->GetRect(), pButton->GetText(), GetCurrentAlignment(),
            pButton->IsShown(), m_nDpi);
}

void CBCGPAutoHideToolBar::OnSize(UINT nType, int cx, int cy)
{
    CBCGPBaseControlBar::OnSize(nType, cx, cy);
    LayoutButtons();
}

void CBCGPAutoHideToolBar::OnMouseMove(UINT, CPoint point)
{
    // A hover does not take a tab away from a container the user works in.
    CBCGPAutoHideButton* pButton = ButtonFromPoint(point);
    if (pButton != NULL && !pButton->GetAutoHideWindow()->IsActive())
        SlideInFor(pButton, FALSE);
}

void CBCGPAutoHideToolBar::OnLButtonDown(UINT, CPoint point)
{
    if (CBCGPAutoHideButton* pButton = ButtonFromPoint(point))
        SlideInFor(pButton, TRUE);
}

void CBCGPAutoHideToolBar::SlideInFor(CBCGPAutoHideButton* pButton, BOOL bByClick)
{
    CBCGPDockingControlBar* pTarget = pButton->GetTarget();
    if (!pButton->IsShown())
        pTarget->Slide(TRUE, TRUE);
    if (bByClick)
        pTarget->SetFocus(); // clicked: it stays in until the focus leaves it
}

int CBCGPAutoHideToolBar::GetWindowIndex(const CBCGPDockingControlBar* pBar) const
{
    int nIndex = 0;
    for (size_t i = 0; i < m_buttons.size(); i++)
    {
        if (m_buttons[i]->GetAutoHideWindow() == pBar)
            return nIndex;
        if (i + 1 == m_buttons.size() || m_buttons[i + 1]->GetAutoHideWindow() != m_buttons[i]->GetAutoHideWindow())
            nIndex++;
    }
    return -1;
}

void CBCGPAutoHideToolBar::UpdateTabButtons(CBCGPDockingControlBar* pBar)
{
    auto itFirst = std::find_if(m_buttons.begin(), m_buttons.end(),
        [pBar](CBCGPAutoHideButton* pButton) { return pButton->GetAutoHideWindow() == pBar; });
    if (itFirst == m_buttons.end())
        return;
    std::vector<HWND> tabs, shown;
    if (auto* pTabbed = DYNAMIC_DOWNCAST(CBCGPTabbedControlBar, pBar))
        for (int i = 0; i < pTabbed->GetTabsNum(); i++)
            tabs.push_back(pTabbed->GetUnderlyingWindow()->GetTabWnd(i)->m_hWnd);
    if (tabs.empty())
        tabs.push_back(NULL);
    const size_t nAt = (size_t)(itFirst - m_buttons.begin());
    size_t nEnd = nAt;
    for (; nEnd < m_buttons.size() && m_buttons[nEnd]->GetAutoHideWindow() == pBar; nEnd++)
        shown.push_back(m_buttons[nEnd]->GetTabWnd());
    if (shown == tabs)
    {
        Invalidate(); // perhaps another tab in front
        return;
    }
    for (size_t i = nAt; i < nEnd; i++)
        delete m_buttons[i];
    m_buttons.erase(m_buttons.begin() + nAt, m_buttons.begin() + nEnd);
    for (size_t i = 0; i < tabs.size(); i++)
        m_buttons.insert(m_buttons.begin() + nAt + i, new CBCGPAutoHideButton(pBar, tabs[i]));
    LayoutButtons();
}

BOOL CBCGPAutoHideToolBar::IsOverButtonOf(const CBCGPDockingControlBar* pBar, CPoint ptScreen) const
{
    if (m_hWnd == NULL)
        return FALSE;
    ScreenToClient(&ptScreen);
    CBCGPAutoHideButton* pButton = ButtonFromPoint(ptScreen);
    return pButton != NULL && pButton->GetAutoHideWindow() == pBar;
}
