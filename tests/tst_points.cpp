#include "WindowDriver.h"

#include "board/GridSnap.h"
#include "board/PointEntry.h"
#include "controls/NumberText.h"

#include <QtTest>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace {

const QColor Black(0, 0, 0);
const QColor DarkRed(200, 0, 0);
const QColor White(255, 255, 255);

// Three presses well apart on the 343 × 229 board, and the crossings they
// snap to.
const QPoint Presses[] = {{43, 38}, {201, 118}, {97, 183}};
const QPoint Dots[] = {{40, 40}, {200, 120}, {100, 180}};

const QString HiddenPointLine =
    QStringLiteral("координатите са твърде големи, за да се покаже на дъската.");

// Ways a learner might try to leave a list without a selected row.
enum class Gesture { ClickBelowLastRow, CtrlClickSelectedRow, CtrlSpace };

// The colours of the three dots above with one row selected.
QList<QColor> marking(int selected)
{
    QList<QColor> colours(3, Black);
    colours[selected] = DarkRed;
    return colours;
}

// The pixels that two pictures of the board disagree on, as one rectangle.
QRect changedArea(const QImage& before, const QImage& after)
{
    QRect area;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y))
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

// Sets the user's locale for one test and gives the old one back after it,
// however the test ends.
class LocaleOverride
{
public:
    explicit LocaleOverride(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleOverride() { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

} // namespace

Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(Gesture)

class TestPoints : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Entering points by mouse.
    void workedExamples_data();
    void workedExamples();
    void snapping_data();
    void snapping();
    void anyButtonAddsAPoint_data();
    void anyButtonAddsAPoint();
    void twoPressesOnOneCrossing();
    void thirdPointEnablesCalculationAndFourthIsIgnored();
    void dotIsAFilledDiscOnTheCrossing();
    void snapToGrid_data();
    void snapToGrid();
    void fractionalPress();

    // Selecting a row in the coordinate lists.
    void selectByMouse_data();
    void selectByMouse();
    void selectByKeyboard_data();
    void selectByKeyboard();
    void selectionMovesTheMark();
    void clickInEmptyListDrawsNothing();
    void selectionIsNeverTakenAway_data();
    void selectionIsNeverTakenAway();
    void selectionOnSharedCrossing_data();
    void selectionOnSharedCrossing();

    // "Изтрий" and "Изчисти".
    void deleteMiddlePoint();
    void deleteOnlyPoint();
    void deleteWithoutSelection();
    void deleteErasesAnalysis();
    void clearBeforeAnyPoint();
    void clearAfterSelection();

    // Rows put into the lists that no press could have made.
    void rowTextsReadBack_data();
    void rowTextsReadBack();
    void hiddenPointIsReported_data();
    void hiddenPointIsReported();
    void deletionReportsHiddenPoint();

private:
    void press(QPoint at) { driver->press(at.x(), at.y()); }
    void enterThreePoints();
    void putRow(const QString& x, const QString& y);
    QList<int> selectedRows() const;
    QList<int> rowCounts() const;
    QColor dotColour(QPoint crossing) const;
    QList<QColor> dotColours() const;
    bool markedAt(QPoint centre) const;

    std::unique_ptr<WindowDriver> driver;
    QImage startImage;
};

void TestPoints::init()
{
    driver = std::make_unique<WindowDriver>();
    startImage = driver->image();
}

void TestPoints::cleanup()
{
    driver.reset();
}

void TestPoints::enterThreePoints()
{
    for (const QPoint& at : Presses)
        press(at);
}

// A row that no press could have made, added to all three lists alike so
// that they keep one row per point.
void TestPoints::putRow(const QString& x, const QString& y)
{
    driver->window().List1(0).AddItem(x.toStdString());
    driver->window().List1(1).AddItem(y.toStdString());
    driver->window().List1(2).AddItem("0");
    ++driver->sheet().PointCount;
}

QList<int> TestPoints::selectedRows() const
{
    QList<int> rows;
    for (int list = 0; list < 3; ++list)
        rows << driver->window().List1(list).ListIndex();
    return rows;
}

QList<int> TestPoints::rowCounts() const
{
    QList<int> counts;
    for (int list = 0; list < 3; ++list)
        counts << int(driver->rows(list).size());
    return counts;
}

// The colour of the dot on a crossing, told by the four pixels diagonally
// next to it: they lie inside a 5-pixel dot and off both grid lines, so on
// the bare board they are white. Invalid when they disagree.
QColor TestPoints::dotColour(QPoint crossing) const
{
    const QRect board = driver->image().rect();
    std::optional<QColor> seen;
    for (const QPoint offset : {QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1), QPoint(1, 1)}) {
        const QPoint at = crossing + offset;
        if (!board.contains(at))
            continue;
        const QColor colour = driver->pixel(at.x(), at.y());
        if (seen && *seen != colour)
            return QColor();
        seen = colour;
    }
    return seen.value_or(QColor());
}

