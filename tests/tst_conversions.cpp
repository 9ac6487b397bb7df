#include "controls/NumberText.h"
#include "controls/Rounding.h"
#include "controls/TextValue.h"

#include <QtTest>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {
constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
// Stands for "no integer of the target type" in the rounding table.
constexpr std::int64_t None = std::numeric_limits<std::int64_t>::min();
} // namespace

class TestConversions : public QObject
{
    Q_OBJECT

private slots:
    void numberToText_data();
    void numberToText();
    void int32ToText();
    void textValue_data();
    void textValue();
    void rounding_data();
    void rounding();
    void textsReadBack();
};

void TestConversions::numberToText_data()
{
    // A float widens to a double exactly, so one column holds both kinds.
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char *name, double value, const char *expected) {
        QTest::newRow(name) << value << false << QByteArray(expected);
    };
    const auto single = [](const char *name, float value, const char *expected) {
        QTest::newRow(name) << double(value) << true << QByteArray(expected);
    };

    // The shortest text that gives the value back, at most 15 digits.
    row("0.1 + 0.2", 0.1 + 0.2, "0.3");
    row("one third", 1.0 / 3.0, "0.333333333333333");
    row("two thirds", -2.0 / 3.0, "-0.666666666666667");
    row("fifteen digits with a fraction", 12345678901234.5, "12345678901234.5");

    // Where the positional form ends, on both sides.
    row("1E+14 positional, no grouping", 1e14, "100000000000000");
    row("1E+15", 1e15, "1E+15");
    row("rounding carries into the exponent form", 999999999999999.5, "1E+15");
    row("mantissa with a fraction", 1.25e20, "1.25E+20");
    row("largest double", std::numeric_limits<double>::max(), "1.79769313486232E+308");
    row("smallest positional exponent", -0.00012, "-0.00012");
    row("1E-05", 0.00001, "1E-05");
    row("negative exponent form", -9.75e-12, "-9.75E-12");
    row("smallest subnormal", std::numeric_limits<double>::denorm_min(), "5E-324");
    row("negative zero", -0.0, "0");
    row("NaN", NaN, "NaN");
    row("negative infinity", -Infinity, "-Inf");

    // A float's own precision, not that of the double it widens to.
    single("0.1", 0.1f, "0.1");
    single("two thirds", -2.0f / 3.0f, "-0.6666667");
    single("eight digits needed, seven given", 1.0000001f, "1");
    single("shortest that gives the float back", 8.5904e9f, "8.5904E+09");
    single("largest positional", 1234567.0f, "1234567");
    single("2^24", 16777216.0f, "1.677722E+07");
}

// The caller's separator, of one byte or several, replaces every point.
void TestConversions::numberToText()
{
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(QByteArray, expected);
    for (const QByteArray separator : {".", ",", "\xd9\xab"}) {
        const std::string text = single ? controls::singleToText(float(value), separator.toStdString())
                                        : controls::doubleToText(value, separator.toStdString());
        QCOMPARE(QByteArray::fromStdString(text), QByteArray(expected).replace(".", separator));
    }
}

void TestConversions::int32ToText()
{
    QCOMPARE(QByteArray::fromStdString(controls::int32ToText(INT32_MAX)), QByteArray("2147483647"));
    QCOMPARE(QByteArray::fromStdString(controls::int32ToText(INT32_MIN)), QByteArray("-2147483648"));
}

void TestConversions::textValue_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    const auto row = [](const char* name, const QByteArray& text, double expected) {
        QTest::newRow(name) << text << expected;
    };
    row("correctly rounded", "6.975", 6.975);
    row("point last", "5.", 5.0);
    row("tabs, blanks, plus", "\t +8.95", 8.95);
    row("blanks, minus, point", "  -.25", -0.25);
    row("comma is not a separator", "3,5", 3.0);
    row("second point", "1.2.3", 1.2);
    row("no exponent", "1E+15", 1.0);
    row("empty", "", 0.0);
    row("blanks only", " \t ", 0.0);
    row("blank after sign", "- 5", 0.0);
    row("two signs", "+-5", 0.0);
    row("line end is no blank", "\n5", 0.0);
    const QByteArray nines(400, '9');
    const QByteArray zeros(400, '0');
    row("400 nines", nines, Infinity);
    row("minus 400 nines", "-" + nines, -Infinity);
    row("400 leading zeros", zeros + "1.5", 1.5);
    row("400 zeros after the point", "0." + zeros + "1", 0.0);
    row("30 digits", "123456789012345678901234567890", 123456789012345678901234567890.0);
}

void TestConversions::textValue()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const double actual = controls::textValue(text.toStdString());
    QVERIFY2(actual == expected, QByteArray::number(actual, 'g', 17));
}

void TestConversions::rounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<std::int64_t>("to32");
    QTest::addColumn<std::int64_t>("to16");
    const auto row = [](const char *name, double value, std::int64_t to32, std::int64_t to16) {
        QTest::newRow(name) << value << to32 << to16;
    };
    row("1.5", 1.5, 2, 2);
    row("2.5", 2.5, 2, 2);
    row("-1.5", -1.5, -2, -2);
    row("-2.5", -2.5, -2, -2);
    row("just below a half", 0.49999999999999994, 0, 0);
    row("just below minus a half", -0.49999999999999994, 0, 0);
    row("just above a half", 0.5000000000000001, 1, 1);
    row("half at the 16-bit top", 32767.5, 32768, None);
    row("half at the 16-bit bottom", -32768.5, -32768, -32768);
    row("just past the 16-bit bottom", -32768.6, -32769, None);
    row("near the 32-bit top", 2147483647.4, 2147483647, None);
    row("half at the 32-bit top", 2147483647.5, None, None);
    row("half at the 32-bit bottom", -2147483648.5, -2147483648, None);
    row("NaN", NaN, None, None);
    row("negative infinity", -Infinity, None, None);
}

// Every row is rounded under each floating-point rounding mode; the mode is
// restored before comparing, so that a failure leaves it as it was.
void TestConversions::rounding()
{
    QFETCH(double, value);
    QFETCH(std::int64_t, to32);
    QFETCH(std::int64_t, to16);
    const auto widened = [](auto result) { return result ? std::int64_t{*result} : None; };
    const int savedMode = std::fegetround();
    for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        QVERIFY(std::fesetround(mode) == 0);
        const std::int64_t actual32 = widened(controls::roundToInt32(value));
        const std::int64_t actual16 = widened(controls::roundToInt16(value));
        std::fesetround(savedMode);
        QCOMPARE(actual32, to32);
        QCOMPARE(actual16, to16);
    }
}

// Multiples of 1/20 (whole and half-pixel presses) must come back exactly.
// Sevenths need more than 15 digits: theirs must come back as a value that
// is written the same way and differs only beyond the 15th digit. Heights
// above the bottom edge on any board, narrowed to float, come back exactly.
void TestConversions::textsReadBack()
{
    for (int k = -3000; k <= 3000; ++k) {
        const std::string twentieths = controls::doubleToText(k / 20.0, ".");
        QVERIFY2(controls::textValue(twentieths) == k / 20.0, twentieths.c_str());
        const std::string sevenths = controls::doubleToText(k / 7.0, ".");
        const double readBack = controls::textValue(sevenths);
        QVERIFY2(controls::doubleToText(readBack, ".") == sevenths, sevenths.c_str());
        QVERIFY2(std::abs(readBack - k / 7.0) <= std::abs(k / 7.0) * 1e-14, sevenths.c_str());
    }
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
