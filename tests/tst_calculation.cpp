#include "WindowDriver.h"

#include "controls/NumberText.h"

#include <QLocale>
#include <QtTest>

#include <cmath>

namespace {

constexpr int GridStep = 20;

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

// Makes the user's locale Bulgarian, whose decimal separator is a comma,
// for as long as it lives.
class BulgarianLocale
{
public:
    explicit BulgarianLocale(bool active)
    {
        if (active)
            QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    }
    ~BulgarianLocale() { QLocale::setDefault(saved_); }

    BulgarianLocale(const BulgarianLocale&) = delete;
    BulgarianLocale& operator=(const BulgarianLocale&) = delete;

private:
    QLocale saved_;
};

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// A report as the box must hold it: every line closed by CR LF.
QString reportOf(const QStringList& lines)
{
    QString result;
    for (const QString& line : lines)
        result += line + QStringLiteral("\r\n");
    return result;
}

// The report past its first lines, left as it is when fewer are there.
QString reportAfter(const QString& report, int lines)
{
    qsizetype start = 0;
    for (int line = 0; line < lines; ++line) {
        const qsizetype end = report.indexOf(QStringLiteral("\r\n"), start);
        if (end < 0)
            return report;
        start = end + 2;
    }
    return report.mid(start);
}

void enterPoints(WindowDriver& driver, const QList<QPoint>& crossings)
{
    for (const QPoint& crossing : crossings)
        driver.press(crossing.x() * GridStep, crossing.y() * GridStep);
}

QPoint pixelOf(QPoint crossing)
{
    return crossing * GridStep;
}

bool isInk(const WindowDriver& driver, int x, int y)
{
    return driver.pixel(x, y) == QColor(Qt::black);
}

bool onGridLine(int coordinate)
{
    return coordinate % GridStep == 0;
}

struct LineSamples
{
    int inked = 0;
    int blank = 0;
};

// Walks a drawn line one pixel at a time along its longer extent and looks
// for ink within a pixel of the ideal position across it. Samples near the
// end points (covered by the points' dots) and windows that touch a grid
// line (dash-dot-dot ink of their own) are left out.
LineSamples sampleLine(const WindowDriver& driver, QPoint from, QPoint to)
{
    constexpr int endMargin = 8;
    const QPoint delta = to - from;
    const bool steep = qAbs(delta.y()) > qAbs(delta.x());
    const int length = steep ? qAbs(delta.y()) : qAbs(delta.x());
    LineSamples samples;
    for (int step = endMargin; step <= length - endMargin; ++step) {
        const double share = double(step) / length;
        const int x = qRound(from.x() + share * delta.x());
        const int y = qRound(from.y() + share * delta.y());
        bool touchesGrid = steep ? onGridLine(y) : onGridLine(x);
        bool inked = false;
        for (int across = -1; across <= 1; ++across) {
            const int px = steep ? x + across : x;
            const int py = steep ? y : y + across;
            touchesGrid = touchesGrid || (steep ? onGridLine(px) : onGridLine(py));
            inked = inked || isInk(driver, px, py);
        }
        if (!touchesGrid)
            ++(inked ? samples.inked : samples.blank);
    }
    return samples;
}

double distanceToSegment(QPointF point, QPointF from, QPointF to)
{
    const QPointF along = to - from;
    const double lengthSquared = QPointF::dotProduct(along, along);
    const double share = lengthSquared == 0
        ? 0.0
        : std::clamp(QPointF::dotProduct(point - from, along) / lengthSquared, 0.0, 1.0);
    const QPointF foot = from + share * along;
    return std::hypot(point.x() - foot.x(), point.y() - foot.y());
}

// Pixels that a step changed farther than a pixel and a half from every one
// of the lines it was allowed to draw.
QList<QPoint> strayChanges(const QImage& before, const QImage& after, const QList<QLine>& allowed)
{
    QList<QPoint> stray;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) == after.pixel(x, y))
                continue;
            const bool nearAllowed = std::any_of(allowed.begin(), allowed.end(), [&](const QLine& line) {
                return distanceToSegment(QPointF(x, y), line.p1(), line.p2()) <= 1.5;
            });
            if (!nearAllowed)
                stray.append(QPoint(x, y));
        }
    }
    return stray;
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

