#include "conversions/TextValue.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace conversions {

namespace {

std::size_t skipDigits(std::string_view text, std::size_t position)
{
    while (position < text.size() && text[position] >= '0' && text[position] <= '9')
        ++position;
    return position;
}

// Where the digits with an optional decimal point that start at `start` end;
// `start` itself when there is no digit, so that a lone "." is no number.
std::size_t unsignedNumberEnd(std::string_view text, std::size_t start)
{
    const std::size_t integerEnd = skipDigits(text, start);
    if (integerEnd == text.size() || text[integerEnd] != '.')
        return integerEnd;
    const std::size_t fractionEnd = skipDigits(text, integerEnd + 1);
    const bool hasDigits = integerEnd > start || fractionEnd > integerEnd + 1;
    return hasDigits ? fractionEnd : start;
}

// std::from_chars reports a number it cannot hold as out of range without
// giving a value. A non-zero digit before the point means the number is too
// large; otherwise it is too small to be told from zero.
double unsignedNumberValue(std::string_view number)
{
    double value = 0.0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::fixed);
    if (parsed.ec != std::errc::result_out_of_range)
        return value;
    const std::string_view integerDigits = number.substr(0, number.find('.'));
    const bool tooLarge = integerDigits.find_first_not_of('0') != std::string_view::npos;
    return tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

double textValue(std::string_view text)
{
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return 0.0;
    const bool negative = text[start] == '-';
    if (negative || text[start] == '+')
        ++start;

    const std::size_t end = unsignedNumberEnd(text, start);
    if (end == start)
        return 0.0;
    const double magnitude = unsignedNumberValue(text.substr(start, end - start));
    return negative ? -magnitude : magnitude;
}

} // namespace conversions
