// StructDrawingView.cpp: the rows of bars painted off-screen, scrolled by rows, hit by the mouse.
#include "StructDrawingView.h"

#include "StructDoc.h"
#include "StructMemberTip.h"
#include "StructPicture.h"

#include "core/MemDC.h"

#include <cmath>

IMPLEMENT_SERIAL(CStructDrawingView, CView, 1)

BEGIN_MESSAGE_MAP(CStructDrawingView, CView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_NOTIFY(UXTTN_DISPLAY, 0, &CStructDrawingView::OnDisplayTip)
    ON_MESSAGE(WM_KW_GETVIEWCONTEXT, &CStructDrawingView::OnGetViewContext)
    ON_MESSAGE(WM_KW_COMPAREVIEWCONTEXT, &CStructDrawingView::OnCompareViewContext)
    ON_MESSAGE(WM_KW_GETVIEWTITLE, &CStructDrawingView::OnGetViewTitle)
END_MESSAGE_MAP()

CStructDrawingView::CStructDrawingView() : m_identity("Drawing"), m_nTopRow(0)
{
}

CStructDoc* CStructDrawingView::GetDocument() const
{
    return static_cast<CStructDoc*>(m_pDocument);
}

int CStructDrawingView::OnCreate(LPCREATESTRUCT lpcs)
{
    ModifyStyle(0, WS_VSCROLL);
    if (CView::OnCreate(lpcs) == -1)
        return -1;
    LOGFONT lf = {};
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    m_font.CreateFontIndirect(&lf);
    // One tool over the whole view; its text is the member under the cursor, found as it shows.
    m_tip.Create(this, TRUE);
    m_tip.AddTool(this, CString());
    m_tip.SetBehaviour(UXTT_BEHAVIOUR_REPEAT_SHOW, -1);
    m_tip.SetNotify(TRUE);
    return 0;
}

BOOL CStructDrawingView::PreTranslateMessage(MSG* pMsg)
{
    if (m_tip.GetSafeHwnd() != NULL)
        m_tip.RelayEvent(pMsg);
    return CView::PreTranslateMessage(pMsg);
}

void CStructDrawingView::OnDisplayTip(NMHDR* pNMHDR, LRESULT* pResult)
{
    UXTOOLTIP_NOTIFY* pNotify = reinterpret_cast<UXTOOLTIP_NOTIFY*>(pNMHDR);
    *pResult = 0;
    if (pNotify->pt == NULL || pNotify->ti == NULL)
        return;
    CPoint point = *pNotify->pt;
    ScreenToClient(&point);
    int nMember = HitTest(point);
    pNotify->ti->sTooltip = nMember >= 0 ? CStructMemberTip::Format(GetDocument()->GetModel().GetAt(nMember))
                                         : CString();
}

double CStructDrawingView::GetScale() const
{
    const CStructModel& model = GetDocument()->GetModel();
    double dLongest = 1.0;
    for (int i = 0; i < model.GetCount(); i++)
        dLongest = std::max(dLongest, model.GetAt(i).m_dLength);
    CRect rc;
    GetClientRect(&rc);
    // Room for the labels right of the bars, a third of the width at most.
    int nMargin = std::min((int)kMargin, rc.Width() / 3);
    return std::max(1.0, (rc.Width() - kLabelWidth - nMargin) / dLongest);
}

CRect CStructDrawingView::GetMemberRect(int nMember) const
{
    CRect rc;
    GetClientRect(&rc);
    int nTop = kRulerHeight + (nMember - m_nTopRow) * kRowHeight;
    return CRect(rc.left, nTop, rc.right, nTop + kRowHeight);
}

int CStructDrawingView::HitTest(CPoint point) const
{
    if (point.y < kRulerHeight)
        return -1;
    int nMember = m_nTopRow + (point.y - kRulerHeight) / kRowHeight;
    return nMember < GetDocument()->GetModel().GetCount() ? nMember : -1;
}

void CStructDrawingView::OnDraw(CDC* pDC)
{
    CMemDC dc(pDC);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(rc, RGB(255, 255, 255));
    if (GetDocument() == NULL)
        return;
    CFont* pOldFont = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    double dScale = GetScale();
    int nCount = GetDocument()->GetModel().GetCount();
    int nLast = std::min(nCount, m_nTopRow + (rc.Height() - kRulerHeight) / kRowHeight + 1);
    for (int i = m_nTopRow; i < nLast; i++)
        DrawMember(dc, i, dScale);
    DrawRuler(dc, rc, dScale);
    DrawSection(dc, rc);
    dc.SelectObject(pOldFont);
}

void CStructDrawingView::DrawSection(CDC& dc, const CRect& rcClient)
{
    // The selected member's cross-section in a box at the top right, over the bars.
    int nSelected = GetDocument()->GetSelected();
    if (nSelected < 0)
        return;
    const CStructMember& member = GetDocument()->GetModel().GetAt(nSelected);
    CRect rcBox(rcClient.right - kSectionBox - 8, kRulerHeight + 8, rcClient.right - 8,
                kRulerHeight + 8 + kSectionBox + 20);
    if (rcBox.left < kLabelWidth || member.m_picture.IsEmpty())
        return;
    dc.FillSolidRect(rcBox, RGB(255, 255, 255));
    CBrush frame(RGB(120, 120, 120));
    dc.FrameRect(&rcBox, &frame);
    CRect rcPicture(rcBox.left + 8, rcBox.top + 4, rcBox.right - 8, rcBox.bottom - 20);
    CStructPicture::Draw(&dc, member.m_picture, rcPicture);
    CRect rcCaption(rcBox.left, rcBox.bottom - 18, rcBox.right, rcBox.bottom - 2);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.DrawText(member.m_strSection, &rcCaption, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CStructDrawingView::DrawRuler(CDC& dc, const CRect& rcClient, double dScale)
{
    // Numbers at least 32 pixels apart, every 1, 2, 5, 10, 20, 50 ... metres; a tick between
    // them where the ticks have room.
    CRect rcRuler(rcClient.left, rcClient.top, rcClient.right, rcClient.top + kRulerHeight);
    dc.FillSolidRect(rcRuler, RGB(240, 240, 240));
    dc.FillSolidRect(rcRuler.left, rcRuler.bottom - 1, rcRuler.Width(), 1, RGB(160, 160, 160));
    dc.SetTextColor(RGB(80, 80, 80));
    int nStep = 1;
    for (int nFactor = 0; nStep * dScale < 32; nFactor++)
        nStep = (nFactor % 3 == 0 ? 2 : nFactor % 3 == 1 ? 5 : 10) * (int)std::pow(10, nFactor / 3);
    int nTick = std::max(1, nStep / (nStep % 5 == 0 ? 5 : 2));
    if (nTick * dScale < 6)
        nTick = nStep;
    for (int m = 0;; m += nTick) {
        int x = kLabelWidth + (int)std::lround(m * dScale);
        if (x > rcClient.right)
            break;
        bool bNumbered = m % nStep == 0;
        dc.FillSolidRect(x, rcRuler.bottom - (bNumbered ? 8 : 4), 1, bNumbered ? 8 : 4, RGB(120, 120, 120));
        if (bNumbered) {
            CString strMetres;
            strMetres.Format("%d", m);
            dc.TextOut(x + 2, rcRuler.top + 2, strMetres);
        }
    }
    dc.TextOut(rcRuler.left + 6, rcRuler.top + 2, "m");
}

void CStructDrawingView::DrawMember(CDC& dc, int nMember, double dScale)
{
    const CStructMember& member = GetDocument()->GetModel().GetAt(nMember);
    CRect rcRow = GetMemberRect(nMember);
    bool bSelected = nMember == GetDocument()->GetSelected();
    if (bSelected)
        dc.FillSolidRect(rcRow, RGB(255, 240, 180));
    dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut(rcRow.left + 6, rcRow.top + 5, member.m_strMark);

    int nLength = std::max(2, (int)std::lround(member.m_dLength * dScale));
    CRect rcBar(kLabelWidth, rcRow.top + 7, kLabelWidth + nLength, rcRow.bottom - 7);
    COLORREF crBar = (COLORREF)member.m_crColour;
    dc.FillSolidRect(rcBar, crBar);
    // End plates, and a darker frame round the selected bar.
    dc.FillSolidRect(rcBar.left, rcBar.top - 3, 2, rcBar.Height() + 6, RGB(60, 60, 60));
    dc.FillSolidRect(rcBar.right - 2, rcBar.top - 3, 2, rcBar.Height() + 6, RGB(60, 60, 60));
    if (bSelected) {
        CRect rcFrame = rcBar;
        rcFrame.InflateRect(2, 2);
        CBrush brush(RGB(200, 80, 0));
        dc.FrameRect(&rcFrame, &brush);
    }
    CString strLabel;
    strLabel.Format("%s  %s m", (LPCSTR)member.m_strSection, (LPCSTR)CStructMember::FormatLength(member.m_dLength));
    dc.SetTextColor(RGB(90, 90, 90));
    dc.TextOut(rcBar.right + 6, rcRow.top + 5, strLabel);
}

void CStructDrawingView::OnUpdate(CView*, LPARAM lHint, CObject*)
{
    if (GetSafeHwnd() == NULL || GetDocument() == NULL)
        return;
    if (lHint == kHintSelection)
        EnsureVisible(GetDocument()->GetSelected());
    UpdateScrollBar();
    Invalidate(FALSE);
}

void CStructDrawingView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateScrollBar();
}

void CStructDrawingView::UpdateScrollBar()
{
    if (GetDocument() == NULL)
        return;
    CRect rc;
    GetClientRect(&rc);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = std::max(0, GetDocument()->GetModel().GetCount() - 1);
    si.nPage = (UINT)std::max(1, (int)(rc.Height() - kRulerHeight) / kRowHeight);
    m_nTopRow = std::max(0, std::min(m_nTopRow, si.nMax - (int)si.nPage + 1));
    si.nPos = m_nTopRow;
    SetScrollInfo(SB_VERT, &si, TRUE);
}

void CStructDrawingView::ScrollTo(int nTopRow)
{
    int nOld = m_nTopRow;
    m_nTopRow = std::max(0, nTopRow);
    UpdateScrollBar();
    if (m_nTopRow != nOld)
        Invalidate(FALSE);
}

void CStructDrawingView::EnsureVisible(int nMember)
{
    if (nMember < 0)
        return;
    CRect rc;
    GetClientRect(&rc);
    int nRows = std::max(1, (int)(rc.Height() - kRulerHeight) / kRowHeight);
    if (nMember < m_nTopRow)
        ScrollTo(nMember);
    else if (nMember >= m_nTopRow + nRows)
        ScrollTo(nMember - nRows + 1);
}

void CStructDrawingView::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(SB_VERT, &si);
    int nTop = m_nTopRow;
    switch (nSBCode) {
    case SB_LINEUP: nTop--; break;
    case SB_LINEDOWN: nTop++; break;
    case SB_PAGEUP: nTop -= (int)si.nPage; break;
    case SB_PAGEDOWN: nTop += (int)si.nPage; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: nTop = si.nTrackPos; break;
    case SB_TOP: nTop = 0; break;
    case SB_BOTTOM: nTop = si.nMax; break;
    }
    ScrollTo(nTop);
}

BOOL CStructDrawingView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    ScrollTo(m_nTopRow - zDelta / WHEEL_DELTA * 3);
    return TRUE;
}

void CStructDrawingView::OnLButtonDown(UINT nFlags, CPoint point)
{
    CView::OnLButtonDown(nFlags, point);
    SetFocus();
    int nMember = HitTest(point);
    if (nMember >= 0)
        GetDocument()->Select(nMember);
}

void CStructDrawingView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // The arrows move the selection from member to member.
    int nCount = GetDocument()->GetModel().GetCount();
    int nSelected = GetDocument()->GetSelected();
    if ((nChar == VK_DOWN || nChar == VK_UP) && nCount > 0) {
        int nNext = nSelected < 0 ? 0 : nSelected + (nChar == VK_DOWN ? 1 : -1);
        GetDocument()->Select(std::max(0, std::min(nCount - 1, nNext)));
        return;
    }
    CView::OnKeyDown(nChar, nRepCnt, nFlags);
}