const QList<QPoint> WorkedExample{{4, 5}, {8, 5}, {1, 9}};

const QStringList WorkedExampleReport{
    AreaHeading,
    QStringLiteral("4, 5, 1"),
    QStringLiteral("8, 5, 1"),
    QStringLiteral("1, 9, 1"),
    AreaLabel + QStringLiteral("8"),
    DistanceLabel + QStringLiteral("4"),
    Outside,
};

} // namespace

class TestCalculation : public QObject
{
    Q_OBJECT

private slots:
    void workedExampleReplacesTaskStatement();
    void workedExampleDrawing();
    void repeatedRunDrawsSolidSides();
    void patternReturnsAfterClearing_data();
    void patternReturnsAfterClearing();
    void collinearPointsDrawOnlySegment_data();
    void collinearPointsDrawOnlySegment();

    void areaBlock_data();
    void areaBlock();
    void relationLines_data();
    void relationLines();
    void fractionalDistance_data();
    void fractionalDistance();

    void worksheetAfterRun();
    void worksheetOutlivesClearing_data();
    void worksheetOutlivesClearing();

    void listTextsReadAsNumbers_data();
    void listTextsReadAsNumbers();
    void oversizedCoordinates_data();
    void oversizedCoordinates();
};

void TestCalculation::workedExampleReplacesTaskStatement()
{
    WindowDriver driver;
    QVERIFY(!driver.report().empty());
    enterPoints(driver, WorkedExample);
    driver.clickButton(0);
    QCOMPARE(text(driver.report()), reportOf(WorkedExampleReport));
}

void TestCalculation::workedExampleDrawing()
{
    WindowDriver driver;
    enterPoints(driver, WorkedExample);
    const QPoint p0 = pixelOf(WorkedExample[0]);
    const QPoint p1 = pixelOf(WorkedExample[1]);
    const QPoint p2 = pixelOf(WorkedExample[2]);

    // The segment lies on a dash-dot-dot grid line: only a solid segment
    // closes the grid line's gaps between the end points' dots.
    const auto segmentGaps = [&] {
        int gaps = 0;
        for (int x = p0.x() + 4; x <= p1.x() - 4; ++x)
            gaps += isInk(driver, x, p0.y()) ? 0 : 1;
        return gaps;
    };
    QVERIFY(segmentGaps() > 0);

    const QImage before = driver.image();
    driver.clickButton(0);
    QCOMPARE(segmentGaps(), 0);

    for (const QPoint end : {p0, p1}) {
        const LineSamples side = sampleLine(driver, end, p2);
        QVERIFY2(side.inked > 0 && side.blank > 0,
                 qPrintable(QStringLiteral("side from (%1,%2): %3 inked, %4 blank samples")
                                .arg(end.x()).arg(end.y()).arg(side.inked).arg(side.blank)));
    }
    QCOMPARE(strayChanges(before, driver.image(), {QLine(p0, p2), QLine(p1, p2), QLine(p0, p1)}),
             QList<QPoint>());
}

void TestCalculation::repeatedRunDrawsSolidSides()
{
    WindowDriver driver;
    enterPoints(driver, WorkedExample);
    driver.clickButton(0);
    const std::string first = driver.report();
    driver.clickButton(0);
    QCOMPARE(driver.report(), first);

    const QPoint p2 = pixelOf(WorkedExample[2]);
    for (const QPoint& crossing : {WorkedExample[0], WorkedExample[1]}) {
        const LineSamples side = sampleLine(driver, pixelOf(crossing), p2);
        QVERIFY(side.inked > 20);
        QCOMPARE(side.blank, 0);
    }
}

void TestCalculation::patternReturnsAfterClearing_data()
{
    QTest::addColumn<bool>("resetBoard");
    QTest::newRow("Изчисти") << true;
    QTest::newRow("Изтрий") << false;
}

