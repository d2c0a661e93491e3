// KwThumbnailLayout.h: CKwThumbnailLayout, where the image choice window puts its thumbnails:
// square cells in rows that fill the client width, scrolled by whole rows. Pure functions of
// the picture count, the client size, the cell size and the margin. Portable.
#pragma once

#include "core/KwUiExport.h"

class KWUI_API CKwThumbnailLayout
{
public:
    CKwThumbnailLayout(int nCount, int nClientWidth, int nClientHeight, int nCell, int nMargin);

    // At least one column, even in a window narrower than one cell and its margin.
    int GetColumnCount() const;
    int GetRowCount() const;
    // The last row that may be the top one; 0 for one row or none.
    int GetScrollLimit() const;
    // The rows a page moves: the whole cells the client height holds, at least one.
    int GetPageRows() const;
    int ClampTopRow(int nRow) const;

    // Top-left corner of the cell of picture nIndex, with nTopRow the first row shown.
    void GetCellOrigin(int nIndex, int nTopRow, int& x, int& y) const;
    // Whether the cell lies wholly in the client area. In a window narrower than one cell the
    // single column is shown, cut at the right edge.
    bool IsCellShown(int nIndex, int nTopRow) const;
    // The picture whose cell holds the point, or -1.
    int HitTest(int x, int y, int nTopRow) const;

    // The size a picture of cx by cy is drawn at: each side limited to the cell on its own, so a
    // larger picture is squeezed rather than scaled in proportion.
    static void FitPicture(int cx, int cy, int nCell, int& nWidth, int& nHeight);

private:
    int m_nCount;
    int m_nWidth;
    int m_nHeight;
    int m_nCell;
    int m_nMargin;
};
