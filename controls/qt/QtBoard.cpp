#include "controls/qt/QtBoard.h"

#include "controls/qt/QtConvert.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace controls {

namespace {

std::int16_t toMouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return mouse::RightButton;
    case Qt::MiddleButton: return mouse::MiddleButton;
    default: return mouse::LeftButton;
    }
}

std::int16_t toShiftState(Qt::KeyboardModifiers modifiers)
{
    std::int16_t state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= mouse::ShiftMask;
    if (modifiers & Qt::ControlModifier)
        state |= mouse::CtrlMask;
    if (modifiers & Qt::AltModifier)
        state |= mouse::AltMask;
    return state;
}

} // namespace

QtBoard::QtBoard(int width, int height, QWidget* parent)
    : QFrame(parent)
    , RasterBoard(width - 2 * BorderWidth, height - 2 * BorderWidth, parent ? parent->devicePixelRatioF() : 1)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderWidth);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The area is in the image's device pixels; Qt repaints in its own units.
void QtBoard::imageChanged(const PixelRect& area)
{
    const double scale = image().scale();
    const int left = int(std::floor(area.left / scale));
    const int top = int(std::floor(area.top / scale));
    const int right = int(std::ceil((area.left + area.width) / scale));
    const int bottom = int(std::ceil((area.top + area.height) / scale));
    update(QRect(left, top, right - left, bottom - top).translated(contentsRect().topLeft()));
}

void QtBoard::descriptionChanged()
{
    setAccessibleDescription(QString::fromStdString(description()));
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

// A window moved to a screen of another scale draws the same picture anew
// at that scale.
bool QtBoard::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal)
        followScreen();
    return QFrame::event(event);
}

void QtBoard::paintEvent(QPaintEvent* event)
{
    followScreen();
    // The border is drawn only when some of it is to be painted again; the
    // image's own changes lie inside it.
    if (!contentsRect().contains(event->rect()))
        QFrame::paintEvent(event);
    const Raster& raster = shown();
    // The image is read where it lies, without a copy, one pixel to a
    // device pixel.
    QImage picture(reinterpret_cast<const uchar*>(raster.bits()), raster.width(), raster.height(),
                   raster.width() * 4, QImage::Format_RGB32);
    picture.setDevicePixelRatio(raster.scale());
    QPainter painter(this);
    painter.setClipRegion(event->region() & contentsRect());
    painter.drawImage(contentsRect().topLeft(), picture);
}

// Positions come in Qt's device-independent units, fractional ones too.
void QtBoard::mousePressEvent(QMouseEvent* event)
{
    QFrame::mousePressEvent(event);
    const QPointF inner = event->position() - contentsRect().topLeft();
    pressAt(toMouseButton(event->button()), toShiftState(event->modifiers()), inner.x(), inner.y());
}

// The second press of a double click is a double click, not another press:
// a pupil who double-clicks gets one point.
void QtBoard::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

// The arrows move the keyboard cursor, and from then on the window shows
// where the focus is, as Qt does once Tab has been used.
void QtBoard::keyPressEvent(QKeyEvent* event)
{
    const std::int16_t keyCode = toKeyCode(event->key());
    if (keyCode == 0 || keyCode == key::Tab) {
        QFrame::keyPressEvent(event);
        return;
    }
    if (showsFocusCues(keyCode)) {
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
        updateFocusMark();
    }
    keyDown(keyCode, toShiftState(event->modifiers()));
}

void QtBoard::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    updateFocusMark();
}

void QtBoard::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    updateFocusMark();
}

void QtBoard::followScreen()
{
    setScale(devicePixelRatioF());
}

void QtBoard::updateFocusMark()
{
    showFocus(hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange));
}

} // namespace controls
