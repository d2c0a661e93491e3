// KwGridCtrl.h: CKwGridCtrl, the editable grid's window: named columns over lines of typed cells
// (kept by its CKwGridModel), a white box moved by keys and mouse (its CKwGridNavigator), an
// in-place editor, line commands on the clipboard, undo of the user's changes (its CKwGridUndo),
// and a listener (the parent window) that supplies and receives cell data.
#pragma once

#include "core/KwArray.h"
#include "core/KwUiExport.h"
#include "core/KwWindow.h"
#include "grid/KwGridCtrlItem.h"
#include "grid/KwGridCtrlListener.h"
#include "grid/KwGridModel.h"
#include "grid/KwGridNavigator.h"
#include "grid/KwGridUndo.h"
#include "tips/UxToolTip.h"

#include <afxwin.h>

class CKwHeaderCtrl;

class KWUI_API CKwGridCtrl : public CWnd, public CKwWindow
{
    DECLARE_DYNCREATE(CKwGridCtrl)
public:
    // How many lines the user can reach (GetLineCountLimit).
    typedef CKwGridModel::EInsertMode EInsertMode;
    static constexpr EInsertMode eInsertUnlimited = CKwGridModel::eInsertUnlimited;
    static constexpr EInsertMode eInsertAppendLine = CKwGridModel::eInsertAppendLine;
    static constexpr EInsertMode eInsertFixed = CKwGridModel::eInsertFixed;

    // How an editor opens over the current cell.
    enum EBeginEditType
    {
        eBeginEditNoFocus = 0,   // shown, the focus stays where it is
        eBeginEditFocus = 1,     // focused, default caret
        eBeginEditSelectAll = 2, // focused, all text selected
        eBeginEditCaret = 3,     // focused, caret at a position (-1: after the last character)
        eBeginEditAtPoint = 4,   // focused, caret under a point, or the list dropped down
    };

    CKwGridCtrl();
    virtual ~CKwGridCtrl();

    // Replaces the dialog's placeholder control nID: same place, id and tab order.
    BOOL Initialize(UINT nID, CWnd* pParent, DWORD dwExStyle = 0);
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);

    // Columns and their remembered widths (under key + "\HeaderCtrl"); set the key first.
    void SetRegKey(CString sKey);
    void AddColumn(CString sTitle, int nWidth);
    void SetAutoResizeColumns(BOOL bAutoResize, int nStretchColumn = -1);

    // Cells, column first and line second.
    void SetItem(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item);
    void GetItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item);
    void SetTextItem(UINT nColumn, UINT nLine, CString sText);
    void SetIndexDropDownItem(UINT nColumn, UINT nLine, int nIndex);
    void SetTextDropDownItem(UINT nColumn, UINT nLine, CString sText);
    void SetEditableDropDownItem(UINT nColumn, UINT nLine, CString sText);
    CString GetItemText(UINT nColumn, UINT nLine);
    int GetItemIndex(UINT nColumn, UINT nLine);
    void* GetItemData(UINT nColumn, UINT nLine);
    void SetItemText(UINT nColumn, UINT nLine, CString sText);
    void SetItemIndex(UINT nColumn, UINT nLine, int nIndex);
    void SetItemData(UINT nColumn, UINT nLine, void* pData);
    void RemoveItemsAtAndBelow(UINT nLine);

    UINT GetLineCount() const;
    UINT GetColumnCount() const;
    UINT GetLineCountLimit() const;

    BOOL IsModified() const;
    void SetModified(BOOL bModified);
    EInsertMode GetInsertMode() const;
    void SetInsertMode(EInsertMode eMode);
    BOOL GetReadOnly() const;
    void SetReadOnly(BOOL bReadOnly);

    // The white box and the selection.
    void GetCurItem(UINT& nColumn, UINT& nLine);
    void SetCurItem(UINT nColumn, UINT nLine);
    void SetCurText(UINT nColumn, UINT nLine, int nStart, int nEnd);
    POSITION GetSelectionHeadPosition() const;
    UINT GetSelectionNext(POSITION& pos) const;
    UINT GetSelectionCount() const;
    BOOL GetShowSelectionAlways() const;
    void SetShowSelectionAlways(BOOL bShow);
    BOOL GetShowWhiteBoxAlways() const;
    void SetShowWhiteBoxAlways(BOOL bShow);
    static BOOL FocusIn(CWnd* pWnd);
    void EnsureVisible(UINT nLine);

    // Line commands.
    BOOL IsCopyAllowed();
    BOOL IsPasteAllowed();
    BOOL IsClearAllowed();

    // Undo and redo of the user's changes, a step per action; the listener hears of each change
    // as it did of the action. The host's own stores forget the history (but for those a
    // listener makes while it hears of a change), and the history can be turned off.
    BOOL Undo();
    BOOL Redo();
    BOOL IsUndoAllowed() const;
    BOOL IsRedoAllowed() const;
    CKwGridUndo& GetUndoHistory() { return m_undo; }

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void CKwWindow_OnExtendContextMenu(CMenu& menu);

    // The header and the editor, for hosts that need to reach them (and tests).
    CKwHeaderCtrl* GetHeaderCtrl() const { return m_pHeaderCtrl; }
    CWnd* GetEditor() const { return m_pEditor; }

