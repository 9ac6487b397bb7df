#include "WindowDriver.h"

#include "board/GridSnap.h"

#include <QtTest>

#include <cstdint>
#include <memory>
#include <optional>

namespace {

const QColor Black(0, 0, 0);
const QColor DarkRed(200, 0, 0);

// Three presses well apart on the 343 × 229 board, and their crossings.
const QList<QPoint> Presses{{43, 38}, {201, 118}, {97, 183}};
const QList<QPoint> Dots{{40, 40}, {200, 120}, {100, 180}};
const QPoint Nowhere(-10, -10);

QRect dotArea(QPoint crossing)
{
    return QRect(crossing - QPoint(2, 2), QSize(5, 5));
}

QString hiddenPointReport(int point)
{
    return QStringLiteral("Точка %1: координатите са твърде големи, за да се покаже на дъската.\r\n")
        .arg(point);
}

// What a learner does in a list; all but a click follow a first click on a row.
enum class Action { Click, Down, Up, ClickBelowLastRow, CtrlClickRow, CtrlSpace };

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

} // namespace

Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(Action)

class TestPoints : public QObject
{
    Q_OBJECT

private slots:
    void init() { driver = std::make_unique<WindowDriver>(); startImage = driver->image(); }
    void cleanup() { driver.reset(); QLocale::setDefault(QLocale::system()); }
    void entry_data();
    void entry();
    void snapToGrid_data();
    void snapToGrid();
    void selection_data();
    void selection();
    void listedRowIsRedrawn_data();
    void listedRowIsRedrawn();
    void clearAndDelete_data();
    void clearAndDelete();

private:
    void pressAll(const QList<QPoint>& points)
    {
        for (const QPoint at : points)
            driver->press(at.x(), at.y());
    }
    QList<int> selectedRows() const
    {
        Window& window = driver->window();
        return {window.List1(0).ListIndex(), window.List1(1).ListIndex(), window.List1(2).ListIndex()};
    }
    QColor dotColour(QPoint crossing) const;
    bool markedAt(QPoint centre) const;

    std::unique_ptr<WindowDriver> driver;
    QImage startImage;
};

// The colour of the dot on a crossing, told by the four pixels diagonally next
// to it, inside the dot and off the grid lines; invalid when they disagree.
QColor TestPoints::dotColour(QPoint crossing) const
{
    const QImage board = driver->image();
    QSet<QRgb> seen;
    for (const QPoint offset : {QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1), QPoint(1, 1)}) {
        if (board.rect().contains(crossing + offset))
            seen << board.pixel(crossing + offset);
    }
    return seen.size() == 1 ? QColor(*seen.begin()) : QColor();
}

// Whether the dark red mark, which nothing else shares, is a 5-pixel disc
// on the pixel: all within two pixels marked, nothing three or more away.
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

void TestPoints::entry_data()
{
    QTest::addColumn<QList<QPoint>>("presses");
    QTest::addColumn<QList<QPoint>>("crossings");
    QTest::addColumn<QStringList>("upwards");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QLocale>("locale");

    const auto add = [](const char* name, const QList<QPoint>& presses, const QList<QPoint>& crossings,
                        const QStringList& upwards, Qt::MouseButton button = Qt::LeftButton,
                        Qt::KeyboardModifiers modifiers = {}, const QLocale& locale = QLocale::c()) {
        QTest::newRow(name) << presses << crossings << upwards << button << modifiers << locale;
    };
    add("x on a line stays", {{140, 57}}, {{140, 60}}, {"8.6"});
    add("x remainder 9 goes left", {{149, 57}}, {{140, 60}}, {"8.6"});
    add("x remainder 10 goes right", {{150, 57}}, {{160, 60}}, {"8.6"});
    add("y on a line stays", {{143, 60}}, {{140, 60}}, {"8.45"});
    add("y remainder 9 goes up", {{143, 69}}, {{140, 60}}, {"8"});
    add("y remainder 10 goes down", {{143, 70}}, {{140, 80}}, {"7.95"});
    add("last pixel", {{342, 228}}, {{340, 220}}, {"0.05"});
    add("right edge line", {{339, 5}}, {{340, 0}}, {"11.2"});
    add("two presses on one crossing", {{143, 57}, {138, 62}}, {{140, 60}, {140, 60}}, {"8.6", "8.35"});
    const QList<QPoint> example{{143, 57}, {150, 50}, {5, 3}};
    const QList<QPoint> exampleDots{{140, 60}, {160, 60}, {0, 0}};
    add("worked example", example, exampleDots, {"8.6", "8.95", "11.3"});
    add("worked example, Bulgarian", example, exampleDots, {"8,6", "8,95", "11,3"}, Qt::LeftButton, {},
        QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    add("fourth press ignored", Presses + QList<QPoint>{{300, 100}}, Dots, {"9.55", "5.55", "2.3"});
    add("right button with ctrl and alt", {{143, 57}}, {{140, 60}}, {"8.6"}, Qt::RightButton,
        Qt::ControlModifier | Qt::AltModifier);
    // Widget pixel (1, 1), on the 2-pixel border.
    add("on the border", {{-1, -1}}, {}, {});
}

void TestPoints::entry()
{
    QFETCH(QList<QPoint>, presses);
    QFETCH(QList<QPoint>, crossings);
    QFETCH(QStringList, upwards);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);

    for (const QPoint at : presses)
        driver->press(at.x(), at.y(), button, modifiers);

    QStringList xs, ys;
    QRect dots;
    for (const QPoint crossing : crossings) {
        xs << QString::number(crossing.x() / 20);
        ys << QString::number(crossing.y() / 20);
        dots |= dotArea(crossing);
        QCOMPARE(dotColour(crossing), Black);
    }
    QCOMPARE(driver->rows(0), xs);
    QCOMPARE(driver->rows(1), ys);
    // Counted from the press itself, not from the crossing.
    QCOMPARE(driver->rows(2), upwards);
    QCOMPARE(driver->sheet().PointCount, std::int16_t(crossings.size()));
    QCOMPARE(driver->button(0)->isEnabled(), crossings.size() == 3);
    // Nothing drawn beyond the dots; grid lines under them stay as they were.
    QCOMPARE(changedArea(startImage, driver->image()) | dots, dots);
}

