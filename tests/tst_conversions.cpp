#include "controls/NumberText.h"
#include "controls/Rounding.h"
#include "controls/TextValue.h"

#include <QtTest>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

using namespace controls;

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

QByteArray bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

QByteArray exact(double value)
{
    return QByteArray::number(value, 'g', 17);
}

// Digits that carry information: no sign, no leading zeros, no separator,
// no exponent. Only meaningful for positional texts.
int significantDigitCount(const std::string &text)
{
    const auto first = text.find_first_of("123456789");
    if (first == std::string::npos)
        return 0;
    int count = 0;
    for (std::size_t i = first; i < text.size(); ++i)
        count += text[i] >= '0' && text[i] <= '9';
    return count;
}

} // namespace

// A value that has no integer of the target type is an empty optional in the
// rounding tables.
Q_DECLARE_METATYPE(std::optional<std::int32_t>)
Q_DECLARE_METATYPE(std::optional<std::int16_t>)

class TestConversions : public QObject
{
    Q_OBJECT

private slots:
    void doubleToText_data();
    void doubleToText();
    void singleToText_data();
    void singleToText();
    void int32ToText_data();
    void int32ToText();
    void textValue_data();
    void textValue();
    void roundToInt32_data();
    void roundToInt32();
    void roundToInt16_data();
    void roundToInt16();
    void roundingIgnoresFloatingPointMode();
    void listTextsReadBackAsTheirValues();
    void fractionsOfSevenReadBackWithinFifteenDigits();
    void boardHeightFractionsRoundTripThroughFloat();
};

void TestConversions::doubleToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<QByteArray>("expected");

    // Grid coordinates of snapped presses and the oriented area.
    QTest::newRow("x 140 / 20") << 140.0 / 20.0 << QByteArray(".") << QByteArray("7");
    QTest::newRow("y 60 / 20") << 60.0 / 20.0 << QByteArray(",") << QByteArray("3");
    QTest::newRow("fractional press 139.5 / 20")
            << 139.5 / 20.0 << QByteArray(".") << QByteArray("6.975");
    QTest::newRow("fractional press, comma")
            << 139.5 / 20.0 << QByteArray(",") << QByteArray("6,975");
    QTest::newRow("area 4 / 2") << 4.0 / 2.0 << QByteArray(",") << QByteArray("2");
    QTest::newRow("area 5 / 2") << 5.0 / 2.0 << QByteArray(".") << QByteArray("2.5");
    QTest::newRow("area 5 / 2, comma") << 5.0 / 2.0 << QByteArray(",") << QByteArray("2,5");
    QTest::newRow("half keeps its zero") << 0.5 << QByteArray(".") << QByteArray("0.5");
    QTest::newRow("half keeps its zero, comma") << 0.5 << QByteArray(",") << QByteArray("0,5");
    QTest::newRow("separator of several bytes")
            << 2.5 << QByteArray("\xd9\xab") << QByteArray("2\xd9\xab" "5");

    // Signs and zero.
    QTest::newRow("zero") << 0.0 << QByteArray(".") << QByteArray("0");
    QTest::newRow("negative zero") << -0.0 << QByteArray(".") << QByteArray("0");
    QTest::newRow("negative whole") << -7.0 << QByteArray(".") << QByteArray("-7");
    QTest::newRow("negative half") << -2.5 << QByteArray(",") << QByteArray("-2,5");
    QTest::newRow("negative small") << -0.00012 << QByteArray(".") << QByteArray("-0.00012");

    // Precision: the shortest text that gives the value back, at most 15 digits.
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << QByteArray(".") << QByteArray("0.3");
    QTest::newRow("one third") << 1.0 / 3.0 << QByteArray(".")
                               << QByteArray("0.333333333333333");
    QTest::newRow("two thirds") << -2.0 / 3.0 << QByteArray(",")
                                << QByteArray("-0,666666666666667");
    QTest::newRow("hundred sevenths") << 100.0 / 7.0 << QByteArray(".")
                                      << QByteArray("14.2857142857143");
    QTest::newRow("fifteen digits with a fraction")
            << 12345678901234.5 << QByteArray(".") << QByteArray("12345678901234.5");
    QTest::newRow("no grouping") << 1234567.0 << QByteArray(",") << QByteArray("1234567");

    // Where the positional form ends.
    QTest::newRow("largest positional exponent")
            << 123456789012345.0 << QByteArray(".") << QByteArray("123456789012345");
    QTest::newRow("1E+14 positional")
            << 1e14 << QByteArray(".") << QByteArray("100000000000000");
    QTest::newRow("1E+15") << 1e15 << QByteArray(".") << QByteArray("1E+15");
    QTest::newRow("-1E+15") << -1e15 << QByteArray(".") << QByteArray("-1E+15");
    QTest::newRow("rounding carries into the exponent form")
            << 999999999999999.5 << QByteArray(".") << QByteArray("1E+15");
    QTest::newRow("mantissa with comma")
            << 1.25e20 << QByteArray(",") << QByteArray("1,25E+20");
    QTest::newRow("three exponent digits") << 1e100 << QByteArray(".") << QByteArray("1E+100");
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << QByteArray(".")
                                    << QByteArray("1.79769313486232E+308");
    QTest::newRow("smallest positional exponent")
            << 0.0001 << QByteArray(".") << QByteArray("0.0001");
    QTest::newRow("smallest positional exponent, digits")
            << 0.00098765 << QByteArray(",") << QByteArray("0,00098765");
    QTest::newRow("1E-05") << 0.00001 << QByteArray(".") << QByteArray("1E-05");
    QTest::newRow("just below 1E-04") << 0.000099 << QByteArray(".") << QByteArray("9.9E-05");
    QTest::newRow("1.5E-07") << 1.5e-7 << QByteArray(".") << QByteArray("1.5E-07");
    QTest::newRow("1.5E-07, comma") << 1.5e-7 << QByteArray(",") << QByteArray("1,5E-07");
    QTest::newRow("negative exponent form") << -9.75e-12 << QByteArray(".")
                                            << QByteArray("-9.75E-12");
    QTest::newRow("smallest subnormal")
            << std::numeric_limits<double>::denorm_min() << QByteArray(".")
            << QByteArray("5E-324");

    // Never produced by the program, but must not crash.
    QTest::newRow("NaN") << NaN << QByteArray(".") << QByteArray("NaN");
    QTest::newRow("infinity") << Infinity << QByteArray(".") << QByteArray("Inf");
    QTest::newRow("negative infinity") << -Infinity << QByteArray(".") << QByteArray("-Inf");
}

