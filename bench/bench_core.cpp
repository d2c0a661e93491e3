// Core services: spline set-up and evaluation, event delivery and Shift-click selection, each
// measured at two sizes in one run so that the ratio shows how the cost grows.
#include "harness/BenchHarness.h"

#include "core/KwEvent.h"
#include "core/KwEventListener.h"
#include "core/KwEventSource.h"
#include "core/KwLineSelection.h"
#include "core/KwList.h"
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

// Seconds per point of Initialize over n points. Each run takes fresh arrays, prepared ahead,
// and its spline lives on until all runs are measured, so that freeing is not counted.
double InitializeSeconds(UINT n)
{
    std::vector<double*> xs(kRuns + 1), ys(kRuns + 1);
    for (int i = 0; i <= kRuns; i++)
        Samples(n, xs[i], ys[i]);
    std::vector<CKwSpline> splines(kRuns + 1);
    int next = 0;
    double t = BenchHarness::Median(kRuns, [&] {
        splines[next].Initialize(n, xs[next], ys[next]);
        next++;
    });
    BenchHarness::Consume(splines[0].Interpolate(1.0));
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

struct CountingListener : CKwEventListener
{
    long count = 0;
    void OnEvent(CKwEventSource*, CKwEvent*) override { count++; }
};

// Seconds per listener of SendOutEvent to n listeners.
double SendSeconds(int n, int events)
{
    std::vector<CountingListener> listeners(n);
    CKwEventSource source;
    for (CountingListener& l : listeners)
        source.Subscribe(&l);
    double t = BenchHarness::Median(kRuns, [&] {
        for (int i = 0; i < events; i++)
            source.SendOutEvent(new CKwEvent);
    });
    BenchHarness::Consume(&listeners[0].count);
    return t / ((double)n * events);
}

// Seconds per selected line of a Shift click from line 0 to line n - 1. The warm-up run builds
// the range; the measured runs select it again, as a user Shift-clicking the same far line.
double ShiftSeconds(UINT n)
{
    CKwLineSelection selection;
    selection.HitWithNothing(0);
    double t = BenchHarness::Median(kRuns, [&] { selection.HitWithShift(n - 1); });
    BenchHarness::Consume(&selection);
    return t / n;
}

// Seconds per entry of one pass writing every entry of a list of n lines: the least any
// selection of n lines can cost.
double ListPassSeconds(UINT n)
{
    CKwList<UINT, UINT> list;
    for (UINT i = 0; i < n; i++)
        list.AddTail(i);
    double t = BenchHarness::Median(kRuns, [&] {
        UINT line = 0;
        for (POSITION pos = list.GetHeadPosition(); pos; list.GetNext(pos))
            list.SetAt(pos, line++);
    });
    BenchHarness::Consume(&list);
    return t / n;
}

} // namespace

int main()
{
    int over = 0;

    double small = BenchHarness::Report("spline Initialize, 100,000 points", InitializeSeconds(100000) * 1e9, "ns/point");
    double large = BenchHarness::Report("spline Initialize, 1,000,000 points", InitializeSeconds(1000000) * 1e9, "ns/point");
    // Ten times the points at a constant cost per point; the larger arrays no longer fit the
    // core's own cache, which costs some, while a quadratic set-up would cost ten times as much.
    over += !BenchHarness::Ratio("  per point, 1,000,000 vs 100,000 (linear)", large / small, 4.0);

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

    double fewListeners = BenchHarness::Report("SendOutEvent, 1,000 listeners", SendSeconds(1000, 1000) * 1e9, "ns/listener");
    double manyListeners = BenchHarness::Report("SendOutEvent, 10,000 listeners", SendSeconds(10000, 100) * 1e9, "ns/listener");
    over += !BenchHarness::Ratio("  per listener, 10,000 vs 1,000 (linear)", manyListeners / fewListeners, 2.0);

    double fewLines = BenchHarness::Report("HitWithShift, 100,000 lines", ShiftSeconds(100000) * 1e9, "ns/line");
    double manyLines = BenchHarness::Report("HitWithShift, 1,000,000 lines", ShiftSeconds(1000000) * 1e9, "ns/line");
    double pass = BenchHarness::Report("one pass over a list of 1,000,000 lines", ListPassSeconds(1000000) * 1e9, "ns/line");
    // A million entries no longer fit the core's own cache, which alone makes each one several
    // times dearer; a quadratic range would cost ten times as much on top of that. Beside one
    // plain pass over as long a list it costs a small factor, where a quadratic range would
    // cost as much as thousands of passes.
    over += !BenchHarness::Ratio("  per line, 1,000,000 vs 100,000 (linear)", manyLines / fewLines, 6.0);
    over += !BenchHarness::Ratio("  per line, HitWithShift vs one pass, 1,000,000", manyLines / pass, 4.0);

    return over;
}