void TestCalculation::patternReturnsAfterClearing()
{
    QFETCH(bool, resetBoard);
    WindowDriver driver;
    enterPoints(driver, WorkedExample);
    driver.clickButton(0);
    driver.clickButton(0);

    if (resetBoard) {
        driver.clickButton(1);
        enterPoints(driver, WorkedExample);
    } else {
        driver.clickRow(0, 2);
        driver.clickButton(2);
        enterPoints(driver, {WorkedExample[2]});
    }
    driver.clickButton(0);
    QCOMPARE(text(driver.report()), reportOf(WorkedExampleReport));

    const QPoint p2 = pixelOf(WorkedExample[2]);
    for (const QPoint& crossing : {WorkedExample[0], WorkedExample[1]}) {
        const LineSamples side = sampleLine(driver, pixelOf(crossing), p2);
        QVERIFY(side.inked > 0);
        QVERIFY(side.blank > 0);
    }
}

void TestCalculation::collinearPointsDrawOnlySegment_data()
{
    QTest::addColumn<QList<QPoint>>("points");

    QTest::newRow("along the top edge") << QList<QPoint>{{0, 0}, {4, 0}, {2, 0}};
    QTest::newRow("diagonal, beyond the end") << QList<QPoint>{{1, 1}, {3, 3}, {5, 5}};
    QTest::newRow("knight's move, beyond the start") << QList<QPoint>{{5, 3}, {7, 4}, {1, 1}};
    QTest::newRow("end points coincide") << QList<QPoint>{{3, 2}, {3, 2}, {5, 4}};
}

void TestCalculation::collinearPointsDrawOnlySegment()
{
    QFETCH(QList<QPoint>, points);
    WindowDriver driver;
    enterPoints(driver, points);
    const QImage before = driver.image();
    driver.clickButton(0);

    QVERIFY(text(driver.report()).contains(OnLine + QStringLiteral("\r\n")));
    const QLine segment(pixelOf(points[0]), pixelOf(points[1]));
    QCOMPARE(strayChanges(before, driver.image(), {segment}), QList<QPoint>());
    const LineSamples drawn = sampleLine(driver, segment.p1(), segment.p2());
    QCOMPARE(drawn.blank, 0);
}

void TestCalculation::areaBlock_data()
{
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<bool>("bulgarian");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("area");
    QTest::addColumn<bool>("collinear");
    QTest::addColumn<int>("determinant");

    const QStringList rightAngle{"0, 0, 1", "2, 0, 1", "0, 2, 1"};
    QTest::newRow("clockwise") << QList<QPoint>{{0, 0}, {2, 0}, {0, 2}} << false << rightAngle
                               << "2" << false << 4;
    QTest::newRow("counter-clockwise")
        << QList<QPoint>{{0, 0}, {0, 2}, {2, 0}} << false << QStringList{"0, 0, 1", "0, 2, 1", "2, 0, 1"}
        << "2" << false << -4;
    QTest::newRow("half, point") << QList<QPoint>{{0, 0}, {1, 0}, {0, 1}} << false
                                 << QStringList{"0, 0, 1", "1, 0, 1", "0, 1, 1"} << "0.5" << false << 1;
    QTest::newRow("half, comma") << QList<QPoint>{{0, 0}, {1, 0}, {0, 1}} << true
                                 << QStringList{"0, 0, 1", "1, 0, 1", "0, 1, 1"} << "0,5" << false << 1;
    QTest::newRow("negative half, comma")
        << QList<QPoint>{{3, 1}, {3, 6}, {6, 1}} << true << QStringList{"3, 1, 1", "3, 6, 1", "6, 1, 1"}
        << "7,5" << false << -15;
    QTest::newRow("whole area, comma") << QList<QPoint>{{0, 0}, {2, 0}, {0, 2}} << true << rightAngle
                                       << "2" << false << 4;
    QTest::newRow("two-digit rows") << QList<QPoint>{{12, 3}, {17, 11}, {10, 10}} << false
                                    << QStringList{"12, 3, 1", "17, 11, 1", "10, 10, 1"} << "25.5" << false
                                    << 51;
    QTest::newRow("collinear") << QList<QPoint>{{0, 0}, {1, 1}, {3, 3}} << false
                               << QStringList{"0, 0, 1", "1, 1, 1", "3, 3, 1"} << "0" << true << 0;
    QTest::newRow("coincident end points")
        << QList<QPoint>{{2, 3}, {2, 3}, {5, 1}} << false << QStringList{"2, 3, 1", "2, 3, 1", "5, 1, 1"}
        << "0" << true << 0;
    QTest::newRow("point on an end") << QList<QPoint>{{2, 3}, {5, 1}, {5, 1}} << true
                                     << QStringList{"2, 3, 1", "5, 1, 1", "5, 1, 1"} << "0" << true << 0;
}

