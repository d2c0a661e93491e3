// BenchTimes.h: the times one side of a comparison took, round by round, and their minimum,
// median, maximum and mean.
#pragma once

#include <vector>

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
