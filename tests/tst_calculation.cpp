#include "WindowDriver.h"

#include "controls/Board.h"

#include <QLocale>
#include <QScopeGuard>
#include <QtTest>

#include <cmath>
#include <optional>

namespace {

constexpr int GridStep = 20;

// Grid crossings in grid units, y downwards.
using Points = QList<QPoint>;
// Report lines without their line ends.
using Lines = QStringList;

const QString AreaHeading = QStringLiteral("Ориентирано лице - координати на върховете:");
const QString AreaLabel = QStringLiteral("Ориентирано лице = ");
const QString OnLine = QStringLiteral("Точката лежи на правата!");
const QString OnSegment = QStringLiteral("Точката лежи върху отсечката.");
const QString OnExtension = QStringLiteral("Точката лежи върху продължението на отсечката. ");
const QString DistanceLabel = QStringLiteral("Разстояние точка отсечка: ");
const QString AtEndPoint = QStringLiteral("Проекцията на точката съвпада с една от точките.");
const QString Outside = QStringLiteral("Проекцията на точката лежи извън отсечката. ");
const QString Inside = QStringLiteral("Проекцията на точката лежи върху отсечката.");
const QString TooLarge = QStringLiteral("Координатите са твърде големи за изчислението.");

QString reportText(WindowDriver& driver)
{
    return QString::fromStdString(driver.report());
}

// A report as the box must hold it: every line closed by CR LF.
QString reportOf(const Lines& lines)
{
    QString result;
    for (const QString& line : lines)
        result += line + QStringLiteral("\r\n");
    return result;
}

// The report's opening block: the points as determinant rows, then the area.
Lines areaBlock(const Points& points, const QString& area)
{
    Lines block{AreaHeading};
    for (const QPoint& point : points)
        block << QStringLiteral("%1, %2, 1").arg(point.x()).arg(point.y());
    return block << AreaLabel + area;
}

Lines away(const char* distance, const QString& projection)
{
    return {DistanceLabel + QString::fromUtf8(distance), projection};
}

const Points WorkedExample{{4, 5}, {8, 5}, {1, 9}};
const Lines WorkedExampleReport = areaBlock(WorkedExample, "8") + away("4", Outside);

void enterPoints(WindowDriver& driver, const Points& crossings)
{
    for (const QPoint& crossing : crossings)
        driver.press(crossing.x() * GridStep, crossing.y() * GridStep);
}

// What the worked example's run leaves in the worksheet.
void checkWorkedExampleSheet(const Worksheet& sheet)
{
    for (int row = 0; row < 3; ++row)
        QCOMPARE(QPoint(sheet.PointCoords[row][0], sheet.PointCoords[row][1]), WorkedExample[row]);
    QCOMPARE(sheet.SideSquares, (std::array<std::int32_t, 3>{16, 65, 25}));
    QCOMPARE(sheet.SideLengths, (std::array<double, 7>{4.0, std::sqrt(65.0), 5.0}));
    QCOMPARE(sheet.OrientedDeterminant, 16);
    QCOMPARE(sheet.TriangleArea, 8.0);
    QCOMPARE(sheet.PointSegmentDistance, 4.0);
}

// Puts rows into the coordinate lists as if three points had been entered.
void listRows(WindowDriver& driver, const QStringList& xs, const QStringList& ys)
{
    for (int row = 0; row < 3; ++row) {
        driver.window().List1(0).AddItem(xs.at(row).toStdString());
        driver.window().List1(1).AddItem(ys.at(row).toStdString());
        driver.window().List1(2).AddItem("0");
    }
    driver.sheet().PointCount = 3;
    driver.window().Command1(0).SetEnabled(true);
}

// The board after the points were entered and the board's own pen drew the
// sides to P2 in the given style, if any, and then the segment solid. A dash
// pattern starts where its line starts, so the picture also tells which way
// each line went. Call it while no other window is open.
QImage referenceDrawing(const Points& points, std::optional<controls::DrawStyle> sideStyle)
{
    WindowDriver driver;
    enterPoints(driver, points);
    controls::Board& board = driver.window().Picture1();
    const auto line = [&](int from, int to) {
        const QPoint start = points[from] * GridStep;
        const QPoint end = points[to] * GridStep;
        board.Line(start.x(), start.y(), end.x(), end.y());
    };
    board.SetDrawWidth(1);
    if (sideStyle) {
        board.SetDrawStyle(*sideStyle);
        line(0, 2);
        line(1, 2);
    }
    board.SetDrawStyle(controls::DrawStyle::Solid);
    line(0, 1);
    return driver.image();
}

} // namespace

