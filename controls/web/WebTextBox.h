#pragma once

#include "controls/TextBox.h"

#include <emscripten/val.h>

#include <string>

namespace controls {

// The text box in the browser: a read-only textarea. The page keeps its
// text with bare line feeds, so the text as set is kept here.
class WebTextBox : public TextBox
{
public:
    explicit WebTextBox(const std::string& id);

    const emscripten::val& element() const { return area_; }

    std::string Text() const override;
    void SetText(const std::string& text) override;

private:
    emscripten::val area_;
    std::string text_;
};

} // namespace controls
