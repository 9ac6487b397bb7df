#pragma once

#include "controls/CommandButton.h"

#include <cstdint>

namespace controls {

// What every toolkit's button does alike: Space and Enter click the button
// that has the focus, and a disabled button raises no click.
class CommandButtonBase : public CommandButton
{
public:
    void OnClick(ClickHandler handler) override;

protected:
    static bool clicksOnKey(std::int16_t keyCode);
    // A click the toolkit reports, by mouse or key.
    void raiseClick(bool enabled) const;

private:
    ClickHandler click_;
};

} // namespace controls
