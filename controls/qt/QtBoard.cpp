#include "controls/qt/QtBoard.h"
#include "controls/qt/QtColour.h"

#include <QMouseEvent>
#include <QPainter>

namespace controls {

namespace {

// Twips are 1/1440 inch; at the 96 dots per inch the layout assumes, a
// pixel is 15 twips.
constexpr double TwipsPerPixel = 15.0;

Qt::PenStyle toPenStyle(DrawStyle style)
{
    switch (style) {
    case DrawStyle::Solid: return Qt::SolidLine;
    case DrawStyle::Dash: return Qt::DashLine;
    case DrawStyle::Dot: return Qt::DotLine;
    case DrawStyle::DashDot: return Qt::DashDotLine;
    case DrawStyle::DashDotDot: return Qt::DashDotDotLine;
    }
    return Qt::SolidLine;
}

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

QtBoard::QtBoard(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitImageToInnerArea();
}

void QtBoard::SetScaleMode(ScaleMode mode)
{
    scaleMode_ = mode;
}

void QtBoard::SetAutoRedraw(bool on)
{
    autoRedraw_ = on;
}

bool QtBoard::AutoRedraw() const
{
    return autoRedraw_;
}

float QtBoard::ScaleWidth() const
{
    return float(image_.width() / pixelsPerUnit());
}

float QtBoard::ScaleHeight() const
{
    return float(image_.height() / pixelsPerUnit());
}

void QtBoard::SetBackColor(Rgb colour)
{
    backColor_ = colour;
}

void QtBoard::SetDrawWidth(std::int16_t pixels)
{
    drawWidth_ = std::max<std::int16_t>(pixels, 1);
}

void QtBoard::SetDrawStyle(DrawStyle style)
{
    drawStyle_ = style;
}

void QtBoard::Cls()
{
    image_.fill(toQColor(backColor_));
    update();
}

void QtBoard::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    QPainter painter(&image_);
    painter.setPen(pen(colour));
    painter.drawLine(toPixels(x1, y1), toPixels(x2, y2));
    update();
}

void QtBoard::PSet(float x, float y, std::optional<Rgb> colour)
{
    QPainter painter(&image_);
    painter.setPen(pen(colour));
    // A pixel's centre lies half a pixel in; a round pen drawn there covers
    // a disc centred on the pixel rather than on its top-left corner.
    painter.drawPoint(toPixels(x, y) + QPointF(0.5, 0.5));
    update();
}

Rgb QtBoard::Point(int x, int y) const
{
    const QColor colour = image_.pixelColor(x, y);
    return Rgb{std::uint8_t(colour.red()), std::uint8_t(colour.green()),
               std::uint8_t(colour.blue())};
}

void QtBoard::OnMouseDown(MouseDownHandler handler)
{
    mouseDown_ = std::move(handler);
}

void QtBoard::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

void QtBoard::mousePressEvent(QMouseEvent* event)
{
    QFrame::mousePressEvent(event);
    // The border is not part of the board: presses on it are not the board's.
    const QPoint position = event->position().toPoint();
    if (!mouseDown_ || !contentsRect().contains(position))
        return;
    const QPoint inner = position - contentsRect().topLeft();
    const double unit = pixelsPerUnit();
    mouseDown_(toMouseButton(event->button()), toShiftState(event->modifiers()),
               float(inner.x() / unit), float(inner.y() / unit));
}

void QtBoard::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    fitImageToInnerArea();
}

double QtBoard::pixelsPerUnit() const
{
    return scaleMode_ == ScaleMode::Pixels ? 1.0 : 1.0 / TwipsPerPixel;
}

QPointF QtBoard::toPixels(float x, float y) const
{
    const double unit = pixelsPerUnit();
    return QPointF(x * unit, y * unit);
}

QPen QtBoard::pen(std::optional<Rgb> colour) const
{
    QPen pen(toQColor(colour.value_or(foreColor_)));
    pen.setWidth(drawWidth_);
    pen.setCapStyle(drawWidth_ > 1 ? Qt::RoundCap : Qt::SquareCap);
    pen.setStyle(drawWidth_ == 1 ? toPenStyle(drawStyle_) : Qt::SolidLine);
    return pen;
}

void QtBoard::fitImageToInnerArea()
{
    const QSize inner = contentsRect().size().expandedTo(QSize(1, 1));
    if (image_.size() == inner)
        return;
    QImage resized(inner, QImage::Format_RGB32);
    resized.fill(toQColor(backColor_));
    QPainter(&resized).drawImage(0, 0, image_);
    image_ = resized;
}

} // namespace controls
