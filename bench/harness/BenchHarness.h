// BenchHarness.h: the benchmarks' measuring kit: sides of a comparison timed in turns, round
// after round, so that a moment of load on the machine falls on every side alike; the minimum
// and median of each side, the ratios of minima and of medians with the spread of the rounds'
// own ratios, and one line of output per figure.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

// One side of a comparison: the timed body, the work it does in one run (its times are given
// per unit of that work), and what must happen before each run without being timed.
struct BenchSide
{
    BenchSide(std::string name, std::function<void()> body, double units = 1, std::function<void()> prepare = {})
        : name(std::move(name)), body(std::move(body)), units(units), prepare(std::move(prepare))
    {
    }

    std::string name;
    std::function<void()> body;
    double units;
    std::function<void()> prepare;
};

// The times of one side, per unit of work, in the order of the rounds.
struct BenchTimes
{
    std::vector<double> seconds;

    double Min() const;
    double Median() const;
    double Max() const;
    // Mean over every run, for work whose rare dear runs are part of its cost.
    double Mean() const;
};

class BenchHarness
{
public:
    // Runs the sides in turns, A B A B ..., `warmups` rounds untimed, then `rounds` timed
    // rounds, and prints each side's minimum, median and maximum multiplied by `scale`, in `unit`.
    static std::vector<BenchTimes> Compare(const std::vector<BenchSide>& sides, int rounds, double scale,
                                           const char* unit, int warmups = 1);

    // Prints the ratio of a to b: of minima, of medians, and the lowest and highest of the
    // rounds' own ratios. The ratio of minima, least touched by other work on the machine, is
    // held to `limit`; returns whether it keeps it. A limit of 0 prints for information only.
    static bool Ratio(const char* name, const BenchTimes& a, const BenchTimes& b, double limit);

    // Prints "name: value unit" and returns value.
    static double Report(const char* name, double value, const char* unit);
    // Prints "name: value (limit L) ok|OVER" and returns whether the value is within the limit.
    static bool Limit(const char* name, double value, double limit);

    // Keeps the optimiser from dropping a computed value.
    static void Consume(const void* p);
    static void Consume(double v);
};
