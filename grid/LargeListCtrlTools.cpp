// LargeListCtrlTools.cpp: the selection, opening and context-menu placement of the large lists.
#include "grid/LargeListCtrlTools.h"
#include "core/KwMenu.h"
#include "core/KwDpi.h"

#include <algorithm>
#include <string.h>

int CLargeListCtrlTools::GetSelectedItem(const CListCtrl& list)
{
    return list.GetNextItem(-1, LVNI_SELECTED);
}

int CLargeListCtrlTools::GetItemToOpen(CListCtrl& list, BOOL bScroll)
{
    int nItem = GetSelectedItem(list);
    if (nItem >= 0 && bScroll)
        list.EnsureVisible(nItem, FALSE);
    return nItem;
}

CPoint CLargeListCtrlTools::ContextMenuPoint(CListCtrl& list, CPoint point)
{
    if (point.x != -1 || point.y != -1)
        return point;
    int nItem = GetItemToOpen(list, TRUE);
    CRect rect;
    if (nItem >= 0 && list.GetItemRect(nItem, &rect, LVIR_LABEL))
        point = CPoint(rect.right, rect.top);
    else
        point = CPoint(10, 30);
    list.ClientToScreen(&point);
    return point;
}

void CLargeListCtrlTools::TrackContextMenu(CMenu& menu, CPoint point, CWnd* pOwner)
{
    if (menu.GetMenuItemCount() > 0)
        CKwMenu::TrackInLook(menu, TPM_RIGHTBUTTON, point, pOwner);
    menu.DestroyMenu();
}

void CLargeListCtrlTools::FitColumnToHeader(CListCtrl& list, int nIndex, UINT nDpi)
{
    list.SetColumnWidth(nIndex, LVSCW_AUTOSIZE_USEHEADER);
    CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    if (nDpi == CKwDpi::kDefault || pHeader == NULL)
        return;
    char szTitle[256] = "";
    HDITEMA item = {};
    item.mask = HDI_TEXT;
    item.pszText = szTitle;
    item.cchTextMax = sizeof(szTitle);
    if (!pHeader->GetItem(nIndex, &item))
        return;
    CClientDC dc(pHeader);
    CFont* pOldFont = dc.SelectObject(pHeader->GetFont());
    const int nTitle = dc.GetTextExtent(szTitle, (int)strlen(szTitle)).cx;
    dc.SelectObject(pOldFont);
    // The last column of a wide list fills the rest: only a padded title is widened.
    const int nWidth = list.GetColumnWidth(nIndex);
    if (nWidth > nTitle)
        list.SetColumnWidth(nIndex, std::max(nWidth, nTitle + CKwDpi::Scale(nWidth - nTitle, nDpi)));
}

UINT CLargeListCtrlTools::ScaleColumns(CListCtrl& list, UINT nFromDpi, UINT nToDpi)
{
    CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    for (int i = 0; nFromDpi != nToDpi && pHeader != NULL && i < pHeader->GetItemCount(); i++)
        list.SetColumnWidth(i, ::MulDiv(list.GetColumnWidth(i), (int)nToDpi, (int)nFromDpi));
    return nToDpi;
}
