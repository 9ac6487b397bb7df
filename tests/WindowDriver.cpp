#include "WindowDriver.h"

#include "app/DrelvikDesign.h"
#include "controls/qt/QtBoard.h"

#include <QApplication>
#include <QTest>

WindowDriver::WindowDriver()
    : WindowDriver(drelvikDesign())
{
}

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

} // namespace

WindowDriver::WindowDriver(const controls::FormDescription& design)
{
    // The window this driver made is the one that was not there before, even
    // while another driver's window is still open.
    const QWidgetList before = programWindows();
    drelvik_ = std::make_unique<Drelvik>(design);
    for (QWidget* candidate : programWindows()) {
        if (!before.contains(candidate))
            top_ = candidate;
    }
    drelvik_->show();
    QApplication::setActiveWindow(top());
    if (!QTest::qWaitForWindowActive(top()))
        qWarning("the window did not become active");
}

controls::QtBoard* WindowDriver::board() const
{
    return widget<controls::QtBoard>(QStringLiteral("Picture1"));
}

QListWidget* WindowDriver::list(int index) const
{
    return widget<QListWidget>(QStringLiteral("List1(%1)").arg(index));
}

QPushButton* WindowDriver::button(int index) const
{
    return widget<QPushButton>(QStringLiteral("Command1(%1)").arg(index));
}

void WindowDriver::press(int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    const QPoint inner = board()->contentsRect().topLeft();
    QTest::mousePress(board(), button, modifiers, inner + QPoint(x, y));
    QTest::mouseRelease(board(), button, modifiers, inner + QPoint(x, y));
}

void WindowDriver::clickButton(int index)
{
    QTest::mouseClick(button(index), Qt::LeftButton);
}

void WindowDriver::clickRow(int listIndex, int row)
{
    QListWidget* target = list(listIndex);
    const QRect rect = target->visualItemRect(target->item(row));
    QTest::mouseClick(target->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

QStringList WindowDriver::rows(int listIndex) const
{
    QStringList texts;
    const QListWidget* target = list(listIndex);
    for (int row = 0; row < target->count(); ++row)
        texts << target->item(row)->text();
    return texts;
}

QColor WindowDriver::pixel(int x, int y) const
{
    const controls::Rgb colour = board()->Point(x, y);
    return QColor(colour.red, colour.green, colour.blue);
}

QImage WindowDriver::image() const
{
    const QPoint inner = board()->contentsRect().topLeft();
    return board()->grab(QRect(inner, board()->contentsRect().size())).toImage();
}
