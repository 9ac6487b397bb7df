#include "controls/web/WebTextBox.h"

#include "controls/web/WebDom.h"

namespace controls {

using emscripten::val;

WebTextBox::WebTextBox(const std::string& id)
    : area_(createElement("textarea", id))
{
    area_.set("readOnly", true);
    area_.set("spellcheck", false);
}

std::string WebTextBox::Text() const
{
    return text_;
}

// The box shows a new text from its start, with nothing selected.
void WebTextBox::SetText(const std::string& text)
{
    area_.set("value", val(withoutCarriageReturns(text)));
    area_.call<void>("setSelectionRange", 0, 0);
    area_.set("scrollTop", 0);
    text_ = text;
}

} // namespace controls
