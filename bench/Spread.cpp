#include "bench/Spread.h"

#include <algorithm>

Spread spreadOf(std::vector<double> values)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const auto at = [&](double fraction) {
        return values[std::size_t(fraction * double(values.size() - 1) + 0.5)];
    };
    return {at(0.5), at(0.25), at(0.75), values.front(), values.back()};
}
