#include "controls/CommandButtonBase.h"

#include "controls/KeyCode.h"

#include <utility>

namespace controls {

void CommandButtonBase::OnClick(ClickHandler handler)
{
    click_ = std::move(handler);
}

bool CommandButtonBase::clicksOnKey(std::int16_t keyCode)
{
    return keyCode == key::Space || keyCode == key::Return;
}

void CommandButtonBase::raiseClick(bool enabled) const
{
    if (enabled && click_)
        click_();
}

} // namespace controls
