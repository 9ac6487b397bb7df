#include "controls/form/TextBoxBase.h"

#include <utility>

namespace controls {

void TextBoxBase::SetText(const std::string& text)
{
    const std::string previous = std::exchange(text_, text);
    showText(previous);
}

} // namespace controls