protected:
    // Lifetime, data and notifications (KwGridCtrl.cpp).
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnHeaderItems(WPARAM wParam, LPARAM lParam);
    CKwGridCtrlListener* GetListener() const;
    // The listener as found now, for the model and the navigator.
    CKwGridListenerLink Link();
    // What a public store does after storing: layout, repaint, the white box and the editor.
    void AfterStore(BOOL bCurrentCellStored);
    // A white box on a line the user cannot reach goes, with the editor and the selection.
    BOOL DropUnreachableWhiteBox();
    void SwapLines(UINT nLine1, UINT nLine2);
    void NotifyItemChanged(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item);
    void NotifyContentChanged();
    void NotifyKillFocus();

    // Selection and navigation (KwGridCtrlEdit.cpp); the editor and focus (KwGridCtrlEditor.cpp).
    void BeginEdit(EBeginEditType eType, int nPosition = 0, CPoint point = CPoint(0, 0));
    void EndEdit();
    // The editor after the white box moved: reopened on the new cell, focused as it was.
    void FollowWithEditor(BOOL bByTab, int nCaret);
    void HandleMouseButtonDown(UINT nMessage, UINT nFlags, CPoint point);
    void HitTest(CPoint point, UINT& nColumn, UINT& nLine);
    void WhiteBoxDown();
    void WhiteBoxUp();
    void WhiteBoxRight(BOOL bByTab);
    void WhiteBoxLeft(BOOL bByTab);
    void WhiteBoxHome();
    void WhiteBoxEnd();
    void WhiteBoxGoTo(UINT nColumn, UINT nLine);
    void WhiteBoxToLine(UINT nLine); // the rest of Up and Down
    void AfterGoTo();                // the rest of Home, End and GoTo
    BOOL CanWhiteBoxRight();
    BOOL CanWhiteBoxLeft();
    BOOL CanWhiteBoxDown();
    BOOL CanWhiteBoxUp();
    BOOL GetEditSel(int& nStart, int& nEnd);
    static BOOL IsKeyPressed(UINT nVirtKey);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void On_EN_CHANGE();
    afx_msg void On_CBN_SELCHANGE();
    afx_msg void On_CBN_EDITCHANGE();
    afx_msg void On_EN_CBN_KILLFOCUS();
    afx_msg void On_EN_CBN_SETFOCUS();
    afx_msg LRESULT On_DEFERRED_ENDEDIT(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT On_DEFERRED_CBN_SELCHANGE(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT On_DEFERRED_CBN_EDITCHANGE(WPARAM wParam, LPARAM lParam);
    // The editor's change written back: stored, laid out, reported, repainted.
    void StoreEdited(const CKwGridCtrlItem& item, BOOL bLayoutEditor);
    afx_msg void NotifyDisplayTooltip(NMHDR* pNMHDR, LRESULT* pResult);

    // Layout, scrolling and painting (KwGridCtrlPaint.cpp).
    void LayoutAll();
    void LayoutScrollBar();
    void LayoutHeader();
    void LayoutEditor();
    void DrawCtrl(CDC& dc);
    void DrawItem(CDC& dc, UINT nColumn, UINT nLine);
    void DrawHighlight(CDC& dc, const CRect& rect);
    int GetHeaderHeight() const;
    int GetItemHeight() const;
    void GetItemRect(UINT nColumn, UINT nLine, CRect& rect) const;
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    // The line height: the normal font's height and leading, and the cell's margins.
    void MeasureItemHeight();
    // WM_DPICHANGED (the new DPI in wParam) or WM_DPICHANGED_AFTERPARENT: margins and the
    // scroll bar follow the window's DPI.
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    // n pixels at 96 DPI at the grid's DPI.
    int Px(int n) const;
    afx_msg void OnHeaderEndTrack(NMHDR* pNMHDR, LRESULT* pResult);
    // The in-place editors and their lists in the cells' colours of the dark look.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    // Line commands on the clipboard (KwGridCtrlClipboard.cpp).
    afx_msg void OnEditCopy();
    afx_msg void OnEditCut();
    afx_msg void OnEditPaste();
    afx_msg void OnEditClear();
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditClear(CCmdUI* pCmdUI);
    // TRUE when the selected lines are on the clipboard; the user is told when another program
    // kept them off it.
    BOOL PutSelectionOnClipboard();

    // Undo and redo (KwGridCtrlUndo.cpp).
    afx_msg void OnEditUndo();
    afx_msg void OnEditRedo();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditRedo(CCmdUI* pCmdUI);
    BOOL Replay(BOOL bUndo);
    // The white box and the selection where an undone or redone step left its change.
    void PlaceAfterReplay(const CKwGridUndo::CStep& step, BOOL bUndo);
    // The host stored cells or changed the columns: the history no longer fits the lines.
    void ForgetHistory();

    DECLARE_MESSAGE_MAP()

protected:
    CKwHeaderCtrl* m_pHeaderCtrl;
    CString m_sRegKey;
    CFont m_fontNormal;           // borrowed: attached, never deleted
    CFont m_fontBold;             // owned
    CBrush m_brushEditor;         // the dark look's cell colour behind the editors
    CKwGridModel m_model;         // the cells, the column count and the insert mode
    CKwGridNavigator m_navigator; // the white box and the selected lines
    CWnd* m_pEditor;
    BOOL m_bSettingText;          // raised while the grid itself fills the editor
    CScrollBar m_scrollBar;
    BOOL m_bScrollBarShown;
    UINT m_nTopLine;
    int m_nItemHeight;
    UINT m_nDpi;                  // the DPI the grid is shown at
    BOOL m_bModified;
    BOOL m_bShowSelectionAlways;
    BOOL m_bShowWhiteBoxAlways;
    BOOL m_bReadOnly;
    CUxToolTip m_toolTip;
    CKwGridUndo m_undo;
    int m_nTelling;               // the listener is being told of a change
    // Columns added before the window existed, given to the header when it is created.
    CStringArray m_pendingTitles;
    CKwArray<int, int> m_pendingWidths;
};
