#pragma once

#include <string_view>

namespace conversions {

// The numeric value of the decimal number a text starts with: optional blanks
// (spaces and tabs), an optional "+" or "-", then digits with an optional "."
// as decimal point (".5" and "5." both count). Whatever follows the number is
// ignored, so "12abc" gives 12 and "3,5" gives 3: the point is the only
// decimal separator, whatever the user's locale. A text that does not start
// with a number gives 0. A number beyond the range of a double gives an
// infinity of its sign, left for the caller to reject when it needs a finite
// value.
double textValue(std::string_view text);

} // namespace conversions
