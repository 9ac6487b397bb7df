#pragma once

#include "controls/TextBox.h"

#include <string>
#include <utility>

namespace controls {

// What every toolkit's text box does alike: it gives back exactly the text
// last set, line ends included, whatever the toolkit keeps of it.
class TextBoxBase : public TextBox
{
public:
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override;

protected:
    TextBoxBase() = default;
    // A box that already shows that text, such as one the page was built
    // with.
    explicit TextBoxBase(std::string shown)
        : text_(std::move(shown))
    {
    }

    // The text changed from `previous` to Text(): the toolkit shows it.
    virtual void showText(const std::string& previous) = 0;

private:
    std::string text_;
};

} // namespace controls
