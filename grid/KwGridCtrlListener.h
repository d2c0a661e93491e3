// KwGridCtrlListener.h: CKwGridCtrlListener, the interface through which a grid's parent window
// supplies cell data, grants permissions and hears of the user's changes.
#pragma once

#include "core/KwUiExport.h"
#include "grid/KwGridCtrlItem.h"

class CKwGridCtrl;
class CMenu;

// The grid finds its listener as its parent window, cast at run time, on every call: a dialog
// that hosts a grid derives from its window class and from this interface.
class KWUI_API CKwGridCtrlListener
{
public:
    CKwGridCtrlListener() {}
    CKwGridCtrlListener(const CKwGridCtrlListener&) {}
    CKwGridCtrlListener& operator=(const CKwGridCtrlListener&) { return *this; }

    // After every change the user made: an edit, a paste, a clear, a line swap.
    virtual void CKwGridCtrlListener_OnContentChanged(CKwGridCtrl* pGrid);
    // At the end of every read of a cell, with the item filled from storage; may change any field.
    virtual void CKwGridCtrlListener_OnGetItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item, CKwGridCtrl* pGrid);
    // Before an editor opens; FALSE refuses it. Changes to item are stored.
    virtual BOOL CKwGridCtrlListener_OnBeginEditItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item, CKwGridCtrl* pGrid);
    // After the user changed one cell through the editor.
    virtual void CKwGridCtrlListener_OnItemChanged(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item, CKwGridCtrl* pGrid);
    // The focus left the grid and all its children.
    virtual void CKwGridCtrlListener_OnKillFocus(CKwGridCtrl* pGrid);
    virtual BOOL CKwGridCtrlListener_OnCanDelete(CKwGridCtrl* pGrid);
    virtual BOOL CKwGridCtrlListener_OnCanPaste(CKwGridCtrl* pGrid);
    virtual BOOL CKwGridCtrlListener_OnCanSwapLines(UINT nLine1, UINT nLine2, CKwGridCtrl* pGrid);
    // The text of the tooltip over a cell (column and line may be none, 0xFFFFFFFF).
    virtual CString CKwGridCtrlListener_OnGetToolTipText(UINT nColumn, UINT nLine, CKwGridCtrlItem& item, CKwGridCtrl* pGrid);
    // While the context menu is built; the result is not used.
    virtual BOOL CKwGridCtrlListener_OnContextMenu(UINT nColumn, UINT nLine, CMenu& menu, CKwGridCtrl* pGrid);
    // TRUE: the white box never rests on this cell.
    virtual BOOL CKwGridCtrlListener_OnLockItem(UINT nColumn, UINT nLine, CKwGridCtrl* pGrid);

    // Last, so that the operations above keep the first places of the table, in their order.
    virtual ~CKwGridCtrlListener() {}
};
