// Where the image choice window puts its thumbnails: columns in narrow windows, rows, scrolling,
// and which cells answer and show at their edges.
#include <gtest/gtest.h>

#include "pickers/KwThumbnailLayout.h"

namespace {

TEST(ThumbnailLayout, CellsFillTheWidthInAtLeastOneColumnAndShowWhenWhollyInside)
{
    const struct { int count, width, height, columns, rows, limit, page; } cases[] = {{5, 150, 100, 2, 3, 2, 1},
        {5, 138, 138, 2, 3, 2, 2}, {5, 137, 20, 1, 5, 4, 1}, {3, 0, 0, 1, 3, 2, 1}, {0, 150, 100, 2, 0, 0, 1}};
    for (const auto& c : cases) {
        CKwThumbnailLayout layout(c.count, c.width, c.height, 64, 5);
        EXPECT_EQ(c.columns * 1000 + c.rows, layout.GetColumnCount() * 1000 + layout.GetRowCount()) << c.width;
        EXPECT_EQ(c.limit * 1000 + c.page, layout.GetScrollLimit() * 1000 + layout.GetPageRows()) << c.width;
    }

    CKwThumbnailLayout layout(5, 138, 138, 64, 5); // cells at 5 and 74, the last ones ending on the edges
    EXPECT_EQ(-1, layout.HitTest(69, 5, 0)); // the margin between cells
    EXPECT_EQ(4, layout.HitTest(5, 74, 1)); // a row scrolled up
    EXPECT_TRUE(layout.IsCellShown(3, 0));
    EXPECT_FALSE(layout.IsCellShown(4, 0) || layout.IsCellShown(0, 1));
    EXPECT_TRUE(CKwThumbnailLayout(2, 30, 69, 64, 5).IsCellShown(0, 0)); // one column, cut
}

} // namespace