void TestCalculation::areaBlock()
{
    QFETCH(QList<QPoint>, points);
    QFETCH(bool, bulgarian);
    QFETCH(QStringList, rows);
    QFETCH(QString, area);
    QFETCH(bool, collinear);
    QFETCH(int, determinant);

    const BulgarianLocale locale(bulgarian);
    WindowDriver driver;
    enterPoints(driver, points);
    driver.clickButton(0);

    QStringList block{AreaHeading};
    block << rows << AreaLabel + area;
    if (collinear)
        block << OnLine;
    const QString report = text(driver.report());
    QVERIFY2(report.startsWith(reportOf(block)), qPrintable(report));
    // The relation block follows directly; it never repeats the collinearity line.
    QVERIFY(!reportAfter(report, int(block.size())).contains(OnLine));
    QCOMPARE(driver.sheet().OrientedDeterminant, determinant);
    QCOMPARE(driver.sheet().TriangleArea, std::abs(determinant / 2.0));
}

void TestCalculation::relationLines_data()
{
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QStringList>("tail");

    const auto distance = [](const char* value) { return DistanceLabel + QLatin1String(value); };

    QTest::newRow("inside the segment") << QList<QPoint>{{0, 0}, {4, 0}, {1, 0}} << QStringList{OnLine, OnSegment};
    QTest::newRow("beyond the end") << QList<QPoint>{{0, 0}, {4, 0}, {6, 0}} << QStringList{OnLine, OnExtension};
    QTest::newRow("beyond the start") << QList<QPoint>{{2, 0}, {6, 0}, {0, 0}} << QStringList{OnLine, OnExtension};
    QTest::newRow("end points coincide") << QList<QPoint>{{3, 2}, {3, 2}, {5, 4}} << QStringList{OnLine, OnExtension};
    QTest::newRow("all on one crossing") << QList<QPoint>{{2, 2}, {2, 2}, {2, 2}} << QStringList{OnLine, OnSegment};
    QTest::newRow("point on the start") << QList<QPoint>{{1, 1}, {5, 3}, {1, 1}} << QStringList{OnLine, OnSegment};
    QTest::newRow("point on the end") << QList<QPoint>{{1, 1}, {5, 3}, {5, 3}} << QStringList{OnLine, OnSegment};
    QTest::newRow("diagonal midpoint") << QList<QPoint>{{0, 0}, {2, 2}, {1, 1}} << QStringList{OnLine, OnSegment};
    QTest::newRow("diagonal third") << QList<QPoint>{{0, 0}, {3, 3}, {1, 1}} << QStringList{OnLine, OnSegment};
    QTest::newRow("irrational, inside") << QList<QPoint>{{1, 2}, {7, 5}, {3, 3}} << QStringList{OnLine, OnSegment};
    QTest::newRow("irrational, beyond the end")
        << QList<QPoint>{{1, 2}, {3, 3}, {7, 5}} << QStringList{OnLine, OnExtension};
    QTest::newRow("irrational, beyond the start")
        << QList<QPoint>{{5, 4}, {11, 6}, {2, 3}} << QStringList{OnLine, OnExtension};

    QTest::newRow("right angle at the start")
        << QList<QPoint>{{0, 0}, {4, 0}, {0, 3}} << QStringList{distance("3"), AtEndPoint};
    QTest::newRow("right angle at the end")
        << QList<QPoint>{{0, 0}, {4, 0}, {4, 3}} << QStringList{distance("3"), AtEndPoint};
    QTest::newRow("right angle, long leg") << QList<QPoint>{{0, 0}, {0, 1}, {8, 0}}
                                           << QStringList{distance("8"), AtEndPoint};
    QTest::newRow("worked example") << WorkedExample << QStringList{distance("4"), Outside};
    QTest::newRow("beyond the end, off the line")
        << QList<QPoint>{{0, 0}, {2, 0}, {4, 1}} << QStringList{distance("1"), Outside};
    QTest::newRow("isosceles over the segment")
        << QList<QPoint>{{2, 2}, {8, 2}, {5, 6}} << QStringList{distance("4"), Inside};
    QTest::newRow("right angle at the point")
        << QList<QPoint>{{0, 0}, {5, 0}, {1, 2}} << QStringList{distance("2"), Inside};
    QTest::newRow("flat, near the middle")
        << QList<QPoint>{{1, 1}, {11, 1}, {6, 2}} << QStringList{distance("1"), Inside};
    QTest::newRow("segment upwards") << QList<QPoint>{{3, 9}, {3, 1}, {7, 4}}
                                     << QStringList{distance("4"), Inside};
}

