// KwGridNavigator.h: CKwGridNavigator, the grid's white box (the current cell) and its selected
// lines: where keys and clicks move them, over free cells of the lines the user can reach. It is
// told the modifier keys and asks the listener whether a cell is locked.
#pragma once

#include "core/KwUiExport.h"
#include "grid/KwGridListenerLink.h"
#include "grid/KwGridModel.h"

class CKwLineSelection;

class KWUI_API CKwGridNavigator
{
public:
    CKwGridNavigator();
    ~CKwGridNavigator();
    CKwGridNavigator(const CKwGridNavigator&) = delete;
    CKwGridNavigator& operator=(const CKwGridNavigator&) = delete;

    UINT GetColumn() const { return m_nColumn; }
    UINT GetLine() const { return m_nLine; }
    BOOL HasCell() const { return m_nColumn != CKwGridModel::kNone && m_nLine != CKwGridModel::kNone; }
    CKwLineSelection& GetSelection() { return *m_pSelection; }
    const CKwLineSelection& GetSelection() const { return *m_pSelection; }

    // The cell becomes current, the selection as it was.
    void SetCell(UINT nColumn, UINT nLine);
    // The cell becomes current and its line the whole selection (none without a line).
    void SelectCell(UINT nColumn, UINT nLine);
    // No current cell, nothing selected.
    void Clear();

    // Neighbour searches over free cells: the start cell changes only on success.
    BOOL GetNextItemToTheRight(const CKwGridModel& model, const CKwGridListenerLink& link, UINT& nColumn, UINT& nLine) const;
    BOOL GetPrevItemToTheLeft(const CKwGridModel& model, const CKwGridListenerLink& link, UINT& nColumn, UINT& nLine) const;
    BOOL GetNextItemToTheBottom(const CKwGridModel& model, const CKwGridListenerLink& link, UINT& nColumn, UINT& nLine) const;
    BOOL GetPrevItemToTheTop(const CKwGridModel& model, const CKwGridListenerLink& link, UINT& nColumn, UINT& nLine) const;
    BOOL CanRight(const CKwGridModel& model, const CKwGridListenerLink& link) const;
    BOOL CanLeft(const CKwGridModel& model, const CKwGridListenerLink& link) const;
    BOOL CanDown(const CKwGridModel& model, const CKwGridListenerLink& link) const;
    BOOL CanUp(const CKwGridModel& model, const CKwGridListenerLink& link) const;

    // Up and Down step one line whatever is locked, within the reachable lines.
    BOOL CanStepDown(const CKwGridModel& model) const;
    BOOL CanStepUp() const;
    // The box to that line of its column; Shift extends the selection from its anchor.
    void ToLine(UINT nLine, BOOL bShift);
    // Right and Left go to the next free cell, wrapping at the line ends; the line is selected.
    BOOL Right(const CKwGridModel& model, const CKwGridListenerLink& link);
    BOOL Left(const CKwGridModel& model, const CKwGridListenerLink& link);
    // To a cell, or from a locked one on to the next free cell; FALSE for a cell no key could
    // reach (beyond the columns or the reachable lines), which leaves the box where it was.
    BOOL GoTo(const CKwGridModel& model, const CKwGridListenerLink& link, UINT nColumn, UINT nLine, BOOL bShift);
    // Home: the first cell; End: the last cell of the last stored line, or the free one before it.
    BOOL Home(const CKwGridModel& model, const CKwGridListenerLink& link, BOOL bShift);
    BOOL End(const CKwGridModel& model, const CKwGridListenerLink& link, BOOL bShift);
    // A click on a cell (kNone for none): a locked cell hands the box to the next free cell of
    // its line, or to none. Ctrl toggles the line, Shift extends to it. Returns TRUE when a
    // locked cell was passed over.
    BOOL Click(const CKwGridModel& model, const CKwGridListenerLink& link, UINT nColumn, UINT nLine, BOOL bCtrl,
               BOOL bShift);

private:
    void SelectLine(UINT nLine, BOOL bShift);

    UINT m_nColumn;
    UINT m_nLine;
    CKwLineSelection* m_pSelection;
};
