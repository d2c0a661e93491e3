// The benchmarks' measuring kit.
#include "harness/BenchHarness.h"

#include <chrono>
#include <cstdio>

namespace {

// Seconds of one run of a side, its preparation not counted.
double TimeOnce(const BenchSide& side)
{
    if (side.prepare)
        side.prepare();
    auto start = std::chrono::steady_clock::now();
    side.body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

std::vector<BenchTimes> BenchHarness::Compare(const std::vector<BenchSide>& sides, int rounds, double scale,
                                              const char* unit, int warmups)
{
    for (int i = 0; i < warmups; i++)
        for (const BenchSide& side : sides)
            TimeOnce(side);
    std::vector<BenchTimes> times(sides.size());
    for (int i = 0; i < rounds; i++)
        for (size_t s = 0; s < sides.size(); s++)
            times[s].seconds.push_back(TimeOnce(sides[s]) / sides[s].units);
    printf("%-56s %10s %10s %10s  (%s, %d rounds)\n", "", "min", "median", "max", unit, rounds);
    for (size_t s = 0; s < sides.size(); s++)
        printf("%-56s %10.3f %10.3f %10.3f\n", sides[s].name.c_str(), times[s].Min() * scale,
               times[s].Median() * scale, times[s].Max() * scale);
    fflush(stdout);
    return times;
}

bool BenchHarness::Ratio(const char* name, const BenchTimes& a, const BenchTimes& b, double limit)
{
    // Each round's ratio: both sides ran within moments of each other, under the same load.
    BenchTimes rounds;
    for (size_t i = 0; i < a.seconds.size() && i < b.seconds.size(); i++)
        rounds.seconds.push_back(a.seconds[i] / b.seconds[i]);
    double ratio = rounds.Median();
    bool ok = limit <= 0 || ratio <= limit;
    printf("%-56s %10.2f %10.2f   rounds %.2f (%.2f to %.2f)", name, a.Min() / b.Min(), a.Median() / b.Median(),
           ratio, rounds.Min(), rounds.Max());
    if (limit > 0)
        printf("   (limit %.2f) %s", limit, ok ? "ok" : "OVER");
    printf("\n");
    fflush(stdout);
    return ok;
}

double BenchHarness::Report(const char* name, double value, const char* unit)
{
    printf("%-56s %10.3f %s\n", name, value, unit);
    fflush(stdout);
    return value;
}

bool BenchHarness::Limit(const char* name, double value, double limit)
{
    bool ok = value <= limit;
    printf("%-56s %10.2f   (limit %.2f) %s\n", name, value, limit, ok ? "ok" : "OVER");
    fflush(stdout);
    return ok;
}

static volatile const void* g_sinkPointer;
static volatile double g_sinkValue;

void BenchHarness::Consume(const void* p)
{
    g_sinkPointer = p;
}

void BenchHarness::Consume(double v)
{
    g_sinkValue = v;
}
