// Tests of CRect: normalisation, empty results, subtraction and the rectangle operators.
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
    EXPECT_TRUE(r.IsRectEmpty());
    EXPECT_FALSE(r.PtInRect(CPoint(5, 10)));
    r.NormalizeRect();
    EXPECT_TRUE(Is(r, 0, 5, 10, 20));
    EXPECT_FALSE(r.IsRectEmpty());
    EXPECT_TRUE(r.PtInRect(CPoint(5, 10)));

    CRect onlyX(5, 0, 1, 3);
    onlyX.NormalizeRect();
    EXPECT_TRUE(Is(onlyX, 1, 0, 5, 3));

    // Empty is about area, null about coordinates.
    EXPECT_TRUE(CRect(3, 3, 3, 9).IsRectEmpty());
    EXPECT_FALSE(CRect(3, 3, 3, 9).IsRectNull());
    EXPECT_TRUE(CRect().IsRectNull());
}

TEST(Rect, ContainsItsTopLeftEdgesOnly)
{
    CRect r(0, 0, 10, 5);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(r.PtInRect(CPoint(9, 4)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 4)));
    EXPECT_FALSE(r.PtInRect(CPoint(9, 5)));
    EXPECT_FALSE(r.PtInRect(CPoint(-1, 0)));
    EXPECT_TRUE(CPoint(5, 2) == r.CenterPoint());
    EXPECT_TRUE(CPoint(-2, -2) == CRect(-5, -5, 0, 0).CenterPoint());
}

TEST(Rect, EmptyIntersectionsAndUnionsAreAllZero)
{
    CRect a(0, 0, 10, 10), b(20, 20, 30, 30), touching(10, 0, 20, 10);
    CRect r(1, 2, 3, 4);
    EXPECT_FALSE(r.IntersectRect(&a, &b));
    EXPECT_TRUE(r.IsRectNull());
    r.SetRect(1, 2, 3, 4);
    EXPECT_FALSE(r.IntersectRect(&a, &touching)); // sharing an edge is no overlap
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_TRUE((a & b).IsRectNull());
    EXPECT_TRUE(Is(a & CRect(5, -5, 15, 5), 5, 0, 10, 5));

    // An empty rectangle adds nothing to a union, wherever it lies.
    EXPECT_TRUE(Is(CRect(100, 100, 100, 200) | a, 0, 0, 10, 10));
    EXPECT_TRUE(Is(a | b, 0, 0, 30, 30));
    CRect none(1, 1, 1, 1), other(5, 5, 2, 9);
    EXPECT_FALSE(r.UnionRect(&none, &other));
    EXPECT_TRUE(r.IsRectNull());

    CRect c(a);
    c &= b;
    EXPECT_TRUE(c.IsRectNull());
    c = a;
    c |= b;
    EXPECT_TRUE(Is(c, 0, 0, 30, 30));
}

TEST(Rect, SubtractsOnlyWhatLeavesARectangle)
{
    CRect src(0, 0, 10, 10), r;
    // A band across the whole top is cut off.
    EXPECT_TRUE(r.SubtractRect(&src, CRect(-5, -5, 15, 4)));
    EXPECT_TRUE(Is(r, 0, 4, 10, 10));
    // The whole right side.
    EXPECT_TRUE(r.SubtractRect(&src, CRect(6, -1, 11, 11)));
    EXPECT_TRUE(Is(r, 0, 0, 6, 10));
    // A hole in the middle or a corner leaves the source as it is.
    EXPECT_TRUE(r.SubtractRect(&src, CRect(2, 2, 8, 8)));
    EXPECT_TRUE(Is(r, 0, 0, 10, 10));
    EXPECT_TRUE(r.SubtractRect(&src, CRect(5, 5, 20, 20)));
    EXPECT_TRUE(Is(r, 0, 0, 10, 10));
    // Covered completely: nothing remains.
    EXPECT_FALSE(r.SubtractRect(&src, CRect(-1, -1, 11, 11)));
    EXPECT_TRUE(r.IsRectEmpty());
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
