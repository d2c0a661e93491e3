// The colour picker's hit testing at the edges of cells and buttons, where neighbours overlap.
#include <gtest/gtest.h>

#include "pickers/KwColorPickerLayout.h"

#include <string>

namespace {

// "row,col" or "-" for the cell at (x, y).
std::string Cell(const CKwColorPickerLayout& layout, int x, int y)
{
    int row = 0, col = 0;
    return layout.CellsHitTest(x, y, row, col) ? std::to_string(row) + "," + std::to_string(col) : "-";
}

// "top i", "bottom i" or "-".
std::string Button(const CKwColorPickerLayout& layout, int x, int y)
{
    bool top = false;
    int index = -1;
    return layout.ButtonsHitTest(x, y, top, index) ? (top ? "top " : "bottom ") + std::to_string(index) : "-";
}

TEST(ColorPickerLayout, CellsAnswerThreePixelsAroundAndTheLaterOfTwoNeighboursWins)
{
    CKwColorPickerLayout layout(1, 2, 3, 156); // grid from y = 32, additional row at y = 136
    EXPECT_EQ("1,1", Cell(layout, 2, 29));
    EXPECT_EQ("1,1", Cell(layout, 5 + 15, 32 + 10));
    EXPECT_EQ("1,8", Cell(layout, 5 + 7 * 19 + 17, 32));
    EXPECT_EQ("-", Cell(layout, 5 + 7 * 19 + 18, 32)); // the right edge answers no more
    EXPECT_EQ("1,2", Cell(layout, 5 + 16, 32)); // both answer there: the later one
    EXPECT_EQ("6,3", Cell(layout, 5 + 2 * 19 + 17, 136 + 17));
    EXPECT_EQ("-", Cell(layout, 5 + 3 * 19 + 5, 136 + 5)); // only three additional colours
    EXPECT_EQ("-", Cell(layout, 5 + 2 * 19 + 18, 136 + 17));
    EXPECT_EQ("-", Cell(layout, 5, 136 + 18));
}

TEST(ColorPickerLayout, ButtonsAnswerOverTheWidthLessTwoAndBelowTheRowWhenThereAreAdditionalColours)
{
    CKwColorPickerLayout plain(1, 2, 0, 156), extra(1, 2, 3, 156);
    EXPECT_EQ("top 0", Button(plain, 2, -3));
    EXPECT_EQ("top 0", Button(plain, 153, 22));
    EXPECT_EQ("-", Button(plain, 154, 10));
    EXPECT_EQ("bottom 0", Button(plain, 50, 27 + 105 - 3));
    EXPECT_EQ("-", Button(plain, 50, 27 + 105 - 4));
    EXPECT_EQ("bottom 1", Button(plain, 50, 54 + 105 + 22));
    EXPECT_EQ("-", Button(plain, 50, 54 + 105 + 23));
    EXPECT_EQ("-", Button(extra, 50, 27 + 105 + 10));
    EXPECT_EQ("bottom 0", Button(extra, 50, 27 + 137 - 3));
    EXPECT_EQ("bottom 1", Button(extra, 50, 54 + 137 + 22));
}

} // namespace
