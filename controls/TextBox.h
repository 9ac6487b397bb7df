#pragma once

#include <string>

namespace controls {

// A multi-line text box the user can scroll, select and copy from, but not
// type into. CR LF pairs show as line breaks.
class TextBox
{
public:
    virtual ~TextBox() = default;

    // Exactly the text last set, line ends included.
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

} // namespace controls