QList<QColor> TestPoints::dotColours() const
{
    return {dotColour(Dots[0]), dotColour(Dots[1]), dotColour(Dots[2])};
}

// Whether the dark red mark is a 5-pixel disc centred on the given pixel:
// everything within two pixels of it is marked, nothing three or more away.
// Nothing else on the board is dark red, so its whole outline shows.
bool TestPoints::markedAt(QPoint centre) const
{
    const QImage board = driver->image();
    for (int dy = -4; dy <= 4; ++dy) {
        for (int dx = -4; dx <= 4; ++dx) {
            const QPoint at = centre + QPoint(dx, dy);
            if (!board.rect().contains(at))
                continue;
            const int squared = dx * dx + dy * dy;
            const bool marked = QColor(board.pixel(at)) == DarkRed;
            if ((squared <= 4 && !marked) || (squared >= 9 && marked))
                return false;
        }
    }
    return true;
}

void TestPoints::workedExamples_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("upwards");

    QTest::newRow("C") << QLocale::c() << QStringList{"8.6", "8.95", "11.3"};
    QTest::newRow("Bulgarian") << QLocale(QLocale::Bulgarian, QLocale::Bulgaria)
                               << QStringList{"8,6", "8,95", "11,3"};
}

void TestPoints::workedExamples()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, upwards);
    const LocaleOverride userLocale(locale);
    QCOMPARE(startImage.size(), QSize(343, 229));

    driver->press(143, 57);
    driver->press(150, 50);
    driver->press(5, 3);

    QCOMPARE(driver->rows(0), (QStringList{"7", "8", "0"}));
    QCOMPARE(driver->rows(1), (QStringList{"3", "3", "0"}));
    QCOMPARE(driver->rows(2), upwards);
    QCOMPARE(driver->sheet().PointCount, std::int16_t(3));
    for (const QPoint crossing : {QPoint(140, 60), QPoint(160, 60), QPoint(0, 0)})
        QCOMPARE(dotColour(crossing), Black);
}

void TestPoints::snapping_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QPoint>("crossing");
    QTest::addColumn<QString>("upwards");

    QTest::newRow("x on a line stays") << QPoint(140, 57) << QPoint(140, 60) << "8.6";
    QTest::newRow("x remainder 1 goes left") << QPoint(141, 57) << QPoint(140, 60) << "8.6";
    QTest::newRow("x remainder 9 goes left") << QPoint(149, 57) << QPoint(140, 60) << "8.6";
    QTest::newRow("x remainder 10 goes right") << QPoint(150, 57) << QPoint(160, 60) << "8.6";
    QTest::newRow("x remainder 11 goes right") << QPoint(151, 57) << QPoint(160, 60) << "8.6";
    QTest::newRow("y on a line stays") << QPoint(143, 60) << QPoint(140, 60) << "8.45";
    QTest::newRow("y remainder 9 goes up") << QPoint(143, 69) << QPoint(140, 60) << "8";
    QTest::newRow("y remainder 10 goes down") << QPoint(143, 70) << QPoint(140, 80) << "7.95";
    QTest::newRow("origin") << QPoint(0, 0) << QPoint(0, 0) << "11.45";
    QTest::newRow("halfway to the first crossing") << QPoint(10, 10) << QPoint(20, 20) << "10.95";
    QTest::newRow("last pixel") << QPoint(342, 228) << QPoint(340, 220) << "0.05";
    QTest::newRow("right edge line") << QPoint(339, 5) << QPoint(340, 0) << "11.2";
}

