#include "controls/form/CommandButtonBase.h"

#include "controls/KeyCode.h"

#include <utility>

namespace controls {

void CommandButtonBase::OnClick(ClickHandler handler)
{
    click_ = std::move(handler);
}

void CommandButtonBase::raiseClick() const
{
    if (shownEnabled() && click_)
        click_();
}

// A held key clicks once; with a modifier key it does nothing, and no
// toolkit is left to click on it either.
bool CommandButtonBase::keyPressed(std::int16_t keyCode, std::int16_t shift, bool repeated) const
{
    if (keyCode != key::Space && keyCode != key::Return)
        return false;
    if (shift == 0 && !repeated)
        raiseClick();
    return true;
}

} // namespace controls
