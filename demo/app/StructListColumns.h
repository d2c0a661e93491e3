// StructListColumns.h: CStructListColumns, the column widths of the panes' lists: each as wide
// as the wider of its title and its widest text.
#pragma once

#include <afxcmn.h>

class CStructListColumns
{
public:
    // Columns 0 to nColumns - 1 (the last column of a CLargeListWnd fills the rest by itself).
    static void Fit(CListCtrl& list, int nColumns);
};
