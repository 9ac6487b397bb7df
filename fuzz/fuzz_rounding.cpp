// A double from the bytes, rounded in whichever rounding mode the next byte
// picks: empty exactly when it is NaN, infinite or out of range, otherwise the
// nearest integer with halves to even, as std::nearbyint gives it in the
// default mode. Compiled with -frounding-math, so that the mode changes stay
// where they are written.
#include "conversions/Rounding.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

namespace {

template <typename Integer>
void check(std::optional<Integer> result, double value)
{
    const double nearest = std::nearbyint(value);
    const bool fits = std::isfinite(value)
            && nearest >= static_cast<double>(std::numeric_limits<Integer>::min())
            && nearest <= static_cast<double>(std::numeric_limits<Integer>::max());
    if (result.has_value() != fits)
        std::abort();
    if (!result)
        return;
    const double off = std::fabs(static_cast<double>(*result) - value);
    if (static_cast<double>(*result) != nearest || off > 0.5 || (off == 0.5 && *result % 2 != 0))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double value = 0;
    std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
    static const int modes[] = {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO};
    const int mode = modes[size > sizeof value ? data[sizeof value] % 4 : 0];

    std::fesetround(mode);
    const auto to32 = conversions::roundToInt32(value);
    const auto to16 = conversions::roundToInt16(value);
    std::fesetround(FE_TONEAREST);

    check(to32, value);
    check(to16, value);
    return 0;
}
