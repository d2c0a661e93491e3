// KwGridUndo.h: CKwGridUndo, the grid's undo history without a window: one step per user action
// (a cell edit, a paste, a clear or cut, a line swap), undone and redone on the model, within a
// byte budget that lets the oldest steps go first.
#pragma once

#include "core/KwUiExport.h"
#include "grid/KwGridModel.h"

#include <cstddef>
#include <deque>

class KWUI_API CKwGridUndo
{
public:
    enum EKind
    {
        eEdit,  // cells changed through the editor: the listener hears of each cell
        eSwap,  // two lines exchanged
        ePaste, // lines inserted
        eClear, // lines deleted (a clear or a cut)
    };

    // A cell before and after the change, as stored (not as the listener shows it).
    struct CCell
    {
        UINT nColumn;
        UINT nLine;
        CKwGridCtrlItem before;
        CKwGridCtrlItem after;
    };

    struct CStep
    {
        EKind eKind = eEdit;
        UINT nColumn = 0;                // the white box's column when the action was made
        std::vector<CCell> cells;        // eEdit, eSwap: in the order they were stored
        UINT nUndoLine = 0, nRedoLine = 0; // eEdit, eSwap: where the white box goes
        CKwGridModel::CRuns runs;        // ePaste, eClear: the lines as numbered while they are in
        UINT nBefore = 0, nAfter = 0;    // the line counts before and after the action
        CKwGridModel::CLines lines;      // the lines while they are out of the model
        size_t nBytes = 0;
        BOOL bOpen = FALSE;              // an edit that further changes of its cell join
    };

    static constexpr size_t kDefaultBudget = 64u << 20;

    CKwGridUndo();

    // Off forgets every step and records nothing until turned on again.
    BOOL IsEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled);
    // The most bytes the steps may hold; the oldest go first, and a step bigger than all of it
    // is not kept.
    size_t GetBudget() const { return m_nBudget; }
    void SetBudget(size_t nBytes);
    size_t GetUsedBytes() const { return m_nUsed; }
    void Clear();

    BOOL CanUndo() const { return m_nDone > 0; }
    BOOL CanRedo() const { return m_nDone < m_steps.size(); }

    // The user's actions on the model, each recorded as a step (nColumn: the white box's).
    // An edit joins the open edit of the same cell.
    void StoreEdited(CKwGridModel& model, UINT nColumn, UINT nLine, const CKwGridCtrlItem& item);
    BOOL SwapLines(CKwGridModel& model, UINT nLine1, UINT nLine2, const CKwGridListenerLink& link, UINT nColumn);
    UINT PasteText(CKwGridModel& model, UINT nLine, const char* pszText, int nLength, const CKwGridListenerLink& link,
                   UINT nColumn);
    void DeleteLines(CKwGridModel& model, const CKwLineSelection& lines, UINT nColumn);
    // The open edit takes no further changes: the next one is a step of its own.
    void Seal();

    // The step undone or redone on the model, NULL when there is none. A step the model no
    // longer fits (its line count is not the one the step left) is not applied: the history
    // is forgotten.
    const CStep* Undo(CKwGridModel& model);
    const CStep* Redo(CKwGridModel& model);

private:
    // Cells of a line as stored now (every column, or one), the before side of a change.
    static void Before(const CKwGridModel& model, UINT nColumn, UINT nLine, std::vector<CCell>& cells);
    // Records the cells' after side from the model.
    void RecordCells(EKind eKind, std::vector<CCell>& cells, UINT nBefore, const CKwGridModel& model, UINT nColumn,
                     UINT nUndoLine, UINT nRedoLine);
    // Records lines inserted (ePaste, still in the model) or deleted (eClear, given in taken).
    void RecordLines(EKind eKind, CKwGridModel::CRuns& runs, UINT nBefore, UINT nColumn, CKwGridModel::CLines& taken,
                     const CKwGridModel& model);
    // Drops the undone steps and adds this one, done.
    CStep& Push(EKind eKind, UINT nColumn);
    void Added();
    void Account(CStep& step);
    void Trim();
    BOOL Apply(CStep& step, CKwGridModel& model, BOOL bUndo);

    std::deque<CStep> m_steps; // the first m_nDone are done, the rest undone
    size_t m_nDone;
    size_t m_nUsed;
    size_t m_nBudget;
    BOOL m_bEnabled;
};