void TestPoints::snapping()
{
    QFETCH(QPoint, at);
    QFETCH(QPoint, crossing);
    QFETCH(QString, upwards);

    press(at);

    QCOMPARE(driver->rows(0), QStringList{QString::number(crossing.x() / 20)});
    QCOMPARE(driver->rows(1), QStringList{QString::number(crossing.y() / 20)});
    // Counted from the press itself, not from the crossing.
    QCOMPARE(driver->rows(2), QStringList{upwards});
    QCOMPARE(dotColour(crossing), Black);
}

void TestPoints::anyButtonAddsAPoint_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers();
    QTest::newRow("right") << Qt::RightButton << Qt::KeyboardModifiers();
    QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers();
    QTest::newRow("left with shift") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("right with ctrl and alt")
        << Qt::RightButton << (Qt::ControlModifier | Qt::AltModifier);
}

void TestPoints::anyButtonAddsAPoint()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);

    driver->press(143, 57, button, modifiers);

    QCOMPARE(driver->rows(0), QStringList{"7"});
    QCOMPARE(driver->rows(1), QStringList{"3"});
    QCOMPARE(driver->rows(2), QStringList{"8.6"});
    QCOMPARE(driver->sheet().PointCount, std::int16_t(1));
    QCOMPARE(changedArea(startImage, driver->image()), QRect(138, 58, 5, 5));
}

void TestPoints::twoPressesOnOneCrossing()
{
    driver->press(143, 57);
    driver->press(138, 62);

    QCOMPARE(driver->rows(0), (QStringList{"7", "7"}));
    QCOMPARE(driver->rows(1), (QStringList{"3", "3"}));
    QCOMPARE(driver->rows(2), (QStringList{"8.6", "8.35"}));
    QCOMPARE(driver->sheet().PointCount, std::int16_t(2));

    driver->press(300, 200);
    QCOMPARE(driver->sheet().PointCount, std::int16_t(3));
    QVERIFY(driver->button(0)->isEnabled());
}

void TestPoints::thirdPointEnablesCalculationAndFourthIsIgnored()
{
    const std::string taskStatement = driver->report();
    QVERIFY(!taskStatement.empty());

    press(Presses[0]);
    press(Presses[1]);
    QVERIFY(!driver->button(0)->isEnabled());
    // A click on the disabled button must not run the analysis.
    driver->clickButton(0);
    QCOMPARE(driver->report(), taskStatement);

    press(Presses[2]);
    QVERIFY(driver->button(0)->isEnabled());
    QCOMPARE(driver->sheet().PointCount, std::int16_t(3));

    const QImage full = driver->image();
    const QStringList xs = driver->rows(0);
    driver->press(300, 100);
    driver->press(300, 100, Qt::RightButton);

    QCOMPARE(driver->image(), full);
    QCOMPARE(driver->rows(0), xs);
    QCOMPARE(rowCounts(), (QList<int>{3, 3, 3}));
    QCOMPARE(driver->sheet().PointCount, std::int16_t(3));
    QVERIFY(driver->button(0)->isEnabled());
    QCOMPARE(driver->report(), taskStatement);
}