void TestConversions::doubleToText()
{
    QFETCH(double, value);
    QFETCH(QByteArray, separator);
    QFETCH(QByteArray, expected);

    QCOMPARE(bytes(controls::doubleToText(value, separator.toStdString())), expected);
}

void TestConversions::singleToText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<QByteArray>("expected");

    // Heights above the bottom edge of a board 229 pixels high, in grid units.
    QTest::newRow("(229 - 57) / 20") << (229.0f - 57.0f) / 20.0f << QByteArray(".")
                                     << QByteArray("8.6");
    QTest::newRow("(229 - 50) / 20") << (229.0f - 50.0f) / 20.0f << QByteArray(".")
                                     << QByteArray("8.95");
    QTest::newRow("(229 - 3) / 20") << (229.0f - 3.0f) / 20.0f << QByteArray(".")
                                    << QByteArray("11.3");
    QTest::newRow("(229 - 62) / 20") << (229.0f - 62.0f) / 20.0f << QByteArray(".")
                                     << QByteArray("8.35");
    QTest::newRow("(229 - 57) / 20, comma") << (229.0f - 57.0f) / 20.0f << QByteArray(",")
                                            << QByteArray("8,6");
    QTest::newRow("(229 - 229) / 20") << (229.0f - 229.0f) / 20.0f << QByteArray(".")
                                      << QByteArray("0");
    QTest::newRow("press below the board") << (229.0f - 240.0f) / 20.0f << QByteArray(".")
                                           << QByteArray("-0.55");

    // A float's own precision, not that of the double it widens to.
    QTest::newRow("0.1") << 0.1f << QByteArray(".") << QByteArray("0.1");
    QTest::newRow("one third") << 1.0f / 3.0f << QByteArray(".") << QByteArray("0.3333333");
    QTest::newRow("two thirds") << -2.0f / 3.0f << QByteArray(",")
                                << QByteArray("-0,6666667");
    QTest::newRow("eight digits needed, seven given")
            << 1.0000001f << QByteArray(".") << QByteArray("1");
    QTest::newRow("shortest that gives the float back, not the nearest")
            << 8.5904e9f << QByteArray(".") << QByteArray("8.5904E+09");
    QTest::newRow("largest positional") << 1234567.0f << QByteArray(".")
                                        << QByteArray("1234567");
    QTest::newRow("1E+07") << 1e7f << QByteArray(".") << QByteArray("1E+07");
    QTest::newRow("2^24") << 16777216.0f << QByteArray(",") << QByteArray("1,677722E+07");
    QTest::newRow("largest float") << std::numeric_limits<float>::max() << QByteArray(".")
                                   << QByteArray("3.402823E+38");
    QTest::newRow("0.0001") << 0.0001f << QByteArray(".") << QByteArray("0.0001");
    QTest::newRow("1E-05") << 1e-5f << QByteArray(".") << QByteArray("1E-05");

    QTest::newRow("negative zero") << -0.0f << QByteArray(".") << QByteArray("0");
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << QByteArray(".")
                         << QByteArray("NaN");
    QTest::newRow("negative infinity") << -std::numeric_limits<float>::infinity()
                                       << QByteArray(".") << QByteArray("-Inf");
}

