#include "controls/qt/QtCommandButton.h"

#include "controls/qt/QtConvert.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStylePainter>

namespace controls {

namespace {

QString cssColour(Rgb colour)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(colour.red).arg(colour.green).arg(colour.blue);
}

// The platform styles paint gradients over a button's palette; a style
// sheet is what shows the exact colour on every style. The edge is shaded
// from its colour; the focus outline is drawn over the face.
QString faceStyleSheet(Rgb face, Rgb edge, const FormLook& look)
{
    return QStringLiteral(
               "QPushButton { background-color: %1; color: %2; border: %5px outset %4; }"
               "QPushButton:pressed { border: %5px inset %4; }"
               "QPushButton:disabled { color: %3; }")
        .arg(cssColour(face), cssColour(look.textColour), cssColour(look.disabledTextColour), cssColour(edge))
        .arg(look.buttonEdgeWidth);
}

} // namespace

QtCommandButton::QtCommandButton(const ControlDescription& design, const FocusCues& focusCues, QWidget* parent)
    : QPushButton(toDisplayText(design.text), parent)
    , focusCues_(focusCues)
{
    setAutoDefault(false);
    setDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { raiseClick(); });
}

// A new style sheet draws every face anew.
void QtCommandButton::setLook(Rgb face, Rgb edge, const FormLook& look)
{
    focusOutline_ = look.focusOutline;
    setStyleSheet(faceStyleSheet(face, edge, look));
    update();
}

void QtCommandButton::SetEnabled(bool enabled)
{
    setEnabled(enabled);
}

bool QtCommandButton::shownEnabled() const
{
    return isEnabled();
}

void QtCommandButton::takeFocus()
{
    setFocus(Qt::MouseFocusReason);
}

// The keys that click are the button's own; Qt would click on Space too,
// when it is let go.
void QtCommandButton::keyPressEvent(QKeyEvent* event)
{
    if (!keyPressed(toKeyCode(event->key()), toShiftState(event->modifiers()), event->isAutoRepeat()))
        QPushButton::keyPressEvent(event);
}

void QtCommandButton::mousePressEvent(QMouseEvent* event)
{
    pointerPressed();
    QPushButton::mousePressEvent(event);
}

void QtCommandButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, face());
    if (focusCues_.showsFocusOf(hasFocus()))
        drawFocusOutline(painter);
}

void QtCommandButton::drawFocusOutline(QPainter& painter) const
{
    QPen dotted(toQColor(focusOutline_.colour), 1, Qt::DotLine);
    dotted.setCosmetic(true);
    painter.setPen(dotted);
    const int inset = focusOutline_.inset;
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
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

// The state is what the style is told of the button: pressed, enabled,
// under the mouse, in an active window. The focus outline is drawn apart.
const QPixmap& QtCommandButton::face()
{
    if (facesCaption_ != text()) {
        faces_.clear();
        facesCaption_ = text();
    }
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange);
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
