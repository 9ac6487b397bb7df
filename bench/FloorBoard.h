#pragma once

#include <QFrame>
#include <QImage>

#include <functional>
#include <vector>

// The board as a plain Qt program would make it: a sunken frame showing an
// image that QPainter draws into, repainted where it changed.
class FloorBoard : public QFrame
{
public:
    // The outer size; the border is two pixels wide.
    FloorBoard(int width, int height, QWidget* parent);

    // Told of every press, at its pixel of the image.
    std::function<void(QPoint)> pressed;

    // The grid and the points on white, all of the image repainted.
    void redraw(const std::vector<QPoint>& points);
    void drawPoint(QPoint at, QColor colour);
    void drawLine(QPoint from, QPoint to, Qt::PenStyle style);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void repaintImage(const QRect& area);

    // White with the grid, drawn once: the image starts from it again.
    QImage grid_;
    QImage image_;
};
