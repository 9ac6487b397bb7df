#include "tests/qt/QtDriver.h"

#include "controls/qt/QtBoard.h"
#include "controls/qt/QtToolkit.h"

#include <QAccessible>
#include <QApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QTest>

namespace {

QWidgetList programWindows()
{
    QWidgetList windows;
    for (QWidget* candidate : QApplication::topLevelWidgets()) {
        if (candidate->objectName() == QLatin1String("Drelvik"))
            windows << candidate;
    }
    return windows;
}

Qt::MouseButton toQtButton(std::int16_t button)
{
    switch (button) {
    case controls::mouse::RightButton: return Qt::RightButton;
    case controls::mouse::MiddleButton: return Qt::MiddleButton;
    default: return Qt::LeftButton;
    }
}

Qt::KeyboardModifiers toQtModifiers(std::int16_t shift)
{
    Qt::KeyboardModifiers modifiers;
    if (shift & controls::mouse::ShiftMask)
        modifiers |= Qt::ShiftModifier;
    if (shift & controls::mouse::CtrlMask)
        modifiers |= Qt::ControlModifier;
    if (shift & controls::mouse::AltMask)
        modifiers |= Qt::AltModifier;
    return modifiers;
}

Qt::Key toQtKey(Key key)
{
    switch (key) {
    case Key::Left: return Qt::Key_Left;
    case Key::Right: return Qt::Key_Right;
    case Key::Down: return Qt::Key_Down;
    case Key::Up: return Qt::Key_Up;
    case Key::Home: return Qt::Key_Home;
    case Key::End: return Qt::Key_End;
    case Key::PageUp: return Qt::Key_PageUp;
    case Key::PageDown: return Qt::Key_PageDown;
    case Key::Space: return Qt::Key_Space;
    case Key::Enter: return Qt::Key_Return;
    case Key::Digit2: return Qt::Key_2;
    case Key::Digit5: return Qt::Key_5;
    case Key::Digit7: return Qt::Key_7;
    }
    return Qt::Key_unknown;
}

// A light-on-dark contrast theme as a desktop's colour scheme gives it to
// Qt: white on black, selections black on yellow, disabled text grey.
QPalette highContrastPalette()
{
    QPalette palette(Qt::white, Qt::black, Qt::white, Qt::white, Qt::white, Qt::white, Qt::white, Qt::black,
                     Qt::black);
    palette.setColor(QPalette::Highlight, Qt::yellow);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(0xA6, 0xA6, 0xA6));
    return palette;
}

// Qt Test reads a position of (0, 0) as the widget's centre; the board's
// outer corner is a place a user can press too, so its events are sent as
// they are, with the focus a real press gives.
void sendMouse(QWidget* target, QEvent::Type type, QPointF position, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers)
{
    if (type == QEvent::MouseButtonPress && (target->focusPolicy() & Qt::ClickFocus))
        target->setFocus(Qt::MouseFocusReason);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, position, target->mapToGlobal(position), button, held, modifiers);
    QApplication::sendEvent(target, &event);
}

} // namespace

QtDriver::QtDriver()
{
    QLocale::setDefault(QLocale::c());
    // The window this driver made is the one that was not there before, even
    // while another driver's window is still open.
    const QWidgetList before = programWindows();
    drelvik_ = std::make_unique<Drelvik>(toolkit());
    for (QWidget* candidate : programWindows()) {
        if (!before.contains(candidate))
            top_ = candidate;
    }
    for (std::int16_t index = 0; index < lists::Count; ++index) {
        QObject::connect(list(index), &QListWidget::itemSelectionChanged, top_,
                         [this, index] { ++selectionChanges_[index]; });
    }
    drelvik_->show();
    QApplication::setActiveWindow(top_);
    if (!QTest::qWaitForWindowActive(top_))
        qWarning("the window did not become active");
}

QtDriver::~QtDriver() = default;

controls::Toolkit& QtDriver::toolkit()
{
    static controls::QtToolkit qt;
    return qt;
}

