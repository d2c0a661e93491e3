// KwGridCtrlEdit.cpp: CKwGridCtrl's interactive side: the white box and the line selection, keys
// and mouse, context menu and tooltips.
#include "grid/KwGridCtrl.h"
#include "core/KwLineSelection.h"
#include "core/KwMenu.h"
#include "grid/KwHeaderCtrl.h"

namespace {

const UINT kNone = CKwGridModel::kNone;

bool IsLetterOrDigit(UINT nChar)
{
    return (nChar >= '0' && nChar <= '9') || (nChar >= 'A' && nChar <= 'Z');
}

} // namespace

// ---- The white box and the selection -----------------------------------------------------------

void CKwGridCtrl::GetCurItem(UINT& nColumn, UINT& nLine)
{
    nColumn = m_navigator.GetColumn();
    nLine = m_navigator.GetLine();
}

POSITION CKwGridCtrl::GetSelectionHeadPosition() const { return m_navigator.GetSelection().GetHeadPosition(); }
UINT CKwGridCtrl::GetSelectionNext(POSITION& pos) const { return m_navigator.GetSelection().GetNext(pos); }
UINT CKwGridCtrl::GetSelectionCount() const { return m_navigator.GetSelection().GetCount(); }
BOOL CKwGridCtrl::GetShowSelectionAlways() const { return m_bShowSelectionAlways; }
BOOL CKwGridCtrl::GetShowWhiteBoxAlways() const { return m_bShowWhiteBoxAlways; }

