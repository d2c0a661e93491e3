// LargeListView.h: CLargeListView, a document view for very long report lists. The control keeps
// only a key per line; every cell's text and image come from the columns' functions when the
// control paints them. Lines stay sorted by a sort order of columns, a header click sorts anew,
// the column widths go into the document, and the view tells the MDI framework what it shows
// through its view context.
#pragma once

#include "core/KwUiExport.h"
#include "core/KwWindow.h"
#include "core/ViewContext.h"
#include "grid/LargeListSort.h"

#include <afxcmn.h>
#include <afxext.h>
#include <afxtempl.h>

class KWUI_API CLargeListView : public CListView, public CKwWindow
{
    DECLARE_DYNCREATE(CLargeListView)
public:
    // A column: its title, how its cells read from a line's key, and how it orders two keys.
    class KWUI_API CColumn : public CObject
    {
    public:
        CColumn(CString strTitle, CString (*pfnText)(long), int (*pfnImage)(long), int (*pfnCompare)(long, long));

        CString m_strTitle;
        CString (*m_pfnText)(long); // NULL: empty cells
        int (*m_pfnImage)(long);    // NULL: no image
        int (*m_pfnCompare)(long, long); // NULL: the column does not sort
        BOOL m_bAscending;
    };

    // Appends a column, ascending, also at the end of the sort order; returns its index. Columns
    // are added before the initial update.
    int AddColumn(CString strTitle, CString (*pfnText)(long), int (*pfnImage)(long), int (*pfnCompare)(long, long));
    // Inserts a line for the key at its sorted place (before the lines equal to it); returns its
    // index.
    int InsertItem(long nKey);
    // Sorts every line by the sort order, the first column most significant; equal lines keep
    // their order, and the selected and focused lines stay so.
    virtual void FullSortItems();
    // nMode 1 fits the column to its contents, 0 to its contents and its title.
    void ResizeColumn(int nIndex, int nMode);
    void ResizeColumns(int nMode);
    int GetSelectedItem();
    CString GetViewContextObjectName() const;

    // Two keys compared by one column (a CColumn*), in the form the control's sort calls.
    static int CALLBACK CompareItems(LPARAM lKey1, LPARAM lKey2, LPARAM lColumn);

    // A reserved word, the column count and each column's width.
    void Serialize(CArchive& ar) override;
    void OnInitialUpdate() override;

protected:
    CLargeListView();
    ~CLargeListView() override;

    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    // A line was opened (double click or Enter).
    virtual void OnOpenItem(int nIndex);
    // The document changed: the list fills itself here, with redraw off.
    virtual void UpdateList(CView* pSender, long lHint, CObject* pHint);

    // Takes the context the view is being created with, when there is one.
    void StoreViewContext();
    // Fits the columns once, unless the widths came from the document.
    void NormalizeLayout();
    // Keeps a text alive for the control until three more have been handed out.
    char* AddPool(CString* pText);

    // Marks the column that orders the lines in the header.
    void ShowSortColumn();
    // The sort order as a comparison of keys.
    CLargeListSort GetSort() const;
    long GetKey(int nItem);

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnGetdispinfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnKeydown(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnHeaderClicked(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnColumnAutofit();
    afx_msg void OnColumnFitToContents();
    afx_msg LRESULT OnGetViewContext(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCompareViewContext(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CViewContext m_viewContext;
    CString m_pool[3];
    char* m_poolBuffers[3];
    int m_nPool;
    CArray<CColumn*, CColumn*> m_columns; // owned, in column order
    CArray<CColumn*, CColumn*> m_sortOrder; // the same columns, most significant first
    BOOL m_bLayoutDone;
    UINT m_nDpi; // the columns' widths are made for it
};
