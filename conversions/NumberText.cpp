#include "conversions/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace conversions {

namespace {

constexpr int DoubleDigits = 15;
constexpr int SingleDigits = 7;
constexpr int SmallestPositionalExponent = -4;

// A finite, non-zero magnitude as d.ddd × 10^exponent.
struct DecimalDigits
{
    std::string digits;
    int exponent = 0;
};

// The magnitude correctly rounded to a number of significant digits, as the
// C library writes it in scientific format: "d.ddde+XX" or "de-XX".
std::string scientificText(double magnitude, int significantDigits)
{
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, magnitude);
    return std::string(buffer, static_cast<std::size_t>(length));
}

// Reads the digits and the exponent of a scientific text. The decimal point
// between the digits is the C library's locale's, and plays no part.
DecimalDigits parseScientific(std::string_view text)
{
    DecimalDigits result;
    const auto exponentMark = text.find('e');
    for (const char c : text.substr(0, exponentMark)) {
        if (c >= '0' && c <= '9')
            result.digits += c;
    }
    auto exponentText = text.substr(exponentMark + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(),
                    result.exponent);
    return result;
}

float readDecimal(const std::string& text, float)
{
    return std::strtof(text.c_str(), nullptr);
}

double readDecimal(const std::string& text, double)
{
    return std::strtod(text.c_str(), nullptr);
}

// Whether the digits read back as exactly the magnitude. The C library reads
// them, correctly rounded to the type, as a whole number times a power of
// ten: a text with no decimal point, which no locale reads otherwise.
template <typename Float>
bool readsBack(const DecimalDigits& number, Float magnitude)
{
    const int scale = number.exponent + 1 - static_cast<int>(number.digits.size());
    return readDecimal(number.digits + "e" + int32ToText(scale), magnitude) == magnitude;
}

// The shortest digits that give the value back, or, when that needs more than
// maxDigits, the value correctly rounded to maxDigits significant digits. Of
// the texts with the fewest digits that give it back, the value correctly
// rounded to that many digits is the nearest.
template <typename Float>
DecimalDigits significantDigits(Float magnitude, int maxDigits)
{
    DecimalDigits result;
    for (int count = 1; count <= maxDigits; ++count) {
        result = parseScientific(scientificText(magnitude, count));
        if (readsBack(result, magnitude))
            break;
    }
    result.digits.erase(result.digits.find_last_not_of('0') + 1);
    return result;
}

std::string positionalText(const DecimalDigits& number, std::string_view decimalSeparator)
{
    const int digitCount = static_cast<int>(number.digits.size());
    if (number.exponent < 0) {
        std::string text = "0";
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-number.exponent - 1), '0');
        return text + number.digits;
    }
    const int integerDigits = number.exponent + 1;
    if (digitCount <= integerDigits)
        return number.digits + std::string(static_cast<std::size_t>(integerDigits - digitCount), '0');
    std::string text = number.digits.substr(0, static_cast<std::size_t>(integerDigits));
    text += decimalSeparator;
    return text + number.digits.substr(static_cast<std::size_t>(integerDigits));
}

std::string exponentText(const DecimalDigits& number, std::string_view decimalSeparator)
{
    std::string text = number.digits.substr(0, 1);
    if (number.digits.size() > 1) {
        text += decimalSeparator;
        text += number.digits.substr(1);
    }
    text += number.exponent < 0 ? "E-" : "E+";
    const std::string exponentDigits = int32ToText(std::abs(number.exponent));
    if (exponentDigits.size() < 2)
        text += '0';
    return text + exponentDigits;
}

template <typename Float>
std::string floatingToText(Float value, int maxDigits, std::string_view decimalSeparator)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : "Inf";
    if (value == 0)
        return "0";

    const DecimalDigits number = significantDigits(std::fabs(value), maxDigits);
    const bool positional = number.exponent >= SmallestPositionalExponent
            && number.exponent < maxDigits;
    const std::string sign = value < 0 ? "-" : "";
    return sign + (positional ? positionalText(number, decimalSeparator)
                              : exponentText(number, decimalSeparator));
}

} // namespace

std::string doubleToText(double value, std::string_view decimalSeparator)
{
    return floatingToText(value, DoubleDigits, decimalSeparator);
}

std::string singleToText(float value, std::string_view decimalSeparator)
{
    return floatingToText(value, SingleDigits, decimalSeparator);
}

std::string int32ToText(std::int32_t value)
{
    char buffer[16];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

} // namespace conversions
