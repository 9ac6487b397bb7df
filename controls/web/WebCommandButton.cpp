#include "controls/web/WebCommandButton.h"

#include "controls/form/LineEnds.h"
#include "controls/web/WebDom.h"

namespace controls {

using emscripten::val;

WebCommandButton::WebCommandButton(const std::string& id, const std::string& caption, Rgb face, const val& shown)
    : button_(shown)
{
    if (button_.isNull()) {
        button_ = createElement("button", id);
        button_.set("type", val("button"));
        button_.set("textContent", val(withBareLineFeeds(caption)));
        setColours(face, face);
    }
    listen(button_, "click");
    listen(button_, "pointerdown");
    listen(button_, "keydown");
}

void WebCommandButton::setColours(Rgb face, Rgb edge)
{
    button_["style"].set("backgroundColor", val(cssColour(face)));
    button_["style"].set("borderColor", val(cssColour(edge)));
}

void WebCommandButton::SetEnabled(bool enabled)
{
    button_.set("disabled", !enabled);
}

bool WebCommandButton::shownEnabled() const
{
    return !button_["disabled"].isTrue();
}

void WebCommandButton::takeFocus()
{
    button_.call<void>("focus");
}

// Not every browser gives a button that is pressed the focus.
void WebCommandButton::handleEvent(val event)
{
    const std::string type = event["type"].as<std::string>();
    if (type == "click") {
        raiseClick();
    } else if (type == "pointerdown") {
        pointerPressed();
    } else if (type == "keydown"
               && keyPressed(keyCodeOf(event), shiftStateOf(event), event["repeat"].isTrue())) {
        event.call<void>("preventDefault");
    }
}

} // namespace controls
