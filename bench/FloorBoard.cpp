#include "bench/FloorBoard.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr int BorderWidth = 2;
constexpr int GridStep = 20;
constexpr int PointWidth = 5;

QRect pointArea(QPoint at)
{
    return QRect(at.x() - PointWidth / 2, at.y() - PointWidth / 2, PointWidth, PointWidth);
}

void paintPoint(QPainter& painter, QPoint at, QColor colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(pointArea(at));
}

} // namespace

FloorBoard::FloorBoard(int width, int height, QWidget* parent)
    : QFrame(parent)
    , grid_(width - 2 * BorderWidth, height - 2 * BorderWidth, QImage::Format_RGB32)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
    grid_.fill(Qt::white);
    QPainter painter(&grid_);
    painter.setPen(QPen(Qt::black, 1, Qt::DashDotDotLine));
    for (int y = 0; y <= int(std::lround(grid_.height() / double(GridStep))) * GridStep; y += GridStep)
        painter.drawLine(0, y, grid_.width(), y);
    for (int x = 0; x <= int(std::lround(grid_.width() / double(GridStep))) * GridStep; x += GridStep)
        painter.drawLine(x, 0, x, grid_.height());
    image_ = grid_;
}

// The image shares the grid's pixels until a painter first draws on it, which
// copies them in one piece.
void FloorBoard::redraw(const std::vector<QPoint>& points)
{
    image_ = grid_;
    if (!points.empty()) {
        QPainter painter(&image_);
        for (const QPoint at : points)
            paintPoint(painter, at, Qt::black);
    }
    repaintImage(image_.rect());
}

void FloorBoard::drawPoint(QPoint at, QColor colour)
{
    QPainter painter(&image_);
    paintPoint(painter, at, colour);
    repaintImage(pointArea(at));
}

void FloorBoard::drawLine(QPoint from, QPoint to, Qt::PenStyle style)
{
    QPainter painter(&image_);
    painter.setPen(QPen(Qt::black, 1, style));
    painter.drawLine(from, to);
    repaintImage(QRect(from, to).normalized().adjusted(-1, -1, 1, 1));
}

void FloorBoard::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRegion(event->region() & contentsRect());
    painter.drawImage(contentsRect().topLeft(), image_);
}

void FloorBoard::mousePressEvent(QMouseEvent* event)
{
    if (pressed)
        pressed((event->position() - contentsRect().topLeft()).toPoint());
}

void FloorBoard::repaintImage(const QRect& area)
{
    update(area.translated(contentsRect().topLeft()));
}
