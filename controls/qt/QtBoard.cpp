#include "controls/qt/QtBoard.h"

#include <QMouseEvent>
#include <QPainter>

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
    , RasterBoard(width - 2 * BorderWidth, height - 2 * BorderWidth)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderWidth);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void QtBoard::imageChanged(const PixelRect& area)
{
    update(QRect(area.left, area.top, area.width, area.height).translated(contentsRect().topLeft()));
}

void QtBoard::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const Raster& raster = image();
    // The image is read where it lies, without a copy.
    const QImage shown(reinterpret_cast<const uchar*>(raster.bits()), raster.width(), raster.height(),
                       raster.width() * 4, QImage::Format_RGB32);
    QPainter painter(this);
    painter.setClipRegion(event->region() & contentsRect());
    painter.drawImage(contentsRect().topLeft(), shown);
}

void QtBoard::mousePressEvent(QMouseEvent* event)
{
    QFrame::mousePressEvent(event);
    // The border is not part of the board: presses on it are not the board's.
    const QPoint position = event->position().toPoint();
    if (!contentsRect().contains(position))
        return;
    const QPoint inner = position - contentsRect().topLeft();
    raiseMouseDown(toMouseButton(event->button()), toShiftState(event->modifiers()), float(inner.x()),
                   float(inner.y()));
}

// The second press of a double click is a double click, not another press:
// a pupil who double-clicks gets one point.
void QtBoard::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

} // namespace controls
