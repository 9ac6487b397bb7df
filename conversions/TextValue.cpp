#include "conversions/TextValue.h"

#include <cstdlib>
#include <string>

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

// The C library reads the digits, correctly rounded, as a whole number times
// a power of ten: a text with no decimal point, which no locale reads
// otherwise. A number too large for a double reads as an infinity, one too
// small to be told from zero as zero.
double unsignedNumberValue(std::string_view number)
{
    const std::size_t point = number.find('.');
    std::string digits(number.substr(0, point));
    std::size_t fractionDigits = 0;
    if (point != std::string_view::npos) {
        fractionDigits = number.size() - point - 1;
        digits += number.substr(point + 1);
    }
    const std::string scaled = digits + "e-" + std::to_string(fractionDigits);
    return std::strtod(scaled.c_str(), nullptr);
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
