#pragma once

#include "controls/Board.h"

#include <QFrame>
#include <QImage>

namespace controls {

// The board on Qt: a sunken frame whose inner area shows a QImage. Every
// drawing goes into the image without antialiasing, and paint events copy
// the image to the screen, so what is drawn survives being covered.
class QtBoard : public QFrame, public Board
{
    Q_OBJECT

public:
    explicit QtBoard(QWidget* parent = nullptr);

    void SetScaleMode(ScaleMode mode) override;
    void SetAutoRedraw(bool on) override;
    bool AutoRedraw() const override;
    float ScaleWidth() const override;
    float ScaleHeight() const override;

    void SetBackColor(Rgb colour) override;
    void SetDrawWidth(std::int16_t pixels) override;
    void SetDrawStyle(DrawStyle style) override;

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour = {}) override;
    void PSet(float x, float y, std::optional<Rgb> colour = {}) override;
    Rgb Point(int x, int y) const override;

    void OnMouseDown(MouseDownHandler handler) override;

    // Qt delivers the resize of a hidden widget only when it is shown; the
    // window calls this once the board has its place, so that the board can
    // be measured and drawn on before it appears.
    void fitImageToInnerArea();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double pixelsPerUnit() const;
    QPointF toPixels(float x, float y) const;
    QPen pen(std::optional<Rgb> colour) const;

    QImage image_;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    bool autoRedraw_ = false;
    // Until the program sets one, the system's title-bar text colour.
    Rgb backColor_{255, 255, 255};
    // The system's button-text colour; the program never changes it.
    Rgb foreColor_{0, 0, 0};
    std::int16_t drawWidth_ = 1;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    MouseDownHandler mouseDown_;
};

} // namespace controls
