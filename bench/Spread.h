#pragma once

#include <vector>

// Where the runs of one figure lie: noisy machines call for the median and
// the quartiles rather than the mean.
struct Spread {
    double median;
    double lowerQuartile;
    double upperQuartile;
    double min;
    double max;
};

Spread spreadOf(std::vector<double> values);
