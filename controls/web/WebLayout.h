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

    // Who laid the window out for the page as last measured, if anyone: the
    // page's script lays its start window out as this class does, all but
    // the elements the program made itself.
    enum class LaidOut { No, ByPage };

    // An element of the window at its designed rectangle: one the program
    // made is placed there; one the page already shows stays as the page
    // placed it until the window is fitted.
    void add(const emscripten::val& element, const PixelRect& design, LaidOut laidOut = LaidOut::No);

    // Lays the window out anew at the page's size and device pixel ratio,
    // measured again; returns the device pixels to a design pixel it is
    // drawn at.
    double fitToPage();
    // The same on the page as last measured: when the window was made, for
    // its first showing, in the same turn of the page's events. The page
    // then lays the window out once, not once more to be measured. Where the
    // page's script has laid it out for that page, only the elements the
    // program made are placed.
    double fitToMeasuredPage(LaidOut laidOut = LaidOut::No) const;
    // The page's whole device pixels as last measured.
    const PixelRect& measuredPage() const { return page_; }
    // The device pixels to a design pixel the window is drawn at on the
    // page as last measured.
    double pageScale() const;

private:
    static PixelRect pageArea();
    double scaleIn(const PixelRect& page) const;

    struct Placed {
        emscripten::val element;
        PixelRect design;
        LaidOut laidOut;
    };

    emscripten::val window_;
    int width_;
    int height_;
    PixelRect page_;
    std::vector<Placed> placed_;
};

} // namespace controls
