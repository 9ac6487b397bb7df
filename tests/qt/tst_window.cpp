#include "tests/qt/QtDriver.h"

#include "controls/raster/DeviceScale.h"
#include "controls/qt/QtBoard.h"
#include "window/DrelvikDesign.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QPointingDevice>
#include <QScopeGuard>
#include <QTabletEvent>
#include <QTest>

#include <algorithm>
#include <memory>

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void taskStatementShowsAsTwentyFiveLines();
    void controls_data();
    void controls();
    void windowIsFixedAndTitled();
    void typingIntoReportChangesNothing();
    void boardShowsItsImage();
    void pressEntersThePixelDrawnUnderIt();
    void fingerAndPenEnterWhereTheyLift();
    void destroyingTheWindowObjectClosesTheWindow();
    void windowFollowsHighContrastPalette();
    void windowFollowsGnomeStyles_data();
    void windowFollowsGnomeStyles();
};

void WindowTest::taskStatementShowsAsTwentyFiveLines()
{
    const std::string statement = TaskStatement;
    int lineEnds = 0;
    for (std::size_t at = statement.find("\r\n"); at != std::string::npos; at = statement.find("\r\n", at + 2))
        ++lineEnds;
    QCOMPARE(lineEnds, 25);
    QVERIFY(statement.find('\n') == statement.find("\r\n") + 1);
    QVERIFY(statement.rfind("или е извън тях.\r\n") == statement.size() - std::string("или е извън тях.\r\n").size());
    QVERIFY(statement.find("основно понятия в геометрията. Тя се състои \r\n") != std::string::npos);
    QVERIFY(statement.find("Тема на проекта: Drelvik.\r\n") != std::string::npos);

    QtDriver driver;
    auto* box = driver.widget<QPlainTextEdit>(QStringLiteral("Text1(0)"));
    QString shown = QString::fromStdString(statement);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(box->toPlainText(), shown);
    QVERIFY(!box->toPlainText().contains(QLatin1Char('\r')));
}

void WindowTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("caption");
    // A pixel of the control's own face, clear of its text and border.
    QTest::addColumn<QPoint>("facePixel");
    QTest::addColumn<QColor>("face");

    const QColor label(255, 192, 128);
    const QPoint none(-1, -1);
    QTest::newRow("title") << "Label1(0)" << QRect(48, 0, 385, 25) << true << "Drelvik\n" << QPoint(3, 3) << label;
    QTest::newRow("prompt") << "Label1(3)" << QRect(8, 32, 345, 25) << true << "Посочете трите точки"
                            << QPoint(3, 3) << label;
    QTest::newRow("x heading") << "Label1(1)" << QRect(368, 32, 49, 25) << true << "Ос X" << QPoint(3, 20) << label;
    QTest::newRow("y heading") << "Label1(2)" << QRect(424, 32, 41, 25) << true << "Ос Y" << QPoint(3, 20) << label;
    QTest::newRow("board") << "Picture1" << QRect(8, 56, 347, 233) << true << "" << QPoint(12, 12)
                           << QColor(Qt::white);
    QTest::newRow("x list") << "List1(0)" << QRect(368, 56, 49, 80) << true << "" << none << QColor();
    QTest::newRow("y list") << "List1(1)" << QRect(424, 56, 41, 80) << true << "" << none << QColor();
    QTest::newRow("upward y list") << "List1(2)" << QRect(440, 152, 33, 80) << false << "" << none << QColor();
    QTest::newRow("calculate") << "Command1(0)" << QRect(376, 160, 73, 25) << true << "Изчисли" << QPoint(5, 12)
                               << QColor(128, 255, 128);
    QTest::newRow("clear") << "Command1(1)" << QRect(376, 208, 73, 25) << true << "Изчисти" << QPoint(5, 12)
                           << QColor(255, 0, 0);
    QTest::newRow("delete") << "Command1(2)" << QRect(376, 256, 73, 25) << true << "Изтрий" << QPoint(5, 12)
                            << QColor(192, 0, 192);
    QTest::newRow("report") << "Text1(0)" << QRect(8, 296, 457, 113) << true << "" << none << QColor();
    QTest::newRow("other sums") << "Text1(1)" << QRect(136, 344, 449, 27) << false << "" << none << QColor();
}

void WindowTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);
    QFETCH(QString, caption);
    QFETCH(QPoint, facePixel);
    QFETCH(QColor, face);

    QtDriver driver;
    QWidget* control = driver.widget<QWidget>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), driver.top());
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->isVisible(), visible);
    if (facePixel != QPoint(-1, -1))
        QCOMPARE(control->grab().toImage().pixelColor(facePixel), face);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QVERIFY(label->alignment() & Qt::AlignHCenter);
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(button->text(), caption);
        QVERIFY(!button->isDefault() && !button->autoDefault());
    }
    if (name == QLatin1String("Picture1"))
        QCOMPARE(driver.board()->contentsRect(), QRect(2, 2, 343, 229));
}