void TestPoints::snapToGrid_data()
{
    QTest::addColumn<float>("coordinate");
    QTest::addColumn<std::optional<double>>("snapped");

    // A fractional coordinate is rounded, ties to even, only to find the
    // remainder; the fraction itself stays.
    QTest::newRow("149.5 rounds up to 150") << 149.5f << std::optional<double>(159.5);
    QTest::newRow("150.5 rounds down to 150") << 150.5f << std::optional<double>(160.5);
    QTest::newRow("remainder keeps the sign") << -15.0f << std::optional<double>(0.0);
    QTest::newRow("beyond 32 bits") << 3e9f << std::optional<double>();
}

void TestPoints::snapToGrid()
{
    QFETCH(float, coordinate);
    QFETCH(std::optional<double>, snapped);
    QCOMPARE(::snapToGrid(coordinate, 20), snapped);
}

void TestPoints::selection_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("selected");

    for (int list : {0, 1}) {
        for (int row : {0, 1, 2})
            QTest::addRow("list %d, click on row %d", list, row) << list << row << Action::Click << row;
        QTest::addRow("list %d, click below the last row", list) << list << 1 << Action::ClickBelowLastRow << 1;
        QTest::addRow("list %d, ctrl+click on the row", list) << list << 1 << Action::CtrlClickRow << 1;
        QTest::addRow("list %d, ctrl+space", list) << list << 1 << Action::CtrlSpace << 1;
    }
    QTest::newRow("down, x list") << 0 << 0 << Action::Down << 1;
    QTest::newRow("down from the last row") << 0 << 2 << Action::Down << 2;
    QTest::newRow("up, y list") << 1 << 2 << Action::Up << 1;
}

void TestPoints::selection()
{
    QFETCH(int, list);
    QFETCH(int, row);
    QFETCH(Action, action);
    QFETCH(int, selected);
    pressAll(Presses);
    QListWidget* target = driver->list(list);
    QWidget* viewport = target->viewport();
    if (action != Action::Click) {
        driver->clickRow(list, row);
        target->setFocus();
    }
    const QImage before = driver->image();
    QSignalSpy changes[] = {QSignalSpy(driver->list(0), &QListWidget::itemSelectionChanged),
                            QSignalSpy(driver->list(1), &QListWidget::itemSelectionChanged),
                            QSignalSpy(driver->list(2), &QListWidget::itemSelectionChanged)};
    const QPoint onRow = target->visualItemRect(target->item(row)).center();
    const QPoint belowRows(10, viewport->height() - 3);
    switch (action) {
    case Action::Click: driver->clickRow(list, row); break;
    case Action::Down: QTest::keyClick(target, Qt::Key_Down); break;
    case Action::Up: QTest::keyClick(target, Qt::Key_Up); break;
    case Action::ClickBelowLastRow: QTest::mouseClick(viewport, Qt::LeftButton, {}, belowRows); break;
    case Action::CtrlClickRow: QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, onRow); break;
    case Action::CtrlSpace: QTest::keyClick(target, Qt::Key_Space, Qt::ControlModifier); break;
    }

    QCOMPARE(selectedRows(), QList<int>(3, selected));
    const bool moved = action == Action::Click || selected != row;
    // One change per list: the nested clicks settle instead of bouncing.
    for (const QSignalSpy& spy : changes)
        QCOMPARE(spy.count(), int(moved));
    for (int dot = 0; dot < 3; ++dot)
        QCOMPARE(dotColour(Dots[dot]), dot == selected ? DarkRed : Black);
    const QRect left = action == Action::Click ? QRect() : dotArea(Dots[row]);
    QCOMPARE(changedArea(before, driver->image()), moved ? dotArea(Dots[selected]) | left : QRect());
}

