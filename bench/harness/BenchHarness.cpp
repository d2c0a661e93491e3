// The benchmarks' measuring kit.
#include "harness/BenchHarness.h"

#include <algorithm>
#include <cstdio>
#include <vector>

double BenchHarness::Median(int runs, const std::function<void()>& body)
{
    body();
    std::vector<double> times;
    for (int i = 0; i < runs; i++) {
        auto start = std::chrono::steady_clock::now();
        body();
        auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double BenchHarness::Report(const char* name, double value, const char* unit)
{
    printf("%-48s %12.3f %s\n", name, value, unit);
    fflush(stdout);
    return value;
}

bool BenchHarness::Ratio(const char* name, double ratio, double limit)
{
    bool ok = ratio <= limit;
    printf("%-48s %12.2f   (limit %.2f) %s\n", name, ratio, limit, ok ? "ok" : "OVER");
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
