#include "controls/RasterBoard.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace controls {

namespace {

// The focus mark and the keyboard cursor: one colour the program never
// draws in, so that neither can be taken for a point or a line.
constexpr Rgb MarkColour{0, 0, 255};
// Both are lines this many design pixels thick; the cursor is a square
// ring this far from its crossing on each side, clear of the point's dot.
constexpr int MarkThickness = 2;
constexpr int CursorReach = 5;

// The four sides of a frame `thickness` pixels wide just inside `outer`.
std::array<PixelRect, 4> frameSides(const PixelRect& outer, int thickness)
{
    return {PixelRect{outer.left, outer.top, outer.width, thickness},
            PixelRect{outer.left, outer.top + outer.height - thickness, outer.width, thickness},
            PixelRect{outer.left, outer.top, thickness, outer.height},
            PixelRect{outer.left + outer.width - thickness, outer.top, thickness, outer.height}};
}

int roundedPixel(double coordinate)
{
    return int(std::clamp(std::floor(coordinate + 0.5), -1e9, 1e9));
}

} // namespace

int RasterBoard::borderWidth(double scale)
{
    return std::max(1, Raster::deviceLength(BorderWidth, scale));
}

RasterBoard::RasterBoard(int width, int height, double scale)
    : designWidth_(std::max(width, 0))
    , designHeight_(std::max(height, 0))
    , image_(designWidth_, designHeight_, backColor_, scale)
    , shown_(image_)
{
    image_.takeChangedArea();
}

float RasterBoard::ScaleWidth() const
{
    return float(designWidth_);
}

float RasterBoard::ScaleHeight() const
{
    return float(designHeight_);
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
    log_.clear(backColor_);
    showChanges();
}

void RasterBoard::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    Pen pen = pen_;
    pen.colour = colour.value_or(foreColor_);
    image_.line(x1, y1, x2, y2, pen);
    log_.line(x1, y1, x2, y2, pen);
    showChanges();
}

void RasterBoard::PSet(float x, float y, std::optional<Rgb> colour)
{
    image_.dot(x, y, colour.value_or(foreColor_), pen_.width);
    log_.dot(x, y, colour.value_or(foreColor_), pen_.width);
    showChanges();
}

void RasterBoard::SetKeyboardCursor(float x, float y)
{
    if (x == cursorX_ && y == cursorY_)
        return;
    const PixelRect before = cursorArea();
    cursorX_ = x;
    cursorY_ = y;
    if (focusShown_)
        restale(unite(before, cursorArea()));
}

void RasterBoard::SetDescription(const std::string& text)
{
    if (text == description_)
        return;
    description_ = text;
    descriptionChanged();
}

void RasterBoard::OnMouseDown(MouseDownHandler handler)
{
    mouseDown_ = std::move(handler);
}

void RasterBoard::OnKeyDown(KeyDownHandler handler)
{
    keyDown_ = std::move(handler);
}

// Without the marks the image itself is what shows, and nothing is copied;
// the copy catches up on everything stale once the marks show again.
const Raster& RasterBoard::shown()
{
    if (!focusShown_)
        return image_;
    if (!stale_.empty()) {
        shown_.copyArea(image_, stale_);
        if (focusShown_)
            drawMarks();
        shown_.takeChangedArea();
        stale_ = {};
    }
    return shown_;
}

// The pixel pressed is the design pixel whose share of the screen it lies
// in, so a press lands on the same crossing at every scale.
void RasterBoard::press(std::int16_t button, std::int16_t shift, double x, double y)
{
    if (!(x >= 0 && x < image_.width() && y >= 0 && y < image_.height()) || !mouseDown_)
        return;
    const double scale = image_.scale();
    const int designX = std::clamp(roundedPixel(x / scale), 0, designWidth_ - 1);
    const int designY = std::clamp(roundedPixel(y / scale), 0, designHeight_ - 1);
    mouseDown_(button, shift, float(designX), float(designY));
}

void RasterBoard::keyDown(std::int16_t keyCode, std::int16_t shift)
{
    if (keyDown_)
        keyDown_(keyCode, shift);
}

void RasterBoard::showFocus(bool shown)
{
    if (shown == focusShown_)
        return;
    focusShown_ = shown;
    restale(PixelRect{0, 0, image_.width(), image_.height()});
}

void RasterBoard::setScale(double scale)
{
    if (scale == image_.scale())
        return;
    image_ = log_.replay(designWidth_, designHeight_, scale);
    image_.takeChangedArea();
    shown_ = image_;
    restale(PixelRect{0, 0, image_.width(), image_.height()});
}

void RasterBoard::showChanges()
{
    const PixelRect changed = image_.takeChangedArea();
    if (!changed.empty())
        restale(changed);
}

void RasterBoard::restale(const PixelRect& area)
{
    stale_ = unite(stale_, area);
    imageChanged(area);
}

// The ring round the keyboard cursor, in the image's pixels.
PixelRect RasterBoard::cursorArea() const
{
    const double scale = image_.scale();
    const int reach = Raster::deviceLength(CursorReach, scale);
    return PixelRect{roundedPixel(cursorX_ * scale) - reach, roundedPixel(cursorY_ * scale) - reach,
                     2 * reach + 1, 2 * reach + 1};
}

void RasterBoard::drawMarks()
{
    const int thickness = std::max(1, Raster::deviceLength(MarkThickness, image_.scale()));
    for (const PixelRect& side : frameSides(PixelRect{0, 0, shown_.width(), shown_.height()}, thickness))
        shown_.fillRect(side, MarkColour);
    for (const PixelRect& side : frameSides(cursorArea(), thickness))
        shown_.fillRect(side, MarkColour);
}

} // namespace controls
