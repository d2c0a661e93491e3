// KwColorPickerLayout.cpp: the colour picker's geometry and hit testing.
#include "pickers/KwColorPickerLayout.h"

namespace {

// Row by row, left to right, as 0xRRGGBB.
const unsigned long kPalette[CKwColorPickerLayout::PaletteSize] = {
    0x000000, 0x993300, 0x333300, 0x003300, 0x003366, 0x000080, 0x333399, 0x333333,
    0x800000, 0xFF6600, 0x808000, 0x008000, 0x008080, 0x0000FF, 0x666699, 0x808080,
    0xFF0000, 0xFF9900, 0x99CC00, 0x339966, 0x33CCCC, 0x3366FF, 0x800080, 0x969696,
    0xFF00FF, 0xFFCC00, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x00CCFF, 0x993366, 0xC0C0C0,
    0xFF99CC, 0xFFCC99, 0xFFFF99, 0xCCFFCC, 0xCCFFFF, 0x99CCFF, 0xCC99FF, 0xFFFFFF,
};

} // namespace

CKwColorPickerLayout::CKwColorPickerLayout(int nTop, int nBottom, int nAdditional, int nClientWidth)
    : m_nTop(nTop), m_nBottom(nBottom), m_nAdditional(nAdditional), m_nWidth(nClientWidth)
{
}

void CKwColorPickerLayout::OuterSize(int nTop, int nBottom, bool bAdditional, int& cx, int& cy)
{
    cx = Columns * CellPitch + 2 * Margin;
    cy = ButtonPitch * (nTop + nBottom) + CellPitch * Rows + 2 * Margin + (bAdditional ? (int)AdditionalHeight : 0);
}

unsigned long CKwColorPickerLayout::PaletteColor(int nIndex)
{
    unsigned long rgb = kPalette[nIndex];
    // Stored the way people read colours; a COLORREF keeps red in the low byte.
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

void CKwColorPickerLayout::CellOrigin(int nRow, int nCol, int& x, int& y) const
{
    x = Margin + CellPitch * (nCol - 1);
    y = nRow == AdditionalRow ? ButtonPitch * m_nTop + 109 : Margin + ButtonPitch * m_nTop + CellPitch * (nRow - 1);
}

int CKwColorPickerLayout::ButtonTop(bool bTop, int nIndex) const
{
    if (bTop)
        return Margin + ButtonPitch * nIndex;
    return ButtonPitch * (m_nTop + nIndex) + 103 + (m_nAdditional > 0 ? 32 : 0);
}

int CKwColorPickerLayout::SeparatorY(int nWhich) const
{
    return ButtonPitch * m_nTop + (nWhich == 0 ? 101 : 128);
}

bool CKwColorPickerLayout::InCellArea(int x, int y, int nRow, int nCol) const
{
    int cx = 0, cy = 0;
    CellOrigin(nRow, nCol, cx, cy);
    return x >= cx - 3 && x < cx + 18 && y >= cy - 3 && y < cy + 18;
}

bool CKwColorPickerLayout::CellsHitTest(int x, int y, int& nRow, int& nCol) const
{
    bool bHit = false;
    for (int row = 1; row <= AdditionalRow; row++)
    {
        int nCols = row == AdditionalRow ? m_nAdditional : (int)Columns;
        for (int col = 1; col <= nCols; col++)
            if (InCellArea(x, y, row, col))
            {
                nRow = row;
                nCol = col;
                bHit = true;
            }
    }
    return bHit;
}

bool CKwColorPickerLayout::ButtonsHitTest(int x, int y, bool& bTop, int& nIndex) const
{
    bool bHit = false;
    for (int group = 0; group < 2; group++)
    {
        int nCount = group == 0 ? m_nTop : m_nBottom;
        for (int i = 0; i < nCount; i++)
        {
            int y0 = group == 0 ? ButtonPitch * i : ButtonPitch * (m_nTop + i) + 105 + (m_nAdditional > 0 ? 32 : 0);
            if (x >= 2 && x < m_nWidth - 2 && y >= y0 - 3 && y < y0 + 23)
            {
                bTop = group == 0;
                nIndex = i;
                bHit = true;
            }
        }
    }
    return bHit;
}
