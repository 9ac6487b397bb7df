#pragma once

#include "controls/form/TextBoxBase.h"

#include <emscripten/val.h>

#include <string>

namespace controls {

// The text box in the browser: a read-only textarea, which keeps its text
// with bare line feeds.
class WebTextBox : public TextBoxBase
{
public:
    // The box the page already shows, holding the text as the build showed
    // it, or, where `shown` is null, a new one given the text.
    WebTextBox(const std::string& id, const emscripten::val& shown, const std::string& text);

    const emscripten::val& element() const { return area_; }

protected:
    void showText(const std::string& previous) override;

private:
    emscripten::val area_;
};

} // namespace controls
