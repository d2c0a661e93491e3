// BenchHarness.h: the benchmarks' measuring kit: sides of a comparison timed in turns, round
// after round, so that a moment of load on the machine falls on every side alike; the minimum,
// median and maximum of each side, the ratios of minima and of medians and the spread of the
// rounds' own ratios, and one line of output per figure.
#pragma once

#include "harness/BenchSide.h"
#include "harness/BenchTimes.h"

#include <functional>
#include <vector>

class BenchHarness
{
public:
    // Runs the sides in turns, A B A B ..., `warmups` rounds untimed, then `rounds` timed
    // rounds, and prints each side's minimum, median and maximum multiplied by `scale`, in `unit`.
    static std::vector<BenchTimes> Compare(const std::vector<BenchSide>& sides, int rounds, double scale,
                                           const char* unit, int warmups = 1);

    // Prints the ratio of a to b: of minima, of medians, and the median, lowest and highest of
    // the rounds' own ratios. The rounds' median is held to `limit`: each round's two sides met
    // the same load, while on a busy machine a long side may never get a quiet run for its
    // minimum. Returns whether it keeps the limit; a limit of 0 prints for information only.
    static bool Ratio(const char* name, const BenchTimes& a, const BenchTimes& b, double limit);

    // Prints "name: value unit" and returns value.
    static double Report(const char* name, double value, const char* unit);
    // Prints "name: value (limit L) ok|OVER" and returns whether the value is within the limit.
    static bool Limit(const char* name, double value, double limit);

    // Keeps the optimiser from dropping a computed value.
    static void Consume(const void* p);
    static void Consume(double v);
};
