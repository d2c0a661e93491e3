// Split.h: declares CSplit, which tiles a rectangle with n cells of equal size, row by row.
#pragma once

#include "core/KwUiExport.h"

#include <afxtempl.h>
#include <afxwin.h>

class KWUI_API CSplit
{
public:
    // cells gets exactly n rectangles, as near to squares as the rows allow; what the integer
    // division of width and height leaves over stays unused at the right and bottom.
    static void Split(const CRect& rc, UINT n, CArray<CRect, const CRect&>& cells);
};