void TestPoints::dotIsAFilledDiscOnTheCrossing()
{
    driver->press(143, 57);
    const QPoint centre(140, 60);
    const QImage black = driver->image();
    // The grid lines through the crossing are black as well, so the black
    // dot is checked only where it must cover and where it must not reach;
    // its outline is read from the dark red mark, which nothing else shares.
    for (int dy = -4; dy <= 4; ++dy) {
        for (int dx = -4; dx <= 4; ++dx) {
            const int squared = dx * dx + dy * dy;
            const QPoint at = centre + QPoint(dx, dy);
            if (squared <= 4)
                QCOMPARE(QColor(black.pixel(at)), Black);
            else if (squared >= 9)
                QCOMPARE(black.pixel(at), startImage.pixel(at));
        }
    }

    driver->clickRow(0, 0);
    QVERIFY(markedAt(centre));
    // Whether the pixels between two and three away belong to the disc is
    // the painter's choice, but the outline must not lean to any side.
    const QImage marked = driver->image();
    auto isMarked = [&](int dx, int dy) {
        return QColor(marked.pixel(centre + QPoint(dx, dy))) == DarkRed;
    };
    for (int dy = -3; dy <= 3; ++dy) {
        for (int dx = -3; dx <= 3; ++dx) {
            QCOMPARE(isMarked(-dx, dy), isMarked(dx, dy));
            QCOMPARE(isMarked(dx, -dy), isMarked(dx, dy));
            QCOMPARE(isMarked(dy, dx), isMarked(dx, dy));
        }
    }
}

void TestPoints::snapToGrid_data()
{
    QTest::addColumn<float>("coordinate");
    QTest::addColumn<std::optional<double>>("snapped");

    // A fractional coordinate is rounded, ties to even, only to find the
    // remainder; the fraction itself stays.
    QTest::newRow("143.5") << 143.5f << std::optional<double>(139.5);
    QTest::newRow("148.5 rounds down to 148") << 148.5f << std::optional<double>(140.5);
    QTest::newRow("149.5 rounds up to 150") << 149.5f << std::optional<double>(159.5);
    QTest::newRow("150.5 rounds down to 150") << 150.5f << std::optional<double>(160.5);
    QTest::newRow("9.5 rounds up to 10") << 9.5f << std::optional<double>(19.5);
    QTest::newRow("0.25") << 0.25f << std::optional<double>(0.25);
    QTest::newRow("on a line") << 160.0f << std::optional<double>(160.0);
    QTest::newRow("remainder keeps the sign") << -15.0f << std::optional<double>(0.0);
    QTest::newRow("beyond 32 bits") << 3e9f << std::optional<double>();
}

void TestPoints::snapToGrid()
{
    QFETCH(float, coordinate);
    QFETCH(std::optional<double>, snapped);

    QCOMPARE(::snapToGrid(coordinate, 20), snapped);
}

void TestPoints::fractionalPress()
{
    QCOMPARE(controls::doubleToText(139.5 / 20, "."), std::string("6.975"));

    Picture1_MouseDown(driver->window(), 1, 0, 143.5f, 57.5f);

    QCOMPARE(driver->rows(0), QStringList{"6.975"});
    QCOMPARE(driver->rows(1), QStringList{"2.975"});
    QCOMPARE(driver->rows(2), QStringList{"8.575"});
}

void TestPoints::selectByMouse_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("row");

    for (int list : {0, 1}) {
        for (int row : {0, 1, 2})
            QTest::addRow("list %d row %d", list, row) << list << row;
    }
}

void TestPoints::selectByMouse()
{
    QFETCH(int, list);
    QFETCH(int, row);
    enterThreePoints();
    const std::string report = driver->report();
    const QImage before = driver->image();
    std::vector<std::unique_ptr<QSignalSpy>> changes;
    for (int i = 0; i < 3; ++i)
        changes.push_back(std::make_unique<QSignalSpy>(driver->list(i), &QListWidget::itemSelectionChanged));

    driver->clickRow(list, row);

    QCOMPARE(selectedRows(), QList<int>(3, row));
    // One change per list: the nested clicks settle instead of bouncing.
    for (const auto& spy : changes)
        QCOMPARE(spy->count(), 1);
    QCOMPARE(dotColours(), marking(row));
    QCOMPARE(changedArea(before, driver->image()), QRect(Dots[row] - QPoint(2, 2), QSize(5, 5)));
    QCOMPARE(driver->report(), report);
}

