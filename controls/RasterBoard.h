#pragma once

#include "controls/Board.h"
#include "controls/Raster.h"

namespace controls {

// The board's drawing, done once for every toolkit: all of it goes into a
// raster image, which a toolkit's board only shows and which it tells about
// the presses on it.
class RasterBoard : public Board
{
public:
    RasterBoard(int width, int height);

    float ScaleWidth() const override;
    float ScaleHeight() const override;

    void SetBackColor(Rgb colour) override;
    void SetDrawWidth(std::int16_t pixels) override;
    void SetDrawStyle(DrawStyle style) override;

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour = {}) override;
    void PSet(float x, float y, std::optional<Rgb> colour = {}) override;

    void OnMouseDown(MouseDownHandler handler) override;

    const Raster& image() const { return image_; }

protected:
    void raiseMouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    // The pixels a drawing changed, for the toolkit to show them again.
    virtual void imageChanged(const PixelRect& area) = 0;

private:
    void showChanges();

    Raster image_;
    Rgb backColor_{255, 255, 255};
    // The system's button-text colour; the program never changes it.
    Rgb foreColor_{0, 0, 0};
    Pen pen_;
    MouseDownHandler mouseDown_;
};

} // namespace controls
