#include "controls/qt/QtCommandButton.h"

#include "controls/qt/QtConvert.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStylePainter>

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
    connect(this, &QPushButton::clicked, this, [this] { raiseClick(isEnabled()); });
}

void QtCommandButton::SetEnabled(bool enabled)
{
    setEnabled(enabled);
}

// Qt clicks on Space itself; the other keys that click are done here.
void QtCommandButton::keyPressEvent(QKeyEvent* event)
{
    const std::int16_t keyCode = toKeyCode(event->key());
    if (keyCode != key::Space && clicksOnKey(keyCode) && !event->isAutoRepeat()
        && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void QtCommandButton::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, face());
}

// A new font, palette or style draws every state anew; a change of state
// only picks another face.
void QtCommandButton::changeEvent(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FontChange || type == QEvent::PaletteChange || type == QEvent::StyleChange)
        faces_.clear();
    QPushButton::changeEvent(event);
}

void QtCommandButton::resizeEvent(QResizeEvent* event)
{
    faces_.clear();
    QPushButton::resizeEvent(event);
}

// The state is what the style is told of the button: pressed, focused,
// enabled, under the mouse, in an active window, keyboard in use.
const QPixmap& QtCommandButton::face()
{
    if (facesCaption_ != text()) {
        faces_.clear();
        facesCaption_ = text();
    }
    QStyleOptionButton option;
    initStyleOption(&option);
    // The focus shows once the keyboard has been used in the window, as on
    // Windows; the style sheet would show it after a mouse click too.
    if (!(option.state & QStyle::State_KeyboardFocusChange))
        option.state &= ~QStyle::State_HasFocus;
    auto found = faces_.find(option.state.toInt());
    if (found == faces_.end())
        found = faces_.insert(option.state.toInt(), drawFace(option));
    return *found;
}

// What QPushButton paints, over the background the window fills in first.
QPixmap QtCommandButton::drawFace(const QStyleOptionButton& option)
{
    QPixmap drawn(size() * devicePixelRatio());
    drawn.setDevicePixelRatio(devicePixelRatio());
    drawn.fill(palette().color(backgroundRole()));
    QStylePainter painter(&drawn, this);
    // The pen, background and font a painter on the button itself starts with.
    painter.setPen(palette().color(foregroundRole()));
    painter.setBackground(palette().brush(backgroundRole()));
    painter.setFont(font());
    painter.drawControl(QStyle::CE_PushButton, option);
    return drawn;
}

} // namespace controls
