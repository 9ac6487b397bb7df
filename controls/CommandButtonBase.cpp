#include "controls/CommandButtonBase.h"

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

// A held key clicks once; with a modifier it is some other command's.
bool CommandButtonBase::keyPressed(std::int16_t keyCode, std::int16_t shift, bool repeated) const
{
    if ((keyCode != key::Space && keyCode != key::Return) || shift != 0)
        return false;
    if (!repeated)
        raiseClick();
    return true;
}

} // namespace controls
