// Tests of CRect: normalisation, the rectangle operators and the corners.
#include <gtest/gtest.h>

#include "CRect.h"

namespace {

::testing::AssertionResult Is(const CRect& r, int l, int t, int rr, int b)
{
    if (r.left == l && r.top == t && r.right == rr && r.bottom == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom
                                         << ") instead of (" << l << "," << t << "," << rr << "," << b << ")";
}

} // namespace

TEST(Rect, NormalisesSwappedEdges)
{
    CRect r(10, 20, 0, 5);
    EXPECT_EQ(-10, r.Width());
    EXPECT_EQ(-15, r.Height());
    r.NormalizeRect();
    EXPECT_TRUE(Is(r, 0, 5, 10, 20));
    CRect onlyX(5, 0, 1, 3);
    onlyX.NormalizeRect();
    EXPECT_TRUE(Is(onlyX, 1, 0, 5, 3));
    EXPECT_TRUE(CPoint(-2, -2) == CRect(-5, -5, 0, 0).CenterPoint());
}

// Intersection and union are the system's; the operators work on a copy, so a rectangle may be
// combined with itself and the result of nothing is all zero.
TEST(Rect, OperatorsCombineIntoCopies)
{
    CRect a(0, 0, 10, 10), b(20, 20, 30, 30);
    EXPECT_TRUE((a & b).IsRectNull());
    EXPECT_TRUE(Is(a & CRect(5, -5, 15, 5), 5, 0, 10, 5));
    EXPECT_TRUE(Is(a | b, 0, 0, 30, 30));
    CRect c(a);
    c &= b;
    EXPECT_TRUE(c.IsRectNull());
    c = a;
    c |= b;
    EXPECT_TRUE(Is(c, 0, 0, 30, 30));
    c &= c;
    EXPECT_TRUE(Is(c, 0, 0, 30, 30));
}

TEST(Rect, RectangleOperandsInflateOrDeflateAndCornersAliasTheEdges)
{
    CRect r(0, 0, 4, 3);
    EXPECT_TRUE(Is(r + CRect(1, 1, 1, 1), -1, -1, 5, 4));
    EXPECT_TRUE(Is(r - CRect(1, 1, 1, 1), 1, 1, 3, 2));
    EXPECT_TRUE(Is(r + CPoint(1, 1), 1, 1, 5, 4));
    r.DeflateRect(3, 3); // past its centre: the edges cross
    EXPECT_TRUE(Is(r, 3, 3, 1, 0));
    r.TopLeft() = CPoint(-1, -2);
    r.BottomRight() += CSize(10, 10);
    EXPECT_TRUE(Is(r, -1, -2, 11, 10));
}