void TestPoints::selectByKeyboard_data()
{
    QTest::addColumn<int>("list");

    QTest::newRow("x list") << 0;
    QTest::newRow("y list") << 1;
}

void TestPoints::selectByKeyboard()
{
    QFETCH(int, list);
    enterThreePoints();
    driver->clickRow(list, 0);
    QListWidget* target = driver->list(list);
    target->setFocus();

    const struct {
        Qt::Key key;
        int row;
    } steps[] = {{Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Down, 2}, {Qt::Key_Up, 1}};
    for (const auto& step : steps) {
        QTest::keyClick(target, step.key);
        QCOMPARE(selectedRows(), QList<int>(3, step.row));
        QCOMPARE(dotColours(), marking(step.row));
    }
}

void TestPoints::selectionMovesTheMark()
{
    enterThreePoints();
    driver->clickRow(1, 2);
    const QImage lastMarked = driver->image();

    driver->clickRow(0, 0);
    QCOMPARE(selectedRows(), QList<int>(3, 0));
    QCOMPARE(dotColours(), marking(0));

    // Nothing accumulates: the same selection draws the same picture.
    const QImage firstMarked = driver->image();
    driver->clickRow(0, 0);
    QCOMPARE(driver->image(), firstMarked);
    driver->clickRow(1, 2);
    QCOMPARE(driver->image(), lastMarked);
}

void TestPoints::clickInEmptyListDrawsNothing()
{
    for (int list : {0, 1})
        QTest::mouseClick(driver->list(list)->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));

    QCOMPARE(selectedRows(), QList<int>(3, -1));
    QCOMPARE(driver->image(), startImage);
}

void TestPoints::selectionIsNeverTakenAway_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<Gesture>("gesture");

    for (int list : {0, 1}) {
        QTest::addRow("list %d, click below the last row", list) << list << Gesture::ClickBelowLastRow;
        QTest::addRow("list %d, ctrl+click on the row", list) << list << Gesture::CtrlClickSelectedRow;
        QTest::addRow("list %d, ctrl+space", list) << list << Gesture::CtrlSpace;
    }
}

void TestPoints::selectionIsNeverTakenAway()
{
    QFETCH(int, list);
    QFETCH(Gesture, gesture);
    enterThreePoints();
    driver->clickRow(list, 1);
    const QImage marked = driver->image();
    QListWidget* target = driver->list(list);
    target->setFocus();

    switch (gesture) {
    case Gesture::ClickBelowLastRow:
        QTest::mouseClick(target->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(10, target->viewport()->height() - 3));
        break;
    case Gesture::CtrlClickSelectedRow:
        QTest::mouseClick(target->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          target->visualItemRect(target->item(1)).center());
        break;
    case Gesture::CtrlSpace:
        QTest::keyClick(target, Qt::Key_Space, Qt::ControlModifier);
        break;
    }

    QCOMPARE(selectedRows(), QList<int>(3, 1));
    QCOMPARE(driver->image(), marked);
    // The point still shown as selected is the one "Изтрий" takes.
    driver->clickButton(2);
    QCOMPARE(driver->rows(0), (QStringList{"2", "5"}));
}

void TestPoints::selectionOnSharedCrossing_data()
{
    QTest::addColumn<int>("row");

    QTest::newRow("earlier point") << 0;
    QTest::newRow("later point") << 1;
}

void TestPoints::selectionOnSharedCrossing()
{
    QFETCH(int, row);
    driver->press(143, 57);
    driver->press(138, 62);
    press(Presses[2]);

    driver->clickRow(1, row);

    QCOMPARE(selectedRows(), QList<int>(3, row));
    QVERIFY(markedAt(QPoint(140, 60)));
    QCOMPARE(dotColour(Dots[2]), Black);
}

