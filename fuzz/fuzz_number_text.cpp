// A double, a float and an int32 taken from the bytes are written as texts
// with "." as separator and read back: within 15 (double) or 7 (float)
// significant digits, exactly for whole values and for integers. Their digits
// are those of the standard library's shortest text that reads back, or, when
// that has too many, of its text correctly rounded to 15 or 7 digits.
#include "conversions/NumberText.h"
#include "conversions/TextValue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace {

[[noreturn]] void fail(const char* what, const std::string& text)
{
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

std::size_t countDigits(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += c >= '0' && c <= '9';
    return count;
}

// The documented form: "-" only as a sign, digits without superfluous zeros,
// at most `maxDigits` significant ones, a positional text only for decimal
// exponents from -4 to maxDigits - 1, otherwise d[.ddd]E±XX.
bool wellFormed(std::string_view text, std::size_t maxDigits)
{
    if (text == "0")
        return true;
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const auto mark = text.find('E');
    const std::string_view number = text.substr(0, mark);
    const auto point = number.find('.');
    const std::string_view integer = number.substr(0, point);
    if (integer.empty() || countDigits(number) != number.size() - (point != number.npos))
        return false;
    if (integer.size() > 1 && integer.front() == '0')
        return false;
    if (point != number.npos && (point + 1 == number.size() || number.back() == '0'))
        return false;
    const std::size_t leadingZeros = number.find_first_not_of("0.");
    if (leadingZeros == number.npos || countDigits(number.substr(leadingZeros)) > maxDigits)
        return false;
    if (mark == text.npos) // positional: no more than 3 zeros after "0.", no digit made up
        return integer != "0" ? integer.size() <= maxDigits : leadingZeros <= 5;
    const std::string_view exponent = text.substr(mark + 1);
    int value = 0;
    const char* first = exponent.data() + 1;
    const char* last = exponent.data() + exponent.size();
    if (exponent.size() < 3 || (exponent[0] != '+' && exponent[0] != '-')
        || countDigits(exponent) != exponent.size() - 1
        || std::from_chars(first, last, value).ptr != last)
        return false;
    value = exponent[0] == '-' ? -value : value;
    return integer.size() == 1 && integer != "0"
            && (value < -4 || value >= static_cast<int>(maxDigits));
}

// textValue reads the number; it stops at the "E", so the exponent after it
// scales the result, in long double so that nothing is lost on the way.
long double readBack(const std::string& text)
{
    const auto mark = text.find('E');
    long double value = conversions::textValue(std::string_view(text).substr(0, mark));
    if (mark != std::string::npos) {
        int exponent = 0;
        const char* first = text.data() + mark + 1 + (text[mark + 1] == '+');
        std::from_chars(first, text.data() + text.size(), exponent);
        value *= std::pow(10.0L, exponent);
    }
    return value;
}

// The significant digits of a decimal text, with or without an exponent
// ("e" or "E"), without leading or trailing zeros, and the decimal exponent of
// the first of them.
std::pair<std::string, int> significantDigits(std::string_view text)
{
    if (text.front() == '-')
        text.remove_prefix(1);
    const auto mark = text.find_first_of("eE");
    int exponent = 0;
    if (mark != std::string_view::npos) {
        const char* first = text.data() + mark + 1 + (text[mark + 1] == '+');
        std::from_chars(first, text.data() + text.size(), exponent);
    }
    const std::string_view number = text.substr(0, mark);
    const int integerDigits = static_cast<int>(std::min(number.find('.'), number.size()));
    std::string digits;
    for (const char c : number) {
        if (c != '.')
            digits += c;
    }
    const auto leadingZeros = digits.find_first_not_of('0');
    digits.erase(0, leadingZeros);
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits, exponent + integerDigits - 1 - static_cast<int>(leadingZeros)};
}

template <typename Float>
std::string standardText(Float value, std::size_t maxDigits)
{
    char buffer[64];
    auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    if (significantDigits(std::string_view(buffer, written.ptr - buffer)).first.size() > maxDigits)
        written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                static_cast<int>(maxDigits) - 1);
    return std::string(buffer, written.ptr);
}

template <typename Float>
void checkFloating(Float value, const std::string& text, std::size_t digits, long double tolerance)
{
    if (std::isnan(value)) {
        if (text != "NaN")
            fail("NaN", text);
        return;
    }
    if (std::isinf(value)) {
        if (text != (value < 0 ? "-Inf" : "Inf"))
            fail("infinity", text);
        return;
    }
    if (!wellFormed(text, digits))
        fail("malformed", text);
    if (value != 0 && significantDigits(text) != significantDigits(standardText(value, digits)))
        fail("not the standard library's digits", text + " for " + standardText(value, digits));
    if (std::trunc(value) == value && std::fabs(value) < std::pow(10.0L, digits)) {
        if (text.find_first_of(".E") != std::string::npos
            || conversions::textValue(text) != static_cast<double>(value))
            fail("whole value not exact", text);
        return;
    }
    const long double error = std::fabs(readBack(text) - value) / std::fabs(static_cast<long double>(value));
    if (error <= tolerance)
        return;
    // A subnormal has fewer significant digits than its type; its shortest
    // text gives it back only in that it reads back to the very same value.
    const bool readsBackExactly = sizeof(Float) == sizeof(double)
            ? std::strtod(text.c_str(), nullptr) == static_cast<double>(value)
            : std::strtof(text.c_str(), nullptr) == static_cast<float>(value);
    if (std::fpclassify(value) != FP_SUBNORMAL || !readsBackExactly)
        fail("value not given back", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    unsigned char bytes[sizeof(double) + sizeof(float) + sizeof(std::int32_t)] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
    double asDouble;
    float asFloat;
    std::int32_t asInt;
    std::memcpy(&asDouble, bytes, sizeof asDouble);
    std::memcpy(&asFloat, bytes + sizeof asDouble, sizeof asFloat);
    std::memcpy(&asInt, bytes + sizeof asDouble + sizeof asFloat, sizeof asInt);

    checkFloating(asDouble, conversions::doubleToText(asDouble, "."), 15, 1e-14L);
    checkFloating(asFloat, conversions::singleToText(asFloat, "."), 7, 1e-6L);

    const std::string intText = conversions::int32ToText(asInt);
    if (intText != std::to_string(asInt) || conversions::textValue(intText) != asInt)
        fail("int32", intText);
    return 0;
}
