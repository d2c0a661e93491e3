// Split.cpp: rows from the side of a square cell of the right area, columns from the rows.
#include "core/Split.h"

#include <cmath>

void CSplit::Split(const CRect& rc, UINT n, CArray<CRect, const CRect&>& cells)
{
    cells.SetSize((INT_PTR)n);
    if (n == 0)
        return;
    const long long width = (long long)rc.right - rc.left;
    const long long height = (long long)rc.bottom - rc.top;
    double side = std::sqrt((double)width * (double)height / n);
    if (!(side > 0)) // also when undefined
        side = 1.0;
    // At most the rectangle's height in pixels, which fits the integer it ends in.
    double rowsWanted = std::trunc((double)height / side + 0.7);
    long long rows = rowsWanted < 1 ? 1 : (long long)rowsWanted;
    long long columns = ((long long)n + rows - 1) / rows;
    if (columns < 1)
        columns = 1;
    const long long cellWidth = width / columns, cellHeight = height / rows;
    for (UINT i = 0; i < n; ++i)
    {
        long long column = i % columns, row = i / columns;
        int left = (int)(rc.left + column * cellWidth), top = (int)(rc.top + row * cellHeight);
        cells[(INT_PTR)i] = CRect(left, top, (int)(left + cellWidth), (int)(top + cellHeight));
    }
}
