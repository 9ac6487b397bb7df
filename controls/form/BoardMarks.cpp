#include "controls/form/BoardMarks.h"

#include "controls/raster/DeviceScale.h"

#include <array>
#include <utility>

namespace controls {

namespace {

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

} // namespace

BoardMarks::BoardMarks(const BoardMarkLook& look, const Raster& picture, AreaHandler changed)
    : look_(look)
    , changed_(std::move(changed))
{
    fitTo(picture);
}

void BoardMarks::fitTo(const Raster& picture)
{
    width_ = picture.width();
    height_ = picture.height();
    scale_ = picture.scale();
}

void BoardMarks::setLook(const BoardMarkLook& look)
{
    look_ = look;
    if (anyShown())
        changed_(PixelRect{0, 0, width_, height_});
}

void BoardMarks::drawOn(Raster& picture) const
{
    if (focusShown_)
        drawFocusMarks(picture);
    if (contactMarked_)
        drawContactMark(picture);
}

void BoardMarks::setKeyboardCursor(double x, double y)
{
    if (x == cursorX_ && y == cursorY_)
        return;
    const PixelRect before = ringArea(cursorX_, cursorY_);
    cursorX_ = x;
    cursorY_ = y;
    if (focusShown_)
        changed_(unite(before, ringArea(cursorX_, cursorY_)));
}

void BoardMarks::setContactMark(double x, double y)
{
    if (contactMarked_ && x == contactX_ && y == contactY_)
        return;
    const bool wasMarked = std::exchange(contactMarked_, true);
    const double beforeX = std::exchange(contactX_, x);
    const double beforeY = std::exchange(contactY_, y);
    if (wasMarked)
        contactMarkChanged(beforeX, beforeY);
    contactMarkChanged(x, y);
}

void BoardMarks::clearContactMark()
{
    if (!contactMarked_)
        return;
    contactMarked_ = false;
    contactMarkChanged(contactX_, contactY_);
}

void BoardMarks::setHasFocus(bool focused)
{
    hasFocus_ = focused;
    updateFocusMark();
}

void BoardMarks::setFocusCuesShown(bool shown)
{
    focusCuesShown_ = shown;
    updateFocusMark();
}

void BoardMarks::updateFocusMark()
{
    const bool shown = hasFocus_ && focusCuesShown_;
    if (shown == focusShown_)
        return;
    focusShown_ = shown;
    changed_(PixelRect{0, 0, width_, height_});
}

// The ring round a crossing, in the picture's pixels.
PixelRect BoardMarks::ringArea(double x, double y) const
{
    const DeviceScale scale(scale_);
    const int reach = scale.extent(look_.ringReach);
    return PixelRect{scale.pixel(x) - reach, scale.pixel(y) - reach, 2 * reach + 1, 2 * reach + 1};
}

int BoardMarks::thickness() const
{
    return DeviceScale(scale_).length(look_.thickness);
}

// The row and the column of a contact mark at a crossing, each the ring's
// breadth across the whole picture: shown again one at a time, they are two
// thin strips.
void BoardMarks::contactMarkChanged(double x, double y) const
{
    const PixelRect ring = ringArea(x, y);
    changed_(PixelRect{0, ring.top, width_, ring.height});
    changed_(PixelRect{ring.left, 0, ring.width, height_});
}

void BoardMarks::drawFocusMarks(Raster& picture) const
{
    for (const PixelRect& side : frameSides(PixelRect{0, 0, picture.width(), picture.height()}, thickness()))
        picture.fillRect(side, look_.colour);
    for (const PixelRect& side : frameSides(ringArea(cursorX_, cursorY_), thickness()))
        picture.fillRect(side, look_.colour);
}

void BoardMarks::drawContactMark(Raster& picture) const
{
    const PixelRect ring = ringArea(contactX_, contactY_);
    for (const PixelRect& side : frameSides(ring, thickness()))
        picture.fillRect(side, look_.colour);
    for (const PixelRect& arm : armsOf(ring, thickness(), picture.width(), picture.height()))
        picture.fillRect(arm, look_.colour);
}

} // namespace controls
