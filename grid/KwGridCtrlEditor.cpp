// KwGridCtrlEditor.cpp: CKwGridCtrl's in-place editor: opening it over the current cell, the edits
// flowing back, focus.
#include "grid/KwGridCtrl.h"
#include "core/CoreGlobalMethods.h"
#include "core/KwLineSelection.h"
#include "core/KwPalette.h"
#include "grid/KwGridMessages.h"
#include "pickers/KwComboBox.h"

namespace
{

// The editor's window styles: an edit box for text cells, a drop-down list for the index and text
// drop-downs, and a drop-down combo (created hidden, shown once filled) for the editable one.
const DWORD EDITBOX_STYLE = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
const DWORD DROPDOWNLIST_STYLE = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_AUTOHSCROLL | CBS_DROPDOWNLIST;
const DWORD DROPDOWN_STYLE = WS_CHILD | WS_VSCROLL | CBS_AUTOHSCROLL | CBS_DROPDOWN;

BOOL IsDropDown(int nType)
{
    return nType == CKwGridCtrlItem::eIndexDropDown || nType == CKwGridCtrlItem::eTextDropDown ||
           nType == CKwGridCtrlItem::eEditableDropDown;
}

// The grid itself or one of its descendants (the editor, a combo's edit field).
BOOL IsGridOrInside(HWND hGrid, HWND hWnd)
{
    return hWnd != NULL && (hWnd == hGrid || ::IsChild(hGrid, hWnd));
}

// A caret position of the open types: -1 stands for the end of the text.
int CaretPosition(int nPosition, int nTextLength)
{
    return nPosition == -1 ? nTextLength : nPosition;
}

// The character under a point of the grid, in an edit box or a combo's edit field.
int CharFromGridPoint(CWnd* pGrid, CWnd* pEdit, CPoint point)
{
    pGrid->MapWindowPoints(pEdit, &point, 1);
    return LOWORD(pEdit->SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y)));
}

// Creates the editor window of the cell's kind, with its font and choices; NULL when the window
// cannot be created.
CWnd* CreateEditor(CWnd* pGrid, const CKwGridCtrlItem& item, BOOL bReadOnly, CFont* pNormal, CFont* pBold)
{
    CFont* pCellFont = item.bBold ? pBold : pNormal;
    if (!IsDropDown(item.nType))
    {
        CEdit* pEdit = new CEdit;
        if (!pEdit->Create(EDITBOX_STYLE | (bReadOnly ? ES_READONLY : 0), CRect(0, 0, 0, 0), pGrid, KW_GRID_EDITOR_ID))
        {
            delete pEdit;
            return NULL;
        }
        pEdit->SetFont(pCellFont);
        return pEdit;
    }
    const DWORD dwStyle = item.nType == CKwGridCtrlItem::eEditableDropDown ? DROPDOWN_STYLE : DROPDOWNLIST_STYLE;
    CKwComboBox* pCombo = new CKwComboBox;
    // In the dark look the combo draws its items itself: the system's would show its chosen item
    // in the light look's highlight.
    const CRect rcNone(0, 0, 0, 0);
    if (CKwPalette::IsDark() ? !pCombo->CreateDrawn(dwStyle, rcNone, pGrid, KW_GRID_EDITOR_ID, pNormal)
                             : !pCombo->Create(dwStyle, rcNone, pGrid, KW_GRID_EDITOR_ID))
    {
        delete pCombo;
        return NULL;
    }
    if (item.pChoices != NULL)
        for (INT_PTR i = 0; i < item.pChoices->GetSize(); ++i)
            pCombo->AddString(item.pChoices->GetAt(i));
    pCombo->SetFont(pNormal);
    // The edit field shows the cell as the grid draws it, bold or not.
    if (CWnd* pField = pCombo->GetEditField())
        pField->SetFont(pCellFont);
    return pCombo;
}