void TestConversions::singleToText()
{
    QFETCH(float, value);
    QFETCH(QByteArray, separator);
    QFETCH(QByteArray, expected);

    QCOMPARE(bytes(controls::singleToText(value, separator.toStdString())), expected);
}

void TestConversions::int32ToText_data()
{
    QTest::addColumn<std::int32_t>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("zero") << std::int32_t(0) << QByteArray("0");
    QTest::newRow("coordinate") << std::int32_t(17) << QByteArray("17");
    QTest::newRow("negative") << std::int32_t(-4) << QByteArray("-4");
    QTest::newRow("no grouping") << std::int32_t(1234567) << QByteArray("1234567");
    QTest::newRow("largest") << std::numeric_limits<std::int32_t>::max()
                             << QByteArray("2147483647");
    QTest::newRow("smallest") << std::numeric_limits<std::int32_t>::min()
                              << QByteArray("-2147483648");
}

void TestConversions::int32ToText()
{
    QFETCH(std::int32_t, value);
    QFETCH(QByteArray, expected);

    QCOMPARE(bytes(controls::int32ToText(value)), expected);
}

void TestConversions::textValue_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("whole") << QByteArray("7") << 7.0;
    QTest::newRow("fraction") << QByteArray("8.6") << 8.6;
    QTest::newRow("correctly rounded") << QByteArray("6.975") << 6.975;
    QTest::newRow("leading zeros") << QByteArray("007") << 7.0;
    QTest::newRow("point first") << QByteArray(".5") << 0.5;
    QTest::newRow("point last") << QByteArray("5.") << 5.0;

    // What may stand before the number.
    QTest::newRow("blanks") << QByteArray("   12") << 12.0;
    QTest::newRow("tabs and blanks") << QByteArray("\t 8.95") << 8.95;
    QTest::newRow("minus") << QByteArray("-3") << -3.0;
    QTest::newRow("plus") << QByteArray("+4.5") << 4.5;
    QTest::newRow("blanks then minus") << QByteArray("  -0.25") << -0.25;
    QTest::newRow("minus then point") << QByteArray("-.5") << -0.5;
    QTest::newRow("negative zero") << QByteArray("-0") << 0.0;

    // What may follow it.
    QTest::newRow("letters after") << QByteArray("12abc") << 12.0;
    QTest::newRow("comma is not a separator") << QByteArray("3,5") << 3.0;
    QTest::newRow("second point") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("no exponent") << QByteArray("1E+15") << 1.0;
    QTest::newRow("blank inside") << QByteArray("1 2") << 1.0;
    QTest::newRow("line end after") << QByteArray("42\r\n") << 42.0;

    // No number at the start.
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("blanks only") << QByteArray(" \t ") << 0.0;
    QTest::newRow("letters") << QByteArray("abc") << 0.0;
    QTest::newRow("blanks then letter") << QByteArray("  x") << 0.0;
    QTest::newRow("lone point") << QByteArray(".") << 0.0;
    QTest::newRow("lone minus") << QByteArray("-") << 0.0;
    QTest::newRow("minus and point only") << QByteArray("-.") << 0.0;
    QTest::newRow("blank after sign") << QByteArray("- 5") << 0.0;
    QTest::newRow("two signs") << QByteArray("+-5") << 0.0;
    QTest::newRow("comma first") << QByteArray(",5") << 0.0;
    QTest::newRow("line end before") << QByteArray("\n5") << 0.0;

    // Lengths a double can or cannot hold.
    const QByteArray nines(400, '9');
    QTest::newRow("400 nines") << nines << Infinity;
    QTest::newRow("minus 400 nines") << "-" + nines << -Infinity;
    QTest::newRow("400 nines after the point") << "0." + nines << 1.0;
    QTest::newRow("400 leading zeros") << QByteArray(400, '0') + "1.5" << 1.5;
    QTest::newRow("400 zeros after the point") << "0." + QByteArray(400, '0') + "1" << 0.0;
    QTest::newRow("30 digits") << QByteArray("123456789012345678901234567890")
                               << 123456789012345678901234567890.0;
}

