#include "controls/form/ListBoxBase.h"

#include "controls/KeyCode.h"

#include <algorithm>
#include <utility>

namespace controls {

namespace {

bool isDigit(std::int16_t keyCode)
{
    return keyCode >= key::Digit0 && keyCode <= key::Digit9;
}

} // namespace

void ListBoxBase::RemoveItem(int row)
{
    if (row < 0 || row >= ListCount())
        return;
    removing_ = true;
    removeRow(row);
    forgetSelection();
}

void ListBoxBase::Clear()
{
    removing_ = true;
    removeAllRows();
    forgetSelection();
}

std::string ListBoxBase::List(int row) const
{
    return row >= 0 && row < ListCount() ? rowText(row) : std::string();
}

void ListBoxBase::SetListIndex(int row)
{
    showSelection(row >= 0 && row < ListCount() ? row : -1);
    selectionMayHaveMoved();
}

void ListBoxBase::OnClick(ClickHandler handler)
{
    click_ = std::move(handler);
}

// The row is recorded before the handler runs: a handler that selects rows
// in other lists comes back here nested, and must find nothing moved.
void ListBoxBase::selectionMayHaveMoved()
{
    const int row = ListIndex();
    if (removing_ || row == reportedRow_)
        return;
    reportedRow_ = row;
    if (click_)
        click_();
}

// Space, which would toggle the selected row, changes nothing.
bool ListBoxBase::keyPressed(std::int16_t keyCode)
{
    const std::optional<int> row = rowForKey(keyCode);
    if (row)
        SetListIndex(*row);
    return row.has_value() || keyCode == key::Space || isDigit(keyCode);
}

bool ListBoxBase::rowPressed(int rowUnderPress)
{
    takeFocus();
    if (rowUnderPress < 0 || rowUnderPress >= ListCount())
        return false;
    SetListIndex(rowUnderPress);
    return true;
}

std::optional<int> ListBoxBase::rowForKey(std::int16_t keyCode) const
{
    const int count = ListCount();
    if (count == 0)
        return std::nullopt;
    if (isDigit(keyCode))
        return rowBeginningWith(char(keyCode));
    return rowForMove(keyCode, count, ListIndex());
}

std::optional<int> ListBoxBase::rowForMove(std::int16_t keyCode, int count, int selected) const
{
    const auto movedBy = [&](int rows) { return selected < 0 ? 0 : std::clamp(selected + rows, 0, count - 1); };
    const int page = std::max(rowsInView() - 1, 1);
    switch (keyCode) {
    case key::Up: return movedBy(-1);
    case key::Down: return movedBy(1);
    case key::PageUp: return movedBy(-page);
    case key::PageDown: return movedBy(page);
    case key::Home: return 0;
    case key::End: return count - 1;
    default: return std::nullopt;
    }
}

std::optional<int> ListBoxBase::rowBeginningWith(char first) const
{
    const int count = ListCount();
    for (int step = 1; step <= count; ++step) {
        const int row = (ListIndex() + step) % count;
        if (rowText(row).starts_with(first))
            return row;
    }
    return std::nullopt;
}

void ListBoxBase::forgetSelection()
{
    reportedRow_ = -1;
    showSelection(-1);
    removing_ = false;
}

} // namespace controls
