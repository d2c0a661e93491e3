// Where the image choice window puts its thumbnails: columns in narrow windows, rows and the
// scroll limit, and which cells answer and show at their edges.
#include <gtest/gtest.h>

#include "pickers/KwThumbnailLayout.h"

namespace {

TEST(ThumbnailLayout, ColumnsRowsAndScrollingFollowTheClientSize)
{
    const struct { int count, width, height, columns, rows, limit, page; } cases[] = {
        {5, 150, 100, 2, 3, 2, 1}, {5, 138, 138, 2, 3, 2, 2}, {5, 137, 20, 1, 5, 4, 1},
        {3, 40, 300, 1, 3, 2, 4}, {3, 0, 0, 1, 3, 2, 1}, {0, 150, 100, 2, 0, 0, 1}, {4, 300, 100, 4, 1, 0, 1}};
    for (const auto& c : cases) {
        CKwThumbnailLayout layout(c.count, c.width, c.height, 64, 5);
        EXPECT_EQ(c.columns, layout.GetColumnCount()) << c.width;
        EXPECT_EQ(c.rows, layout.GetRowCount()) << c.width;
        EXPECT_EQ(c.limit, layout.GetScrollLimit()) << c.width;
        EXPECT_EQ(c.page, layout.GetPageRows()) << c.height;
        EXPECT_EQ(0, layout.ClampTopRow(-1));
        EXPECT_EQ(c.limit, layout.ClampTopRow(c.limit + 1));
    }
}

TEST(ThumbnailLayout, CellsAnswerInsideTheirSquareAndShowWhenWhollyInside)
{
    CKwThumbnailLayout layout(5, 150, 143, 64, 5); // rows at 5, 74 and 143
    EXPECT_EQ(0, layout.HitTest(5, 5, 0));
    EXPECT_EQ(-1, layout.HitTest(69, 5, 0)); // the margin between cells
    EXPECT_EQ(1, layout.HitTest(74, 68, 0));
    EXPECT_EQ(-1, layout.HitTest(74, 69, 0));
    EXPECT_EQ(4, layout.HitTest(5, 74, 1)); // a row scrolled up
    EXPECT_EQ(-1, layout.HitTest(74, 143, 0)); // past the last picture
    EXPECT_TRUE(layout.IsCellShown(3, 0)); // ends on the client's last row
    EXPECT_FALSE(layout.IsCellShown(4, 0));
    EXPECT_FALSE(layout.IsCellShown(0, 1)); // above the top
    EXPECT_TRUE(layout.IsCellShown(4, 1));
    EXPECT_TRUE(CKwThumbnailLayout(2, 138, 69, 64, 5).IsCellShown(1, 0)); // ends on the last column
    EXPECT_TRUE(CKwThumbnailLayout(2, 30, 69, 64, 5).IsCellShown(0, 0)); // one column, cut
    EXPECT_FALSE(CKwThumbnailLayout(2, 30, 69, 64, 5).IsCellShown(1, 0));

    int cx = 0, cy = 0;
    CKwThumbnailLayout::FitPicture(200, 50, 64, cx, cy);
    EXPECT_EQ(64 * 1000 + 50, cx * 1000 + cy);
    CKwThumbnailLayout::FitPicture(10, 300, 64, cx, cy);
    EXPECT_EQ(10 * 1000 + 64, cx * 1000 + cy);
}

} // namespace
