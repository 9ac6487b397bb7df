#include "tests/web/WebDriver.h"

#include "controls/form/FormBehaviour.h"
#include "controls/web/WebBoard.h"
#include "controls/web/WebListBox.h"
#include "controls/web/WebToolkit.h"

#include <cmath>
#include <vector>

using emscripten::val;

namespace {

std::string keyName(Key key)
{
    switch (key) {
    case Key::Left: return "ArrowLeft";
    case Key::Right: return "ArrowRight";
    case Key::Down: return "ArrowDown";
    case Key::Up: return "ArrowUp";
    case Key::Home: return "Home";
    case Key::End: return "End";
    case Key::PageUp: return "PageUp";
    case Key::PageDown: return "PageDown";
    case Key::Space: return " ";
    case Key::Enter: return "Enter";
    case Key::Digit2: return "2";
    case Key::Digit5: return "5";
    case Key::Digit7: return "7";
    }
    return "";
}

// The page numbers the buttons 0 main, 1 middle, 2 secondary; `buttons`
// holds those pressed as flags 1, 4 and 2.
int pageButton(std::int16_t button)
{
    switch (button) {
    case controls::mouse::MiddleButton: return 1;
    case controls::mouse::RightButton: return 2;
    default: return 0;
    }
}

val eventInit(std::int16_t shift)
{
    val init = val::object();
    init.set("bubbles", true);
    init.set("cancelable", true);
    init.set("composed", true);
    init.set("view", val::global("window"));
    init.set("shiftKey", (shift & controls::mouse::ShiftMask) != 0);
    init.set("ctrlKey", (shift & controls::mouse::CtrlMask) != 0);
    init.set("altKey", (shift & controls::mouse::AltMask) != 0);
    return init;
}

void dispatch(const val& target, const char* kind, const std::string& type, const val& init)
{
    target.call<bool>("dispatchEvent", val::global(kind).new_(val(type), init));
}

// What the page sends for one press and release of a mouse button at a
// point of the viewport, the press being the `count`th of a run of clicks.
void mouseClick(const val& target, double clientX, double clientY, std::int16_t button, std::int16_t shift,
                int count = 1)
{
    const int pageNumber = pageButton(button);
    const int held[] = {1, 4, 2};
    for (const char* phase : {"down", "up"}) {
        val init = eventInit(shift);
        init.set("clientX", clientX);
        init.set("clientY", clientY);
        init.set("button", pageNumber);
        init.set("buttons", std::string(phase) == "down" ? held[pageNumber] : 0);
        init.set("detail", count);
        init.set("pointerType", val("mouse"));
        init.set("isPrimary", true);
        dispatch(target, "PointerEvent", std::string("pointer") + phase, init);
        dispatch(target, "MouseEvent", std::string("mouse") + phase, init);
    }
    val init = eventInit(shift);
    init.set("clientX", clientX);
    init.set("clientY", clientY);
    init.set("button", pageNumber);
    init.set("detail", count);
    dispatch(target, "PointerEvent", pageNumber == 0 ? "click" : "auxclick", init);
}

void clickCentre(const val& target, std::int16_t shift = 0)
{
    const val box = target.call<val>("getBoundingClientRect");
    mouseClick(target, box["left"].as<double>() + box["width"].as<double>() / 2,
               box["top"].as<double>() + box["height"].as<double>() / 2, controls::mouse::LeftButton, shift);
}

void keyClick(const val& target, Key key, bool ctrl)
{
    val init = eventInit(ctrl ? controls::mouse::CtrlMask : 0);
    init.set("key", val(keyName(key)));
    dispatch(target, "KeyboardEvent", "keydown", init);
    dispatch(val::global("document")["activeElement"], "KeyboardEvent", "keyup", init);
}

void setLanguage(const std::string& language)
{
    val property = val::object();
    property.set("value", val(language));
    property.set("configurable", true);
    val::global("Object").call<void>("defineProperty", val::global("navigator"), val("language"), property);
}

controls::Toolkit& toolkit()
{
    static controls::WebToolkit web;
    return web;
}

std::string controlName(const std::string& name, int index)
{
    return controls::FormBehaviour::controlId(name, index);
}

} // namespace

WebDriver::WebDriver()
    : window_(val::null())
{
    setLanguage("en-US");
    drelvik_ = std::make_unique<Drelvik>(toolkit());
    listClicks_.emplace(drelvik_->window());
    drelvik_->show();
    window_ = board().element()["parentElement"];
}

WebDriver::~WebDriver()
{
    drelvik_.reset();
}

controls::WebBoard& WebDriver::board() const
{
    return dynamic_cast<controls::WebBoard&>(drelvik_->window().Picture1());
}

controls::WebListBox& WebDriver::list(std::int16_t index) const
{
    return dynamic_cast<controls::WebListBox&>(drelvik_->window().List1(index));
}

// Ids are unique within a window; two windows on one page share them.
val WebDriver::element(const std::string& name) const
{
    return window_.call<val>("querySelector", val("[id=\"" + name + "\"]"));
}

// A press and release at a design pixel of the board's inner area, a tenth
// of a device pixel into the first device pixel it is drawn on; the inner
// area starts inside the canvas's frame, on a whole device pixel. The press
// is the `count`th of a run of clicks.
void WebDriver::clickBoard(int x, int y, std::int16_t button, std::int16_t shift, int count)
{
    const val canvas = board().element();
    const val box = canvas.call<val>("getBoundingClientRect");
    const double ratio = val::global("devicePixelRatio").as<double>();
    const double scale = board().image().scale();
    const int frame = board().edge().width(scale);
    const auto client = [&](const char* edge, int pixel) {
        return (std::round(box[edge].as<double>() * ratio) + frame + std::floor(pixel * scale + 0.5) + 0.1) / ratio;
    };
    mouseClick(canvas, client("left", x), client("top", y), button, shift, count);
}

