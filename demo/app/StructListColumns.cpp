// CStructListColumns: each width measured by the list itself against its title's.
#include "StructListColumns.h"

namespace {
// Room round a title in its header item.
const int kTitleMargin = 16;
} // namespace

void CStructListColumns::Fit(CListCtrl& list, int nColumns)
{
    if (list.m_hWnd == NULL)
        return;
    for (int nColumn = 0; nColumn < nColumns; nColumn++)
    {
        char szTitle[128] = {};
        LVCOLUMN column = {};
        column.mask = LVCF_TEXT;
        column.pszText = szTitle;
        column.cchTextMax = sizeof(szTitle);
        list.GetColumn(nColumn, &column);
        const int cxTitle = list.GetStringWidth(szTitle) + kTitleMargin;
        list.SetColumnWidth(nColumn, LVSCW_AUTOSIZE);
        if (list.GetColumnWidth(nColumn) < cxTitle)
            list.SetColumnWidth(nColumn, cxTitle);
    }
}
