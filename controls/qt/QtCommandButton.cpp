#include "controls/qt/QtCommandButton.h"

#include <QKeyEvent>

namespace controls {

namespace {

// The platform styles paint gradients over a button's palette; a style
// sheet is what shows the exact colour on every style.
QString faceStyleSheet(Rgb face)
{
    const QString colour = QStringLiteral("rgb(%1, %2, %3)").arg(face.red).arg(face.green).arg(face.blue);
    return QStringLiteral(
               "QPushButton { background-color: %1; color: black;"
               " border: 2px outset %1; }"
               "QPushButton:focus { border: 2px outset %1; outline: 1px dotted black; }"
               "QPushButton:pressed { border: 2px inset %1; }"
               "QPushButton:disabled { color: rgb(128, 128, 128); }")
        .arg(colour);
}

} // namespace

QtCommandButton::QtCommandButton(const QString& caption, Rgb face, QWidget* parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setDefault(false);
    setStyleSheet(faceStyleSheet(face));
    connect(this, &QPushButton::clicked, this, [this] {
        if (click_)
            click_();
    });
}

void QtCommandButton::SetEnabled(bool enabled)
{
    setEnabled(enabled);
}

void QtCommandButton::OnClick(ClickHandler handler)
{
    click_ = std::move(handler);
}

void QtCommandButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat() && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace controls