void TestCalculation::relationLines()
{
    QFETCH(QList<QPoint>, points);
    QFETCH(QStringList, tail);

    WindowDriver driver;
    enterPoints(driver, points);
    driver.clickButton(0);

    QCOMPARE(reportAfter(text(driver.report()), 5), reportOf(tail));
}

void TestCalculation::fractionalDistance_data()
{
    QTest::addColumn<bool>("bulgarian");
    QTest::addColumn<QString>("separator");

    QTest::newRow("point") << false << ".";
    QTest::newRow("comma") << true << ",";
}

void TestCalculation::fractionalDistance()
{
    QFETCH(bool, bulgarian);
    QFETCH(QString, separator);

    const BulgarianLocale locale(bulgarian);
    WindowDriver driver;
    enterPoints(driver, {{0, 0}, {2, 1}, {0, 1}});
    driver.clickButton(0);

    const Worksheet& sheet = driver.sheet();
    const double distance = sheet.PointSegmentDistance;
    QCOMPARE(distance, 2 * sheet.TriangleArea / sheet.SideLengths[0]);
    QVERIFY(qFuzzyCompare(distance, 2 / std::sqrt(5.0)));

    const QString written = text(controls::doubleToText(distance, separator.toStdString()));
    QVERIFY(written.startsWith(QStringLiteral("0") + separator + QStringLiteral("894427")));
    QCOMPARE(reportAfter(text(driver.report()), 5), reportOf({DistanceLabel + written, Inside}));
}

void TestCalculation::worksheetAfterRun()
{
    WindowDriver driver;
    enterPoints(driver, {{0, 0}, {4, 0}, {2, 3}});
    driver.clickButton(0);

    const Worksheet& sheet = driver.sheet();
    const std::array<std::int32_t, 3> row0{0, 0, 0};
    const std::array<std::int32_t, 3> row1{4, 0, 0};
    const std::array<std::int32_t, 3> row2{2, 3, 0};
    QCOMPARE(sheet.PointCoords[0], row0);
    QCOMPARE(sheet.PointCoords[1], row1);
    QCOMPARE(sheet.PointCoords[2], row2);
    QCOMPARE(sheet.SideLengths[0], 4.0);
    QCOMPARE(sheet.SideLengths[1], std::sqrt(13.0));
    QCOMPARE(sheet.SideLengths[2], std::sqrt(13.0));
    const std::array<std::int32_t, 3> squares{16, 13, 13};
    QCOMPARE(sheet.SideSquares, squares);
    QCOMPARE(sheet.OrientedDeterminant, 12);
    QCOMPARE(sheet.TriangleArea, 6.0);
    QCOMPARE(sheet.PointSegmentDistance, 3.0);
    QCOMPARE(text(driver.report()),
             reportOf({AreaHeading, "0, 0, 1", "4, 0, 1", "2, 3, 1", AreaLabel + "6", DistanceLabel + "3", Inside}));
}

