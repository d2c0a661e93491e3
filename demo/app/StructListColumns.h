// StructListColumns.h: CStructListColumns, the column widths of the panes' lists: each as wide
// as the wider of its title and its longest text, measured once rather than line by line.
#pragma once

#include <afxcmn.h>

class CStructListColumns
{
public:
    // Notes the texts of one line: the longest of each column is kept.
    void Note(const CStringArray& texts);
    // Columns 0 to nColumns - 1 (the last column of a CLargeListWnd fills the rest by itself).
    void Fit(CListCtrl& list, int nColumns) const;

private:
    CStringArray m_longest;
};
