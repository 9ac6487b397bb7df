#include "controls/qt/QtBoard.h"

#include "controls/form/FormBehaviour.h"
#include "controls/qt/QtConvert.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTabletEvent>
#include <QTouchEvent>

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

} // namespace

QtBoard::QtBoard(const ControlDescription& design, const FormLook& look, QWidget* parent)
    : QWidget(parent)
    , RasterBoard(design, look, parent ? parent->devicePixelRatioF() : 1)
{
    const int edge = look.boardEdge.width;
    setContentsMargins(edge, edge, edge, edge);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
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
// at that scale. A finger on the board is a contact, which Qt would
// otherwise pass on as a mouse press.
bool QtBoard::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ScreenChangeInternal: followScreen(); break;
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: touched(static_cast<QTouchEvent*>(event)); return true;
    default: break;
    }
    return QWidget::event(event);
}

void QtBoard::paintEvent(QPaintEvent* event)
{
    followScreen();
    QPainter painter(this);
    // The edge is painted only when some of it is to be painted again; the
    // image's own changes lie inside it.
    if (!contentsRect().contains(event->rect())) {
        for (const BoardEdge::Band& band : edge().bands(PixelRect{0, 0, width(), height()}, 1))
            painter.fillRect(band.area.left, band.area.top, band.area.width, band.area.height,
                             toQColor(band.colour));
    }
    const Raster& raster = composeScreenImage();
    // The image is read where it lies, without a copy, one pixel to a
    // device pixel.
    QImage picture(reinterpret_cast<const uchar*>(raster.bits()), raster.width(), raster.height(),
                   raster.width() * 4, QImage::Format_RGB32);
    picture.setDevicePixelRatio(raster.scale());
    painter.setClipRegion(event->region() & contentsRect());
    painter.drawImage(contentsRect().topLeft(), picture);
}

void QtBoard::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    pressOfClick(*event, 1);
}

// Qt tells the second press of a double click instead of a press.
void QtBoard::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    pressOfClick(*event, 2);
}

// Positions come in Qt's device-independent units, fractional ones too.
void QtBoard::pressOfClick(const QMouseEvent& event, int clickCount)
{
    if (!FormBehaviour::countsAsPress(clickCount))
        return;
    const QPointF inner = event.position() - contentsRect().topLeft();
    pressAt(toMouseButton(event.button()), toShiftState(event.modifiers()), inner.x(), inner.y());
}

// A pen touching the board is a contact; one hovering over it is not yet.
void QtBoard::tabletEvent(QTabletEvent* event)
{
    event->accept();
    switch (event->type()) {
    case QEvent::TabletPress:
        setFocus(Qt::MouseFocusReason);
        penDown_ = true;
        contactAtPosition(Contact::Moved, event->position());
        break;
    case QEvent::TabletMove:
        if (penDown_)
            contactAtPosition(Contact::Moved, event->position());
        break;
    case QEvent::TabletRelease:
        if (penDown_)
            contactAtPosition(Contact::Lifted, event->position());
        penDown_ = false;
        break;
    default: break;
    }
}

void QtBoard::touched(QTouchEvent* event)
{
    event->accept();
    if (event->type() == QEvent::TouchCancel) {
        if (touch_.isDown())
            cancelContact();
        touch_.end();
        return;
    }
    for (const QEventPoint& point : event->points()) {
        if (point.state() == QEventPoint::Pressed && touch_.putDown(point.id()))
            setFocus(Qt::MouseFocusReason);
        if (!touch_.isContact(point.id()))
            continue;
        if (point.state() == QEventPoint::Released) {
            touch_.end();
            contactAtPosition(Contact::Lifted, point.position());
        } else {
            contactAtPosition(Contact::Moved, point.position());
        }
    }
}

void QtBoard::contactAtPosition(Contact contact, QPointF position)
{
    const QPointF inner = position - contentsRect().topLeft();
    contactAt(contact, inner.x(), inner.y());
}

void QtBoard::keyPressEvent(QKeyEvent* event)
{
    if (!keyDown(toKeyCode(event->key()), toShiftState(event->modifiers())))
        QWidget::keyPressEvent(event);
}

void QtBoard::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    setHasFocus(true);
}

void QtBoard::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    setHasFocus(false);
}

void QtBoard::followScreen()
{
    setScale(devicePixelRatioF());
}

} // namespace controls
