#pragma once

#include "controls/form/ControlMap.h"
#include "controls/form/FocusCues.h"
#include "controls/FormDescription.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace controls {

// What a window decides alike on every toolkit: the ids of its controls,
// the order it makes them in and stacks them, which of them take the focus
// and in what order Tab visits them, which gets it first, and whether the
// window shows focus cues. A toolkit's window makes, stacks and focuses its
// controls as told and tells of the keys pressed in it.
class FormBehaviour
{
public:
    // Whether a control can take the focus at this moment (it is enabled).
    using CanTakeFocus = std::function<bool(const ControlKey&)>;

    explicit FormBehaviour(const FormDescription& description, bool focusCuesAlwaysShown = false);

    const FormDescription& description() const { return description_; }

    // The id a control goes by in the toolkit: its name, and in a control
    // array its index in brackets, "List1(0)".
    static std::string controlId(std::string_view name, int index);
    static std::string controlId(const ControlDescription& control);

    // Every control in the order it is made: tab order, so that a toolkit
    // that reads its controls in that order finds them so.
    const std::vector<const ControlDescription*>& creationOrder() const { return creationOrder_; }
    // Every control from the bottom up: later controls of the description
    // lie over earlier ones where they touch, whatever their tab order.
    const std::vector<const ControlDescription*>& stackingOrder() const { return stackingOrder_; }
    // How many controls lie under this one.
    int stackingLevel(const ControlDescription& control) const;

    // Labels and hidden controls never take the focus; the others take it
    // while enabled.
    static bool takesFocus(const ControlDescription& control);
    // The controls that take the focus, in tab order.
    const std::vector<const ControlDescription*>& tabOrder() const { return tabOrder_; }
    // The control the window gives the focus when it is shown.
    std::optional<ControlKey> firstFocus(const CanTakeFocus& canTakeFocus) const;
    // Where Tab, or Shift+Tab, moves the focus from the control that has
    // it, round the window and past the controls that cannot take it now;
    // from none, to the first or the last.
    std::optional<ControlKey> nextFocus(const std::optional<ControlKey>& current, bool backwards,
                                        const CanTakeFocus& canTakeFocus) const;
    // Whether a key moves the focus: Tab, backwards with Shift, but not
    // with Ctrl or Alt.
    static bool movesFocus(std::int16_t keyCode, std::int16_t shift);

    // Whether a press of a mouse button acts as one: the second press of a
    // double click is a double click, not another press, so that a pupil
    // who double-clicks gets one point; a third press is a press again.
    static bool countsAsPress(int clickCount);

    FocusCues& focusCues() { return focusCues_; }
    const FocusCues& focusCues() const { return focusCues_; }

private:
    FormDescription description_;
    std::vector<const ControlDescription*> creationOrder_;
    std::vector<const ControlDescription*> stackingOrder_;
    std::vector<const ControlDescription*> tabOrder_;
    FocusCues focusCues_;
};

} // namespace controls
