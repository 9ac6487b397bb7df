#include "controls/web/WebStartInput.h"

#include "controls/web/WebDom.h"

#include <string>
#include <utility>

namespace controls {

using emscripten::val;

WebStartInput::WebStartInput(val window)
    : window_(std::move(window))
{
}

// A pointerdown whose default a control prevented (a finger's on the board)
// brings no mousedown after it, as in the page itself. The list is emptied,
// so that nothing is made twice.
void WebStartInput::replay() const
{
    val made = val::global("drelvikStartInput");
    if (!made.isArray())
        return;
    bool mouseFollows = true;
    const int count = made["length"].as<int>();
    for (int at = 0; at < count; ++at) {
        const val input = made[at];
        const std::string type = input["type"].as<std::string>();
        if (type == "mousedown" && !mouseFollows)
            continue;
        val init = input["init"];
        init.set("bubbles", true);
        init.set("cancelable", true);
        const val target = targetOf(input, init);
        if (target.isNull())
            continue;
        const val event = val::global(input["kind"].as<std::string>().c_str()).new_(val(type), init);
        const bool done = target.call<bool>("dispatchEvent", event);
        if (type == "pointerdown")
            mouseFollows = done;
    }
    made.set("length", 0);
}

// The position is placed on the program's window, wherever and however large
// it is drawn, and the init given its place on the page.
val WebStartInput::targetOf(const val& input, val init) const
{
    if (input["x"].isUndefined()) {
        const val focused = document()["activeElement"];
        return window_.call<bool>("contains", focused) ? focused : window_;
    }
    const val box = window_.call<val>("getBoundingClientRect");
    const double x = box["left"].as<double>() + input["x"].as<double>() * box["width"].as<double>();
    const double y = box["top"].as<double>() + input["y"].as<double>() * box["height"].as<double>();
    init.set("clientX", x);
    init.set("clientY", y);
    const val under = document().call<val>("elementFromPoint", x, y);
    return !under.isNull() && window_.call<bool>("contains", under) ? under : val::null();
}

} // namespace controls
