#pragma once

#include "controls/Pen.h"
#include "controls/Rgb.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

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

// What a finger or a pen on the board does: it touches down or moves onto a
// crossing, moves off the inner area (still down, it may come back), lifts,
// or ends without lifting on the area, taken back by the system or the
// page, or lifted off the area.
enum class Contact : std::uint8_t { Moved, OffArea, Lifted, Cancelled };

// A picture box: a framed drawing surface that keeps a persistent image.
// Coordinates are pixels of the window's design, origin at the top-left of
// the inner area (inside the border), x to the right, y downwards, whatever
// the display's scale: the image is drawn at the screen's own resolution.
class Board
{
public:
    // Raised for every press of a mouse button on the inner area, at the
    // design pixel pressed, except the second press of a double click: that
    // one is a double click, which the board does not report. Presses on the
    // border are not the board's. A toolkit that tells a finger or a pen
    // from a mouse reports them as contacts; one that does not, as presses.
    using MouseDownHandler =
        std::function<void(std::int16_t button, std::int16_t shift, float x, float y)>;
    // Raised while a finger or a pen touches the board: where it touched down
    // or moved to, or where it lifted, at the design pixel it is over; that
    // it moved off the inner area; or that it was cancelled: lifted off the
    // inner area, or taken over by the system or the page as a gesture.
    using ContactHandler = std::function<void(Contact contact, float x, float y)>;
    // Raised for a key pressed while the board has the focus, with its key
    // code (controls/KeyCode.h) and the shift state; keys that move the
    // focus belong to the window.
    using KeyDownHandler = std::function<void(std::int16_t keyCode, std::int16_t shift)>;

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

    // Where the keyboard cursor stands. It shows over the image, with a mark
    // round the board, while the board has the focus and the window shows
    // focus cues; it is never part of the image.
    virtual void SetKeyboardCursor(float x, float y) = 0;
    // Where a finger or a pen on the board would enter its point. The mark
    // shows over the image, focus or not, until it is cleared; it is never
    // part of the image.
    virtual void SetContactMark(float x, float y) = 0;
    virtual void ClearContactMark() = 0;
    // What a screen reader says of the board after its name; told to it
    // whenever it changes.
    virtual void SetDescription(const std::string& text) = 0;

    virtual void OnMouseDown(MouseDownHandler handler) = 0;
    virtual void OnKeyDown(KeyDownHandler handler) = 0;
    virtual void OnContact(ContactHandler handler) = 0;
};

} // namespace controls
