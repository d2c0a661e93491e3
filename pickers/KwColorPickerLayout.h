// KwColorPickerLayout.h: CKwColorPickerLayout, where the colour picker popup puts its buttons,
// cells and separators, and what lies under a point: pure functions of the button counts, the
// presence of additional colours and the client width. Portable.
#pragma once

#include "core/KwUiExport.h"


class KWUI_API CKwColorPickerLayout
{
public:
    enum
    {
        Columns = 8,
        Rows = 5,
        PaletteSize = Rows * Columns,
        AdditionalRow = Rows + 1,
        CellSize = 12,
        CellSpacing = 7,
        Margin = 5,
        ButtonHeight = 17,
        ButtonGap = 10,
        ButtonPitch = ButtonHeight + ButtonGap, // 27
        CellPitch = CellSize + CellSpacing,     // 19
        AdditionalHeight = Margin + CellSize + 2 * CellSpacing // 31
    };

    // nTop and nBottom count the buttons of each group (the bottom one with the built-in button).
    CKwColorPickerLayout(int nTop, int nBottom, int nAdditional, int nClientWidth);

    // The popup's window size for those counts.
    static void OuterSize(int nTop, int nBottom, bool bAdditional, int& cx, int& cy);
    // The palette colour of a 0-based cell index below PaletteSize, as 0x00BBGGRR.
    static unsigned long PaletteColor(int nIndex);

    // Top-left corner of the cell (rows 1 to 5, row 6 for the additional colours; 1-based).
    void CellOrigin(int nRow, int nCol, int& x, int& y) const;
    // The top of a button's 1-pixel frame (index 0-based in its group); the frame runs from
    // Margin to the client width less Margin, ButtonHeight high.
    int ButtonTop(bool bTop, int nIndex) const;
    // The two etched lines shown with additional colours, 0 above them and 1 below.
    int SeparatorY(int nWhich) const;

    // The cell under point (last match wins); false for none.
    bool CellsHitTest(int x, int y, int& nRow, int& nCol) const;
    bool ButtonsHitTest(int x, int y, bool& bTop, int& nIndex) const;

private:
    bool InCellArea(int x, int y, int nRow, int nCol) const;

    int m_nTop;
    int m_nBottom;
    int m_nAdditional;
    int m_nWidth;
};
