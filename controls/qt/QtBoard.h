#pragma once

#include "controls/RasterBoard.h"

#include <QFrame>

namespace controls {

// The board on Qt: a sunken frame whose inner area shows the board's raster
// image, one image pixel to a device pixel at the screen's scale, and tells
// of the presses, keys and focus on it.
class QtBoard : public QFrame, public RasterBoard
{
    Q_OBJECT

public:
    // The outer size in design pixels; the image fills what lies inside
    // the border.
    QtBoard(int width, int height, QWidget* parent = nullptr);

protected:
    void imageChanged(const PixelRect& area) override;
    void descriptionChanged() override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void followScreen();
    void updateFocusMark();
};

} // namespace controls
