// BenchSide.h: one side of a benchmark's comparison: what is timed, and what is prepared untimed.
#pragma once

#include <functional>
#include <string>
#include <utility>

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
