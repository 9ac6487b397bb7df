#include "controls/web/WebTextBox.h"

#include "controls/form/LineEnds.h"
#include "controls/web/WebDom.h"

namespace controls {

using emscripten::val;

WebTextBox::WebTextBox(const std::string& id, const val& shown)
    : area_(shown)
{
    if (area_.isNull()) {
        area_ = createElement("textarea", id);
        area_.set("readOnly", true);
        area_.set("spellcheck", false);
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