void TestPoints::deleteMiddlePoint()
{
    // The picture the deletion should leave: the grid with the first and
    // the third point only.
    press(Presses[0]);
    press(Presses[2]);
    const QImage expected = driver->image();
    driver->clickButton(1);
    enterThreePoints();
    driver->clickRow(0, 1);

    driver->clickButton(2);

    QCOMPARE(driver->rows(0), (QStringList{"2", "5"}));
    QCOMPARE(driver->rows(1), (QStringList{"2", "9"}));
    QCOMPARE(driver->rows(2), (QStringList{"9.55", "2.3"}));
    QCOMPARE(driver->sheet().PointCount, std::int16_t(2));
    QCOMPARE(selectedRows(), QList<int>(3, -1));
    QCOMPARE(driver->image(), expected);
    QCOMPARE(dotColour(Dots[1]), White);
    QVERIFY(!driver->button(0)->isEnabled());
    QCOMPARE(driver->report(), std::string());

    // Nothing is selected any more, so a second "Изтрий" takes nothing.
    driver->clickButton(2);
    QCOMPARE(rowCounts(), (QList<int>{2, 2, 2}));
    QCOMPARE(driver->image(), expected);

    driver->press(263, 77);
    QCOMPARE(driver->rows(0), (QStringList{"2", "5", "13"}));
    QCOMPARE(driver->rows(1), (QStringList{"2", "9", "4"}));
    QCOMPARE(driver->sheet().PointCount, std::int16_t(3));
    QVERIFY(driver->button(0)->isEnabled());
}

void TestPoints::deleteOnlyPoint()
{
    press(Presses[1]);
    driver->clickRow(1, 0);

    driver->clickButton(2);

    QCOMPARE(rowCounts(), (QList<int>{0, 0, 0}));
    QCOMPARE(driver->sheet().PointCount, std::int16_t(0));
    QCOMPARE(driver->image(), startImage);
}

void TestPoints::deleteWithoutSelection()
{
    enterThreePoints();
    QVERIFY(!driver->report().empty());
    const QImage before = driver->image();

    driver->clickButton(2);

    QCOMPARE(rowCounts(), (QList<int>{3, 3, 3}));
    QCOMPARE(driver->sheet().PointCount, std::int16_t(3));
    QCOMPARE(driver->image(), before);
    QVERIFY(driver->button(0)->isEnabled());
    QCOMPARE(driver->report(), std::string());
}

void TestPoints::deleteErasesAnalysis()
{
    press(Presses[0]);
    press(Presses[1]);
    const QImage expected = driver->image();
    press(Presses[2]);
    // (70, 55) lies on the segment from (40, 40) to (200, 120), off the grid.
    QCOMPARE(driver->pixel(70, 55), White);

    driver->clickButton(0);
    QVERIFY(!driver->report().empty());
    QCOMPARE(driver->pixel(70, 55), Black);
    driver->clickRow(0, 2);
    driver->clickButton(2);

    QCOMPARE(driver->image(), expected);
    QCOMPARE(driver->report(), std::string());
}

void TestPoints::clearBeforeAnyPoint()
{
    QVERIFY(!driver->report().empty());

    driver->clickButton(1);

    QCOMPARE(driver->image(), startImage);
    QCOMPARE(driver->report(), std::string());
    QCOMPARE(driver->sheet().PointCount, std::int16_t(0));
    QVERIFY(!driver->button(0)->isEnabled());
}

