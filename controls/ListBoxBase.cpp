#include "controls/ListBoxBase.h"

#include "controls/KeyCode.h"

#include <utility>

namespace controls {

void ListBoxBase::OnClick(ClickHandler handler)
{
    click_ = std::move(handler);
}

// The row is recorded before the handler runs: a handler that selects rows
// in other lists comes back here nested, and must find nothing moved.
void ListBoxBase::selectionMayHaveMoved()
{
    const int row = ListIndex();
    if (row == reportedRow_)
        return;
    reportedRow_ = row;
    ++clicksRaised_;
    if (click_)
        click_();
}

void ListBoxBase::selectionForgotten()
{
    reportedRow_ = -1;
}

std::optional<int> ListBoxBase::rowForFirstKey(std::int16_t keyCode) const
{
    const bool moves = keyCode == key::Down || keyCode == key::Up || keyCode == key::Home || keyCode == key::End;
    if (!moves || ListIndex() >= 0 || ListCount() == 0)
        return std::nullopt;
    return keyCode == key::End ? ListCount() - 1 : 0;
}

std::optional<int> ListBoxBase::rowForPress(int rowUnderPress)
{
    if (rowUnderPress < 0)
        return std::nullopt;
    return rowUnderPress;
}

} // namespace controls