void TestCalculation::worksheetOutlivesClearing_data()
{
    QTest::addColumn<bool>("resetBoard");
    QTest::newRow("Изчисти") << true;
    QTest::newRow("Изтрий") << false;
}

void TestCalculation::worksheetOutlivesClearing()
{
    QFETCH(bool, resetBoard);
    WindowDriver driver;
    enterPoints(driver, WorkedExample);
    driver.clickButton(0);
    const Worksheet computed = driver.sheet();

    if (resetBoard) {
        driver.clickButton(1);
    } else {
        driver.clickRow(1, 0);
        driver.clickButton(2);
        QCOMPARE(driver.rows(0), QStringList({"8", "1"}));
    }
    QCOMPARE(driver.report(), std::string());

    const Worksheet& kept = driver.sheet();
    QCOMPARE(kept.PointCoords, computed.PointCoords);
    QCOMPARE(kept.SideLengths, computed.SideLengths);
    QCOMPARE(kept.OrientedDeterminant, 16);
    QCOMPARE(kept.TriangleArea, 8.0);
    QCOMPARE(kept.PointSegmentDistance, 4.0);
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

    const QString report = text(driver.report());
    QVERIFY2(report.startsWith(reportOf(QStringList{AreaHeading} + rows)), qPrintable(report));
}

void TestCalculation::oversizedCoordinates_data()
{
    QTest::addColumn<QStringList>("xs");
    QTest::addColumn<QStringList>("ys");

    QTest::newRow("squares") << QStringList{"0", "50000", "0"} << QStringList{"0", "0", "1"};
    QTest::newRow("sum of squares") << QStringList{"0", "40000", "0"} << QStringList{"0", "0", "40000"};
    QTest::newRow("determinant") << QStringList{"30000", "30001", "30000"}
                                 << QStringList{"30000", "30000", "30001"};
    QTest::newRow("board pixels") << QStringList{"2000000000", "2000000000", "2000000000"}
                                  << QStringList{"0", "0", "0"};
    QTest::newRow("negative board pixels") << QStringList{"1", "1", "1"}
                                           << QStringList{"-200000000", "-200000000", "-200000000"};
    QTest::newRow("beyond 32 bits") << QStringList{"0", "1", "3000000000"} << QStringList{"0", "0", "0"};
    QTest::newRow("400 digits") << QStringList{"0", QString(400, QLatin1Char('9')), "0"}
                                << QStringList{"0", "0", "1"};
}

void TestCalculation::oversizedCoordinates()
{
    QFETCH(QStringList, xs);
    QFETCH(QStringList, ys);

    WindowDriver driver;
    enterPoints(driver, WorkedExample);
    driver.clickButton(0);
    const Worksheet computed = driver.sheet();

    driver.clickButton(1);
    listRows(driver, xs, ys);
    const QImage before = driver.image();
    driver.clickButton(0);

    QCOMPARE(text(driver.report()), reportOf({TooLarge}));
    QVERIFY(driver.image() == before);
    QCOMPARE(driver.sheet().PointCoords, computed.PointCoords);
    QCOMPARE(driver.sheet().SideLengths, computed.SideLengths);
    QCOMPARE(driver.sheet().OrientedDeterminant, computed.OrientedDeterminant);
    QCOMPARE(driver.sheet().PointSegmentDistance, computed.PointSegmentDistance);

    driver.clickButton(1);
    enterPoints(driver, WorkedExample);
    driver.clickButton(0);
    QCOMPARE(text(driver.report()), reportOf(WorkedExampleReport));
}

QTEST_MAIN(TestCalculation)
#include "tst_calculation.moc"
