#pragma once

#include "controls/PixelRect.h"

#include <emscripten/val.h>

#include <cstddef>
#include <string>

namespace controls {

// The start window the page is built with: the program's window as the
// program showed it when the site was built, shown inert until the program
// has loaded. The program takes its elements over as its own window's
// rather than making the window again beside it, so that the page keeps
// what it has already laid out; only each board's picture and live region
// give way to the board's own. A page built without one, such as a test's,
// has none to take over.
class WebStartWindow
{
public:
    static constexpr const char* BuildAttribute = "data-build";
    // The page the page's script laid the start window out for, as the
    // program lays out its window: its whole device pixels across and down
    // and its device pixel ratio in millionths.
    static constexpr const char* FittedAttribute = "data-fitted";
    static constexpr const char* StyleSheetId = "drelvik-controls";

    explicit WebStartWindow(const std::string& id);

    // Marks a window made by the program as this build's, which a start
    // window taken from it keeps.
    static void stamp(const emscripten::val& window);

    bool shown() const { return !window_.isNull(); }
    const emscripten::val& window() const { return window_; }
    // The start window's element of the id; null where it has none.
    emscripten::val element(const std::string& id) const;
    // Whether the start window is laid out for that page, measured now.
    bool fittedTo(const PixelRect& page) const;

    // A board's canvas and live region in the places of the next picture
    // and live region shown.
    void putBoard(const emscripten::val& canvas, const emscripten::val& announcer);
    // The window is the program's from now on: no longer inert, and placed
    // by the program instead of the page's script. No start window is shown
    // any more.
    void handOver();

private:
    emscripten::val window_;
    emscripten::val pictures_;
    emscripten::val announcers_;
    std::size_t boardsPut_ = 0;
};

} // namespace controls
