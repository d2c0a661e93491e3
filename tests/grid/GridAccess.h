// GridAccess.h: reaches the grid's protected operations and state from tests that check the
// model on its own, before keys or clicks are involved.
#pragma once

#include "core/KwLineSelection.h"
#include "grid/KwGridCtrl.h"

// Pointers to protected members formed in a derived class may be applied to any grid.
struct GridAccess : CKwGridCtrl
{
    static void Swap(CKwGridCtrl& grid, UINT nLine1, UINT nLine2)
    {
        (grid.*(&GridAccess::SwapLines))(nLine1, nLine2);
    }
    static BOOL Locked(CKwGridCtrl& grid, UINT nColumn, UINT nLine)
    {
        return (grid.*(&GridAccess::IsLocked))(nColumn, nLine);
    }
    // The white box without opening an editor, and the selection that line alone.
    static void SetCurrent(CKwGridCtrl& grid, UINT nColumn, UINT nLine)
    {
        grid.*(&GridAccess::m_nCurColumn) = nColumn;
        grid.*(&GridAccess::m_nCurLine) = nLine;
        (grid.*(&GridAccess::m_pSelection))->HitWithNothing(nLine);
    }
    static CKwLineSelection& Selection(CKwGridCtrl& grid) { return *(grid.*(&GridAccess::m_pSelection)); }
};
