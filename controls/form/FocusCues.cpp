#include "controls/form/FocusCues.h"

#include "controls/KeyCode.h"

#include <utility>

namespace controls {

FocusCues::FocusCues(bool alwaysShown)
    : shown_(alwaysShown)
{
}

void FocusCues::keyPressed(std::int16_t keyCode)
{
    if (shown_ || !movesInWindow(keyCode))
        return;
    shown_ = true;
    if (changed_)
        changed_();
}

void FocusCues::OnChange(ChangeHandler handler)
{
    changed_ = std::move(handler);
}

bool FocusCues::movesInWindow(std::int16_t keyCode)
{
    return keyCode == key::Tab || keyCode == key::Left || keyCode == key::Up || keyCode == key::Right
           || keyCode == key::Down;
}

} // namespace controls
