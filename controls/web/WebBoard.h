#pragma once

#include "controls/form/ContactPointer.h"
#include "controls/form/RasterBoard.h"
#include "controls/web/WebEventHandler.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace controls {

// The board in the browser: a framed canvas whose inner area shows the
// board's raster image, one image pixel to a device pixel, and tells of the
// presses of the mouse, the contacts of pen and finger, the keys and the
// focus on it.
class WebBoard : public RasterBoard, public WebEventHandler
{
public:
    // The board as designed; the image fills what lies inside the edge. The
    // scale is the device pixels to a design pixel.
    WebBoard(const std::string& id, const ControlDescription& design, const FormLook& look, double scale);

    const emscripten::val& element() const { return canvas_; }
    // The live region that tells a screen reader of the keyboard cursor
    // where the page cannot announce a text without one.
    const emscripten::val& announcer() const { return announcer_; }

    // The board is in the page at this many device pixels to a design pixel:
    // at a new scale the same picture is drawn again, the canvas takes the
    // image's size in device pixels and its frame whole device pixels, and
    // what is not yet on the canvas is painted. Where it lies is the
    // window's affair, on a whole device pixel.
    void followScale(double scale);

    void handleEvent(emscripten::val event) override;

protected:
    void imageChanged(const PixelRect& area) override;
    void descriptionChanged() override;

private:
    void pointerDown(const emscripten::val& event);
    void mousePressed(const emscripten::val& event);
    void contactChanged(const emscripten::val& event, const std::string& type);
    // The pixel of the image under an event's pointer, counted from the
    // inner area's top-left corner.
    std::pair<int, int> devicePixelUnder(const emscripten::val& event) const;
    void keyPressed(const emscripten::val& event);
    void paint();

    emscripten::val canvas_;
    emscripten::val context_;
    emscripten::val announcer_;
    // Pixels of the shown image not yet on the canvas.
    PixelRect unpainted_;
    // The shown pixels of a changed area, in the canvas's byte order; grown
    // uncleared, since every pixel is written before it is read.
    std::unique_ptr<std::uint32_t[]> rgba_;
    std::size_t rgbaSize_ = 0;
    // The device pixels to a CSS pixel the canvas was sized at.
    double ratio_ = 1;
    // The device pixel the last press of the mouse began on, for the
    // mousedown the page reports after it in whole CSS pixels.
    std::optional<std::pair<int, int>> pointerPress_;
    // The pen or finger whose contact the board follows.
    ContactPointer contact_;
};

} // namespace controls
