#include "WindowDriver.h"

#include "controls/Board.h"
#include "controls/NumberText.h"

#include <QLocale>
#include <QtTest>

#include <algorithm>
#include <cmath>

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

void enterPoints(WindowDriver& driver, const Points& crossings)
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
// end points (covered by the points' dots) are left out. Where the window
// touches a grid line, ink may be the grid's own, so only a blank there
// counts.
LineSamples sampleLine(WindowDriver& driver, QPoint from, QPoint to)
{
    constexpr int endMargin = 8;
    const QRect board(0, 0, int(driver.sheet().BoardWidth), int(driver.sheet().BoardHeight));
    const QPoint delta = to - from;
    const bool steep = qAbs(delta.y()) > qAbs(delta.x());
    const int length = steep ? qAbs(delta.y()) : qAbs(delta.x());
    LineSamples samples;
    for (int step = endMargin; step <= length - endMargin; ++step) {
        const double share = double(step) / length;
        const QPoint ideal(qRound(from.x() + share * delta.x()), qRound(from.y() + share * delta.y()));
        bool touchesGrid = false;
        bool inked = false;
        for (int across = -1; across <= 1; ++across) {
            const QPoint pixel = ideal + (steep ? QPoint(across, 0) : QPoint(0, across));
            if (!board.contains(pixel))
                continue;
            touchesGrid = touchesGrid || onGridLine(pixel.x()) || onGridLine(pixel.y());
            inked = inked || isInk(driver, pixel.x(), pixel.y());
        }
        if (!inked)
            ++samples.blank;
        else if (!touchesGrid)
            ++samples.inked;
    }
    return samples;
}

int gapsAlongRow(WindowDriver& driver, int y, int fromX, int toX)
{
    int gaps = 0;
    for (int x = fromX; x <= toX; ++x)
        gaps += isInk(driver, x, y) ? 0 : 1;
    return gaps;
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

const Points WorkedExample{{4, 5}, {8, 5}, {1, 9}};

const Lines WorkedExampleReport{
    AreaHeading,
    QStringLiteral("4, 5, 1"),
    QStringLiteral("8, 5, 1"),
    QStringLiteral("1, 9, 1"),
    AreaLabel + QStringLiteral("8"),
    DistanceLabel + QStringLiteral("4"),
    Outside,
};

// The worked example as the board's own pen draws it in a fresh window: the
// sides in the given style, then the segment solid. A dash pattern starts
// where its line starts, so the picture also tells which way each line went.
// Only one window may be open: the driver finds its window by name.
QImage referenceDrawing(controls::DrawStyle sideStyle)
{
    WindowDriver driver;
    enterPoints(driver, WorkedExample);
    const QPoint p0 = pixelOf(WorkedExample[0]);
    const QPoint p1 = pixelOf(WorkedExample[1]);
    const QPoint p2 = pixelOf(WorkedExample[2]);
    controls::Board& board = driver.window().Picture1();
    board.SetDrawWidth(1);
    board.SetDrawStyle(sideStyle);
    board.Line(p0.x(), p0.y(), p2.x(), p2.y());
    board.Line(p1.x(), p1.y(), p2.x(), p2.y());
    board.SetDrawStyle(controls::DrawStyle::Solid);
    board.Line(p0.x(), p0.y(), p1.x(), p1.y());
    return driver.image();
}

} // namespace

