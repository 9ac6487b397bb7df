#pragma once

#include "controls/RasterBoard.h"
#include "controls/web/WebEventHandler.h"

#include <cstdint>
#include <vector>

namespace controls {

// The board in the browser: a framed canvas whose inner area shows the
// board's raster image, one image pixel to a device pixel, and tells of the
// presses of mouse, pen and finger, the keys and the focus on it.
class WebBoard : public RasterBoard, public WebEventHandler
{
public:
    // The board as designed; the image fills what lies inside the edge. The
    // scale is the device pixels to a design pixel.
    WebBoard(const std::string& id, const ControlDescription& design, const EdgeLook& edge, double scale);

    const emscripten::val& element() const { return canvas_; }
    // The live region that tells a screen reader of the keyboard cursor.
    const emscripten::val& announcer() const { return announcer_; }

    // The board is in the page at this many device pixels to a design pixel:
    // at a new scale the same picture is drawn again; what is not yet on the
    // canvas is painted.
    void followScale(double scale);

    void handleEvent(emscripten::val event) override;

protected:
    void imageChanged(const PixelRect& area) override;
    void descriptionChanged() override;

private:
    void pressed(const emscripten::val& event);
    void keyPressed(const emscripten::val& event);
    void paint();

    emscripten::val canvas_;
    emscripten::val context_;
    emscripten::val announcer_;
    // Pixels of the shown image not yet on the canvas.
    PixelRect unpainted_;
    // The shown pixels of a changed area, in the canvas's byte order.
    std::vector<std::uint32_t> rgba_;
};

} // namespace controls