void TestConversions::textValue()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);

    const double actual = controls::textValue(text.toStdString());
    QVERIFY2(actual == expected, exact(actual) + " instead of " + exact(expected));
}

void TestConversions::roundToInt32_data()
{
    using Result = std::optional<std::int32_t>;
    QTest::addColumn<double>("value");
    QTest::addColumn<Result>("expected");

    QTest::newRow("0.5") << 0.5 << Result(0);
    QTest::newRow("1.5") << 1.5 << Result(2);
    QTest::newRow("2.5") << 2.5 << Result(2);
    QTest::newRow("-0.5") << -0.5 << Result(0);
    QTest::newRow("-1.5") << -1.5 << Result(-2);
    QTest::newRow("-2.5") << -2.5 << Result(-2);
    QTest::newRow("11.45") << 11.45 << Result(11);
    QTest::newRow("11.5") << 11.5 << Result(12);
    QTest::newRow("12.5") << 12.5 << Result(12);
    QTest::newRow("press 143.5") << 143.5 << Result(144);
    QTest::newRow("press 144.5") << 144.5 << Result(144);
    QTest::newRow("just below a half") << 0.49999999999999994 << Result(0);
    QTest::newRow("just below minus a half") << -0.49999999999999994 << Result(0);
    QTest::newRow("just above a half") << 0.5000000000000001 << Result(1);
    QTest::newRow("whole") << -7.0 << Result(-7);
    QTest::newRow("subnormal") << std::numeric_limits<double>::denorm_min() << Result(0);

    QTest::newRow("near the top") << 2147483647.4 << Result(2147483647);
    QTest::newRow("half below the top") << 2147483646.5 << Result(2147483646);
    QTest::newRow("half at the top") << 2147483647.5 << Result();
    QTest::newRow("just past the top") << 2147483648.0 << Result();
    QTest::newRow("half at the bottom") << -2147483648.5 << Result(-2147483647 - 1);
    QTest::newRow("just past the bottom") << -2147483648.6 << Result();
    QTest::newRow("half past the bottom") << -2147483649.5 << Result();
    QTest::newRow("huge") << 1e300 << Result();
    QTest::newRow("NaN") << NaN << Result();
    QTest::newRow("infinity") << Infinity << Result();
    QTest::newRow("negative infinity") << -Infinity << Result();
}

void TestConversions::roundToInt32()
{
    using Result = std::optional<std::int32_t>;
    QFETCH(double, value);
    QFETCH(Result, expected);

    const Result actual = controls::roundToInt32(value);
    QCOMPARE(actual.has_value(), expected.has_value());
    if (expected)
        QCOMPARE(*actual, *expected);
}

