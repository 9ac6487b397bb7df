#pragma once

#include <emscripten/val.h>

namespace controls {

// Presses, taps and keys made on the page's start window before the program
// ran. The page keeps them in order, each with its position as a fraction of
// the start window's width and height; once the program's own window is in
// its place, each is made again on it, as if it had just happened: on the
// control under that position, or for a key on the control with the focus.
// Whatever lies outside the window is dropped.
class WebStartInput
{
public:
    explicit WebStartInput(emscripten::val window);

    void replay() const;

private:
    emscripten::val targetOf(const emscripten::val& input, emscripten::val init) const;

    emscripten::val window_;
};

} // namespace controls