void CKwGridCtrl::SetShowSelectionAlways(BOOL bShow)
{
    m_bShowSelectionAlways = bShow;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CKwGridCtrl::SetShowWhiteBoxAlways(BOOL bShow)
{
    m_bShowWhiteBoxAlways = bShow;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

BOOL CKwGridCtrl::FocusIn(CWnd* pWnd)
{
    HWND hFocus = ::GetFocus();
    HWND hWnd = pWnd->GetSafeHwnd();
    return hWnd != NULL && hFocus != NULL && (hFocus == hWnd || ::IsChild(hWnd, hFocus));
}

BOOL CKwGridCtrl::IsKeyPressed(UINT nVirtKey)
{
    return (::GetKeyState((int)nVirtKey) & 0x8000) != 0;
}

BOOL CKwGridCtrl::CanWhiteBoxRight() { return m_navigator.CanRight(m_model, Link()); }
BOOL CKwGridCtrl::CanWhiteBoxLeft() { return m_navigator.CanLeft(m_model, Link()); }
BOOL CKwGridCtrl::CanWhiteBoxDown() { return m_navigator.CanDown(m_model, Link()); }
BOOL CKwGridCtrl::CanWhiteBoxUp() { return m_navigator.CanUp(m_model, Link()); }

// ---- White box moves ---------------------------------------------------------------------------

void CKwGridCtrl::WhiteBoxDown()
{
    if (m_navigator.CanStepDown(m_model))
        WhiteBoxToLine(m_navigator.GetLine() + 1);
}

void CKwGridCtrl::WhiteBoxUp()
{
    if (m_navigator.CanStepUp())
        WhiteBoxToLine(m_navigator.GetLine() - 1);
}

void CKwGridCtrl::WhiteBoxToLine(UINT nLine)
{
    // The caret travels with the box: read where it is before anything moves.
    int nStart = 0, nEnd = 0;
    BOOL bSel = GetEditSel(nStart, nEnd);
    if (IsKeyPressed(VK_CONTROL))
        SwapLines(m_navigator.GetLine(), nLine);
    m_navigator.ToLine(nLine, IsKeyPressed(VK_SHIFT));
    EnsureVisible(nLine);
    if (m_pEditor != NULL)
    {
        if (FocusIn(m_pEditor))
            BeginEdit(bSel ? eBeginEditCaret : eBeginEditSelectAll, bSel ? nEnd : 0);
        else
            BeginEdit(eBeginEditNoFocus);
    }
    Invalidate(FALSE);
}

void CKwGridCtrl::WhiteBoxRight(BOOL bByTab)
{
    if (m_navigator.Right(m_model, Link()))
        FollowWithEditor(bByTab, 0);
}

void CKwGridCtrl::WhiteBoxLeft(BOOL bByTab)
{
    if (m_navigator.Left(m_model, Link()))
        FollowWithEditor(bByTab, -1);
}

void CKwGridCtrl::FollowWithEditor(BOOL bByTab, int nCaret)
{
    EnsureVisible(m_navigator.GetLine());
    // Tab selects the cell's text; an arrow leaves the caret where it came in.
    if (bByTab)
        BeginEdit(eBeginEditSelectAll, nCaret);
    else if (m_pEditor != NULL)
    {
        if (FocusIn(m_pEditor))
            BeginEdit(eBeginEditCaret, nCaret);
        else
            BeginEdit(eBeginEditNoFocus);
    }
    Invalidate(FALSE);
}

void CKwGridCtrl::WhiteBoxGoTo(UINT nColumn, UINT nLine)
{
    if (m_navigator.GoTo(m_model, Link(), nColumn, nLine, IsKeyPressed(VK_SHIFT)))
        AfterGoTo();
}

void CKwGridCtrl::WhiteBoxHome()
{
    if (m_navigator.Home(m_model, Link(), IsKeyPressed(VK_SHIFT)))
        AfterGoTo();
}

void CKwGridCtrl::WhiteBoxEnd()
{
    if (m_navigator.End(m_model, Link(), IsKeyPressed(VK_SHIFT)))
        AfterGoTo();
}

void CKwGridCtrl::AfterGoTo()
{
    if (m_pEditor != NULL && !FocusIn(m_pEditor))
        BeginEdit(eBeginEditNoFocus);
    EnsureVisible(m_navigator.GetLine());
    Invalidate(FALSE);
}

// ---- Keys --------------------------------------------------------------------------------------

void CKwGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    BOOL bCtrl = IsKeyPressed(VK_CONTROL);
    BOOL bShift = IsKeyPressed(VK_SHIFT);
    switch (nChar)
    {
    case VK_DOWN:
        WhiteBoxDown();
        return;
    case VK_UP:
        WhiteBoxUp();
        return;
    case VK_RIGHT:
        WhiteBoxRight(FALSE);
        return;
    case VK_LEFT:
        WhiteBoxLeft(FALSE);
        return;
    case VK_TAB:
        if (bShift)
            WhiteBoxLeft(TRUE);
        else
            WhiteBoxRight(TRUE);
        return;
    case VK_INSERT:
        if (bCtrl)
            OnEditCopy();
        else if (bShift)
            OnEditPaste();
        return;
    case VK_DELETE:
        if (bShift)
            OnEditCut();
        else
            OnEditClear();
        return;
    case VK_RETURN:
        BeginEdit(eBeginEditCaret, 0);
        return;
    case VK_HOME:
        WhiteBoxHome();
        return;
    case VK_END:
        WhiteBoxEnd();
        return;
    }
    if (bCtrl)
    {
        if (nChar == 'C')
            OnEditCopy();
        else if (nChar == 'X')
            OnEditCut();
        else if (nChar == 'V')
            OnEditPaste();
        else if (nChar == 'Z')
            OnEditUndo();
        else if (nChar == 'Y')
            OnEditRedo();
        return;
    }
    if (IsLetterOrDigit(nChar) && m_navigator.HasCell())
    {
        BeginEdit(eBeginEditSelectAll, 0);
        // The key that opened the editor is typed again into it, replacing the selected text.
        if (::GetFocus() != m_hWnd)
        {
            ::keybd_event((BYTE)nChar, 0, 0, 0);
            ::keybd_event((BYTE)nChar, 0, KEYEVENTF_KEYUP, 0);
        }
    }
}

BOOL CKwGridCtrl::PreTranslateMessage(MSG* pMsg)
{
    m_toolTip.RelayEvent(pMsg);
    if (pMsg->message != WM_KEYDOWN)
        return CWnd::PreTranslateMessage(pMsg);
    UINT nKey = (UINT)pMsg->wParam;

    // Keys a dialog would take for its own navigation.
    if (pMsg->hwnd == m_hWnd)
    {
        BOOL bOurs = nKey == VK_ESCAPE || nKey == VK_UP || nKey == VK_DOWN || nKey == VK_LEFT || nKey == VK_RIGHT ||
            nKey == VK_RETURN || IsLetterOrDigit(nKey);
        // Tab stays in the grid while there is a free cell to go to; otherwise the dialog moves on.
        if (nKey == VK_TAB)
            bOurs = IsKeyPressed(VK_SHIFT) ? CanWhiteBoxLeft() : CanWhiteBoxRight();
        if (bOurs)
        {
            ::DispatchMessageA(pMsg);
            return TRUE;
        }
    }

    if (m_pEditor != NULL && m_pEditor->m_hWnd != NULL &&
        (pMsg->hwnd == m_pEditor->m_hWnd || ::IsChild(m_pEditor->m_hWnd, pMsg->hwnd)))
    {
        int nStart = 0, nEnd = 0;
        switch (nKey)
        {
        case VK_DOWN:
        case VK_UP:
            // A combo box moves in its list instead.
            if (dynamic_cast<CEdit*>(m_pEditor) == NULL)
                break;
            if (nKey == VK_DOWN)
                WhiteBoxDown();
            else
                WhiteBoxUp();
            return TRUE;
        case VK_RETURN:
        case VK_TAB:
            if (nKey == VK_TAB && IsKeyPressed(VK_SHIFT))
            {
                if (!CanWhiteBoxLeft())
                    break;
                WhiteBoxLeft(TRUE);
                return TRUE;
            }
            if (!CanWhiteBoxRight())
                break;
            WhiteBoxRight(nKey == VK_TAB);
            return TRUE;
        case VK_RIGHT:
            if (GetEditSel(nStart, nEnd) && nEnd < m_pEditor->GetWindowTextLength())
                break;
            WhiteBoxRight(FALSE);
            return TRUE;
        case VK_LEFT:
            if (GetEditSel(nStart, nEnd) && nEnd != 0)
                break;
            WhiteBoxLeft(FALSE);
            return TRUE;
        case VK_ESCAPE:
            SetFocus();
            return TRUE;
        case 'Z':
        case 'Y':
            // The grid's history, which knows the whole cell, instead of the edit box's own.
            if (!m_undo.IsEnabled() || !IsKeyPressed(VK_CONTROL))
                break;
            if (nKey == 'Z')
                OnEditUndo();
            else
                OnEditRedo();
            return TRUE;
        case VK_DELETE:
            // Straight to the editor, before any accelerator can take it.
            ::TranslateMessage(pMsg);
            ::DispatchMessageA(pMsg);
            return TRUE;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

// ---- Mouse -------------------------------------------------------------------------------------

void CKwGridCtrl::HitTest(CPoint point, UINT& nColumn, UINT& nLine)
{
    nColumn = kNone;
    nLine = kNone;
    int nRight = 0;
    int nItems = m_pHeaderCtrl->GetSafeHwnd() != NULL ? m_pHeaderCtrl->GetItemCount() : 0;
    for (int i = 0; i < nItems; i++)
    {
        HDITEM hdi = {};
        hdi.mask = HDI_WIDTH;
        m_pHeaderCtrl->GetItem(i, &hdi);
        nRight += hdi.cxy;
        if (nRight > point.x)
        {
            nColumn = (UINT)i;
            break;
        }
    }
    int nTop = GetHeaderHeight();
    int nHeight = GetItemHeight();
    if (nHeight > 0 && point.y >= nTop)
    {
        UINT nHit = m_nTopLine + (UINT)((point.y - nTop) / nHeight);
        if (nHit < GetLineCountLimit())
            nLine = nHit;
    }
}

void CKwGridCtrl::HandleMouseButtonDown(UINT nMessage, UINT nFlags, CPoint point)
{
    // Taking the focus puts the white box on the top line when there was none; a click there
    // is still a first click, not one on the current cell.
    UINT nOldColumn = m_navigator.GetColumn(), nOldLine = m_navigator.GetLine();
    SetFocus();
    // The selection stays for the context menu that follows.
    if (nMessage == WM_RBUTTONDOWN && GetSelectionCount() > 1)
        return;
    EndEdit();

    UINT nColumn, nLine;
    HitTest(point, nColumn, nLine);
    BOOL bSkipped = m_navigator.Click(m_model, Link(), nColumn, nLine, (nFlags & MK_CONTROL) != 0,
                                      (nFlags & MK_SHIFT) != 0);
    BOOL bWasCurrent = m_navigator.GetColumn() == nOldColumn && m_navigator.GetLine() == nOldLine;
    Invalidate(FALSE);
    if (nMessage == WM_LBUTTONDOWN)
        BeginEdit(bWasCurrent && !bSkipped ? eBeginEditAtPoint : eBeginEditNoFocus, 0, point);
}

void CKwGridCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDown(nFlags, point);
    HandleMouseButtonDown(WM_LBUTTONDOWN, nFlags, point);
}

void CKwGridCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnRButtonDown(nFlags, point);
    HandleMouseButtonDown(WM_RBUTTONDOWN, nFlags, point);
}

void CKwGridCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDblClk(nFlags, point);
    // The click before moved the box off the locked cell; the double click edits where it went.
    UINT nColumn, nLine;
    HitTest(point, nColumn, nLine);
    if (nColumn != kNone && nLine != kNone && Link().IsLocked(nColumn, nLine))
        BeginEdit(eBeginEditSelectAll, 0, point);
}

// ---- Context menu ------------------------------------------------------------------------------

void CKwGridCtrl::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (point.x == -1 && point.y == -1)
    {
        // From the keyboard: below the current cell, or the corner of the grid.
        point = CPoint(0, 0);
        if (m_navigator.HasCell())
        {
            CRect rect;
            GetItemRect(m_navigator.GetColumn(), m_navigator.GetLine(), rect);
            point = CPoint(rect.left, rect.bottom);
        }
        ClientToScreen(&point);
    }
    CKwMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    CKwWindow_OnExtendContextMenu(menu);
    if (menu.GetMenuItemCount() <= 0)
        return;
    // The main window routes the chosen command like any menu command; a dialog run without
    // one routes it itself.
    CWnd* pOwner = AfxGetMainWnd();
    if (pOwner == NULL || pOwner->GetSafeHwnd() == NULL)
        pOwner = GetTopLevelParent();
    CKwMenu::TrackInLook(menu, TPM_RIGHTBUTTON, point, pOwner);
}

