#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace conversions {

// The platform's default conversion of numbers to the texts shown to the user:
// the shortest text that gives the value back within the type's precision
// (15 significant digits for a double, 7 for a float), otherwise the value
// rounded to that precision. Negative numbers start with "-", there is no
// leading blank and no digit grouping, and a whole value has no decimal part.
//
// Numbers whose decimal exponent lies from -4 up to one below the precision
// are written positionally ("0.0001", "123456789012345"). Beyond that a
// positional text would show invented zeros or a long run of leading zeros,
// so the mantissa is written with an exponent of at least two digits instead
// ("1E+15", "1E-05", "1.5E-07").
//
// The decimal separator comes from the caller, who takes it from the user's
// locale; the C library's locale plays no part. NaN and infinities give
// "NaN", "Inf" and "-Inf".
std::string doubleToText(double value, std::string_view decimalSeparator);
std::string singleToText(float value, std::string_view decimalSeparator);

std::string int32ToText(std::int32_t value);

} // namespace conversions
