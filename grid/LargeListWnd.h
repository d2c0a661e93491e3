// LargeListWnd.h: CLargeListWnd, a report list child window that keeps its texts in the control,
// line by line, with copy to the clipboard and clear all.
#pragma once

#include "core/KwUiExport.h"

#include <afxcmn.h>

class KWUI_API CLargeListWnd : public CListCtrl
{
    DECLARE_DYNAMIC(CLargeListWnd)
public:
    CLargeListWnd();
    ~CLargeListWnd() override;

    // Appends a column title; returns its index. Columns are added before the window is created.
    int AddColumn(CString strTitle);
    // Appends a line with the texts in column order; returns its index.
    int InsertLine(const CStringArray& texts);
    int GetSelectedItem();

    // The selected lines' texts, tab-separated, each line ending in a line break.
    CString GetSelectedText();

protected:
    // A line was opened (double click or Enter).
    virtual void OnOpenItem(int nIndex);
    // A line is about to go with clear all.
    virtual void OnDeleteItem(int nIndex);

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeydown(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEditCopy();
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnEditClearAll();
    afx_msg void OnUpdateEditClearAll(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    CStringArray m_titles;
    UINT m_nDpi; // the columns' widths are made for it
};