// Puts the cell's content into the editor (the caller raises the guard).
void FillEditor(CWnd* pGrid, CWnd* pEditor, const CKwGridCtrlItem& item)
{
    switch (item.nType)
    {
    case CKwGridCtrlItem::eIndexDropDown:
        pEditor->SendMessage(CB_SETCURSEL, (WPARAM)item.nIndex, 0);
        break;
    case CKwGridCtrlItem::eTextDropDown:
        CCoreGlobalMethods::SelectStringInCombo(pGrid->m_hWnd, KW_GRID_EDITOR_ID, item.sText);
        break;
    default:
        pEditor->SetWindowText(item.sText);
        break;
    }
}

// Selection and caret of an edit box by the way it was opened.
void PlaceEditBoxCaret(CWnd* pGrid, CEdit* pEdit, CKwGridCtrl::EBeginEditType eType, int nPosition, CPoint point)
{
    switch (eType)
    {
    case CKwGridCtrl::eBeginEditSelectAll:
        pEdit->SendMessage(EM_SETSEL, 0, -1);
        pEdit->SendMessage(EM_SCROLLCARET);
        break;
    case CKwGridCtrl::eBeginEditCaret:
        nPosition = CaretPosition(nPosition, pEdit->GetWindowTextLength());
        pEdit->SendMessage(EM_SETSEL, (WPARAM)nPosition, nPosition);
        pEdit->SendMessage(EM_SCROLLCARET);
        break;
    case CKwGridCtrl::eBeginEditAtPoint:
    {
        int nChar = CharFromGridPoint(pGrid, pEdit, point);
        pEdit->SendMessage(EM_SETSEL, (WPARAM)nChar, nChar);
        break;
    }
    default:
        break;
    }
}

// Selection of a drop-down combo's edit field by the way it was opened; a click right of the
// edit field (on the button) drops the list down instead.
void PlaceComboCaret(CWnd* pGrid, CKwComboBox* pCombo, CKwGridCtrl::EBeginEditType eType, int nPosition, CPoint point)
{
    switch (eType)
    {
    case CKwGridCtrl::eBeginEditSelectAll:
        pCombo->SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        break;
    case CKwGridCtrl::eBeginEditCaret:
        nPosition = CaretPosition(nPosition, pCombo->GetWindowTextLength());
        pCombo->SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(nPosition, nPosition));
        break;
    case CKwGridCtrl::eBeginEditAtPoint:
    {
        CWnd* pField = pCombo->GetEditField();
        if (pField == NULL)
            break;
        CRect rcField;
        pField->GetWindowRect(&rcField);
        pGrid->ScreenToClient(&rcField);
        if (point.x >= rcField.right)
        {
            pCombo->ShowWindow(SW_SHOW);
            pGrid->UpdateWindow();
            pCombo->UpdateWindow();
            pCombo->ShowDropDown(TRUE);
        }
        else
        {
            int nChar = CharFromGridPoint(pGrid, pField, point);
            pCombo->SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(nChar, nChar));
        }
        break;
    }
    default:
        break;
    }
}

} // namespace

void CKwGridCtrl::SetCurItem(UINT nColumn, UINT nLine)
{
    EndEdit();
    m_navigator.SelectCell(nColumn, nLine);
    BeginEdit(eBeginEditFocus);
    Invalidate(FALSE);
}

void CKwGridCtrl::SetCurText(UINT nColumn, UINT nLine, int nStart, int nEnd)
{
    // Closed first: an editor left over the old cell when no new one can open would write its
    // text into the new current cell.
    EndEdit();
    m_navigator.SelectCell(nColumn, nLine);
    BeginEdit(eBeginEditCaret, 0);
    Invalidate(FALSE);
    // The editor tells the cell's type: an edit box for text, an edit field for the editable
    // drop-down, no text to select in a drop-down list.
    if (dynamic_cast<CEdit*>(m_pEditor) != NULL)
    {
        m_pEditor->SendMessage(EM_SETSEL, (WPARAM)nStart, nEnd);
        m_pEditor->SendMessage(EM_SCROLLCARET);
    }
    else if (CKwComboBox* pCombo = dynamic_cast<CKwComboBox*>(m_pEditor))
        if (pCombo->GetEditField() != NULL)
            pCombo->SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(nStart, nEnd));
}

