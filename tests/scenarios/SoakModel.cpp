#include "tests/scenarios/SoakModel.h"

#include "tests/scenarios/SoakReport.h"

#include <algorithm>

namespace {

// The crossing a press snaps to: half a step and more goes to the next line.
int nearestLine(int pixel)
{
    return (pixel + GridStep / 2) / GridStep;
}

} // namespace

SoakModel::SoakModel(std::string startReport)
    : report_(std::move(startReport))
{
}

// The board's inner area; the two-pixel border around it is not the board.
bool SoakModel::onBoard(Pixel at)
{
    return at.x >= 0 && at.y >= 0 && at.x < BoardWidth && at.y < BoardHeight;
}

void SoakModel::press(Pixel at)
{
    if (onBoard(at) && points_.size() < std::size_t(PointLimit))
        points_.push_back({nearestLine(at.x), nearestLine(at.y)});
}

void SoakModel::moveSelection(Key key)
{
    const int last = int(points_.size()) - 1;
    if (last < 0)
        return;
    switch (key) {
    case Key::Down: selectRow(std::min(selectedRow_ + 1, last)); break;
    case Key::Up: selectRow(std::max(selectedRow_ - 1, 0)); break;
    case Key::Home: selectRow(0); break;
    case Key::End: selectRow(last); break;
    default: break;
    }
}

void SoakModel::useButton(std::int16_t button)
{
    if (!enabled(button))
        return;
    switch (button) {
    case buttons::Calculate:
        report_ = expectedReport(points_);
        linesOverDots_ = true;
        break;
    case buttons::Clear: clear(); break;
    case buttons::Delete: deleteSelected(); break;
    default: break;
    }
}

// "Изчисли" waits for the third point; a deletion takes it away again.
bool SoakModel::enabled(std::int16_t button) const
{
    return button != buttons::Calculate || points_.size() == std::size_t(PointLimit);
}

std::optional<controls::Rgb> SoakModel::dotColour(int row) const
{
    if (linesOverDots_ || sharesCrossing(row))
        return std::nullopt;
    return row == selectedRow_ ? DarkRed : Black;
}

// A new selection paints every dot again, over whatever lines crossed them.
void SoakModel::selectRow(int row)
{
    if (row == selectedRow_)
        return;
    selectedRow_ = row;
    linesOverDots_ = false;
}

void SoakModel::clear()
{
    points_.clear();
    selectedRow_ = -1;
    report_.clear();
    linesOverDots_ = false;
}

// Without a selected row nothing goes, but the report is emptied all the same.
void SoakModel::deleteSelected()
{
    report_.clear();
    if (selectedRow_ < 0)
        return;
    points_.erase(points_.begin() + selectedRow_);
    selectedRow_ = -1;
    linesOverDots_ = false;
}

bool SoakModel::sharesCrossing(int row) const
{
    return std::count(points_.begin(), points_.end(), points_[std::size_t(row)]) > 1;
}
