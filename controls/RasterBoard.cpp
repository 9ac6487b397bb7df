#include "controls/RasterBoard.h"

#include "controls/DeviceScale.h"
#include "controls/KeyCode.h"

#include <algorithm>
#include <array>
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

// The keys a board takes for itself: those the program has a use for, but
// Tab, which moves the focus.
bool takenByBoard(std::int16_t keyCode)
{
    switch (keyCode) {
    case key::Return:
    case key::Space:
    case key::End:
    case key::Home:
    case key::Left:
    case key::Up:
    case key::Right:
    case key::Down: return true;
    default: return false;
    }
}

ControlDescription boardOfSize(int width, int height)
{
    ControlDescription board;
    board.kind = ControlKind::PictureBox;
    board.bounds = PixelRect{0, 0, width, height};
    return board;
}

} // namespace

RasterBoard::RasterBoard(int width, int height, double scale)
    : RasterBoard(boardOfSize(width, height), EdgeLook{}, scale)
{
}

RasterBoard::RasterBoard(const ControlDescription& design, const EdgeLook& edge, double scale)
    : edge_(edge)
    , designWidth_(edge_.inner(design.bounds.width))
    , designHeight_(edge_.inner(design.bounds.height))
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

void RasterBoard::pressAt(std::int16_t button, std::int16_t shift, double x, double y)
{
    const DeviceScale scale(image_.scale());
    pressOnDevicePixel(button, shift, scale.devicePixel(x), scale.devicePixel(y));
}

// The pixel pressed is the design pixel drawn on the device pixel, so a
// press lands on the same crossing at every scale.
void RasterBoard::pressOnDevicePixel(std::int16_t button, std::int16_t shift, int x, int y)
{
    if (!(x >= 0 && x < image_.width() && y >= 0 && y < image_.height()) || !mouseDown_)
        return;
    const DeviceScale scale(image_.scale());
    mouseDown_(button, shift, float(scale.designPixel(x)), float(scale.designPixel(y)));
}

bool RasterBoard::keyDown(std::int16_t keyCode, std::int16_t shift)
{
    if (!takenByBoard(keyCode))
        return false;
    if (keyDown_)
        keyDown_(keyCode, shift);
    return true;
}

void RasterBoard::setHasFocus(bool focused)
{
    hasFocus_ = focused;
    updateFocusMark();
}

void RasterBoard::setFocusCuesShown(bool shown)
{
    focusCuesShown_ = shown;
    updateFocusMark();
}

void RasterBoard::updateFocusMark()
{
    const bool shown = hasFocus_ && focusCuesShown_;
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
    const DeviceScale scale(image_.scale());
    const int reach = scale.extent(CursorReach);
    return PixelRect{scale.pixel(cursorX_) - reach, scale.pixel(cursorY_) - reach, 2 * reach + 1, 2 * reach + 1};
}

void RasterBoard::drawMarks()
{
    const int thickness = DeviceScale(image_.scale()).length(MarkThickness);
    for (const PixelRect& side : frameSides(PixelRect{0, 0, shown_.width(), shown_.height()}, thickness))
        shown_.fillRect(side, MarkColour);
    for (const PixelRect& side : frameSides(cursorArea(), thickness))
        shown_.fillRect(side, MarkColour);
}

} // namespace controls
