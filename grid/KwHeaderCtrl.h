// KwHeaderCtrl.h: CKwHeaderCtrl, the grid's column header: remembers its column widths in the
// application's profile, can keep its columns filling its width, and paints itself flat.
#pragma once

#include "core/KwUiExport.h"

#include <afxcmn.h>

class KWUI_API CKwHeaderCtrl : public CHeaderCtrl
{
    DECLARE_DYNCREATE(CKwHeaderCtrl)
public:
    CKwHeaderCtrl();
    virtual ~CKwHeaderCtrl();

    // Profile section of the widths, one integer "Item%d" per column, as wide as the column is
    // at 96 DPI; empty: not remembered.
    void SetRegKey(CString sRegKey);
    // Appends a column; a remembered width wins over nWidth. Widths given, as those remembered,
    // are at 96 DPI: the column is as wide at the header's DPI.
    void AddItem(CString sTitle, int nWidth);
    // The DPI the header is shown at: the columns' widths follow it.
    void SetDpi(UINT nDpi);
    // nStretchItem -1 scales every column in proportion; otherwise that column absorbs the change.
    // Off until first called.
    void SetAutoResizeItems(BOOL bAutoResize, int nStretchItem = -1);
    // nWidth at 96 DPI, as for AddItem.
    void SetItemWidth(int nItem, int nWidth);
    // Fills the header's width with the columns.
    void ResizeItems();
    // The number of items, kept as items come and go: the grid asks for it for every cell it
    // reads, and asking the control each time costs a message.
    int GetItemCount() const { return m_nItemCount; }
    // The grid that owns the header is told its item count whenever items come or go.
    void SetTellParentItemCount(BOOL bTell) { m_bTellParentItemCount = bTell; }

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnBeginTrack(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnEndTrack(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnItemsChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CString m_sRegKey;
    BOOL m_bAutoResize;
    int m_nStretchItem;
    int m_nTrackItem;       // the item being dragged, -1 when none
    int m_nTrackItemWidth;  // its width when the drag began
    int m_nItemCount;
    BOOL m_bTellParentItemCount;
    UINT m_nDpi;
};
