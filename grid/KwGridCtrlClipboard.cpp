// KwGridCtrlClipboard.cpp: CKwGridCtrl's line commands: copy, cut, paste and clear of whole lines
// through the clipboard, or of the editor's text when the editor has the focus.
#include "grid/KwGridCtrl.h"
#include "core/KwClipboard.h"
#include "core/KwLineSelection.h"
#include "res/resource.h"

namespace {

BOOL HasTextSelection(HWND hWnd)
{
    DWORD nStart = 0, nEnd = 0;
    ::SendMessage(hWnd, EM_GETSEL, (WPARAM)&nStart, (LPARAM)&nEnd);
    return nStart != nEnd;
}

// Another focused window (the editor, or any other) takes the command as its own message.
BOOL PassToFocus(HWND hGrid, UINT nMessage)
{
    HWND hFocus = ::GetFocus();
    if (hFocus == NULL || hFocus == hGrid)
        return FALSE;
    ::SendMessage(hFocus, nMessage, 0, 0);
    return TRUE;
}

// The focused window when it lies inside the grid (the editor, a combo's edit field), else NULL.
HWND FocusInside(HWND hGrid)
{
    HWND hFocus = ::GetFocus();
    return ::IsChild(hGrid, hFocus) ? hFocus : NULL;
}

BOOL IsReadOnlyEdit(HWND hWnd)
{
    return (::GetWindowLongA(hWnd, GWL_STYLE) & ES_READONLY) != 0;
}

} // namespace

BOOL CKwGridCtrl::IsCopyAllowed()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == NULL)
        return FALSE;
    if (hFocus == m_hWnd)
        return m_navigator.GetSelection().GetCount() != 0;
    return HasTextSelection(hFocus);
}

BOOL CKwGridCtrl::IsPasteAllowed()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == NULL)
        return FALSE;
    if (hFocus == m_hWnd)
    {
        CKwGridCtrlListener* pListener = GetListener();
        if (pListener != NULL && !pListener->CKwGridCtrlListener_OnCanPaste(this))
            return FALSE;
        return m_navigator.GetLine() != CKwGridModel::kNone && CKwClipboard::IsTextAvailable();
    }
    return CKwClipboard::IsTextAvailable() && !IsReadOnlyEdit(hFocus);
}

BOOL CKwGridCtrl::IsClearAllowed()
{
    if (HWND hEditor = FocusInside(m_hWnd))
        return HasTextSelection(hEditor) && !IsReadOnlyEdit(hEditor);
    CKwGridCtrlListener* pListener = GetListener();
    if (pListener != NULL && !pListener->CKwGridCtrlListener_OnCanDelete(this))
        return FALSE;
    return m_navigator.GetSelection().GetCount() != 0;
}

void CKwGridCtrl::OnEditCopy()
{
    if (!IsCopyAllowed())
        return;
    if (!PassToFocus(m_hWnd, WM_COPY))
        PutSelectionOnClipboard();
}

BOOL CKwGridCtrl::PutSelectionOnClipboard()
{
    CWaitCursor wait;
    CString sText;
    if (!m_model.CopyLines(m_navigator.GetSelection(), Link(), sText))
        return FALSE;
    if (CKwClipboard::PutText(sText))
        return TRUE;
    AfxMessageBox(IDS_KW_CLIPBOARD_BUSY, MB_ICONEXCLAMATION);
    return FALSE;
}

void CKwGridCtrl::OnEditCut()
{
    if (!IsClearAllowed())
        return;
    HWND hFocus = ::GetFocus();
    if (hFocus == m_hWnd)
    {
        // Lines that did not reach the clipboard (another program holding it open) are kept.
        if (IsCopyAllowed() && PutSelectionOnClipboard())
            OnEditClear();
    }
    else if (hFocus != NULL)
        ::SendMessage(hFocus, WM_CUT, 0, 0);
}

// The clipboard's lines go above the current line, which stays current; they are selected.
void CKwGridCtrl::OnEditPaste()
{
    if (!IsPasteAllowed())
        return;
    if (PassToFocus(m_hWnd, WM_PASTE))
        return;
    CWaitCursor wait;
    // A clipboard another program keeps closed to us changes nothing.
    CString sText;
    if (!CKwClipboard::GetText(sText))
    {
        AfxMessageBox(IDS_KW_CLIPBOARD_BUSY, MB_ICONEXCLAMATION);
        return;
    }
    UINT nLine = m_navigator.GetLine();
    CKwLineSelection& selection = m_navigator.GetSelection();
    selection.HitWithNothing(nLine);
    UINT nCount = m_undo.PasteText(m_model, nLine, sText, sText.GetLength(), Link(), m_navigator.GetColumn());
    selection.HitWithShift(nLine + nCount - 1);

    // An editor without the focus would still show the cell's former content.
    if (m_pEditor != NULL)
        BeginEdit(eBeginEditNoFocus);
    LayoutAll();
    Invalidate(FALSE);
    NotifyContentChanged();
}

void CKwGridCtrl::OnEditClear()
{
    if (!IsClearAllowed())
        return;
    if (HWND hEditor = FocusInside(m_hWnd))
    {
        ::SendMessage(hEditor, WM_CLEAR, 0, 0);
        return;
    }
    CWaitCursor wait;
    // The selection ascends (and is not empty here): its head is the smallest line.
    CKwLineSelection& selection = m_navigator.GetSelection();
    POSITION pos = selection.GetHeadPosition();
    const UINT nSmallest = selection.GetNext(pos);
    m_undo.DeleteLines(m_model, selection, m_navigator.GetColumn());

    UINT nLines = GetLineCount();
    m_navigator.SelectCell(m_navigator.GetColumn(), nLines > 0 && nSmallest > nLines - 1 ? nLines - 1 : nSmallest);
    // A fixed grid left without lines has no cell for the white box: a paste there would make
    // lines the user cannot make. The focus is not in the editor here (that case cleared the
    // editor's text above).
    if (!DropUnreachableWhiteBox() && m_pEditor != NULL)
        BeginEdit(eBeginEditNoFocus);
    EnsureVisible(m_navigator.GetLine());
    LayoutAll();
    Invalidate(FALSE);
    UpdateWindow();
    NotifyContentChanged();
}

void CKwGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(IsCopyAllowed()); }
void CKwGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI) { pCmdUI->Enable(IsClearAllowed()); }
void CKwGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI) { pCmdUI->Enable(IsPasteAllowed()); }
void CKwGridCtrl::OnUpdateEditClear(CCmdUI* pCmdUI) { pCmdUI->Enable(IsClearAllowed()); }