class TestCalculation : public QObject
{
    Q_OBJECT

private slots:
    void report_data();
    void report();
    void drawing_data();
    void drawing();
    void listTextsReadAsNumbers_data();
    void listTextsReadAsNumbers();
    void oversizedCoordinates_data();
    void oversizedCoordinates();
};

void TestCalculation::report_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<bool>("bulgarian");
    QTest::addColumn<QString>("area");
    QTest::addColumn<int>("determinant");
    QTest::addColumn<Lines>("tail");

    const auto row = [](const char* name, const Points& points, const char* area, int determinant,
                        const Lines& tail, bool bulgarian = false) {
        QTest::newRow(name) << points << bulgarian << QString::fromUtf8(area) << determinant << tail;
    };
    const Lines onSegment{OnLine, OnSegment};
    const Lines onExtension{OnLine, OnExtension};

    row("worked example", WorkedExample, "8", 16, away("4", Outside));
    row("counter-clockwise", {{0, 0}, {0, 2}, {2, 0}}, "2", -4, away("2", AtEndPoint));
    row("right angle at the end", {{0, 0}, {4, 0}, {4, 3}}, "6", 12, away("3", AtEndPoint));
    row("right angle, long leg", {{0, 0}, {0, 1}, {8, 0}}, "4", -8, away("8", AtEndPoint));
    row("past the end, off the line", {{0, 0}, {2, 0}, {4, 1}}, "1", 2, away("1", Outside));
    row("right angle at the point", {{0, 0}, {5, 0}, {1, 2}}, "5", 10, away("2", Inside));
    row("flat, near the middle", {{1, 1}, {11, 1}, {6, 2}}, "5", 10, away("1", Inside));
    row("fractions, point", {{12, 3}, {17, 11}, {10, 10}}, "25.5", 51, away("5.40598918803244", Inside));
    row("fractions, comma", {{0, 0}, {2, 1}, {1, 1}}, "0,5", 1, away("0,447213595499958", Inside), true);
    row("past the end", {{0, 0}, {1, 1}, {3, 3}}, "0", 0, onExtension);
    row("irrational, past the start", {{5, 4}, {11, 6}, {2, 3}}, "0", 0, onExtension);
    row("end points coincide", {{3, 2}, {3, 2}, {5, 4}}, "0", 0, onExtension);
    row("diagonal third", {{0, 0}, {3, 3}, {1, 1}}, "0", 0, onSegment);
    row("irrational, inside", {{1, 2}, {7, 5}, {3, 3}}, "0", 0, onSegment);
    row("point on the start", {{1, 1}, {5, 3}, {1, 1}}, "0", 0, onSegment);
    row("point on the end, comma", {{2, 3}, {5, 1}, {5, 1}}, "0", 0, onSegment, true);
    row("all on one crossing", {{2, 2}, {2, 2}, {2, 2}}, "0", 0, onSegment);
}

void TestCalculation::report()
{
    QFETCH(Points, points);
    QFETCH(bool, bulgarian);
    QFETCH(QString, area);
    QFETCH(int, determinant);
    QFETCH(Lines, tail);

    const QLocale saved;
    const auto restore = qScopeGuard([&saved] { QLocale::setDefault(saved); });
    if (bulgarian)
        QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    QImage drawn;
    {
        WindowDriver driver;
        QVERIFY(!driver.report().empty());
        enterPoints(driver, points);
        driver.clickButton(0);
        QCOMPARE(reportText(driver), reportOf(areaBlock(points, area) + tail));
        QCOMPARE(driver.sheet().OrientedDeterminant, determinant);
        QCOMPARE(driver.sheet().TriangleArea, std::abs(determinant / 2.0));
        drawn = driver.image();
    }
    // Collinear points get the segment alone.
    const auto sides = determinant == 0 ? std::nullopt : std::optional(controls::DrawStyle::DashDotDot);
    QVERIFY(drawn == referenceDrawing(points, sides));
}

void TestCalculation::drawing_data()
{
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("clearingButton");
    QTest::addColumn<bool>("solidSides");

    QTest::newRow("first run") << 1 << 0 << false;
    QTest::newRow("repeated run") << 2 << 0 << true;
    QTest::newRow("after Изчисти") << 2 << 1 << false;
    QTest::newRow("after Изтрий") << 2 << 2 << false;
}

