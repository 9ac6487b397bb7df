#include "controls/RasterBoard.h"

#include <algorithm>

namespace controls {

RasterBoard::RasterBoard(int width, int height)
    : image_(width, height, backColor_)
{
}

float RasterBoard::ScaleWidth() const
{
    return float(image_.width());
}

float RasterBoard::ScaleHeight() const
{
    return float(image_.height());
}

void RasterBoard::SetBackColor(Rgb colour)
{
    backColor_ = colour;
}

void RasterBoard::SetDrawWidth(std::int16_t pixels)
{
    pen_.width = std::max<int>(pixels, 1);
}

void RasterBoard::SetDrawStyle(DrawStyle style)
{
    pen_.style = style;
}

void RasterBoard::Cls()
{
    image_.fill(backColor_);
    showChanges();
}

void RasterBoard::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    Pen pen = pen_;
    pen.colour = colour.value_or(foreColor_);
    image_.line(x1, y1, x2, y2, pen);
    showChanges();
}

void RasterBoard::PSet(float x, float y, std::optional<Rgb> colour)
{
    image_.dot(x, y, colour.value_or(foreColor_), pen_.width);
    showChanges();
}

void RasterBoard::OnMouseDown(MouseDownHandler handler)
{
    mouseDown_ = std::move(handler);
}

void RasterBoard::raiseMouseDown(std::int16_t button, std::int16_t shift, float x, float y)
{
    if (mouseDown_)
        mouseDown_(button, shift, x, y);
}

void RasterBoard::showChanges()
{
    const PixelRect changed = image_.takeChangedArea();
    if (!changed.empty())
        imageChanged(changed);
}

} // namespace controls