void WebDriver::pressBoard(int x, int y, std::int16_t button, std::int16_t shift)
{
    clickBoard(x, y, button, shift, 1);
}

void WebDriver::doubleClickBoard(int x, int y)
{
    for (const int count : {1, 2})
        clickBoard(x, y, controls::mouse::LeftButton, 0, count);
    dispatch(board().element(), "MouseEvent", "dblclick", eventInit(0));
}

void WebDriver::clickRow(std::int16_t index, int row, std::int16_t shift)
{
    clickCentre(list(index).element()["children"][row], shift);
}

void WebDriver::clickBelowRows(std::int16_t index)
{
    const val target = list(index).element();
    const val box = target.call<val>("getBoundingClientRect");
    mouseClick(target, box["left"].as<double>() + 10, box["bottom"].as<double>() - 3, controls::mouse::LeftButton, 0);
}

void WebDriver::clickButton(std::int16_t index)
{
    clickCentre(element(controlName("Command1", index)));
}

void WebDriver::pressKey(const std::string& control, Key key, bool ctrl)
{
    const val target = element(control);
    target.call<void>("focus");
    keyClick(target, key, ctrl);
}

void WebDriver::typeKey(Key key)
{
    keyClick(val::global("document")["activeElement"], key, false);
}

void WebDriver::pressTab()
{
    val init = eventInit(0);
    init.set("key", val("Tab"));
    dispatch(val::global("document")["activeElement"], "KeyboardEvent", "keydown", init);
    dispatch(val::global("document")["activeElement"], "KeyboardEvent", "keyup", init);
}

void WebDriver::useDecimalComma(bool comma)
{
    setLanguage(comma ? "bg-BG" : "en-US");
}

std::string WebDriver::focusedControl() const
{
    const val focused = val::global("document")["activeElement"];
    if (focused.isNull() || !window_.call<bool>("contains", focused) || focused.strictlyEquals(window_))
        return {};
    return focused["id"].as<std::string>();
}

std::vector<std::string> WebDriver::rows(std::int16_t index) const
{
    const val shown = list(index).element()["children"];
    std::vector<std::string> texts;
    for (int row = 0; row < shown["length"].as<int>(); ++row)
        texts.push_back(shown[row]["textContent"].as<std::string>());
    return texts;
}

// The box shows the text with bare line feeds, and keeps it as it was set.
std::string WebDriver::report() const
{
    const std::string shown = element(controlName("Text1", textBoxes::Report))["value"].as<std::string>();
    const std::string kept = drelvik_->window().Text1(textBoxes::Report).Text();
    std::string keptShown = kept;
    std::erase(keptShown, '\r');
    return shown == keptShown ? kept : "the box shows: " + shown;
}

bool WebDriver::buttonEnabled(std::int16_t index) const
{
    return !element(controlName("Command1", index))["disabled"].isTrue();
}

// The test page answers the media query for forced colours as the driver
// says; the window hears of the change as it hears of the browser's, at once.
void WebDriver::useHighContrast(bool on)
{
    val::global("drelvikHighContrast")(on);
}

const controls::Raster& WebDriver::boardImage() const
{
    return board().image();
}

// Read back from the canvas, a run of pixels of one colour at a time.
const controls::Raster& WebDriver::shownBoard()
{
    const controls::Raster& image = board().image();
    const val canvas = board().element();
    const int width = canvas["width"].as<int>();
    const int height = canvas["height"].as<int>();
    const val data = canvas.call<val>("getContext", val("2d")).call<val>("getImageData", 0, 0, width, height)["data"];
    const std::vector<std::uint8_t> bytes = emscripten::convertJSArrayToNumberVector<std::uint8_t>(data);
    const double scale = image.scale();
    shown_.emplace(int(board().ScaleWidth()), int(board().ScaleHeight()), controls::Rgb{}, scale);
    const auto colourAt = [&](int x, int y) {
        const std::size_t at = (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4;
        return controls::Rgb{bytes[at], bytes[at + 1], bytes[at + 2]};
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width;) {
            const controls::Rgb colour = colourAt(x, y);
            int end = x + 1;
            while (end < width && colourAt(end, y) == colour)
                ++end;
            shown_->fillRect({x, y, end - x, 1}, colour);
            x = end;
        }
    }
    return *shown_;
}

// The name the page gives a screen reader, as its accessibility tree holds it.
std::string WebDriver::accessibleName(const std::string& control) const
{
    const val name = element(control)["computedName"];
    return name.isString() ? name.as<std::string>() : std::string();
}

// The board's description, and what it last announced: through ariaNotify,
// which the test page records, or where the page has none, in its live
// region.
std::string WebDriver::boardDescription() const
{
    const val canvas = board().element();
    const std::string described = canvas.call<val>("getAttribute", val("aria-description")).as<std::string>();
    const val last = canvas["ariaNotify"].isUndefined() ? board().announcer()["textContent"] : canvas["announced"];
    const std::string announced = last.isString() ? last.as<std::string>() : std::string();
    return announced == described ? described : "announced: " + announced;
}

int WebDriver::selectionChanges(std::int16_t index) const
{
    return listClicks_->count(index);
}

std::unique_ptr<Driver> makeDriver()
{
    return std::make_unique<WebDriver>();
}
