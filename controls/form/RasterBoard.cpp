#include "controls/form/RasterBoard.h"

#include "controls/raster/DeviceScale.h"
#include "controls/KeyCode.h"

#include <algorithm>
#include <array>
#include <utility>

namespace controls {

namespace {

// The focus mark and the keyboard cursor: one colour the program never
// draws in, so that neither can be taken for a point or a line.
constexpr Rgb MarkColour{0, 0, 255};
// All are lines this many design pixels thick; the keyboard cursor and the
// contact mark are square rings this far from their crossing on each side,
// clear of the point's dot.
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

// The lines from a ring to the four edges of an image, along the ring's
// middle, which show past a finger that covers the ring.
std::array<PixelRect, 4> armsOf(const PixelRect& ring, int thickness, int width, int height)
{
    const int left = ring.left + (ring.width - thickness) / 2;
    const int top = ring.top + (ring.height - thickness) / 2;
    const int right = ring.left + ring.width;
    const int bottom = ring.top + ring.height;
    return {PixelRect{0, top, ring.left, thickness}, PixelRect{right, top, width - right, thickness},
            PixelRect{left, 0, thickness, ring.top}, PixelRect{left, bottom, thickness, height - bottom}};
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

} // namespace

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
    const PixelRect before = ringArea(cursorX_, cursorY_);
    cursorX_ = x;
    cursorY_ = y;
    if (focusShown_)
        restale(unite(before, ringArea(cursorX_, cursorY_)));
}

void RasterBoard::SetContactMark(float x, float y)
{
    if (contactMarked_ && x == contactX_ && y == contactY_)
        return;
    const bool wasMarked = std::exchange(contactMarked_, true);
    const double beforeX = std::exchange(contactX_, x);
    const double beforeY = std::exchange(contactY_, y);
    if (wasMarked)
        restaleContactMark(beforeX, beforeY);
    restaleContactMark(x, y);
}

void RasterBoard::ClearContactMark()
{
    if (!contactMarked_)
        return;
    contactMarked_ = false;
    restaleContactMark(contactX_, contactY_);
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

void RasterBoard::OnContact(ContactHandler handler)
{
    contact_ = std::move(handler);
}

// Without the marks the image itself is what shows, and nothing is copied;
// the copy catches up on everything stale once the marks show again.
const Raster& RasterBoard::shown()
{
    if (!focusShown_ && !contactMarked_)
        return image_;
    if (!stale_.empty()) {
        shown_.copyArea(image_, stale_);
        if (focusShown_)
            drawMarks();
        if (contactMarked_)
            drawContactMark();
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

void RasterBoard::pressOnDevicePixel(std::int16_t button, std::int16_t shift, int x, int y)
{
    const std::optional<DesignPixel> pressed = designPixelOn(x, y);
    if (pressed && mouseDown_)
        mouseDown_(button, shift, float(pressed->x), float(pressed->y));
}

void RasterBoard::contactAt(Contact contact, double x, double y)
{
    const DeviceScale scale(image_.scale());
    contactOnDevicePixel(contact, scale.devicePixel(x), scale.devicePixel(y));
}

// A contact off the inner area can enter nothing, as if it were cancelled.
void RasterBoard::contactOnDevicePixel(Contact contact, int x, int y)
{
    const std::optional<DesignPixel> over = designPixelOn(x, y);
    if (!over)
        cancelContact();
    else if (contact_)
        contact_(contact, float(over->x), float(over->y));
}

void RasterBoard::cancelContact()
{
    if (contact_)
        contact_(Contact::Cancelled, 0, 0);
}

// The design pixel drawn on a device pixel, so that a press or a contact
// lands on the same crossing at every scale; none off the image.
std::optional<RasterBoard::DesignPixel> RasterBoard::designPixelOn(int x, int y) const
{
    if (!(x >= 0 && x < image_.width() && y >= 0 && y < image_.height()))
        return std::nullopt;
    const DeviceScale scale(image_.scale());
    return DesignPixel{scale.designPixel(x), scale.designPixel(y)};
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

// The ring round a crossing, in the image's pixels.
PixelRect RasterBoard::ringArea(double x, double y) const
{
    const DeviceScale scale(image_.scale());
    const int reach = scale.extent(CursorReach);
    return PixelRect{scale.pixel(x) - reach, scale.pixel(y) - reach, 2 * reach + 1, 2 * reach + 1};
}

// The row and the column of a contact mark at a crossing, each the ring's
// breadth across the whole image: shown again one at a time, they are two
// thin strips.
void RasterBoard::restaleContactMark(double x, double y)
{
    const PixelRect ring = ringArea(x, y);
    restale(PixelRect{0, ring.top, image_.width(), ring.height});
    restale(PixelRect{ring.left, 0, ring.width, image_.height()});
}

void RasterBoard::drawMarks()
{
    const int thickness = DeviceScale(image_.scale()).length(MarkThickness);
    for (const PixelRect& side : frameSides(PixelRect{0, 0, shown_.width(), shown_.height()}, thickness))
        shown_.fillRect(side, MarkColour);
    for (const PixelRect& side : frameSides(ringArea(cursorX_, cursorY_), thickness))
        shown_.fillRect(side, MarkColour);
}

void RasterBoard::drawContactMark()
{
    const int thickness = DeviceScale(image_.scale()).length(MarkThickness);
    const PixelRect ring = ringArea(contactX_, contactY_);
    for (const PixelRect& side : frameSides(ring, thickness))
        shown_.fillRect(side, MarkColour);
    for (const PixelRect& arm : armsOf(ring, thickness, shown_.width(), shown_.height()))
        shown_.fillRect(arm, MarkColour);
}

} // namespace controls