void TestConversions::roundToInt16_data()
{
    using Result = std::optional<std::int16_t>;
    QTest::addColumn<double>("value");
    QTest::addColumn<Result>("expected");

    QTest::newRow("2.5") << 2.5 << Result(2);
    QTest::newRow("3.5") << 3.5 << Result(4);
    QTest::newRow("-3.5") << -3.5 << Result(-4);
    QTest::newRow("near the top") << 32767.4 << Result(32767);
    QTest::newRow("half below the top") << 32766.5 << Result(32766);
    QTest::newRow("half at the top") << 32767.5 << Result();
    QTest::newRow("just past the top") << 32768.0 << Result();
    QTest::newRow("half at the bottom") << -32768.5 << Result(-32768);
    QTest::newRow("just past the bottom") << -32768.6 << Result();
    QTest::newRow("half past the bottom") << -32769.5 << Result();
    QTest::newRow("fits 32 bits only") << 65536.0 << Result();
    QTest::newRow("NaN") << NaN << Result();
    QTest::newRow("infinity") << Infinity << Result();
}

void TestConversions::roundToInt16()
{
    using Result = std::optional<std::int16_t>;
    QFETCH(double, value);
    QFETCH(Result, expected);

    const Result actual = controls::roundToInt16(value);
    QCOMPARE(actual.has_value(), expected.has_value());
    if (expected)
        QCOMPARE(*actual, *expected);
}

void TestConversions::roundingIgnoresFloatingPointMode()
{
    const int savedMode = std::fegetround();
    for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        QVERIFY(std::fesetround(mode) == 0);
        const auto half = controls::roundToInt32(2.5);
        const auto negativeHalf = controls::roundToInt32(-3.5);
        const auto belowHalf = controls::roundToInt32(-0.49999999999999994);
        const auto aboveHalf = controls::roundToInt16(11.5);
        std::fesetround(savedMode);
        QCOMPARE(half.value_or(-1), 2);
        QCOMPARE(negativeHalf.value_or(-1), -4);
        QCOMPARE(belowHalf.value_or(-1), 0);
        QCOMPARE(aboveHalf.value_or(-1), std::int16_t(12));
    }
}

// Whole and half-pixel presses give multiples of 1/20 grid unit; each must be
// read back from its list text as exactly the value that was written.
void TestConversions::listTextsReadBackAsTheirValues()
{
    for (int k = -3000; k <= 3000; ++k) {
        const double value = k / 20.0;
        const std::string text = controls::doubleToText(value, ".");
        QVERIFY2(controls::textValue(text) == value, text.c_str());
    }
}

// Sevenths need more than 15 digits, so the text is the 15-digit rounding: it
// need not give the value back, but it must give back a value that is
// written as the same text, and it may differ only in the 16th digit.
void TestConversions::fractionsOfSevenReadBackWithinFifteenDigits()
{
    for (int k = -3000; k <= 3000; ++k) {
        const double value = k / 7.0;
        const std::string text = controls::doubleToText(value, ".");
        const double readBack = controls::textValue(text);
        if (readBack == value)
            continue;
        QVERIFY2(significantDigitCount(text) == 15, text.c_str());
        QVERIFY2(controls::doubleToText(readBack, ".") == text, text.c_str());
        QVERIFY2(std::abs(readBack - value) <= std::abs(value) * 1e-14, text.c_str());
    }
}

// The hidden list's texts, read back and narrowed to float, are the floats
// that were written, for whole and half-pixel presses on any board height.
void TestConversions::boardHeightFractionsRoundTripThroughFloat()
{
    for (const float boardHeight : {229.0f, 343.0f, 1000.0f}) {
        for (float y = -20.0f; y <= boardHeight + 20.0f; y += 0.5f) {
            const float value = (boardHeight - y) / 20.0f;
            const std::string text = controls::singleToText(value, ".");
            QVERIFY2(static_cast<float>(controls::textValue(text)) == value, text.c_str());
        }
    }
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
