// KwGridCtrlUndo.cpp: CKwGridCtrl's undo and redo: the history replayed on the cells, the white
// box put where the change is, and the listener told as it was told of the action.
#include "grid/KwGridCtrl.h"
#include "core/KwLineSelection.h"

BOOL CKwGridCtrl::Undo() { return Replay(TRUE); }
BOOL CKwGridCtrl::Redo() { return Replay(FALSE); }
BOOL CKwGridCtrl::IsUndoAllowed() const { return !m_bReadOnly && m_undo.CanUndo(); }
BOOL CKwGridCtrl::IsRedoAllowed() const { return !m_bReadOnly && m_undo.CanRedo(); }
void CKwGridCtrl::OnEditUndo() { Undo(); }
void CKwGridCtrl::OnEditRedo() { Redo(); }
void CKwGridCtrl::OnUpdateEditUndo(CCmdUI* pCmdUI) { pCmdUI->Enable(IsUndoAllowed()); }
void CKwGridCtrl::OnUpdateEditRedo(CCmdUI* pCmdUI) { pCmdUI->Enable(IsRedoAllowed()); }

// While the listener hears of a change it may store cells that follow from it (a total, a
// corrected text): it does the same when it hears of the undo, so the history stays.
void CKwGridCtrl::ForgetHistory()
{
    if (m_nTelling == 0)
        m_undo.Clear();
}

// The editor closes before the cells change under it and opens again on the white box's cell:
// before the listener hears of lines that came or went, as after a paste or a clear; after it
// hears of cells, as after a line swap (an edit's own editor was open all along).
BOOL CKwGridCtrl::Replay(BOOL bUndo)
{
    if (!(bUndo ? IsUndoAllowed() : IsRedoAllowed()))
        return FALSE;
    BOOL bEditor = m_pEditor != NULL;
    EndEdit();
    const CKwGridUndo::CStep* pStep = bUndo ? m_undo.Undo(m_model) : m_undo.Redo(m_model);
    if (pStep == NULL)
        return FALSE;
    // The listener may forget the history while it is asked about the editor: what it is told
    // is kept apart.
    std::vector<CKwGridUndo::CCell> told;
    if (pStep->eKind == CKwGridUndo::eEdit)
        told = pStep->cells;
    BOOL bEditorFirst = pStep->eKind == CKwGridUndo::ePaste || pStep->eKind == CKwGridUndo::eClear;
    PlaceAfterReplay(*pStep, bUndo);
    bEditor = !DropUnreachableWhiteBox() && bEditor;
    if (bEditor && bEditorFirst)
        BeginEdit(eBeginEditNoFocus);
    EnsureVisible(m_navigator.GetLine());
    LayoutAll();
    Invalidate(FALSE);
    for (const CKwGridUndo::CCell& cell : told)
        NotifyItemChanged(cell.nColumn, cell.nLine, bUndo ? cell.before : cell.after);
    NotifyContentChanged();
    if (bEditor && !bEditorFirst)
        BeginEdit(eBeginEditNoFocus);
    return TRUE;
}

// Cells: their line. Lines that came back: all of them selected, the first current. Lines that
// went: the line where they began, within the lines left as a clear leaves it.
void CKwGridCtrl::PlaceAfterReplay(const CKwGridUndo::CStep& step, BOOL bUndo)
{
    UINT nColumn = step.nColumn == CKwGridModel::kNone ? 0 : step.nColumn;
    if (step.runs.empty())
    {
        UINT nLine = step.eKind == CKwGridUndo::eEdit || step.eKind == CKwGridUndo::eSwap
            ? (bUndo ? step.nUndoLine : step.nRedoLine)
            : m_navigator.GetLine();
        m_navigator.SelectCell(nColumn, nLine);
        return;
    }
    UINT nFirst = step.runs.front().first;
    BOOL bIn = (step.eKind == CKwGridUndo::ePaste) != (bUndo != FALSE);
    UINT nLines = GetLineCount();
    if (!bIn && step.eKind == CKwGridUndo::eClear && nLines > 0 && nFirst > nLines - 1)
        nFirst = nLines - 1;
    m_navigator.SelectCell(nColumn, nFirst);
    if (!bIn)
        return;
    CKwLineSelection& selection = m_navigator.GetSelection();
    selection.HitWithShift(nFirst + step.runs.front().second - 1);
    for (size_t r = 1; r < step.runs.size(); r++)
        for (UINT l = 0; l < step.runs[r].second; l++)
            selection.HitWithControl(step.runs[r].first + l);
}
