// CStructListColumns: the longest text of each column, measured against its title.
#include "StructListColumns.h"

#include <algorithm>

namespace {
// Room round a text in its cell, and round a title in its header item.
const int kMargin = 16;
} // namespace

void CStructListColumns::Note(const CStringArray& texts)
{
    if (m_longest.GetSize() < texts.GetSize())
        m_longest.SetSize(texts.GetSize());
    for (INT_PTR i = 0; i < texts.GetSize(); i++)
    {
        if (texts[i].GetLength() > m_longest[i].GetLength())
            m_longest[i] = texts[i];
    }
}

void CStructListColumns::Fit(CListCtrl& list, int nColumns) const
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
        int cx = list.GetStringWidth(szTitle);
        if (nColumn < m_longest.GetSize())
            cx = std::max(cx, list.GetStringWidth(m_longest[nColumn]));
        list.SetColumnWidth(nColumn, cx + kMargin);
    }
}