void CKwGridCtrl::CKwWindow_OnExtendContextMenu(CMenu& menu)
{
    CKwGridCtrlListener* pListener = GetListener();
    if (pListener != NULL)
        pListener->CKwGridCtrlListener_OnContextMenu(m_navigator.GetColumn(), m_navigator.GetLine(), menu, this);
    CKwWindow::CKwWindow_OnExtendContextMenu(menu);
}

// ---- Tooltips ----------------------------------------------------------------------------------

void CKwGridCtrl::NotifyDisplayTooltip(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    UXTOOLTIP_NOTIFY* pNotify = (UXTOOLTIP_NOTIFY*)pNMHDR;
    if (pNotify->ti == NULL)
        return;
    UXTOOLTIP_INFO& ti = *pNotify->ti;
    ti.sTooltip.Empty();
    CKwGridCtrlListener* pListener = GetListener();
    if (pListener == NULL)
        return;
    CKwGridCtrlItem item;
    if (ti.hWnd == m_hWnd && pNotify->pt != NULL)
    {
        CPoint point = *pNotify->pt;
        ScreenToClient(&point);
        UINT nColumn, nLine;
        HitTest(point, nColumn, nLine);
        if (nColumn != kNone && nLine != kNone)
            GetItem(nColumn, nLine, item);
        ti.sTooltip = pListener->CKwGridCtrlListener_OnGetToolTipText(nColumn, nLine, item, this);
    }
    else if (ti.hWnd == m_pHeaderCtrl->GetSafeHwnd() && ti.hWnd != NULL)
        ti.sTooltip = pListener->CKwGridCtrlListener_OnGetToolTipText(kNone, kNone, item, this);
}
