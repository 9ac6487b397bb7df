#include "controls/web/WebBoard.h"

#include "controls/web/WebDom.h"

namespace controls {

using emscripten::val;

namespace {

// A pixel of the image, 0xFFRRGGBB, as the canvas holds it: the bytes red,
// green, blue and alpha in memory, which WebAssembly keeps little-endian.
std::uint32_t canvasOrder(std::uint32_t pixel)
{
    return 0xFF000000u | ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

} // namespace

WebBoard::WebBoard(const std::string& id, const ControlDescription& design, const EdgeLook& edge, double scale)
    : RasterBoard(design, edge, scale)
    , canvas_(createElement("canvas", id))
    , context_(canvas_.call<val>("getContext", val("2d")))
    , announcer_(createElement("div"))
{
    canvas_.set("tabIndex", 0);
    canvas_.call<void>("setAttribute", val("role"), val("application"));
    canvas_["classList"].call<void>("add", val("board"));
    announcer_.call<void>("setAttribute", val("aria-live"), val("polite"));
    announcer_["classList"].call<void>("add", val("announcer"));
    for (const char* type : {"pointerdown", "mousedown", "contextmenu", "keydown", "focus", "blur"})
        listen(canvas_, type);
    unpainted_ = PixelRect{0, 0, image().width(), image().height()};
}

void WebBoard::followScale(double scale)
{
    setScale(scale);
    paint();
}

void WebBoard::handleEvent(val event)
{
    const std::string type = event["type"].as<std::string>();
    if (type == "pointerdown" || type == "mousedown")
        pressed(event);
    else if (type == "keydown")
        keyPressed(event);
    else if (type == "contextmenu") // a right press is the board's, not a menu's
        event.call<void>("preventDefault");
    else if (type == "focus" || type == "blur")
        setHasFocus(type == "focus");
}

// The canvas holds as many pixels as the image, and shows them on as many
// device pixels. While the board is in the page the area is repainted from
// the shown image straight away; before, it is only remembered, so that the
// drawing done while the window is built is painted once, when it shows.
void WebBoard::imageChanged(const PixelRect& area)
{
    unpainted_ = unite(unpainted_, area);
    if (canvas_["isConnected"].isTrue())
        paint();
}

void WebBoard::paint()
{
    const Raster& picture = shown();
    if (canvas_["width"].as<int>() != picture.width() || canvas_["height"].as<int>() != picture.height()) {
        canvas_.set("width", picture.width());
        canvas_.set("height", picture.height());
        unpainted_ = PixelRect{0, 0, picture.width(), picture.height()};
    }
    const PixelRect area = unpainted_;
    unpainted_ = {};
    if (area.empty())
        return;
    rgba_.resize(std::size_t(area.width) * std::size_t(area.height));
    std::uint32_t* out = rgba_.data();
    for (int y = area.top; y < area.top + area.height; ++y) {
        const std::uint32_t* row = picture.bits() + std::size_t(y) * std::size_t(picture.width());
        for (int x = area.left; x < area.left + area.width; ++x)
            *out++ = canvasOrder(row[x]);
    }
    const val bytes = val::global("Uint8ClampedArray")
                          .new_(emscripten::typed_memory_view(rgba_.size() * sizeof(std::uint32_t),
                                                              reinterpret_cast<const std::uint8_t*>(rgba_.data())));
    const val pixels = val::global("ImageData").new_(bytes, area.width, area.height);
    context_.call<void>("putImageData", pixels, area.left, area.top);
}

void WebBoard::descriptionChanged()
{
    canvas_.call<void>("setAttribute", val("aria-description"), val(description()));
    announcer_.set("textContent", val(description()));
}

// A mouse press comes as mousedown, which counts the presses of a double
// click; a pen or a finger as pointerdown alone, which tells the page to
// send no mouse events after it. The board takes the focus itself, and the
// page neither moves it nor selects anything. The offsets are design pixels,
// wherever the window is drawn smaller.
void WebBoard::pressed(const val& event)
{
    if (event["type"].as<std::string>() == "pointerdown") {
        canvas_.call<void>("focus");
        if (event["pointerType"].as<std::string>() == "mouse")
            return;
        event.call<void>("preventDefault");
    } else {
        event.call<void>("preventDefault");
        // The second press of a double click is a double click, not another
        // press: a pupil who double-clicks gets one point.
        if (event["detail"].as<int>() % 2 == 0)
            return;
    }
    // They count from inside the edge's outer band; the inner one is padding.
    const double inner = edge().innerBand();
    pressAt(mouseButtonOf(event), shiftStateOf(event), event["offsetX"].as<double>() - inner,
            event["offsetY"].as<double>() - inner);
}

// The keys the board takes would scroll the page.
void WebBoard::keyPressed(const val& event)
{
    if (keyDown(keyCodeOf(event), shiftStateOf(event)))
        event.call<void>("preventDefault");
}

} // namespace controls
