#pragma once

#include "controls/CommandButton.h"

#include <cstdint>

namespace controls {

// What every toolkit's button does alike: Space and Enter click the button
// that has the focus, and a disabled button raises no click. A toolkit's
// button only shows itself and tells of the clicks and keys on it.
class CommandButtonBase : public CommandButton
{
public:
    void OnClick(ClickHandler handler) override;

    // Whether the toolkit shows the button enabled.
    virtual bool shownEnabled() const = 0;

protected:
    // Gives the button the keyboard focus.
    virtual void takeFocus() = 0;

    // A press of a mouse button, a finger or a pen gives the button the
    // focus while it is enabled.
    void pointerPressed();
    // A click by the mouse.
    void raiseClick() const;
    // A key pressed while the button has the focus: Space or Enter, with no
    // modifier key held and not repeated by holding it, clicks the button.
    // Whether the button takes the key: Space and Enter are its own, even
    // where they do not click it, and so are the arrows, which do nothing.
    bool keyPressed(std::int16_t keyCode, std::int16_t shift, bool repeated) const;

private:
    ClickHandler click_;
};

} // namespace controls
