// KwGridUndo.cpp: the grid's undo history. Pasted lines stay in the model while the paste is
// done and deleted lines in the step while the clear is done: a step moves lines between the two
// and copies none, so undoing a large paste or clear costs one walk over the lines.
#include "grid/KwGridUndo.h"

#include <utility>

namespace {

// What a cell holds beyond its record: the text's shared block, counted for every holder.
size_t Bytes(const CKwGridCtrlItem& item)
{
    const size_t kTextBlock = 16;
    return sizeof(CKwGridCtrlItem) + (item.sText.IsEmpty() ? 0 : kTextBlock + (size_t)item.sText.GetLength() + 1);
}

size_t Bytes(const CKwGridModel::CLines& lines)
{
    size_t n = 0;
    for (INT_PTR l = 0; l < lines.GetSize(); l++)
    {
        n += sizeof(CKwGridModel::CLine);
        for (INT_PTR c = 0; c < lines[l].GetSize(); c++)
            n += Bytes(lines[l][c]);
    }
    return n;
}

} // namespace

CKwGridUndo::CKwGridUndo() : m_nDone(0), m_nUsed(0), m_nBudget(kDefaultBudget), m_bEnabled(TRUE)
{
}

void CKwGridUndo::SetEnabled(BOOL bEnabled)
{
    m_bEnabled = bEnabled != FALSE;
    if (!m_bEnabled)
        Clear();
}

void CKwGridUndo::SetBudget(size_t nBytes)
{
    m_nBudget = nBytes;
    Trim();
}

void CKwGridUndo::Clear()
{
    m_steps.clear();
    m_nDone = 0;
    m_nUsed = 0;
}

void CKwGridUndo::Before(const CKwGridModel& model, UINT nColumn, UINT nLine, std::vector<CCell>& cells)
{
    UINT nFirst = nColumn == CKwGridModel::kNone ? 0 : nColumn;
    UINT nEnd = nColumn == CKwGridModel::kNone ? model.GetColumnCount() : nColumn + 1;
    for (UINT c = nFirst; c < nEnd; c++)
        cells.push_back(CCell{c, nLine, model.GetStoredItem(c, nLine), CKwGridCtrlItem()});
}

void CKwGridUndo::RecordCells(EKind eKind, std::vector<CCell>& cells, const CKwGridModel& model, UINT nColumn,
                              UINT nUndoLine, UINT nRedoLine)
{
    if (!m_bEnabled)
        return;
    for (CCell& cell : cells)
        cell.after = model.GetStoredItem(cell.nColumn, cell.nLine);
    // Typing into a cell changes it at every key: the changes join into one step until the
    // editor closes.
    if (eKind == eEdit && cells.size() == 1 && m_nDone == m_steps.size() && m_nDone > 0)
    {
        CStep& last = m_steps.back();
        if (last.bOpen && last.cells.size() == 1 && last.cells[0].nColumn == cells[0].nColumn &&
            last.cells[0].nLine == cells[0].nLine)
        {
            last.cells[0].after = cells[0].after;
            Account(last);
            Trim();
            return;
        }
    }
    CStep& step = Push(eKind, nColumn);
    step.cells = std::move(cells);
    step.nUndoLine = nUndoLine;
    step.nRedoLine = nRedoLine;
    step.bOpen = eKind == eEdit;
    Added();
}

void CKwGridUndo::RecordLines(EKind eKind, CKwGridModel::CRuns& runs, UINT nWith, UINT nWithout, UINT nColumn,
                              CKwGridModel::CLines& taken)
{
    if (!m_bEnabled)
        return;
    CStep& step = Push(eKind, nColumn);
    step.runs = std::move(runs);
    step.nWith = nWith;
    step.nWithout = nWithout;
    step.lines = std::move(taken);
    Added();
}

void CKwGridUndo::Seal()
{
    if (!m_steps.empty())
        m_steps.back().bOpen = FALSE;
}

// A new step makes the undone ones unreachable.
CKwGridUndo::CStep& CKwGridUndo::Push(EKind eKind, UINT nColumn)
{
    while (m_steps.size() > m_nDone)
    {
        m_nUsed -= m_steps.back().nBytes;
        m_steps.pop_back();
    }
    Seal();
    m_steps.emplace_back();
    m_nDone = m_steps.size();
    m_steps.back().eKind = eKind;
    m_steps.back().nColumn = nColumn;
    return m_steps.back();
}

void CKwGridUndo::Added()
{
    Account(m_steps.back());
    Trim();
}

void CKwGridUndo::Account(CStep& step)
{
    size_t n = sizeof(CStep) + step.runs.size() * sizeof(step.runs[0]) + Bytes(step.lines);
    for (const CCell& cell : step.cells)
        n += sizeof(CCell) - 2 * sizeof(CKwGridCtrlItem) + Bytes(cell.before) + Bytes(cell.after);
    m_nUsed = m_nUsed - step.nBytes + n;
    step.nBytes = n;
}

// Oldest first; undone steps are only reachable through the done ones before them.
void CKwGridUndo::Trim()
{
    while (m_nUsed > m_nBudget && !m_steps.empty())
    {
        if (m_nDone == 0)
        {
            Clear();
            return;
        }
        m_nUsed -= m_steps.front().nBytes;
        m_steps.pop_front();
        m_nDone--;
    }
}

// The step's bytes change as lines move in or out; the budget is held again at the next record,
// since moving lines out of the grid takes no memory the grid did not hold.
const CKwGridUndo::CStep* CKwGridUndo::Undo(CKwGridModel& model)
{
    Seal();
    if (!CanUndo())
        return NULL;
    CStep& step = m_steps[m_nDone - 1];
    if (!Apply(step, model, TRUE))
        return NULL;
    m_nDone--;
    return &step;
}

const CKwGridUndo::CStep* CKwGridUndo::Redo(CKwGridModel& model)
{
    Seal();
    if (!CanRedo())
        return NULL;
    CStep& step = m_steps[m_nDone];
    if (!Apply(step, model, FALSE))
        return NULL;
    m_nDone++;
    return &step;
}

BOOL CKwGridUndo::Apply(CStep& step, CKwGridModel& model, BOOL bUndo)
{
    if (step.eKind == eEdit || step.eKind == eSwap)
    {
        if (bUndo)
            for (auto cell = step.cells.rbegin(); cell != step.cells.rend(); ++cell)
                model.StoreItem(cell->nColumn, cell->nLine, cell->before);
        else
            for (const CCell& cell : step.cells)
                model.StoreItem(cell.nColumn, cell.nLine, cell.after);
        return TRUE;
    }
    // Undoing a paste and redoing a clear take the lines out; the other two put them back.
    BOOL bTakeOut = (step.eKind == ePaste) == (bUndo != FALSE);
    if (model.GetLineCount() != (bTakeOut ? step.nWith : step.nWithout))
    {
        Clear();
        return FALSE;
    }
    if (bTakeOut)
        model.TakeLines(step.runs, step.lines);
    else
        model.PutLines(step.runs, step.lines);
    // The lines a paste trimmed away or built up to its line come and go without cells.
    model.SetLineCount(bTakeOut ? step.nWithout : step.nWith);
    Account(step);
    return TRUE;
}
