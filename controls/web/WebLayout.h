#pragma once

#include "controls/PixelRect.h"

#include <emscripten/val.h>

#include <vector>

namespace controls {

// The window on the page: drawn as large as the page allows at its designed
// proportions, larger or smaller than designed, centred, with nothing to
// scroll. Every edge of the window and of its elements lies on a whole
// device pixel, so that the board's image lands on whole device pixels.
// Fonts and the controls' own lengths follow the factor through the
// window's CSS variable --fit.
class WebLayout
{
public:
    // The window's element and its designed size in design pixels.
    WebLayout(emscripten::val window, int width, int height);

    // An element of the window, placed at its designed rectangle.
    void add(const emscripten::val& element, const PixelRect& design);

    // Lays the window out anew at the page's size and device pixel ratio;
    // returns the device pixels to a design pixel it is drawn at.
    double fitToPage() const;
    // The device pixels to a design pixel the window would be drawn at on
    // the page as it is now.
    double pageScale() const;

private:
    static PixelRect pageArea();
    double scaleIn(const PixelRect& page) const;

    struct Placed {
        emscripten::val element;
        PixelRect design;
    };

    emscripten::val window_;
    int width_;
    int height_;
    std::vector<Placed> placed_;
};

} // namespace controls
