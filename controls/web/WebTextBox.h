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
    // The box the page already shows, or, where `shown` is null, a new one.
    WebTextBox(const std::string& id, const emscripten::val& shown);

    const emscripten::val& element() const { return area_; }

protected:
    void showText(const std::string& previous) override;

private:
    emscripten::val area_;
};

} // namespace controls
