#pragma once

#include "controls/RasterBoard.h"

#include <QFrame>

namespace controls {

// The board on Qt: a sunken frame whose inner area shows the board's raster
// image and reports the presses on it.
class QtBoard : public QFrame, public RasterBoard
{
    Q_OBJECT

public:
    static constexpr int BorderWidth = 2;

    // The outer size; the image fills what lies inside the border.
    QtBoard(int width, int height, QWidget* parent = nullptr);

protected:
    void imageChanged(const PixelRect& area) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace controls
