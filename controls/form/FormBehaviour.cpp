#include "controls/form/FormBehaviour.h"

#include "controls/Board.h"
#include "controls/KeyCode.h"
#include "controls/form/Layout.h"

#include <algorithm>

namespace controls {

namespace {

ControlKey keyOf(const ControlDescription& control)
{
    return {control.name, control.index};
}

} // namespace

FormBehaviour::FormBehaviour(const FormDescription& description, bool focusCuesAlwaysShown)
    : description_(description)
    , creationOrder_(inTabOrder(description_))
    , focusCues_(focusCuesAlwaysShown)
{
    for (const ControlDescription& control : description_.controls)
        stackingOrder_.push_back(&control);
    std::copy_if(creationOrder_.begin(), creationOrder_.end(), std::back_inserter(tabOrder_),
                 [](const ControlDescription* control) { return takesFocus(*control); });
}

std::string FormBehaviour::controlId(std::string_view name, int index)
{
    const std::string plain(name);
    return index < 0 ? plain : plain + "(" + std::to_string(index) + ")";
}

std::string FormBehaviour::controlId(const ControlDescription& control)
{
    return controlId(control.name, control.index);
}

int FormBehaviour::stackingLevel(const ControlDescription& control) const
{
    const auto found = std::find(stackingOrder_.begin(), stackingOrder_.end(), &control);
    return int(found - stackingOrder_.begin());
}

bool FormBehaviour::takesFocus(const ControlDescription& control)
{
    return control.visible && control.kind != ControlKind::Label;
}

std::optional<ControlKey> FormBehaviour::firstFocus(const CanTakeFocus& canTakeFocus) const
{
    return nextFocus(std::nullopt, false, canTakeFocus);
}

std::optional<ControlKey> FormBehaviour::nextFocus(const std::optional<ControlKey>& current, bool backwards,
                                                   const CanTakeFocus& canTakeFocus) const
{
    const int count = int(tabOrder_.size());
    const auto found = std::find_if(tabOrder_.begin(), tabOrder_.end(),
                                    [&](const ControlDescription* control) { return keyOf(*control) == current; });
    int at = found == tabOrder_.end() ? (backwards ? 0 : count - 1) : int(found - tabOrder_.begin());
    for (int step = 0; step < count; ++step) {
        at = (at + (backwards ? count - 1 : 1)) % count;
        const ControlKey candidate = keyOf(*tabOrder_[std::size_t(at)]);
        if (canTakeFocus(candidate))
            return candidate;
    }
    return std::nullopt;
}

bool FormBehaviour::movesFocus(std::int16_t keyCode, std::int16_t shift)
{
    return keyCode == key::Tab && (shift & (mouse::CtrlMask | mouse::AltMask)) == 0;
}

bool FormBehaviour::countsAsPress(int clickCount)
{
    return clickCount % 2 != 0;
}

} // namespace controls
