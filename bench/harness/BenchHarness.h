// BenchHarness.h: the benchmarks' measuring kit: median of several runs, ratios against a
// reference measured in the same run, and one line of output per figure.
#pragma once

#include <chrono>
#include <functional>

class BenchHarness
{
public:
    // Runs `body` `runs` times (after one warm-up run) and returns the median in seconds.
    static double Median(int runs, const std::function<void()>& body);

    // Prints "name: value unit" and returns value, so figures can be combined into ratios.
    static double Report(const char* name, double value, const char* unit);

    // Prints "name: ratio (limit L) ok|OVER" and returns whether the ratio is within the limit.
    static bool Ratio(const char* name, double ratio, double limit);

    // Keeps the optimiser from dropping a computed value.
    static void Consume(const void* p);
    static void Consume(double v);
};
