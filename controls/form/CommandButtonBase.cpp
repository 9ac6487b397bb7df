#include "controls/form/CommandButtonBase.h"

#include "controls/KeyCode.h"

#include <utility>

namespace controls {

namespace {

bool isArrow(std::int16_t keyCode)
{
    return keyCode == key::Left || keyCode == key::Up || keyCode == key::Right || keyCode == key::Down;
}

} // namespace

void CommandButtonBase::OnClick(ClickHandler handler)
{
    click_ = std::move(handler);
}

void CommandButtonBase::pointerPressed()
{
    if (shownEnabled())
        takeFocus();
}

void CommandButtonBase::raiseClick() const
{
    if (shownEnabled() && click_)
        click_();
}

// A held key clicks once; with a modifier key it does nothing, and no
// toolkit is left to click on it either. A button alone in its group, as
// on Windows, keeps the focus when an arrow is pressed on it: only Tab
// moves it on.
bool CommandButtonBase::keyPressed(std::int16_t keyCode, std::int16_t shift, bool repeated) const
{
    if (isArrow(keyCode))
        return true;
    if (keyCode != key::Space && keyCode != key::Return)
        return false;
    if (shift == 0 && !repeated)
        raiseClick();
    return true;
}

} // namespace controls
