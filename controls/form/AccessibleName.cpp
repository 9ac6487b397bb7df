#include "controls/form/AccessibleName.h"

#include <algorithm>
#include <cstdlib>

namespace controls {

namespace {

// How far a label's lower edge may lie from the top of the control it names.
constexpr int LabelGap = 8;

std::string withoutLineEnds(std::string text)
{
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

bool labels(const ControlDescription& label, const ControlDescription& control)
{
    const PixelRect& above = label.bounds;
    const PixelRect& below = control.bounds;
    const int overlap = std::min(above.left + above.width, below.left + below.width) - std::max(above.left, below.left);
    return label.kind == ControlKind::Label && label.visible && above.top < below.top
           && std::abs(above.top + above.height - below.top) <= LabelGap && 2 * overlap >= below.width;
}

} // namespace

const ControlDescription* labelAbove(const FormDescription& window, const ControlDescription& control)
{
    for (const ControlDescription& label : window.controls) {
        if (labels(label, control))
            return &label;
    }
    return nullptr;
}

std::string accessibleNameOf(const FormDescription& window, const ControlDescription& control)
{
    if (control.kind == ControlKind::Label || control.kind == ControlKind::CommandButton)
        return withoutLineEnds(control.text);
    if (const ControlDescription* label = labelAbove(window, control))
        return withoutLineEnds(label->text);
    return control.accessibleName;
}

} // namespace controls
