#include "controls/web/WebTextBox.h"

#include "controls/form/LineEnds.h"
#include "controls/web/WebDom.h"

namespace controls {

using emscripten::val;

// Setting the text the shown box holds again would only lay it out again.
// No browser gives the box back what it held before the page was reloaded,
// which would leave the last report where the program takes the text as
// shown.
WebTextBox::WebTextBox(const std::string& id, const val& shown, const std::string& text)
    : TextBoxBase(shown.isNull() ? std::string() : text)
    , area_(shown)
{
    if (area_.isNull()) {
        area_ = createElement("textarea", id);
        area_.set("readOnly", true);
        area_.set("spellcheck", false);
        area_.set("autocomplete", val("off"));
        SetText(text);
    }
}

// The box shows a new text from its start, with nothing selected.
void WebTextBox::showText(const std::string&)
{
    area_.set("value", val(withBareLineFeeds(Text())));
    area_.call<void>("setSelectionRange", 0, 0);
    area_.set("scrollTop", 0);
}

} // namespace controls