void TestPoints::listedRowIsRedrawn_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QPoint>("mark");
    QTest::addColumn<QString>("report");

    // The texts of a row put after two points, read back as its position.
    QTest::newRow("no number") << "abc" << "?" << 2 << QPoint(0, 0) << QString();
    QTest::newRow("comma is not a decimal point") << "7,5" << "3" << 2 << QPoint(140, 60) << QString();
    // y is rounded to a whole pixel, halves to the even neighbour.
    QTest::newRow("y 49.8 pixels") << "5" << "2.49" << 2 << QPoint(100, 50) << QString();
    QTest::newRow("y 2.5 pixels") << "5" << ".125" << 2 << QPoint(100, 2) << QString();
    QTest::newRow("y 7.5 pixels") << "5" << "0.375" << 2 << QPoint(100, 8) << QString();
    // Two points on one crossing: the other must not paint over the mark.
    QTest::newRow("shared crossing, earlier") << "10" << "6" << 1 << Dots[1] << QString();
    QTest::newRow("shared crossing, later") << "10" << "6" << 2 << Dots[1] << QString();

    const QString beyondDouble(400, QLatin1Char('9'));
    const QString hidden = hiddenPointReport(3);
    QTest::newRow("x beyond a double") << beyondDouble << "1" << 0 << Dots[0] << hidden;
    QTest::newRow("y beyond 32 bits") << "1" << "99999999999" << 0 << Dots[0] << hidden;
    QTest::newRow("negative x beyond 32 bits") << "-99999999999" << "1" << 1 << Dots[1] << hidden;
    QTest::newRow("hidden point selected") << beyondDouble << "1" << 2 << Nowhere << hidden;
}

void TestPoints::listedRowIsRedrawn()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(int, selected);
    QFETCH(QPoint, mark);
    QFETCH(QString, report);
    pressAll(Presses.mid(0, 2));
    // A row no press could make, put into all three lists alike.
    driver->window().List1(0).AddItem(x.toStdString());
    driver->window().List1(1).AddItem(y.toStdString());
    driver->window().List1(2).AddItem("0");
    ++driver->sheet().PointCount;
    driver->window().Text1(0).SetText("");

    driver->clickRow(0, selected);

    QCOMPARE(selectedRows(), QList<int>(3, selected));
    QVERIFY(mark == Nowhere || markedAt(mark));
    for (int row : {0, 1})
        QCOMPARE(dotColour(Dots[row]), Dots[row] == mark ? DarkRed : Black);
    // Once, however often the selection echoes through the lists.
    QCOMPARE(QString::fromStdString(driver->report()), report);

    // Deleting another point renumbers the hidden one, whose line survives.
    driver->clickButton(2);
    const bool stillHidden = !report.isEmpty() && selected != 2;
    QCOMPARE(QString::fromStdString(driver->report()), stillHidden ? hiddenPointReport(2) : QString());
}

void TestPoints::clearAndDelete_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QList<QPoint>>("presses");
    QTest::addColumn<bool>("analysed");
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<QPoint>>("kept");

    const QList<QPoint>& all = Presses;
    const QList<QPoint> none;
    QTest::newRow("clear before any point") << 1 << none << false << 0 << -1 << none;
    QTest::newRow("clear after analysis and selection") << 1 << all << true << 1 << 1 << none;
    QTest::newRow("delete middle point") << 2 << all << false << 0 << 1 << QList<QPoint>{all[0], all[2]};
    QTest::newRow("delete first point, by y") << 2 << all << false << 1 << 0 << all.mid(1);
    QTest::newRow("delete after analysis") << 2 << all << true << 0 << 2 << all.mid(0, 2);
    QTest::newRow("delete only point") << 2 << all.mid(1, 1) << false << 1 << 0 << none;
    QTest::newRow("delete with nothing selected") << 2 << all << false << 0 << -1 << all;
}

void TestPoints::clearAndDelete()
{
    QFETCH(int, command);
    QFETCH(QList<QPoint>, presses);
    QFETCH(bool, analysed);
    QFETCH(int, list);
    QFETCH(int, row);
    QFETCH(QList<QPoint>, kept);
    // What the command should leave is what the kept presses make alone.
    pressAll(kept);
    const QImage expected = driver->image();
    const QStringList expectedRows[] = {driver->rows(0), driver->rows(1), driver->rows(2)};
    driver->clickButton(1);
    pressAll(presses);
    if (analysed)
        driver->clickButton(0);
    if (row >= 0)
        driver->clickRow(list, row);
    driver->window().Text1(0).SetText("stale");

    driver->clickButton(command);
    // Clicks in lists left empty select nothing and draw nothing.
    for (int i = 0; kept.isEmpty() && i < 2; ++i)
        QTest::mouseClick(driver->list(i)->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));

    for (int i = 0; i < 3; ++i)
        QCOMPARE(driver->rows(i), expectedRows[i]);
    QCOMPARE(driver->sheet().PointCount, std::int16_t(kept.size()));
    QCOMPARE(selectedRows(), QList<int>(3, -1));
    QCOMPARE(driver->image(), expected);
    QCOMPARE(driver->button(0)->isEnabled(), kept.size() == 3);
    QCOMPARE(driver->report(), std::string());
}

QTEST_MAIN(TestPoints)

#include "tst_points.moc"
