// Tiling a rectangle: rows and columns from the cell area, cells row by row, and rectangles that
// leave no sensible area.
#include "core/Split.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Cells(const CArray<CRect, const CRect&>& cells)
{
    std::string text;
    for (INT_PTR i = 0; i < cells.GetSize(); ++i)
        text += std::to_string(cells[i].left) + "," + std::to_string(cells[i].top) + " " +
            std::to_string(cells[i].Width()) + "x" + std::to_string(cells[i].Height()) + ";";
    return text;
}

TEST(Split, RowByRowInEqualCells)
{
    CArray<CRect, const CRect&> cells;
    CSplit::Split(CRect(0, 0, 300, 200), 6, cells);
    EXPECT_EQ("0,0 100x100;100,0 100x100;200,0 100x100;0,100 100x100;100,100 100x100;200,100 100x100;", Cells(cells));
    CSplit::Split(CRect(0, 0, 300, 200), 5, cells);
    EXPECT_EQ("0,0 100x100;100,0 100x100;200,0 100x100;0,100 100x100;100,100 100x100;", Cells(cells))
        << "the sixth place stays empty";
    // Offsets and the remainders of the integer division: 101 / 2 columns, 50 / 1 row.
    CSplit::Split(CRect(10, 20, 111, 70), 2, cells);
    EXPECT_EQ("10,20 50x50;60,20 50x50;", Cells(cells));
    // A tall strip: rows from 100 / sqrt(50) + 0.7 = 14, one column.
    CSplit::Split(CRect(0, 0, 1, 100), 2, cells);
    EXPECT_EQ("0,0 1x7;0,7 1x7;", Cells(cells));
    CSplit::Split(CRect(0, 0, 50, 50), 1, cells);
    EXPECT_EQ("0,0 50x50;", Cells(cells));
}

TEST(Split, DegenerateRectanglesStillGiveNCells)
{
    CArray<CRect, const CRect&> cells;
    CSplit::Split(CRect(0, 0, 300, 200), 0, cells);
    EXPECT_EQ(0, cells.GetSize());
    CSplit::Split(CRect(5, 5, 5, 5), 3, cells); // no area: the side falls back to 1
    EXPECT_EQ("5,5 0x0;5,5 0x0;5,5 0x0;", Cells(cells));
    CSplit::Split(CRect(100, 100, 0, 50), 2, cells); // inverted: undefined side
    EXPECT_EQ(2, cells.GetSize());
    CSplit::Split(CRect(0, 0, 2000000000, 2000000000), 3, cells);
    EXPECT_EQ(3, cells.GetSize());
    EXPECT_EQ(0, cells[0].left);
    EXPECT_GT(cells[1].left, 0);
}

} // namespace
