// GridHost.h: GridHost, a dialog that hosts a grid in place of its placeholder, answers the grid's
// questions as the test sets them and records every callback with its arguments.
#pragma once

#include "GridTestListener.h"
#include "grid/KwGridCtrl.h"

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Recorded callbacks, or any lines of text compared whole.
typedef std::vector<std::string> Calls;

class GridHost : public CDialog, public CKwGridCtrlListener
{
public:
    // Creates the dialog (shown, active, the grid in place) with no columns yet.
    GridHost();
    virtual ~GridHost();

    // Adds columns named "A", "B", ... each nWidth pixels wide.
    void AddColumns(int nCount, int nWidth = 80);
    // Presses and releases a key through the input queue, with the modifiers held
    // (VK_SHIFT, VK_CONTROL), then pumps the messages through PreTranslateMessage.
    void PressKey(UINT nVirtKey, std::initializer_list<UINT> modifiers = {});
    // Presses the keys one after the other, with no modifiers.
    void PressKeys(std::initializer_list<UINT> keys);
    // Sends a mouse message to the grid at a point of its client area, then pumps.
    void Mouse(UINT nMessage, CPoint point, UINT nFlags);
    // The left button pressed and released there, with MK_CONTROL or MK_SHIFT held.
    void ClickAt(CPoint point, UINT nFlags = 0);
    // Pumps the messages through PreTranslateMessage for up to nMilliseconds.
    void Pump(DWORD nMilliseconds = 0);
    // The centre of a cell in the grid's client coordinates while line 0 is the top line, worked
    // out from the header's items and height and the grid's font, as a user sees them.
    CPoint CellPoint(UINT nColumn, UINT nLine);
    // The texts of all cells of a grid, a line per string, cells separated by '|' ("a0|b0|c0").
    static std::vector<std::string> Texts(CKwGridCtrl& grid);
    // Fills a list of choices.
    static void SetChoices(CStringArray& choices, std::initializer_list<const char*> texts);

    CKwGridCtrl m_grid;

    // The callbacks, in order: "ContentChanged", "BeginEditItem 1 2", "ItemChanged 1 2 text=abc
    // index=-1", "KillFocus", "CanDelete", "CanPaste", "CanSwapLines 2 3", "GetToolTipText 1 2",
    // "ContextMenu 1 2". Reads (GetItem) are frequent and recorded only when asked for.
    std::vector<std::string> m_calls;
    bool m_bRecordGetItem = false;

    // The answers.
    std::set<std::pair<UINT, UINT>> m_locked; // (column, line)
    BOOL m_bAllowEdit = TRUE;
    BOOL m_bCanPaste = TRUE;
    BOOL m_bCanDelete = TRUE;
    BOOL m_bCanSwapLines = TRUE;
    CString m_sToolTipText;
    // Called by every read of a cell, after it was filled from storage.
    std::function<void(UINT, UINT, CKwGridCtrlItem&)> m_supplyItem;
    // Called when the grid tells of a change of content.
    std::function<void()> m_contentChanged;
    // Called when an editor is about to open; may change the item.
    std::function<void(UINT, UINT, CKwGridCtrlItem&)> m_beginEditItem;

    void CKwGridCtrlListener_OnContentChanged(CKwGridCtrl* pGrid) override;
    void CKwGridCtrlListener_OnGetItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item, CKwGridCtrl* pGrid) override;
    BOOL CKwGridCtrlListener_OnBeginEditItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item, CKwGridCtrl* pGrid) override;
    void CKwGridCtrlListener_OnItemChanged(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item, CKwGridCtrl* pGrid) override;
    void CKwGridCtrlListener_OnKillFocus(CKwGridCtrl* pGrid) override;
    BOOL CKwGridCtrlListener_OnCanDelete(CKwGridCtrl* pGrid) override;
    BOOL CKwGridCtrlListener_OnCanPaste(CKwGridCtrl* pGrid) override;
    BOOL CKwGridCtrlListener_OnCanSwapLines(UINT nLine1, UINT nLine2, CKwGridCtrl* pGrid) override;
    CString CKwGridCtrlListener_OnGetToolTipText(UINT nColumn, UINT nLine, CKwGridCtrlItem& item, CKwGridCtrl* pGrid) override;
    BOOL CKwGridCtrlListener_OnContextMenu(UINT nColumn, UINT nLine, CMenu& menu, CKwGridCtrl* pGrid) override;
    BOOL CKwGridCtrlListener_OnLockItem(UINT nColumn, UINT nLine, CKwGridCtrl* pGrid) override;

protected:
    // Enter and Esc must not close the dialog under test.
    void OnOK() override {}
    void OnCancel() override {}

private:
    void Record(const char* pszFormat, ...);
};