class TestCalculation : public QObject
{
    Q_OBJECT

private slots:
    void workedExampleReplacesTaskStatement();
    void workedExampleDrawing_data();
    void workedExampleDrawing();
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

void TestCalculation::workedExampleDrawing_data()
{
    QTest::addColumn<QString>("history");
    QTest::addColumn<bool>("solidSides");

    QTest::newRow("first run") << "first" << false;
    QTest::newRow("repeated run") << "repeat" << true;
    QTest::newRow("after Изчисти") << "reset" << false;
    QTest::newRow("after Изтрий") << "delete" << false;
}

void TestCalculation::workedExampleDrawing()
{
    QFETCH(QString, history);
    QFETCH(bool, solidSides);
    const QPoint p0 = pixelOf(WorkedExample[0]);
    const QPoint p1 = pixelOf(WorkedExample[1]);
    const QPoint p2 = pixelOf(WorkedExample[2]);

    QImage drawn;
    {
        WindowDriver driver;
        enterPoints(driver, WorkedExample);
        // The segment lies on a dash-dot-dot grid line: only a solid segment
        // closes the grid line's gaps between the end points' dots.
        QVERIFY(gapsAlongRow(driver, p0.y(), p0.x() + 4, p1.x() - 4) > 0);
        driver.clickButton(0);
        const std::string firstReport = driver.report();
        if (history == QLatin1String("repeat")) {
            driver.clickButton(0);
            QCOMPARE(driver.report(), firstReport);
        } else if (history == QLatin1String("reset")) {
            driver.clickButton(0);
            driver.clickButton(1);
            enterPoints(driver, WorkedExample);
            driver.clickButton(0);
        } else if (history == QLatin1String("delete")) {
            driver.clickButton(0);
            driver.clickRow(0, 2);
            driver.clickButton(2);
            enterPoints(driver, {WorkedExample[2]});
            driver.clickButton(0);
        }
        QCOMPARE(text(driver.report()), reportOf(WorkedExampleReport));
        QCOMPARE(gapsAlongRow(driver, p0.y(), p0.x() + 4, p1.x() - 4), 0);

        for (const QPoint end : {p0, p1}) {
            const LineSamples side = sampleLine(driver, end, p2);
            const QByteArray counts = QByteArray::number(side.inked) + " inked, "
                + QByteArray::number(side.blank) + " blank";
            QVERIFY2(side.inked > 20, counts);
            QVERIFY2(solidSides ? side.blank == 0 : side.blank > 0, counts);
        }
        drawn = driver.image();
    }
    QVERIFY(drawn == referenceDrawing(solidSides ? controls::DrawStyle::Solid : controls::DrawStyle::DashDotDot));
}

void TestCalculation::collinearPointsDrawOnlySegment_data()
{
    QTest::addColumn<Points>("points");

    QTest::newRow("along the top edge") << Points{{0, 0}, {4, 0}, {2, 0}};
    QTest::newRow("diagonal, beyond the end") << Points{{1, 1}, {3, 3}, {5, 5}};
    QTest::newRow("knight's move, beyond the start") << Points{{5, 3}, {7, 4}, {1, 1}};
    QTest::newRow("end points coincide") << Points{{3, 2}, {3, 2}, {5, 4}};
}

void TestCalculation::collinearPointsDrawOnlySegment()
{
    QFETCH(Points, points);
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
    QTest::addColumn<Points>("points");
    QTest::addColumn<bool>("bulgarian");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("area");
    QTest::addColumn<int>("determinant");

    QTest::newRow("clockwise")
        << Points{{0, 0}, {2, 0}, {0, 2}} << false << QStringList{"0, 0, 1", "2, 0, 1", "0, 2, 1"} << "2" << 4;
    QTest::newRow("counter-clockwise")
        << Points{{0, 0}, {0, 2}, {2, 0}} << false << QStringList{"0, 0, 1", "0, 2, 1", "2, 0, 1"} << "2" << -4;
    QTest::newRow("half, point")
        << Points{{0, 0}, {1, 0}, {0, 1}} << false << QStringList{"0, 0, 1", "1, 0, 1", "0, 1, 1"} << "0.5" << 1;
    QTest::newRow("half, comma")
        << Points{{0, 0}, {1, 0}, {0, 1}} << true << QStringList{"0, 0, 1", "1, 0, 1", "0, 1, 1"} << "0,5" << 1;
    QTest::newRow("negative odd, comma")
        << Points{{3, 1}, {3, 6}, {6, 1}} << true << QStringList{"3, 1, 1", "3, 6, 1", "6, 1, 1"} << "7,5" << -15;
    QTest::newRow("two-digit rows") << Points{{12, 3}, {17, 11}, {10, 10}} << false
                                    << QStringList{"12, 3, 1", "17, 11, 1", "10, 10, 1"} << "25.5" << 51;
    QTest::newRow("collinear")
        << Points{{0, 0}, {1, 1}, {3, 3}} << false << QStringList{"0, 0, 1", "1, 1, 1", "3, 3, 1"} << "0" << 0;
    QTest::newRow("coincident end points")
        << Points{{2, 3}, {2, 3}, {5, 1}} << false << QStringList{"2, 3, 1", "2, 3, 1", "5, 1, 1"} << "0" << 0;
    QTest::newRow("point on an end, comma")
        << Points{{2, 3}, {5, 1}, {5, 1}} << true << QStringList{"2, 3, 1", "5, 1, 1", "5, 1, 1"} << "0" << 0;
}

void TestCalculation::areaBlock()
{
    QFETCH(Points, points);
    QFETCH(bool, bulgarian);
    QFETCH(QStringList, rows);
    QFETCH(QString, area);
    QFETCH(int, determinant);

    const BulgarianLocale locale(bulgarian);
    WindowDriver driver;
    enterPoints(driver, points);
    driver.clickButton(0);

    QStringList block{AreaHeading};
    block << rows << AreaLabel + area;
    if (determinant == 0)
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
    QTest::addColumn<Points>("points");
    QTest::addColumn<Lines>("tail");

    const auto distance = [](const char* value) { return DistanceLabel + QLatin1String(value); };

    QTest::newRow("inside the segment") << Points{{0, 0}, {4, 0}, {1, 0}} << Lines{OnLine, OnSegment};
    QTest::newRow("beyond the end") << Points{{0, 0}, {4, 0}, {6, 0}} << Lines{OnLine, OnExtension};
    QTest::newRow("beyond the start") << Points{{2, 0}, {6, 0}, {0, 0}} << Lines{OnLine, OnExtension};
    QTest::newRow("end points coincide") << Points{{3, 2}, {3, 2}, {5, 4}} << Lines{OnLine, OnExtension};
    QTest::newRow("all on one crossing") << Points{{2, 2}, {2, 2}, {2, 2}} << Lines{OnLine, OnSegment};
    QTest::newRow("point on the start") << Points{{1, 1}, {5, 3}, {1, 1}} << Lines{OnLine, OnSegment};
    QTest::newRow("point on the end") << Points{{1, 1}, {5, 3}, {5, 3}} << Lines{OnLine, OnSegment};
    QTest::newRow("diagonal midpoint") << Points{{0, 0}, {2, 2}, {1, 1}} << Lines{OnLine, OnSegment};
    QTest::newRow("diagonal third") << Points{{0, 0}, {3, 3}, {1, 1}} << Lines{OnLine, OnSegment};
    QTest::newRow("irrational, inside") << Points{{1, 2}, {7, 5}, {3, 3}} << Lines{OnLine, OnSegment};
    QTest::newRow("irrational, past end") << Points{{1, 2}, {3, 3}, {7, 5}} << Lines{OnLine, OnExtension};
    QTest::newRow("irrational, past start") << Points{{5, 4}, {11, 6}, {2, 3}} << Lines{OnLine, OnExtension};

    QTest::newRow("right angle at the start") << Points{{0, 0}, {4, 0}, {0, 3}} << Lines{distance("3"), AtEndPoint};
    QTest::newRow("right angle at the end") << Points{{0, 0}, {4, 0}, {4, 3}} << Lines{distance("3"), AtEndPoint};
    QTest::newRow("right angle, long leg") << Points{{0, 0}, {0, 1}, {8, 0}} << Lines{distance("8"), AtEndPoint};
    QTest::newRow("worked example") << WorkedExample << Lines{distance("4"), Outside};
    QTest::newRow("past the end, off the line") << Points{{0, 0}, {2, 0}, {4, 1}} << Lines{distance("1"), Outside};
    QTest::newRow("isosceles") << Points{{2, 2}, {8, 2}, {5, 6}} << Lines{distance("4"), Inside};
    QTest::newRow("right angle at the point") << Points{{0, 0}, {5, 0}, {1, 2}} << Lines{distance("2"), Inside};
    QTest::newRow("flat, near the middle") << Points{{1, 1}, {11, 1}, {6, 2}} << Lines{distance("1"), Inside};
    QTest::newRow("segment upwards") << Points{{3, 9}, {3, 1}, {7, 4}} << Lines{distance("4"), Inside};
}

void TestCalculation::relationLines()
{
    QFETCH(Points, points);
    QFETCH(Lines, tail);

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
    const Points points{{0, 0}, {4, 0}, {2, 3}};
    WindowDriver driver;
    enterPoints(driver, points);
    driver.clickButton(0);

    const Worksheet& sheet = driver.sheet();
    for (int row = 0; row < 3; ++row) {
        const QPoint stored(sheet.PointCoords[row][0], sheet.PointCoords[row][1]);
        QCOMPARE(stored, points[row]);
    }
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
