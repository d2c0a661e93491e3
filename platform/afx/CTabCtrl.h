// CTabCtrl.h: CTabCtrl, the framework object of a tab control: its tabs, the current one, the
// display area inside it and hit testing.
#pragma once

#include "CWnd.h"
#include "CSize.h"

#include <commctrl.h>

class CImageList;

class KWAFX_API CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const { return (int)SendMessage(TCM_GETITEMCOUNT, 0, 0); }
    // The new tab's index, or -1.
    LONG InsertItem(int nItem, TCITEM* pTabCtrlItem) { return (LONG)SendMessage(TCM_INSERTITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem); }
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    LONG InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    LONG InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem) { return (BOOL)SendMessage(TCM_DELETEITEM, (WPARAM)nItem, 0); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(TCM_DELETEALLITEMS, 0, 0); }
    BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const { return (BOOL)SendMessage(TCM_GETITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem); }
    BOOL SetItem(int nItem, TCITEM* pTabCtrlItem) { return (BOOL)SendMessage(TCM_SETITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem); }

    // The current tab (-1 for none); SetCurSel returns the previous one and sends no
    // notification.
    int GetCurSel() const { return (int)SendMessage(TCM_GETCURSEL, 0, 0); }
    int SetCurSel(int nItem) { return (int)SendMessage(TCM_SETCURSEL, (WPARAM)nItem, 0); }
    int GetCurFocus() const { return (int)SendMessage(TCM_GETCURFOCUS, 0, 0); }
    void SetCurFocus(int nItem) { SendMessage(TCM_SETCURFOCUS, (WPARAM)nItem, 0); }

    // bLarger FALSE: the display area inside a control of lpRect; TRUE: the control around a
    // display area of lpRect.
    void AdjustRect(BOOL bLarger, LPRECT lpRect) { SendMessage(TCM_ADJUSTRECT, (WPARAM)bLarger, (LPARAM)lpRect); }
    BOOL GetItemRect(int nItem, LPRECT lpRect) const { return (BOOL)SendMessage(TCM_GETITEMRECT, (WPARAM)nItem, (LPARAM)lpRect); }
    // The tab at pHitTestInfo->pt (client coordinates), or -1.
    int HitTest(TCHITTESTINFO* pHitTestInfo) const { return (int)SendMessage(TCM_HITTEST, 0, (LPARAM)pHitTestInfo); }
    int GetRowCount() const { return (int)SendMessage(TCM_GETROWCOUNT, 0, 0); }
    CSize SetItemSize(CSize size);
    void SetPadding(CSize size) { SendMessage(TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy)); }
    int SetMinTabWidth(int cx) { return (int)SendMessage(TCM_SETMINTABWIDTH, 0, (LPARAM)cx); }
    BOOL HighlightItem(int idItem, BOOL fHighlight = TRUE) { return (BOOL)SendMessage(TCM_HIGHLIGHTITEM, (WPARAM)idItem, MAKELPARAM(fHighlight, 0)); }
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;
};
