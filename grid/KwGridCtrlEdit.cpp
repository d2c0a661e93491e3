// KwGridCtrlEdit.cpp: CKwGridCtrl's interactive side: the white box and the line selection, keys
// and mouse, context menu and tooltips.
#include "grid/KwGridCtrl.h"
#include "core/KwLineSelection.h"
#include "core/KwMenu.h"
#include "grid/KwHeaderCtrl.h"

#include <algorithm>

namespace {

const UINT kNone = 0xFFFFFFFF;

bool IsLetterOrDigit(UINT nChar)
{
    return (nChar >= '0' && nChar <= '9') || (nChar >= 'A' && nChar <= 'Z');
}

// The line at which a search downwards from nStart gives up. An unlimited grid reaches every
// line, but beyond the stored lines they all hold default cells: the search ends after the first
// whole line beyond both the stored lines and the start, instead of asking the listener about
// every line up to the last (one that locks every line from some line on froze Tab and Right).
UINT SearchLimit(const CKwGridCtrl& grid, UINT nStart)
{
    UINT nLimit = grid.GetLineCountLimit();
    if (grid.GetInsertMode() != CKwGridCtrl::eInsertUnlimited)
        return nLimit;
    unsigned long long nBeyond = (unsigned long long)std::max(grid.GetLineCount(), nStart + 1) + 1;
    return (UINT)std::min<unsigned long long>(nBeyond, nLimit);
}

} // namespace

// ---- The white box and the selection -----------------------------------------------------------

void CKwGridCtrl::GetCurItem(UINT& nColumn, UINT& nLine)
{
    nColumn = m_nCurColumn;
    nLine = m_nCurLine;
}

POSITION CKwGridCtrl::GetSelectionHeadPosition() const { return m_pSelection->GetHeadPosition(); }
UINT CKwGridCtrl::GetSelectionNext(POSITION& pos) const { return m_pSelection->GetNext(pos); }
UINT CKwGridCtrl::GetSelectionCount() const { return m_pSelection->GetCount(); }
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

BOOL CKwGridCtrl::IsLocked(UINT nColumn, UINT nLine)
{
    CKwGridCtrlListener* pListener = GetListener();
    return pListener != NULL && pListener->CKwGridCtrlListener_OnLockItem(nColumn, nLine, this);
}

// ---- Neighbour searches: the start cell changes only on success --------------------------------

BOOL CKwGridCtrl::GetNextItemToTheRight(UINT& nColumn, UINT& nLine)
{
    UINT nColumns = GetColumnCount();
    if (nColumn == kNone || nLine == kNone || nColumn >= nColumns || nLine >= GetLineCountLimit())
        return FALSE;
    UINT nLimit = SearchLimit(*this, nLine);
    UINT nCol = nColumn, nLin = nLine;
    for (;;)
    {
        if (++nCol >= nColumns)
        {
            nCol = 0;
            if (++nLin >= nLimit)
                return FALSE;
        }
        if (!IsLocked(nCol, nLin))
            break;
    }
    nColumn = nCol;
    nLine = nLin;
    return TRUE;
}

BOOL CKwGridCtrl::GetPrevItemToTheLeft(UINT& nColumn, UINT& nLine)
{
    UINT nColumns = GetColumnCount();
    // Without columns there is no cell to the left, only a wrap into nothing.
    if (nColumn == kNone || nLine == kNone || nColumns == 0)
        return FALSE;
    UINT nCol = nColumn, nLin = nLine;
    for (;;)
    {
        if (nCol == 0)
        {
            if (nLin == 0)
                return FALSE;
            nCol = nColumns - 1;
            nLin--;
        }
        else
            nCol--;
        if (!IsLocked(nCol, nLin))
            break;
    }
    nColumn = nCol;
    nLine = nLin;
    return TRUE;
}