void TestPoints::clearAfterSelection()
{
    enterThreePoints();
    driver->clickButton(0);
    driver->clickRow(1, 1);

    driver->clickButton(1);

    QCOMPARE(rowCounts(), (QList<int>{0, 0, 0}));
    QCOMPARE(selectedRows(), QList<int>(3, -1));
    QCOMPARE(driver->sheet().PointCount, std::int16_t(0));
    QVERIFY(!driver->button(0)->isEnabled());
    QCOMPARE(driver->image(), startImage);
    QCOMPARE(driver->report(), std::string());

    driver->clickButton(1);
    QCOMPARE(driver->image(), startImage);

    // The worksheet takes three new points as at start-up.
    enterThreePoints();
    QCOMPARE(driver->rows(0), (QStringList{"2", "10", "5"}));
    QVERIFY(driver->button(0)->isEnabled());
}

void TestPoints::rowTextsReadBack_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QPoint>("dot");

    QTest::newRow("no number") << "abc" << "?" << QPoint(0, 0);
    QTest::newRow("empty") << "" << "" << QPoint(0, 0);
    QTest::newRow("comma is not a decimal point") << "7,5" << "3" << QPoint(140, 60);
    QTest::newRow("number before text") << "12abc" << "2x" << QPoint(240, 40);
    QTest::newRow("leading blanks and sign") << "  +7" << " 3" << QPoint(140, 60);
    QTest::newRow("no exponent") << "1e2" << "4E1" << QPoint(20, 80);
    // y is rounded to a whole pixel, halves to the even neighbour.
    QTest::newRow("y 49.8 pixels") << "5" << "2.49" << QPoint(100, 50);
    QTest::newRow("y 2.5 pixels") << "5" << ".125" << QPoint(100, 2);
    QTest::newRow("y 7.5 pixels") << "5" << "0.375" << QPoint(100, 8);
}

void TestPoints::rowTextsReadBack()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QPoint, dot);
    press(Presses[1]);
    putRow(x, y);

    driver->clickRow(0, 1);

    QCOMPARE(selectedRows(), QList<int>(3, 1));
    QVERIFY(markedAt(dot));
    QCOMPARE(dotColour(Dots[1]), Black);
}

void TestPoints::hiddenPointIsReported_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<int>("selected");

    const QString beyondDouble(400, QLatin1Char('9'));
    QTest::newRow("x beyond a double") << beyondDouble << "1" << 0;
    QTest::newRow("y beyond 32 bits") << "1" << "99999999999" << 0;
    QTest::newRow("negative x beyond 32 bits") << "-99999999999" << "1" << 1;
    QTest::newRow("the point itself selected") << beyondDouble << "1" << 2;
}

void TestPoints::hiddenPointIsReported()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(int, selected);
    press(Presses[0]);
    press(Presses[1]);
    putRow(x, y);
    driver->window().Text1(0).SetText("");

    driver->clickRow(0, selected);

    QCOMPARE(selectedRows(), QList<int>(3, selected));
    QCOMPARE(dotColour(Dots[0]), selected == 0 ? DarkRed : Black);
    QCOMPARE(dotColour(Dots[1]), selected == 1 ? DarkRed : Black);
    // One line for the one point that cannot be shown, however often the
    // selection echoes through the lists.
    const QString report = QString::fromStdString(driver->report());
    QCOMPARE(report.count(HiddenPointLine), qsizetype(1));
    QCOMPARE(report, QStringLiteral("Точка 3: ") + HiddenPointLine + "\r\n");
}

void TestPoints::deletionReportsHiddenPoint()
{
    press(Presses[0]);
    putRow("99999999999", "1");
    press(Presses[2]);
    driver->clickRow(1, 0);

    driver->clickButton(2);

    QCOMPARE(driver->rows(0), (QStringList{"99999999999", "5"}));
    QCOMPARE(driver->sheet().PointCount, std::int16_t(2));
    QCOMPARE(dotColour(Dots[0]), White);
    QCOMPARE(dotColour(Dots[2]), Black);
    QCOMPARE(QString::fromStdString(driver->report()), QStringLiteral("Точка 1: ") + HiddenPointLine + "\r\n");
}

QTEST_MAIN(TestPoints)

#include "tst_points.moc"
