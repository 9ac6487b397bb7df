#include "controls/web/WebBoard.h"

#include "controls/form/FormBehaviour.h"
#include "controls/raster/DeviceScale.h"
#include "controls/web/WebDom.h"

#include <cstring>

namespace controls {

using emscripten::val;

namespace {

// Pixels of the image, 0xFFRRGGBB, as the canvas holds them: the bytes red,
// green, blue and alpha in memory, which WebAssembly keeps little-endian.
// Two pixels at a time, as one 64-bit word: the start converts the whole
// image, and half the steps leave the page's engine no loop hot enough to
// compile again while the window first shows.
std::uint64_t inCanvasOrder(std::uint64_t pixels)
{
    constexpr std::uint64_t Alphas = 0xFF000000FF000000u;
    constexpr std::uint64_t Greens = 0x0000FF000000FF00u;
    constexpr std::uint64_t Lowest = 0x000000FF000000FFu;
    return Alphas | (pixels & Greens) | ((pixels & Lowest) << 16) | ((pixels >> 16) & Lowest);
}

void copyInCanvasOrder(const std::uint32_t* from, std::uint32_t* to, int count)
{
    int x = 0;
    for (; x + 1 < count; x += 2) {
        std::uint64_t pair;
        std::memcpy(&pair, from + x, sizeof pair);
        pair = inCanvasOrder(pair);
        std::memcpy(to + x, &pair, sizeof pair);
    }
    if (x < count)
        to[x] = std::uint32_t(inCanvasOrder(from[x]));
}

} // namespace

WebBoard::WebBoard(const std::string& id, const ControlDescription& design, const FormLook& look, double scale)
    : RasterBoard(design, look, scale)
    , canvas_(createElement("canvas", id))
    , context_(canvas_.call<val>("getContext", val("2d")))
    , announcer_(createElement("div"))
{
    canvas_.set("tabIndex", 0);
    canvas_.call<void>("setAttribute", val("role"), val("application"));
    canvas_["classList"].call<void>("add", val("board"));
    announcer_.call<void>("setAttribute", val("aria-live"), val("polite"));
    announcer_["classList"].call<void>("add", val("announcer"));
    for (const char* type : {"pointerdown", "pointermove", "pointerup", "pointercancel", "mousedown", "contextmenu",
                             "keydown", "focus", "blur"})
        listen(canvas_, type);
    unpainted_ = PixelRect{0, 0, image().width(), image().height()};
}

void WebBoard::followScale(double scale)
{
    setScale(scale);
    ratio_ = val::global("devicePixelRatio").as<double>();
    const int frame = edge().width(scale);
    const auto css = [this](int pixels) { return val(std::to_string(pixels / ratio_) + "px"); };
    val style = canvas_["style"];
    style.set("width", css(image().width() + 2 * frame));
    style.set("height", css(image().height() + 2 * frame));
    style.call<void>("setProperty", val("--outer"), css(edge().outerWidth(scale)));
    style.call<void>("setProperty", val("--inner"), css(edge().innerWidth(scale)));
    paint();
}

void WebBoard::handleEvent(val event)
{
    const std::string type = event["type"].as<std::string>();
    if (type == "pointerdown")
        pointerDown(event);
    else if (type == "mousedown")
        mousePressed(event);
    else if (type == "pointermove" || type == "pointerup" || type == "pointercancel")
        contactChanged(event, type);
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
    const Raster& picture = composeScreenImage();
    if (canvas_["width"].as<int>() != picture.width() || canvas_["height"].as<int>() != picture.height()) {
        canvas_.set("width", picture.width());
        canvas_.set("height", picture.height());
        unpainted_ = PixelRect{0, 0, picture.width(), picture.height()};
    }
    const PixelRect area = unpainted_;
    unpainted_ = {};
    if (area.empty())
        return;
    const std::size_t size = std::size_t(area.width) * std::size_t(area.height);
    if (size > rgbaSize_) {
        rgba_.reset(new std::uint32_t[size]);
        rgbaSize_ = size;
    }
    std::uint32_t* out = rgba_.get();
    for (int y = area.top; y < area.top + area.height; ++y, out += area.width) {
        const std::uint32_t* row = picture.bits() + std::size_t(y) * std::size_t(picture.width());
        copyInCanvasOrder(row + area.left, out, area.width);
    }
    // Read where they lie in the program's memory, not copied first.
    const val view(emscripten::typed_memory_view(size * sizeof(std::uint32_t),
                                                 reinterpret_cast<const std::uint8_t*>(rgba_.get())));
    const val bytes = val::global("Uint8ClampedArray").new_(view["buffer"], view["byteOffset"], view["length"]);
    const val pixels = val::global("ImageData").new_(bytes, area.width, area.height);
    context_.call<void>("putImageData", pixels, area.left, area.top);
}

// The description is the board's; a change is announced without a copy of
// it in the page, where the page can, so that reading the page reads it once.
void WebBoard::descriptionChanged()
{
    canvas_.call<void>("setAttribute", val("aria-description"), val(description()));
    if (canvas_["ariaNotify"].isUndefined())
        announcer_.set("textContent", val(description()));
    else
        canvas_.call<void>("ariaNotify", val(description()));
}

// A mouse press comes again as mousedown, which counts the presses of a
// double click; a pen or a finger is a contact, after whose pointerdown the
// page sends no mouse events. The board takes the focus itself, and the
// page neither moves it nor selects anything. A second finger is no
// contact of its own.
void WebBoard::pointerDown(const val& event)
{
    canvas_.call<void>("focus");
    if (event["pointerType"].as<std::string>() == "mouse") {
        pointerPress_ = devicePixelUnder(event);
        return;
    }
    event.call<void>("preventDefault");
    if (!event["isPrimary"].isTrue() || !contact_.putDown(event["pointerId"].as<int>()))
        return;
    const auto [x, y] = devicePixelUnder(event);
    contactOnDevicePixel(Contact::Moved, x, y);
}

// The page counts the presses of a double click in the event's detail.
void WebBoard::mousePressed(const val& event)
{
    event.call<void>("preventDefault");
    const auto [x, y] = pointerPress_.value_or(devicePixelUnder(event));
    pointerPress_.reset();
    if (FormBehaviour::countsAsPress(event["detail"].as<int>()))
        pressOnDevicePixel(mouseButtonOf(event), shiftStateOf(event), x, y);
}

// The page sends a contact's events to the board even once it has left the
// canvas.
void WebBoard::contactChanged(const val& event, const std::string& type)
{
    if (!contact_.isContact(event["pointerId"].as<int>()))
        return;
    const auto [x, y] = devicePixelUnder(event);
    if (type == "pointermove") {
        contactOnDevicePixel(Contact::Moved, x, y);
        return;
    }
    contact_.end();
    if (type == "pointerup")
        contactOnDevicePixel(Contact::Lifted, x, y);
    else
        cancelContact();
}

// The pointer's exact position, a fraction of a CSS pixel, lies on the
// device pixel under it, CSS pixels being the device-independent units at
// the device pixel ratio. The inner area begins on a whole device pixel,
// which the canvas's box in CSS pixels gives to a small fraction of one.
std::pair<int, int> WebBoard::devicePixelUnder(const val& event) const
{
    const val box = canvas_.call<val>("getBoundingClientRect");
    const int frame = edge().width(image().scale());
    const DeviceScale page(ratio_);
    const auto pixel = [&](const char* position, const char* edge) {
        const int inner = int(DeviceScale::roundHalfUp(box[edge].as<double>() * ratio_)) + frame;
        return page.devicePixel(event[position].as<double>()) - inner;
    };
    return {pixel("clientX", "left"), pixel("clientY", "top")};
}

// The keys the board takes would scroll the page.
void WebBoard::keyPressed(const val& event)
{
    if (keyDown(keyCodeOf(event), shiftStateOf(event)))
        event.call<void>("preventDefault");
}

} // namespace controls
