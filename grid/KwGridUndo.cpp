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

void CKwGridUndo::RecordCells(EKind eKind, std::vector<CCell>& cells, UINT nBefore, const CKwGridModel& model,
                              UINT nColumn, UINT nUndoLine, UINT nRedoLine)
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
            last.nAfter = model.GetLineCount();
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
    step.nBefore = nBefore;
    step.nAfter = model.GetLineCount();
    Added();
}

void CKwGridUndo::RecordLines(EKind eKind, CKwGridModel::CRuns& runs, UINT nBefore, UINT nColumn,
                              CKwGridModel::CLines& taken, const CKwGridModel& model)
{
    if (!m_bEnabled)
        return;
    CStep& step = Push(eKind, nColumn);
    step.runs = std::move(runs);
    step.nBefore = nBefore;
    step.nAfter = model.GetLineCount();
    step.lines = std::move(taken);
    Added();
}

void CKwGridUndo::StoreEdited(CKwGridModel& model, UINT nColumn, UINT nLine, const CKwGridCtrlItem& item)
{
    std::vector<CCell> cells;
    Before(model, nColumn, nLine, cells);
    UINT nBefore = model.GetLineCount();
    model.StoreItem(nColumn, nLine, item);
    RecordCells(eEdit, cells, nBefore, model, nColumn, nLine, nLine);
}

BOOL CKwGridUndo::SwapLines(CKwGridModel& model, UINT nLine1, UINT nLine2, const CKwGridListenerLink& link,
                            UINT nColumn)
{
    std::vector<CCell> cells;
    Before(model, CKwGridModel::kNone, nLine1, cells);
    Before(model, CKwGridModel::kNone, nLine2, cells);
    UINT nBefore = model.GetLineCount();
    if (!model.SwapLines(nLine1, nLine2, link))
        return FALSE;
    RecordCells(eSwap, cells, nBefore, model, nColumn, nLine1, nLine2);
    return TRUE;
}

// The pasted lines that trimming left are the step's one run.
UINT CKwGridUndo::PasteText(CKwGridModel& model, UINT nLine, const char* pszText, int nLength,
                            const CKwGridListenerLink& link, UINT nColumn)
{
    UINT nOld = model.GetLineCount();
    UINT nCount = model.PasteText(nLine, pszText, nLength, link);
    UINT nNew = model.GetLineCount(), nEnd = nLine + nCount < nNew ? nLine + nCount : nNew;
    CKwGridModel::CRuns runs;
    if (nEnd > nLine)
        runs.emplace_back(nLine, nEnd - nLine);
    CKwGridModel::CLines none;
    if (!runs.empty() || nNew != nOld)
        RecordLines(ePaste, runs, nOld, nColumn, none, model);
    return nCount;
}

void CKwGridUndo::DeleteLines(CKwGridModel& model, const CKwLineSelection& lines, UINT nColumn)
{
    UINT nOld = model.GetLineCount();
    CKwGridModel::CLines taken;
    CKwGridModel::CRuns runs;
    model.DeleteLines(lines, &taken, &runs);
    if (!runs.empty())
        RecordLines(eClear, runs, nOld, nColumn, taken, model);
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
    if (model.GetLineCount() != (bUndo ? step.nAfter : step.nBefore))
    {
        Clear();
        return FALSE;
    }
    if (step.eKind == eEdit || step.eKind == eSwap)
    {
        if (bUndo)
            for (auto cell = step.cells.rbegin(); cell != step.cells.rend(); ++cell)
                model.StoreItem(cell->nColumn, cell->nLine, cell->before);
        else
            for (const CCell& cell : step.cells)
                model.StoreItem(cell.nColumn, cell.nLine, cell.after);
    }
    // Undoing a paste and redoing a clear take the lines out; the other two put them back.
    else if ((step.eKind == ePaste) == (bUndo != FALSE))
        model.TakeLines(step.runs, step.lines);
    else
        model.PutLines(step.runs, step.lines);
    model.SetLineCount(bUndo ? step.nBefore : step.nAfter);
    Account(step);
    return TRUE;
}
