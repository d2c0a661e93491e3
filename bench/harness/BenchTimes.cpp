// The times of one side of a comparison.
#include "harness/BenchTimes.h"

#include <algorithm>
#include <numeric>

double BenchTimes::Min() const
{
    return *std::min_element(seconds.begin(), seconds.end());
}

double BenchTimes::Median() const
{
    std::vector<double> sorted(seconds);
    std::sort(sorted.begin(), sorted.end());
    size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

double BenchTimes::Max() const
{
    return *std::max_element(seconds.begin(), seconds.end());
}

double BenchTimes::Mean() const
{
    return std::accumulate(seconds.begin(), seconds.end(), 0.0) / seconds.size();
}
