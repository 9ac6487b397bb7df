// Any bytes at all: textValue reads no further than the text, and its value
// is a number or an infinity, never NaN. Where the standard library reads a
// value from the same digits, it is the same value to the bit.
#include "conversions/TextValue.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// The standard library's value of the number after the blanks and the sign,
// or nothing where it reads none or finds it out of range.
bool standardValue(std::string_view text, double& value)
{
    const auto start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return false;
    text.remove_prefix(start);
    const bool negative = text.front() == '-';
    if (negative || text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || !(text.front() == '.' || (text.front() >= '0' && text.front() <= '9')))
        return false;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (read.ec != std::errc{})
        return false;
    value = negative ? -value : value;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // libFuzzer's buffer is exactly `size` bytes, so ASan sees any read past it.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = conversions::textValue(text);
    if (std::isnan(value))
        std::abort();
    double expected = 0;
    if (standardValue(text, expected) && std::memcmp(&value, &expected, sizeof value) != 0)
        std::abort();
    return 0;
}
