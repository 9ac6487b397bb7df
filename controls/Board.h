#pragma once

#include "controls/Pen.h"
#include "controls/Rgb.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace controls {

// Mouse buttons and modifier keys as a mouse-down event reports them.
namespace mouse {
inline constexpr std::int16_t LeftButton = 1;
inline constexpr std::int16_t RightButton = 2;
inline constexpr std::int16_t MiddleButton = 4;
inline constexpr std::int16_t ShiftMask = 1;
inline constexpr std::int16_t CtrlMask = 2;
inline constexpr std::int16_t AltMask = 4;
} // namespace mouse

// A picture box: a framed drawing surface that keeps a persistent image.
// Coordinates are pixels, origin at the top-left of the inner area (inside
// the border), x to the right, y downwards.
class Board
{
public:
    // Raised for every press of a mouse button on the inner area, except the
    // second press of a double click: that one is a double click, which the
    // board does not report. Presses on the border are not the board's.
    using MouseDownHandler =
        std::function<void(std::int16_t button, std::int16_t shift, float x, float y)>;

    virtual ~Board() = default;

    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;

    virtual void SetBackColor(Rgb colour) = 0;
    virtual void SetDrawWidth(std::int16_t pixels) = 0;
    virtual void SetDrawStyle(DrawStyle style) = 0;

    // Paints the whole image with the background colour.
    virtual void Cls() = 0;
    // Without a colour, lines and points take the foreground colour.
    virtual void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour = {}) = 0;
    // With a pen w pixels wide, a filled round dot w pixels across.
    virtual void PSet(float x, float y, std::optional<Rgb> colour = {}) = 0;

    virtual void OnMouseDown(MouseDownHandler handler) = 0;
};

} // namespace controls