BOOL CKwGridCtrl::GetNextItemToTheBottom(UINT& nColumn, UINT& nLine)
{
    if (nLine == kNone || nLine >= GetLineCountLimit())
        return FALSE;
    UINT nLimit = SearchLimit(*this, nLine);
    UINT nLin = nLine;
    do
    {
        if (++nLin >= nLimit)
            return FALSE;
    } while (IsLocked(nColumn, nLin));
    nLine = nLin;
    return TRUE;
}

BOOL CKwGridCtrl::GetPrevItemToTheTop(UINT& nColumn, UINT& nLine)
{
    if (nLine == kNone)
        return FALSE;
    UINT nLin = nLine;
    do
    {
        if (nLin == 0)
            return FALSE;
        nLin--;
    } while (IsLocked(nColumn, nLin));
    nLine = nLin;
    return TRUE;
}

BOOL CKwGridCtrl::CanWhiteBoxRight()
{
    UINT nColumn = m_nCurColumn, nLine = m_nCurLine;
    return GetNextItemToTheRight(nColumn, nLine);
}

BOOL CKwGridCtrl::CanWhiteBoxLeft()
{
    UINT nColumn = m_nCurColumn, nLine = m_nCurLine;
    return GetPrevItemToTheLeft(nColumn, nLine);
}

BOOL CKwGridCtrl::CanWhiteBoxDown()
{
    UINT nColumn = m_nCurColumn, nLine = m_nCurLine;
    return GetNextItemToTheBottom(nColumn, nLine);
}

BOOL CKwGridCtrl::CanWhiteBoxUp()
{
    UINT nColumn = m_nCurColumn, nLine = m_nCurLine;
    return GetPrevItemToTheTop(nColumn, nLine);
}

// ---- White box moves ---------------------------------------------------------------------------

void CKwGridCtrl::WhiteBoxDown()
{
    if (m_nCurColumn != kNone && m_nCurLine != kNone && m_nCurLine + 1 < GetLineCountLimit())
        WhiteBoxToLine(m_nCurLine + 1);
}

void CKwGridCtrl::WhiteBoxUp()
{
    if (m_nCurColumn != kNone && m_nCurLine != kNone && m_nCurLine > 0)
        WhiteBoxToLine(m_nCurLine - 1);
}

void CKwGridCtrl::WhiteBoxToLine(UINT nLine)
{
    // The caret travels with the box: read where it is before anything moves.
    int nStart = 0, nEnd = 0;
    BOOL bSel = GetEditSel(nStart, nEnd);
    if (IsKeyPressed(VK_CONTROL))
        SwapLines(m_nCurLine, nLine);
    m_nCurLine = nLine;
    if (IsKeyPressed(VK_SHIFT))
        m_pSelection->HitWithShift(m_nCurLine);
    else
        m_pSelection->HitWithNothing(m_nCurLine);
    EnsureVisible(m_nCurLine);
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
    if (!CanWhiteBoxRight())
        return;
    UINT nColumn = m_nCurColumn, nLine = m_nCurLine;
    GetNextItemToTheRight(nColumn, nLine);
    WhiteBoxToCell(nColumn, nLine, bByTab, 0);
}

void CKwGridCtrl::WhiteBoxLeft(BOOL bByTab)
{
    if (!CanWhiteBoxLeft())
        return;
    UINT nColumn = m_nCurColumn, nLine = m_nCurLine;
    GetPrevItemToTheLeft(nColumn, nLine);
    WhiteBoxToCell(nColumn, nLine, bByTab, -1);
}