controls::QtBoard* QtDriver::board() const
{
    return widget<controls::QtBoard>(QStringLiteral("Picture1"));
}

QListWidget* QtDriver::list(std::int16_t index) const
{
    return widget<QListWidget>(QStringLiteral("List1(%1)").arg(index));
}

QPushButton* QtDriver::button(std::int16_t index) const
{
    return widget<QPushButton>(QStringLiteral("Command1(%1)").arg(index));
}

QPoint QtDriver::onBoard(int x, int y) const
{
    return board()->contentsRect().topLeft() + QPoint(x, y);
}

void QtDriver::pressBoard(int x, int y, std::int16_t button, std::int16_t shift)
{
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        sendMouse(board(), type, onBoard(x, y), toQtButton(button), toQtModifiers(shift));
}

void QtDriver::pressBoardAt(QPointF inner)
{
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        sendMouse(board(), type, board()->contentsRect().topLeft() + inner, Qt::LeftButton, {});
}

void QtDriver::doubleClickBoard(int x, int y)
{
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        sendMouse(board(), type, onBoard(x, y), Qt::LeftButton, {});
}

void QtDriver::clickRow(std::int16_t index, int row, std::int16_t shift)
{
    QListWidget* target = list(index);
    const QRect rect = target->visualItemRect(target->item(row));
    QTest::mouseClick(target->viewport(), Qt::LeftButton, toQtModifiers(shift), rect.center());
}

void QtDriver::clickBelowRows(std::int16_t index)
{
    QWidget* viewport = list(index)->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(10, viewport->height() - 3));
}

void QtDriver::clickButton(std::int16_t index)
{
    QTest::mouseClick(button(index), Qt::LeftButton);
}

void QtDriver::pressKey(const std::string& control, Key key, bool ctrl)
{
    QWidget* target = widget<QWidget>(QString::fromStdString(control));
    target->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(target, toQtKey(key), ctrl ? Qt::ControlModifier : Qt::NoModifier);
}

void QtDriver::typeKey(Key key)
{
    QTest::keyClick(QApplication::focusWidget(), toQtKey(key));
}

void QtDriver::pressTab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

void QtDriver::useDecimalComma(bool comma)
{
    QLocale::setDefault(comma ? QLocale(QLocale::Bulgarian, QLocale::Bulgaria) : QLocale::c());
}

// The desktop's colour scheme reaches a Qt program as a new application
// palette; an empty one gives back the platform's and the style's own. Qt
// posts each window the change; the window shows it once that is
// delivered, as the event loop would.
void QtDriver::useHighContrast(bool on)
{
    QApplication::setPalette(on ? highContrastPalette() : QPalette());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
}

std::string QtDriver::focusedControl() const
{
    const QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName().toStdString() : std::string();
}

std::vector<std::string> QtDriver::rows(std::int16_t index) const
{
    std::vector<std::string> texts;
    const QListWidget* target = list(index);
    for (int row = 0; row < target->count(); ++row)
        texts.push_back(target->item(row)->text().toStdString());
    return texts;
}

std::string QtDriver::report() const
{
    return drelvik_->window().Text1(textBoxes::Report).Text();
}

bool QtDriver::buttonEnabled(std::int16_t index) const
{
    return button(index)->isEnabled();
}

const controls::Raster& QtDriver::boardImage() const
{
    return board()->image();
}

const controls::Raster& QtDriver::shownBoard()
{
    return board()->composeScreenImage();
}

std::string QtDriver::accessibleName(const std::string& control) const
{
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(widget<QWidget>(QString::fromStdString(control)));
    return told ? told->text(QAccessible::Name).toStdString() : std::string();
}

std::string QtDriver::boardDescription() const
{
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(board());
    return told ? told->text(QAccessible::Description).toStdString() : std::string();
}

int QtDriver::selectionChanges(std::int16_t index) const
{
    return selectionChanges_.at(index);
}

std::unique_ptr<Driver> makeDriver()
{
    return std::make_unique<QtDriver>();
}