void WindowTest::windowIsFixedAndTitled()
{
    QtDriver driver;
    QWidget* window = driver.top();
    QCOMPARE(window->windowTitle(), QStringLiteral("www.example.org Torvanel"));
    QCOMPARE(window->size(), QSize(473, 418));
    QCOMPARE(window->grab().toImage().pixelColor(2, 400), QColor(128, 128, 255));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QCOMPARE(window->windowIcon().pixmap(32, 32).size(), QSize(32, 32));

    const QFontInfo font(window->font());
    QVERIFY2(font.family() == QLatin1String("Times New Roman")
                 || font.family() == QLatin1String("Liberation Serif"),
             qPrintable(font.family()));
    QCOMPARE(font.pointSize(), 12);
    QVERIFY(QFontMetrics(window->font()).inFont(QChar(0x0416)));
}

void WindowTest::typingIntoReportChangesNothing()
{
    QtDriver driver;
    auto* box = driver.widget<QPlainTextEdit>(QStringLiteral("Text1(0)"));
    const QString shown = box->toPlainText();
    QTest::keyClicks(box, QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->toPlainText(), shown);
    QCOMPARE(driver.report(), std::string(TaskStatement));

    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(box->textCursor().hasSelection());
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(box->toPlainText(), shown);
}

// What the screen shows of the board is its image, one image pixel to a
// device pixel at any scale, also after drawings that repaint only part of it.
void WindowTest::boardShowsItsImage()
{
    QtDriver driver;
    driver.pressBoard(80, 100);
    driver.pressBoard(160, 100);
    driver.pressBoard(20, 180);
    driver.clickButton(buttons::Calculate);
    driver.clickRow(lists::X, 1);
    controls::QtBoard* board = driver.board();
    const QImage shown = board->grab(board->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    const controls::Raster& image = board->composeScreenImage();
    QCOMPARE(shown.devicePixelRatio(), image.scale());
    // The inner area's last device pixel may be cut by the frame at a
    // fractional scale.
    QVERIFY(std::abs(shown.width() - image.width()) <= 1 && std::abs(shown.height() - image.height()) <= 1);
    int differing = 0;
    for (int y = 0; y < std::min(shown.height(), image.height()); ++y) {
        for (int x = 0; x < std::min(shown.width(), image.width()); ++x)
            differing += shown.pixel(x, y) != QRgb(image.bits()[y * image.width() + x]);
    }
    QCOMPARE(differing, 0);
}

// Qt reports a press in its own units, anywhere within a device pixel; the
// press enters the design pixel drawn on that device pixel. Design pixel 149
// lies left of the halfway line between crossings 140 and 160, 150 on it.
void WindowTest::pressEntersThePixelDrawnUnderIt()
{
    QtDriver driver;
    const controls::DeviceScale scale(driver.board()->image().scale());
    const double lastOf149 = scale.pixel(150) - 1;
    const double lastOf49 = scale.pixel(50) - 1;
    driver.pressBoardAt(QPointF(lastOf149 + 0.75, lastOf49 + 0.75) / scale.factor());
    driver.pressBoardAt(QPointF(lastOf149 + 1, lastOf49 + 1.5) / scale.factor());
    QVERIFY(driver.rows(lists::X) == (std::vector<std::string>{"7", "8"}));
    QVERIFY(driver.rows(lists::Y) == (std::vector<std::string>{"2", "3"}));
}

namespace {

bool showsMoreThanItsImage(controls::QtBoard& board)
{
    const controls::Raster& shown = board.composeScreenImage();
    const controls::Raster& image = board.image();
    const std::size_t pixels = std::size_t(image.width()) * std::size_t(image.height());
    return !std::equal(image.bits(), image.bits() + pixels, shown.bits());
}

void pen(QWidget* board, QEvent::Type type, QPointF position)
{
    static const QPointingDevice stylus(QStringLiteral("pen"), 2, QInputDevice::DeviceType::Stylus,
                                        QPointingDevice::PointerType::Pen, QInputDevice::Capability::Position, 1, 1);
    const Qt::MouseButton button = type == QEvent::TabletMove ? Qt::NoButton : Qt::LeftButton;
    QTabletEvent event(type, &stylus, position, board->mapToGlobal(position), 1, 0, 0, 0, 0, 0, Qt::NoModifier,
                       button, type == QEvent::TabletRelease ? Qt::NoButton : Qt::LeftButton);
    QApplication::sendEvent(board, &event);
}

} // namespace

// A finger marks the crossing it would enter over the picture and enters it
// as it lifts, once; one the system cancels enters nothing; a pen likewise.
void WindowTest::fingerAndPenEnterWhereTheyLift()
{
    QtDriver driver;
    controls::QtBoard* board = driver.board();
    const QPoint inner = board->contentsRect().topLeft();
    // The test's own finger; Qt keeps but never deletes a device made so.
    const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
    QPointingDevice* finger = touchScreen.get();
    QTest::touchEvent(board, finger).press(0, inner + QPoint(35, 45));
    QTest::touchEvent(board, finger).move(0, inner + QPoint(81, 99));
    QVERIFY(driver.rows(lists::X).empty());
    QVERIFY(showsMoreThanItsImage(*board));
    QTest::touchEvent(board, finger).release(0, inner + QPoint(81, 99));
    QVERIFY(!showsMoreThanItsImage(*board));
    QVERIFY(driver.rows(lists::X) == std::vector<std::string>{"4"});
    QVERIFY(driver.rows(lists::Y) == std::vector<std::string>{"5"});

    QTest::touchEvent(board, finger).press(0, inner + QPoint(120, 20));
    QTouchEvent cancel(QEvent::TouchCancel, finger);
    QApplication::sendEvent(board, &cancel);
    QVERIFY(!showsMoreThanItsImage(*board));
    QCOMPARE(driver.rows(lists::X).size(), std::size_t(1));

    pen(board, QEvent::TabletPress, inner + QPoint(20, 20));
    pen(board, QEvent::TabletMove, inner + QPoint(161, 41));
    QVERIFY(showsMoreThanItsImage(*board));
    pen(board, QEvent::TabletRelease, inner + QPoint(161, 41));
    QVERIFY(driver.rows(lists::X) == (std::vector<std::string>{"4", "8"}));
    QVERIFY(driver.rows(lists::Y) == (std::vector<std::string>{"5", "2"}));
}

void WindowTest::destroyingTheWindowObjectClosesTheWindow()
{
    auto count = [] {
        int windows = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            windows += widget->objectName() == QLatin1String("Drelvik");
        return windows;
    };
    const int before = count();
    {
        Drelvik drelvik(QtDriver::toolkit());
        QCOMPARE(count(), before + 1);
    }
    QCOMPARE(count(), before);
}


namespace {

QColor pixelOf(QWidget* widget, QPoint at)
{
    return widget->grab().toImage().pixelColor(at);
}

} // namespace

// The window, labels, buttons, the board's edge and paper and the lists'
// selection take the contrast theme's colours, and the design's come back
// when it ends.
void WindowTest::windowFollowsHighContrastPalette()
{
    QtDriver driver;
    driver.pressBoard(80, 100);
    QListWidget* xs = driver.list(lists::X);
    driver.clickRow(lists::X, 0);
    QWidget* label = driver.widget<QWidget>(QStringLiteral("Label1(0)"));
    const QRect row = xs->visualItemRect(xs->item(0));
    const QPoint selectedRow(row.right() - 2, row.center().y());

    driver.useHighContrast(true);
    QCOMPARE(pixelOf(driver.top(), {2, 400}), QColor(Qt::black));
    QCOMPARE(pixelOf(label, {3, 3}), QColor(Qt::black));
    QCOMPARE(pixelOf(driver.button(buttons::Calculate), {5, 12}), QColor(Qt::black));
    QCOMPARE(pixelOf(driver.board(), {0, 0}), QColor(Qt::white));
    QCOMPARE(pixelOf(driver.board(), {12, 12}), QColor(Qt::black));
    // The style shades the selection a little.
    const QColor selection = pixelOf(xs->viewport(), selectedRow);
    QVERIFY2(selection.red() == 255 && selection.green() == 255 && selection.blue() < 64,
             qPrintable(selection.name()));

    driver.useHighContrast(false);
    QCOMPARE(pixelOf(driver.top(), {2, 400}), QColor(128, 128, 255));
    QCOMPARE(pixelOf(label, {3, 3}), QColor(255, 192, 128));
    QCOMPARE(pixelOf(driver.board(), {12, 12}), QColor(Qt::white));
}

void WindowTest::windowFollowsGnomeStyles_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("boardEdge");

    // Strong by design, not because the pupil asked: as designed.
    QTest::newRow("dark") << "Adwaita-Dark" << QColor(128, 128, 255) << QColor(128, 128, 128);
    // GNOME's high contrast as Qt programs get it.
    QTest::newRow("high contrast") << "Adwaita-HighContrast" << QColor(0xFD, 0xFD, 0xFC) << QColor(0x27, 0x2C, 0x2E);
    QTest::newRow("high contrast inverse")
        << "Adwaita-HighContrastInverse" << QColor(0x30, 0x30, 0x30) << QColor(0xF3, 0xF3, 0xF1);
}

// A style made for high contrast brings its own palette, which the window
// follows, as it follows a change of style while it is open.
void WindowTest::windowFollowsGnomeStyles()
{
    QFETCH(QString, style);
    QFETCH(QColor, window);
    QFETCH(QColor, boardEdge);

    QtDriver driver;
    QStyle* gnome = QStyleFactory::create(style);
    QVERIFY2(gnome, "GNOME's styles for Qt are not installed (Debian: adwaita-qt6)");
    const auto ordinary = qScopeGuard(
        [ordinaryStyle = QApplication::style()->name()] { QApplication::setStyle(ordinaryStyle); });
    QApplication::setStyle(gnome);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
    QCOMPARE(pixelOf(driver.top(), {2, 400}), window);
    QCOMPARE(pixelOf(driver.board(), {0, 0}), boardEdge);
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
