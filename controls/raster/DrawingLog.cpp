#include "controls/raster/DrawingLog.h"

#include <algorithm>

namespace controls {

void DrawingLog::clear(Rgb background)
{
    background_ = background;
    drawings_.clear();
}

void DrawingLog::line(double x1, double y1, double x2, double y2, const Pen& pen)
{
    keep(Drawing{false, x1, y1, x2, y2, pen});
}

void DrawingLog::dot(double x, double y, Rgb colour, int width)
{
    keep(Drawing{true, x, y, x, y, Pen{colour, width, DrawStyle::Solid}});
}

Raster DrawingLog::replay(int width, int height, double scale, const ColourMap& colours) const
{
    Raster image(width, height, colours(background_), scale);
    for (const Drawing& drawing : drawings_) {
        Pen pen = drawing.pen;
        pen.colour = colours(pen.colour);
        if (drawing.isDot)
            image.dot(drawing.x1, drawing.y1, pen.colour, pen.width);
        else
            image.line(drawing.x1, drawing.y1, drawing.x2, drawing.y2, pen);
    }
    return image;
}

std::vector<DrawingLog::DotCentre> DrawingLog::dotsIn(Rgb colour) const
{
    std::vector<DotCentre> dots;
    for (const Drawing& drawing : drawings_) {
        if (drawing.isDot && drawing.pen.colour == colour)
            dots.push_back(DotCentre{drawing.x1, drawing.y1});
    }
    return dots;
}

// The same shape in the same place paints the same pixels, whatever its
// colour; a pattern shows only on a one-pixel pen.
bool DrawingLog::Drawing::coversSamePixels(const Drawing& other) const
{
    const bool patterned = !isDot && pen.width <= 1;
    return isDot == other.isDot && x1 == other.x1 && y1 == other.y1 && x2 == other.x2 && y2 == other.y2
           && std::max(pen.width, 1) == std::max(other.pen.width, 1)
           && (!patterned || pen.style == other.pen.style);
}

// A later drawing over exactly the same pixels hides the earlier one
// entirely, whatever was drawn between them, so the earlier one can go.
void DrawingLog::keep(const Drawing& drawing)
{
    std::erase_if(drawings_, [&](const Drawing& earlier) { return earlier.coversSamePixels(drawing); });
    drawings_.push_back(drawing);
}

} // namespace controls
