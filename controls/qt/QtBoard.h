#pragma once

#include "controls/form/ContactPointer.h"
#include "controls/form/RasterBoard.h"

#include <QWidget>

class QTouchEvent;

namespace controls {

// The board on Qt: a widget whose inner area shows the board's raster image,
// one image pixel to a device pixel at the screen's scale, inside the edge
// the design gives, and tells of the presses, contacts, keys and focus on
// it.
class QtBoard : public QWidget, public RasterBoard
{
    Q_OBJECT

public:
    QtBoard(const ControlDescription& design, const FormLook& look, QWidget* parent = nullptr);

protected:
    void imageChanged(const PixelRect& area) override;
    void descriptionChanged() override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void pressOfClick(const QMouseEvent& event, int clickCount);
    void tabletEvent(QTabletEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void followScreen();
    void touched(QTouchEvent* event);
    void contactAtPosition(Contact contact, QPointF position);

    // The finger that is the contact.
    ContactPointer touch_;
    bool penDown_ = false;
};

} // namespace controls
