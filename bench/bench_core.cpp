// Core services: spline set-up and evaluation, each measured at two sizes in one run so that
// the ratio shows how the cost grows.
#include "harness/BenchHarness.h"

#include "core/KwSpline.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

const int kRuns = 5;

// A cheap generator of uniform values in [0, 1), so that drawing numbers costs little beside
// what is measured.
struct Uniform
{
    uint64_t state = 0x9E3779B97F4A7C15ull;
    double Next()
    {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return (double)(state >> 11) * (1.0 / 9007199254740992.0);
    }
};

// Samples of a smooth function at n uneven abscissae in [0, n).
void Samples(UINT n, double*& x, double*& y)
{
    x = new double[n];
    y = new double[n];
    for (UINT i = 0; i < n; i++) {
        x[i] = i + 0.25 * std::sin((double)i);
        y[i] = std::sin(x[i] * 0.01) + 0.001 * x[i];
    }
}

// Seconds per point of Initialize over n points. Each run takes fresh arrays, prepared ahead.
double InitializeSeconds(UINT n)
{
    std::vector<double*> xs(kRuns + 1), ys(kRuns + 1);
    for (int i = 0; i <= kRuns; i++)
        Samples(n, xs[i], ys[i]);
    int next = 0;
    double t = BenchHarness::Median(kRuns, [&] {
        CKwSpline spline;
        spline.Initialize(n, xs[next], ys[next]);
        BenchHarness::Consume(spline.Interpolate(1.0));
        next++;
    });
    return t / n;
}

// Nanoseconds per Interpolate at `calls` random x in [0, range) over a spline of n points.
double InterpolateNanoseconds(UINT n, double range, int calls)
{
    double *x, *y;
    Samples(n, x, y);
    CKwSpline spline;
    spline.Initialize(n, x, y);
    double t = BenchHarness::Median(kRuns, [&] {
        Uniform random;
        double sum = 0;
        for (int i = 0; i < calls; i++)
            sum += spline.Interpolate(random.Next() * range);
        BenchHarness::Consume(sum);
    });
    return t / calls * 1e9;
}

} // namespace

int main()
{
    int over = 0;

    double small = BenchHarness::Report("spline Initialize, 100,000 points", InitializeSeconds(100000) * 1e9, "ns/point");
    double large = BenchHarness::Report("spline Initialize, 1,000,000 points", InitializeSeconds(1000000) * 1e9, "ns/point");
    over += !BenchHarness::Ratio("  per point, 1,000,000 vs 100,000 (linear)", large / small, 2.0);

    BenchHarness::Report("spline Interpolate, 10,000,000 at random x, 1,000,000 points",
                         InterpolateNanoseconds(1000000, 1000000, 10000000), "ns/call");
    // Over the whole of a large table most calls wait for memory; x drawn from the first
    // thousand samples keeps the table's touched part in the caches and shows the search alone.
    double few = BenchHarness::Report("spline Interpolate, 1,000 points", InterpolateNanoseconds(1000, 1000, 2000000), "ns/call");
    double many = BenchHarness::Report("spline Interpolate, 1,000,000 points, x in the first 1,000",
                                       InterpolateNanoseconds(1000000, 1000, 2000000), "ns/call");
    double logRatio = std::log(1000000.0) / std::log(1000.0);
    BenchHarness::Report("  log(1,000,000) / log(1,000)", logRatio, "");
    over += !BenchHarness::Ratio("  per call, 1,000,000 vs 1,000 points (logarithmic)", many / few, 1.5 * logRatio);

    return over;
}
