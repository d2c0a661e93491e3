// Core services: spline set-up and evaluation, event delivery and Shift-click selection, each
// measured at two sizes timed in turns, so that the ratio shows how the cost grows.
#include "harness/BenchHarness.h"

#include "core/KwEvent.h"
#include "core/KwEventListener.h"
#include "core/KwEventSource.h"
#include "core/KwLineSelection.h"
#include "core/KwList.h"
#include "core/KwSpline.h"

#include <cmath>
#include <cstdint>
#include <deque>
#include <vector>

namespace {

const int kRounds = 7;

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

// Initialize over n points, per point. Each run takes fresh arrays, prepared untimed, and its
// spline lives on until the end, so that freeing is not counted.
struct InitializeRuns
{
    explicit InitializeRuns(UINT n) : n(n) {}

    UINT n;
    std::deque<CKwSpline> splines;
    double *x = nullptr, *y = nullptr;

    BenchSide Side(const char* name)
    {
        return {name, [this] { splines.back().Initialize(n, x, y); }, (double)n, [this] {
                    splines.emplace_back();
                    Samples(n, x, y);
                }};
    }
};

// Interpolate at `calls` random x in [0, range), per call.
BenchSide InterpolateSide(const char* name, CKwSpline& spline, double range, int calls)
{
    return {name,
            [&spline, range, calls] {
                Uniform random;
                double sum = 0;
                for (int i = 0; i < calls; i++)
                    sum += spline.Interpolate(random.Next() * range);
                BenchHarness::Consume(sum);
            },
            (double)calls};
}

// A spline over n samples.
void MakeSpline(CKwSpline& spline, UINT n)
{
    double *x, *y;
    Samples(n, x, y);
    spline.Initialize(n, x, y);
}

struct CountingListener : CKwEventListener
{
    long count = 0;
    void OnEvent(CKwEventSource*, CKwEvent*) override { count++; }
};

// n listeners subscribed to one source.
struct Audience
{
    explicit Audience(int n) : listeners(n)
    {
        for (CountingListener& l : listeners)
            source.Subscribe(&l);
    }
    std::vector<CountingListener> listeners;
    CKwEventSource source;
};

// SendOutEvent, per listener.
BenchSide SendSide(const char* name, Audience& audience, int events)
{
    return {name,
            [&audience, events] {
                for (int i = 0; i < events; i++)
                    audience.source.SendOutEvent(new CKwEvent);
                BenchHarness::Consume(&audience.listeners[0].count);
            },
            (double)audience.listeners.size() * events};
}

// A Shift click from line 0 to line n - 1, per selected line. The warm-up round builds the
// range; the measured runs select it again, as a user Shift-clicking the same far line.
BenchSide ShiftSide(const char* name, CKwLineSelection& selection, UINT n)
{
    selection.HitWithNothing(0);
    return {name, [&selection, n] { selection.HitWithShift(n - 1); }, (double)n};
}

// One pass writing every entry of a list of lines, per entry: the least any selection of as
// many lines can cost.
BenchSide ListPassSide(const char* name, CKwList<UINT, UINT>& list)
{
    return {name,
            [&list] {
                UINT line = 0;
                for (POSITION pos = list.GetHeadPosition(); pos; list.GetNext(pos))
                    list.SetAt(pos, line++);
                BenchHarness::Consume(&list);
            },
            (double)list.GetCount()};
}

} // namespace

int main()
{
    int over = 0;

    {
        InitializeRuns small(100000), large(1000000);
        std::vector<BenchTimes> t = BenchHarness::Compare(
            {small.Side("spline Initialize, 100,000 points"), large.Side("spline Initialize, 1,000,000 points")},
            kRounds, 1e9, "ns/point");
        // Ten times the points at a constant cost per point; the larger arrays no longer fit the
        // core's own cache, which costs some, while a quadratic set-up would cost ten times as much.
        over += !BenchHarness::Ratio("  per point, 1,000,000 vs 100,000 (linear)", t[1], t[0], 4.0);
    }
    {
        CKwSpline few, many;
        MakeSpline(few, 1000);
        MakeSpline(many, 1000000);
        // Over the whole of a large table most calls wait for memory; x drawn from the first
        // thousand samples keeps the table's touched part in the caches and shows the search alone.
        std::vector<BenchTimes> t = BenchHarness::Compare(
            {InterpolateSide("spline Interpolate, 1,000 points", few, 1000, 2000000),
             InterpolateSide("spline Interpolate, 1,000,000 points, x in the first 1,000", many, 1000, 2000000),
             InterpolateSide("spline Interpolate, 1,000,000 points, random x", many, 1000000, 2000000)},
            kRounds, 1e9, "ns/call");
        double logRatio = std::log(1000000.0) / std::log(1000.0);
        BenchHarness::Report("  log(1,000,000) / log(1,000)", logRatio, "");
        over += !BenchHarness::Ratio("  per call, 1,000,000 vs 1,000 points (logarithmic)", t[1], t[0], 1.5 * logRatio);
    }
    {
        Audience few(1000), many(10000);
        std::vector<BenchTimes> t = BenchHarness::Compare(
            {SendSide("SendOutEvent, 1,000 listeners", few, 1000), SendSide("SendOutEvent, 10,000 listeners", many, 100)},
            kRounds, 1e9, "ns/listener");
        over += !BenchHarness::Ratio("  per listener, 10,000 vs 1,000 (linear)", t[1], t[0], 2.0);
    }
    {
        CKwLineSelection fewLines, manyLines;
        CKwList<UINT, UINT> list;
        for (UINT i = 0; i < 1000000; i++)
            list.AddTail(i);
        std::vector<BenchTimes> t = BenchHarness::Compare(
            {ShiftSide("HitWithShift, 100,000 lines", fewLines, 100000),
             ShiftSide("HitWithShift, 1,000,000 lines", manyLines, 1000000),
             ListPassSide("one pass over a list of 1,000,000 lines", list)},
            kRounds, 1e9, "ns/line");
        // A million entries no longer fit the core's own cache, which alone makes each one several
        // times dearer; a quadratic range would cost ten times as much on top of that. Beside one
        // plain pass over as long a list it costs a small factor, where a quadratic range would
        // cost as much as thousands of passes.
        over += !BenchHarness::Ratio("  per line, 1,000,000 vs 100,000 (linear)", t[1], t[0], 6.0);
        over += !BenchHarness::Ratio("  per line, HitWithShift vs one pass, 1,000,000", t[1], t[2], 4.0);
    }
    return over;
}