void CKwGridCtrl::BeginEdit(EBeginEditType eType, int nPosition, CPoint point)
{
    const UINT nColumn = m_navigator.GetColumn(), nLine = m_navigator.GetLine();
    if (m_hWnd == NULL || !m_navigator.HasCell())
        return;
    if (GetInsertMode() == eInsertAppendLine && nLine > GetLineCount())
        return;
    if (GetInsertMode() == eInsertFixed && nLine >= GetLineCount())
        return;
    EndEdit();

    CKwGridCtrlItem item;
    GetItem(nColumn, nLine, item);
    if (CKwGridCtrlListener* pListener = GetListener())
        if (!pListener->CKwGridCtrlListener_OnBeginEditItem(nColumn, nLine, item, this))
            return;
    // Beyond the stored lines an empty cell would be trimmed away at once; storing it would only
    // build the lines up to it (a far line of an unlimited grid) to drop them again.
    if (!item.IsEmpty() || nLine < GetLineCount())
        m_model.StoreItem(nColumn, nLine, item);
    EnsureVisible(nLine);

    // A read-only grid shows its drop-downs but offers no list to choose from.
    if (m_bReadOnly && IsDropDown(item.nType))
    {
        SetFocus();
        return;
    }
    m_pEditor = CreateEditor(this, item, m_bReadOnly, &m_fontNormal, &m_fontBold);
    if (m_pEditor == NULL)
        return;
    LayoutEditor();
    if (eType != eBeginEditNoFocus)
        m_pEditor->SetFocus();
    m_bSettingText = TRUE;
    FillEditor(this, m_pEditor, item);
    m_bSettingText = FALSE;

    if (CEdit* pEdit = dynamic_cast<CEdit*>(m_pEditor))
        PlaceEditBoxCaret(this, pEdit, eType, nPosition, point);
    else if (item.nType == CKwGridCtrlItem::eEditableDropDown)
    {
        CKwComboBox* pCombo = static_cast<CKwComboBox*>(m_pEditor);
        PlaceComboCaret(this, pCombo, eType, nPosition, point);
        pCombo->ShowWindow(SW_SHOW);
        pCombo->Invalidate();
        pCombo->UpdateWindow();
    }
    else if (eType == eBeginEditAtPoint)
    {
        UpdateWindow();
        m_pEditor->SendMessage(CB_SHOWDROPDOWN, TRUE);
    }
}

void CKwGridCtrl::EndEdit()
{
    // What is typed into the next editor is another step.
    m_undo.Seal();
    if (m_pEditor == NULL)
        return;
    // The grid keeps the focus the editor had, so that closing it does not hand the focus away.
    if (::IsChild(m_hWnd, ::GetFocus()))
        SetFocus();
    CWnd* pEditor = m_pEditor;
    pEditor->DestroyWindow();
    m_pEditor = NULL;
    delete pEditor;
}

BOOL CKwGridCtrl::GetEditSel(int& nStart, int& nEnd)
{
    CWnd* pField = NULL;
    if (dynamic_cast<CEdit*>(m_pEditor) != NULL)
        pField = m_pEditor;
    else if (CKwComboBox* pCombo = dynamic_cast<CKwComboBox*>(m_pEditor))
        pField = pCombo->GetEditField();
    if (pField == NULL)
        return FALSE;
    DWORD dwStart = 0, dwEnd = 0;
    pField->SendMessage(EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    nStart = (int)dwStart;
    nEnd = (int)dwEnd;
    return TRUE;
}

void CKwGridCtrl::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (GetLineCountLimit() != 0)
    {
        if (!m_navigator.HasCell())
            WhiteBoxGoTo(0, m_nTopLine);
        if (m_pEditor == NULL)
            BeginEdit(eBeginEditNoFocus);
    }
    Invalidate(FALSE);
}

void CKwGridCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    HWND hNew = pNewWnd->GetSafeHwnd();
    if (!IsGridOrInside(m_hWnd, hNew))
    {
        NotifyKillFocus();
        if (hNew != NULL)
            EndEdit();
    }
    Invalidate(FALSE);
}

void CKwGridCtrl::On_EN_CHANGE()
{
    if (m_bSettingText || m_pEditor == NULL || !m_navigator.HasCell())
        return;
    CKwGridCtrlItem item;
    GetItem(m_navigator.GetColumn(), m_navigator.GetLine(), item);
    m_pEditor->GetWindowText(item.sText);
    StoreEdited(item, TRUE);
}

// The editor being typed in is laid out only when bLayoutEditor (not a combo's edit field).
void CKwGridCtrl::StoreEdited(const CKwGridCtrlItem& item, BOOL bLayoutEditor)
{
    const UINT nColumn = m_navigator.GetColumn(), nLine = m_navigator.GetLine();
    m_undo.StoreEdited(m_model, nColumn, nLine, item);
    if (bLayoutEditor)
        LayoutAll();
    else
    {
        LayoutScrollBar();
        LayoutHeader();
    }
    NotifyItemChanged(nColumn, nLine, item);
    NotifyContentChanged();
    Invalidate(FALSE);
}

void CKwGridCtrl::On_CBN_SELCHANGE()
{
    // The combo finishes its own selection change before the grid reads it.
    if (!m_bSettingText)
        PostMessage(KWM_GRID_DEFERRED_SELCHANGE);
}

void CKwGridCtrl::On_CBN_EDITCHANGE()
{
    if (!m_bSettingText)
        PostMessage(KWM_GRID_DEFERRED_EDITCHANGE);
}

void CKwGridCtrl::On_EN_CBN_KILLFOCUS()
{
    HWND hNew = ::GetFocus();
    if (!IsGridOrInside(m_hWnd, hNew))
    {
        NotifyKillFocus();
        // Not destroyed inside its own notification: the editor closes when the message comes.
        if (hNew != NULL)
            PostMessage(KWM_GRID_DEFERRED_ENDEDIT);
    }
    Invalidate(FALSE);
}

void CKwGridCtrl::On_EN_CBN_SETFOCUS()
{
    Invalidate(TRUE);
}

LRESULT CKwGridCtrl::On_DEFERRED_ENDEDIT(WPARAM wParam, LPARAM lParam)
{
    HWND hFocus = ::GetFocus();
    if (hFocus != NULL && !IsGridOrInside(m_hWnd, hFocus))
        EndEdit();
    return 0;
}

LRESULT CKwGridCtrl::On_DEFERRED_CBN_SELCHANGE(WPARAM wParam, LPARAM lParam)
{
    // The current cell and its editor are read again: either may have changed since the post.
    CComboBox* pCombo = dynamic_cast<CComboBox*>(m_pEditor);
    if (pCombo == NULL || !m_navigator.HasCell())
        return 0;
    int nSel = pCombo->GetCurSel();
    CKwGridCtrlItem item;
    GetItem(m_navigator.GetColumn(), m_navigator.GetLine(), item);
    if (item.nType == CKwGridCtrlItem::eIndexDropDown)
        item.nIndex = nSel;
    else if (nSel != CB_ERR)
        pCombo->GetLBText(nSel, item.sText);
    StoreEdited(item, TRUE);
    return 0;
}

LRESULT CKwGridCtrl::On_DEFERRED_CBN_EDITCHANGE(WPARAM wParam, LPARAM lParam)
{
    CComboBox* pCombo = dynamic_cast<CComboBox*>(m_pEditor);
    if (pCombo == NULL || !m_navigator.HasCell())
        return 0;
    CKwGridCtrlItem item;
    GetItem(m_navigator.GetColumn(), m_navigator.GetLine(), item);
    pCombo->GetWindowText(item.sText);
    // The editor is being typed in: it stays where it is.
    StoreEdited(item, FALSE);
    return 0;
}