void CKwGridCtrl::WhiteBoxToCell(UINT nColumn, UINT nLine, BOOL bByTab, int nCaret)
{
    m_nCurColumn = nColumn;
    m_nCurLine = nLine;
    m_pSelection->HitWithNothing(m_nCurLine);
    EnsureVisible(m_nCurLine);
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
    // A cell no key could reach is no place for the box: a fixed grid without lines, a grid
    // without columns.
    if (nColumn >= GetColumnCount() || nLine >= GetLineCountLimit())
        return;
    m_nCurColumn = nColumn;
    m_nCurLine = nLine;
    // A locked cell hands the box on to the next free one; with none the box stays.
    if (IsLocked(m_nCurColumn, m_nCurLine))
        GetNextItemToTheRight(m_nCurColumn, m_nCurLine);
    if (IsKeyPressed(VK_SHIFT))
        m_pSelection->HitWithShift(m_nCurLine);
    else
        m_pSelection->HitWithNothing(m_nCurLine);
    if (m_pEditor != NULL && !FocusIn(m_pEditor))
        BeginEdit(eBeginEditNoFocus);
    EnsureVisible(m_nCurLine);
    Invalidate(FALSE);
}

void CKwGridCtrl::WhiteBoxHome()
{
    WhiteBoxGoTo(0, 0);
}

void CKwGridCtrl::WhiteBoxEnd()
{
    UINT nColumns = GetColumnCount(), nLines = GetLineCount();
    UINT nColumn = nColumns > 0 ? nColumns - 1 : 0;
    UINT nLine = nLines > 0 ? nLines - 1 : 0;
    if (IsLocked(nColumn, nLine))
        GetPrevItemToTheLeft(nColumn, nLine);
    WhiteBoxGoTo(nColumn, nLine);
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
        return;
    }
    if (IsLetterOrDigit(nChar) && m_nCurColumn != kNone && m_nCurLine != kNone)
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
    UINT nOldColumn = m_nCurColumn, nOldLine = m_nCurLine;
    SetFocus();
    // The selection stays for the context menu that follows.
    if (nMessage == WM_RBUTTONDOWN && m_pSelection->GetCount() > 1)
        return;
    EndEdit();

    UINT nColumn, nLine;
    HitTest(point, nColumn, nLine);
    BOOL bSkipped = FALSE;
    if (nColumn != kNone && nLine != kNone && IsLocked(nColumn, nLine))
    {
        // Only a free cell of the same line will do.
        bSkipped = TRUE;
        UINT nNextColumn = nColumn, nNextLine = nLine;
        if (GetNextItemToTheRight(nNextColumn, nNextLine) && nNextLine == nLine)
            nColumn = nNextColumn;
        else
            nColumn = nLine = kNone;
    }

    BOOL bWasCurrent = nColumn == nOldColumn && nLine == nOldLine;
    if (nColumn != kNone && nLine != kNone)
    {
        m_nCurColumn = nColumn;
        m_nCurLine = nLine;
        if (nFlags & MK_CONTROL)
            m_pSelection->HitWithControl(nLine);
        else if (nFlags & MK_SHIFT)
            m_pSelection->HitWithShift(nLine);
        else
            m_pSelection->HitWithNothing(nLine);
    }
    else
    {
        m_nCurColumn = m_nCurLine = kNone;
        m_pSelection->HitOutside();
    }

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
    if (nColumn != kNone && nLine != kNone && IsLocked(nColumn, nLine))
        BeginEdit(eBeginEditSelectAll, 0, point);
}

// ---- Context menu ------------------------------------------------------------------------------

void CKwGridCtrl::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (point.x == -1 && point.y == -1)
    {
        // From the keyboard: below the current cell, or the corner of the grid.
        point = CPoint(0, 0);
        if (m_nCurColumn != kNone && m_nCurLine != kNone)
        {
            CRect rect;
            GetItemRect(m_nCurColumn, m_nCurLine, rect);
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
    menu.CMenu::TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, pOwner);
}

void CKwGridCtrl::CKwWindow_OnExtendContextMenu(CMenu& menu)
{
    CKwGridCtrlListener* pListener = GetListener();
    if (pListener != NULL)
        pListener->CKwGridCtrlListener_OnContextMenu(m_nCurColumn, m_nCurLine, menu, this);
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
