#include "conversions/NumberText.h"
#include "conversions/Rounding.h"
#include "conversions/TextValue.h"

#include <doctest/doctest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {
constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

std::string replaced(std::string text, const std::string& separator)
{
    for (std::size_t at = text.find('.'); at != std::string::npos; at = text.find('.', at + separator.size()))
        text.replace(at, 1, separator);
    return text;
}
} // namespace

TEST_SUITE("conversions")
{

// The caller's separator, of one byte or several, replaces every point.
TEST_CASE("numbers are written as the shortest text that gives them back")
{
    struct Case {
        const char* name;
        double value;
        bool single;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"0.1 + 0.2", 0.1 + 0.2, false, "0.3"},
        {"one third", 1.0 / 3.0, false, "0.333333333333333"},
        {"two thirds", -2.0 / 3.0, false, "-0.666666666666667"},
        {"fifteen digits with a fraction", 12345678901234.5, false, "12345678901234.5"},
        // Where the positional form ends, on both sides.
        {"1E+14 positional, no grouping", 1e14, false, "100000000000000"},
        {"1E+15", 1e15, false, "1E+15"},
        {"rounding carries into the exponent form", 999999999999999.5, false, "1E+15"},
        {"mantissa with a fraction", 1.25e20, false, "1.25E+20"},
        {"largest double", std::numeric_limits<double>::max(), false, "1.79769313486232E+308"},
        {"smallest positional exponent", -0.00012, false, "-0.00012"},
        {"1E-05", 0.00001, false, "1E-05"},
        {"negative exponent form", -9.75e-12, false, "-9.75E-12"},
        {"smallest subnormal", std::numeric_limits<double>::denorm_min(), false, "5E-324"},
        {"negative zero", -0.0, false, "0"},
        {"NaN", NaN, false, "NaN"},
        {"negative infinity", -Infinity, false, "-Inf"},
        // A float's own precision, not that of the double it widens to.
        {"single 0.1", double(0.1f), true, "0.1"},
        {"single two thirds", double(-2.0f / 3.0f), true, "-0.6666667"},
        {"eight digits needed, seven given", double(1.0000001f), true, "1"},
        {"shortest that gives the float back", double(8.5904e9f), true, "8.5904E+09"},
        {"largest positional single", double(1234567.0f), true, "1234567"},
        {"2^24", double(16777216.0f), true, "1.677722E+07"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        for (const std::string separator : {".", ",", "\xd9\xab"}) {
            const std::string text = c.single ? conversions::singleToText(float(c.value), separator)
                                              : conversions::doubleToText(c.value, separator);
            CHECK(text == replaced(c.expected, separator));
        }
    }
    CHECK(conversions::int32ToText(INT32_MAX) == "2147483647");
    CHECK(conversions::int32ToText(INT32_MIN) == "-2147483648");
}

TEST_CASE("a text's value is that of the number it starts with")
{
    const std::string nines(400, '9');
    const std::string zeros(400, '0');
    struct Case {
        std::string text;
        double value;
    };
    const std::vector<Case> cases{
        {"6.975", 6.975},
        {"5.", 5.0},
        {"\t +8.95", 8.95},
        {"  -.25", -0.25},
        {"3,5", 3.0},
        {"1.2.3", 1.2},
        {"1E+15", 1.0},
        {"", 0.0},
        {" \t ", 0.0},
        {"- 5", 0.0},
        {"+-5", 0.0},
        {"\n5", 0.0},
        {nines, Infinity},
        {"-" + nines, -Infinity},
        {zeros + "1.5", 1.5},
        {"0." + zeros + "1", 0.0},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.text.substr(0, 40));
        CHECK(conversions::textValue(c.text) == c.value);
    }
}

// Every row is rounded under each floating-point rounding mode; the mode is
// restored before comparing, so that a failure leaves it as it was.
// WebAssembly has one rounding mode, to nearest, and fesetround changes
// nothing there: the other modes would be tested in name only, so there the
// rows are rounded under that one mode.
TEST_CASE("rounding goes to the nearest integer, halves to even, and never wraps")
{
#ifdef __wasm__
    const std::vector<int> modes{FE_TONEAREST};
    MESSAGE("WebAssembly rounds to nearest only: the other rounding modes are skipped");
#else
    const std::vector<int> modes{FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO};
#endif
    constexpr std::int64_t None = std::numeric_limits<std::int64_t>::min();
    struct Case {
        double value;
        std::int64_t to32;
        std::int64_t to16;
    };
    const std::vector<Case> cases{
        {1.5, 2, 2},
        {2.5, 2, 2},
        {-1.5, -2, -2},
        {-2.5, -2, -2},
        {0.49999999999999994, 0, 0},
        {-0.49999999999999994, 0, 0},
        {0.5000000000000001, 1, 1},
        {32767.5, 32768, None},
        {-32768.5, -32768, -32768},
        {-32768.6, -32769, None},
        {2147483647.4, 2147483647, None},
        {2147483647.5, None, None},
        {-2147483648.5, -2147483648LL, None},
        {NaN, None, None},
        {-Infinity, None, None},
    };
    const auto widened = [](auto result) { return result ? std::int64_t{*result} : None; };
    const int savedMode = std::fegetround();
    for (const Case& c : cases) {
        CAPTURE(c.value);
        for (const int mode : modes) {
            REQUIRE(std::fesetround(mode) == 0);
            const std::int64_t actual32 = widened(conversions::roundToInt32(c.value));
            const std::int64_t actual16 = widened(conversions::roundToInt16(c.value));
            std::fesetround(savedMode);
            CHECK(actual32 == c.to32);
            CHECK(actual16 == c.to16);
        }
    }
}

// Multiples of 1/20 (whole and half-pixel presses) must come back exactly.
// Sevenths need more than 15 digits: theirs must come back as a value that
// is written the same way and differs only beyond the 15th digit. Heights
// above the bottom edge on any board, narrowed to float, come back exactly.
TEST_CASE("texts written for the lists read back")
{
    for (int k = -3000; k <= 3000; ++k) {
        const std::string twentieths = conversions::doubleToText(k / 20.0, ".");
        REQUIRE_MESSAGE(conversions::textValue(twentieths) == k / 20.0, twentieths);
        const std::string sevenths = conversions::doubleToText(k / 7.0, ".");
        const double readBack = conversions::textValue(sevenths);
        REQUIRE_MESSAGE(conversions::doubleToText(readBack, ".") == sevenths, sevenths);
        REQUIRE_MESSAGE(std::abs(readBack - k / 7.0) <= std::abs(k / 7.0) * 1e-14, sevenths);
    }
    for (const float boardHeight : {229.0f, 343.0f, 1000.0f}) {
        for (float y = -20.0f; y <= boardHeight + 20.0f; y += 0.5f) {
            const float value = (boardHeight - y) / 20.0f;
            const std::string text = conversions::singleToText(value, ".");
            REQUIRE_MESSAGE(static_cast<float>(conversions::textValue(text)) == value, text);
        }
    }
}

} // TEST_SUITE