// The sides to P2 take the pen as it is: dash-dot-dot after a reset, solid
// after an earlier run's segment. Clearing empties the report but keeps the
// results in the worksheet.
void TestCalculation::drawing()
{
    QFETCH(int, runs);
    QFETCH(int, clearingButton);
    QFETCH(bool, solidSides);

    QImage drawn;
    {
        WindowDriver driver;
        enterPoints(driver, WorkedExample);
        for (int run = 0; run < runs; ++run)
            driver.clickButton(0);
        if (clearingButton != 0) {
            driver.clickRow(0, 2);
            driver.clickButton(clearingButton);
            QCOMPARE(driver.report(), std::string());
            checkWorkedExampleSheet(driver.sheet());
            enterPoints(driver, clearingButton == 1 ? WorkedExample : Points{WorkedExample[2]});
            driver.clickButton(0);
        }
        QCOMPARE(reportText(driver), reportOf(WorkedExampleReport));
        checkWorkedExampleSheet(driver.sheet());
        drawn = driver.image();
    }
    using controls::DrawStyle;
    QVERIFY(drawn == referenceDrawing(WorkedExample, solidSides ? DrawStyle::Solid : DrawStyle::DashDotDot));
    QVERIFY(drawn != referenceDrawing(WorkedExample, solidSides ? DrawStyle::DashDotDot : DrawStyle::Solid));
}

void TestCalculation::listTextsReadAsNumbers_data()
{
    QTest::addColumn<QStringList>("xs");
    QTest::addColumn<QStringList>("ys");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("no number reads as 0") << QStringList{"abc", "4", "2"} << QStringList{"0", "abc", "3"}
                                          << QStringList{"0, 0, 1", "4, 0, 1", "2, 3, 1"};
    QTest::newRow("leading number only") << QStringList{" 1", "5x", "3,7"} << QStringList{"+2", "2 ", "7.0"}
                                         << QStringList{"1, 2, 1", "5, 2, 1", "3, 7, 1"};
    QTest::newRow("halves to the even neighbour") << QStringList{"0.5", "2.5", "3.5"}
                                                  << QStringList{"-1.5", "4.4999", "1.51"}
                                                  << QStringList{"0, -2, 1", "2, 4, 1", "4, 2, 1"};
}

void TestCalculation::listTextsReadAsNumbers()
{
    QFETCH(QStringList, xs);
    QFETCH(QStringList, ys);
    QFETCH(QStringList, rows);

    WindowDriver driver;
    listRows(driver, xs, ys);
    driver.clickButton(0);
    const QString report = reportText(driver);
    QVERIFY2(report.startsWith(reportOf(Lines{AreaHeading} + rows)), qPrintable(report));
}

void TestCalculation::oversizedCoordinates_data()
{
    QTest::addColumn<QStringList>("xs");
    QTest::addColumn<QStringList>("ys");

    const auto row = [](const char* name, const QStringList& xs, const QStringList& ys) {
        QTest::newRow(name) << xs << ys;
    };
    row("squares", {"0", "50000", "0"}, {"0", "0", "1"});
    row("sum of squares", {"0", "40000", "0"}, {"0", "0", "40000"});
    row("determinant", {"30000", "30001", "30000"}, {"30000", "30000", "30001"});
    row("board pixels", {"2000000000", "2000000000", "2000000000"}, {"0", "0", "0"});
    row("negative board pixels", {"1", "1", "1"}, {"-200000000", "-200000000", "-200000000"});
    row("beyond 32 bits", {"0", "1", "3000000000"}, {"0", "0", "0"});
    row("400 digits", {"0", QString(400, QLatin1Char('9')), "0"}, {"0", "0", "1"});
}

// Too large coordinates leave the board and the last run's results alone.
void TestCalculation::oversizedCoordinates()
{
    QFETCH(QStringList, xs);
    QFETCH(QStringList, ys);

    WindowDriver driver;
    enterPoints(driver, WorkedExample);
    driver.clickButton(0);
    driver.clickButton(1);
    listRows(driver, xs, ys);
    const QImage before = driver.image();
    driver.clickButton(0);

    QCOMPARE(reportText(driver), reportOf({TooLarge}));
    QVERIFY(driver.image() == before);
    checkWorkedExampleSheet(driver.sheet());

    driver.clickButton(1);
    enterPoints(driver, WorkedExample);
    driver.clickButton(0);
    QCOMPARE(reportText(driver), reportOf(WorkedExampleReport));
}

QTEST_MAIN(TestCalculation)
#include "tst_calculation.moc"
