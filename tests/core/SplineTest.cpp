// Natural cubic spline: values over even and uneven steps, degenerate inputs, ownership and copies.
#include "core/KwSpline.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

double* Array(std::initializer_list<double> values)
{
    double* a = new double[values.size()];
    std::copy(values.begin(), values.end(), a);
    return a;
}

CKwSpline Hat()
{
    CKwSpline s;
    s.Initialize(3, Array({0, 1, 2}), Array({0, 1, 0}));
    return s;
}

} // namespace

// Nothing given, missing arrays, or two equal abscissae in any place: not usable.
TEST(Spline, EmptyRefusedAndEqualAbscissaeAreNotUsable)
{
    CKwSpline s;
    EXPECT_FALSE(s.IsOK());
    EXPECT_EQ(0.0, s.Interpolate(1.5));

    double x[2] = {0, 1}, y[2] = {0, 1};
    s.Initialize(0, x, y); // stays the caller's: these arrays are on the stack
    s.Initialize(2, nullptr, y);
    s.Initialize(2, x, nullptr);
    EXPECT_FALSE(s.IsOK());

    const double nan = std::numeric_limits<double>::quiet_NaN();
    s.Initialize(3, Array({0, 1, 1}), Array({0, 1, 2}));
    EXPECT_FALSE(s.IsOK());
    EXPECT_EQ(0.0, s.Interpolate(0.5));
    s.Initialize(4, Array({3, 0, 2, 3}), Array({0, 1, 2, 3}));
    EXPECT_FALSE(s.IsOK());
    s.Initialize(2, Array({-0.0, 0.0}), Array({1, 2}));
    EXPECT_FALSE(s.IsOK());
    s.Initialize(4, Array({1, nan, nan, 1}), Array({0, 1, 2, 3}));
    EXPECT_FALSE(s.IsOK());
    // Unordered but distinct values are accepted as they are.
    s.Initialize(3, Array({2, 0, 1}), Array({0, 1, 2}));
    EXPECT_TRUE(s.IsOK());
}

TEST(Spline, OnePointIsConstantAndTwoGiveTheStraightLine)
{
    CKwSpline s;
    s.Initialize(1, Array({4}), Array({7}));
    ASSERT_TRUE(s.IsOK());
    EXPECT_EQ(7.0, s.Interpolate(-100));
    EXPECT_EQ(7.0, s.Interpolate(std::numeric_limits<double>::quiet_NaN()));

    CKwSpline line;
    line.Initialize(2, Array({1, 3}), Array({10, 20}));
    ASSERT_TRUE(line.IsOK());
    EXPECT_DOUBLE_EQ(15.0, line.Interpolate(2));
    EXPECT_DOUBLE_EQ(0.0, line.Interpolate(-1));
    EXPECT_DOUBLE_EQ(30.0, line.Interpolate(5));
}

// Values worked out by hand from the natural spline's equations: the hat's second derivative
// at its peak is -3, those of the uneven one (steps 1, 2 and 1) 0.375 and -2.625.
TEST(Spline, ValuesOfEvenAndUnevenSteps)
{
    CKwSpline hat = Hat();
    EXPECT_DOUBLE_EQ(1.0, hat.Interpolate(1));
    EXPECT_DOUBLE_EQ(0.6875, hat.Interpolate(0.5));
    EXPECT_DOUBLE_EQ(0.6875, hat.Interpolate(1.5));
    EXPECT_DOUBLE_EQ(0.0, hat.Interpolate(2));

    CKwSpline uneven;
    uneven.Initialize(4, Array({0, 1, 3, 4}), Array({0, 1, 2, 0}));
    EXPECT_DOUBLE_EQ(0.4765625, uneven.Interpolate(0.5));
    EXPECT_DOUBLE_EQ(2.0625, uneven.Interpolate(2));
    EXPECT_DOUBLE_EQ(1.1640625, uneven.Interpolate(3.5));
}

TEST(Spline, InitializeOnlyOnceUntilReset)
{
    CKwSpline s = Hat();
    double x[2] = {0, 1}, y[2] = {5, 5};
    s.Initialize(2, x, y); // ignored: the arrays stay the caller's
    EXPECT_DOUBLE_EQ(1.0, s.Interpolate(1));

    s.Reset();
    EXPECT_FALSE(s.IsOK());
    EXPECT_EQ(0.0, s.Interpolate(1));
    s.Initialize(2, Array({0, 1}), Array({5, 5}));
    EXPECT_DOUBLE_EQ(5.0, s.Interpolate(1));
}

TEST(Spline, CopiesAreIndependent)
{
    CKwSpline a = Hat();
    CKwSpline b(a);
    CKwSpline c;
    c = a;
    a.Reset();
    EXPECT_DOUBLE_EQ(0.6875, b.Interpolate(0.5));
    EXPECT_DOUBLE_EQ(0.6875, c.Interpolate(0.5));
    c = c;
    EXPECT_DOUBLE_EQ(0.6875, c.Interpolate(0.5));
    b = a; // copying an unusable spline empties the target
    EXPECT_FALSE(b.IsOK());
}
