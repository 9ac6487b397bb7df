#pragma once

#include "controls/PixelRect.h"
#include "controls/Rgb.h"

#include <emscripten/val.h>

#include <cstdint>
#include <string>

namespace controls {

// What the page's elements and events are told and tell in the program's
// terms: colours, rectangles, texts, keys and mouse buttons.

emscripten::val document();
// A new element of the tag, with an id when one is given.
emscripten::val createElement(const std::string& tag, const std::string& id = {});
// Places an element at a rectangle of pixels, each `cssPixels` of the
// page's CSS pixels: design pixels are one, device pixels the inverse of
// the device pixel ratio.
void placeAt(const emscripten::val& element, const PixelRect& bounds, double cssPixels = 1);
std::string cssColour(Rgb colour);

// Texts keep the CR LF line ends of the old platform; the page breaks lines
// at a bare line feed.
std::string withoutCarriageReturns(std::string text);

// The program's key code of a keyboard event's key; 0 for a key it has no use for.
std::int16_t keyCodeOf(const emscripten::val& keyboardEvent);
// The Shift, Ctrl and Alt keys an event was sent with, as mouse::ShiftMask etc.
std::int16_t shiftStateOf(const emscripten::val& event);
// The button a mouse or pointer event tells of, as mouse::LeftButton etc.
std::int16_t mouseButtonOf(const emscripten::val& mouseEvent);

} // namespace controls
