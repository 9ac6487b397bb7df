#include "controls/web/WebDom.h"

#include "controls/Board.h"
#include "controls/KeyCode.h"

namespace controls {

using emscripten::val;

val document()
{
    return val::global("document");
}

val createElement(const std::string& tag, const std::string& id)
{
    val element = document().call<val>("createElement", val(tag));
    if (!id.empty())
        element.set("id", val(id));
    return element;
}

void placeAt(const val& element, const PixelRect& bounds, double cssPixels)
{
    const auto css = [cssPixels](int pixels) { return val(std::to_string(pixels * cssPixels) + "px"); };
    val style = element["style"];
    style.set("left", css(bounds.left));
    style.set("top", css(bounds.top));
    style.set("width", css(bounds.width));
    style.set("height", css(bounds.height));
}

std::string cssColour(Rgb colour)
{
    return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", "
           + std::to_string(colour.blue) + ")";
}

std::int16_t keyCodeOf(const val& keyboardEvent)
{
    struct Named {
        const char* key;
        std::int16_t code;
    };
    static constexpr Named Keys[] = {
        {"Tab", key::Tab},        {"Enter", key::Return},     {" ", key::Space},
        {"End", key::End},        {"Home", key::Home},        {"ArrowLeft", key::Left},
        {"ArrowUp", key::Up},     {"ArrowRight", key::Right}, {"ArrowDown", key::Down},
        {"PageUp", key::PageUp},  {"PageDown", key::PageDown},
    };
    const std::string pressed = keyboardEvent["key"].as<std::string>();
    for (const Named& named : Keys) {
        if (pressed == named.key)
            return named.code;
    }
    const bool digit = pressed.size() == 1 && pressed[0] >= '0' && pressed[0] <= '9';
    return digit ? std::int16_t(pressed[0]) : std::int16_t(0);
}

std::int16_t shiftStateOf(const val& event)
{
    std::int16_t state = 0;
    if (event["shiftKey"].isTrue())
        state |= mouse::ShiftMask;
    if (event["ctrlKey"].isTrue())
        state |= mouse::CtrlMask;
    if (event["altKey"].isTrue())
        state |= mouse::AltMask;
    return state;
}

// The page numbers the buttons 0 main, 1 middle (the wheel), 2 secondary.
std::int16_t mouseButtonOf(const val& mouseEvent)
{
    switch (mouseEvent["button"].as<int>()) {
    case 1: return mouse::MiddleButton;
    case 2: return mouse::RightButton;
    default: return mouse::LeftButton;
    }
}

} // namespace controls
