#include "tests/scenarios/SoakRun.h"

#include <cstdlib>
#include <numeric>

namespace {

const char* keyName(Key key)
{
    switch (key) {
    case Key::Left: return "Left";
    case Key::Right: return "Right";
    case Key::Down: return "Down";
    case Key::Up: return "Up";
    case Key::Home: return "Home";
    case Key::End: return "End";
    case Key::PageUp: return "PageUp";
    case Key::PageDown: return "PageDown";
    case Key::Space: return "Space";
    case Key::Enter: return "Enter";
    case Key::Digit2: return "2";
    case Key::Digit5: return "5";
    case Key::Digit7: return "7";
    }
    return "?";
}

std::string listName(std::int16_t list)
{
    return "List1(" + std::to_string(list) + ")";
}

std::string at(Pixel pixel)
{
    return std::to_string(pixel.x) + "," + std::to_string(pixel.y);
}

} // namespace

SoakRun::SoakRun(Driver& driver, std::uint64_t seed)
    : driver_(driver)
    , model_(driver.report())
    , random_(seed)
{
}

// Weighted so that the window often holds three points and a selection, and
// is reset only now and then.
void SoakRun::playRandomEvent()
{
    const int roll = below(100);
    if (roll < 30)
        pressSomewhere();
    else if (roll < 36)
        doubleClickSomewhere();
    else if (roll < 52)
        clickSomeRow();
    else if (roll < 55)
        clickBelowSomeRows();
    else if (roll < 75)
        pressSomeKeyInList();
    else
        useSomeButton();
}

std::string SoakRun::eventsSinceReset() const
{
    std::string text;
    for (const std::string& event : events_)
        text += event + "\n";
    return text;
}

// The engine's raw numbers are the same on every platform, unlike the
// standard distributions, so a seed replays alike on every toolkit's build.
int SoakRun::below(int count)
{
    return int(random_() % std::uint64_t(count));
}

// Mostly anywhere inside; one time in four on an edge: the two border pixels
// on either side, or the first or last two inner pixels.
int SoakRun::coordinate(int extent)
{
    if (below(4) > 0)
        return below(extent);
    const int edges[] = {-2, -1, 0, 1, extent - 2, extent - 1, extent, extent + 1};
    return edges[below(8)];
}

Pixel SoakRun::anywhereOnBoard()
{
    const int x = coordinate(SoakModel::BoardWidth);
    return {x, coordinate(SoakModel::BoardHeight)};
}

// A crossing on the line through two listed points or on the line at right
// angles to it through the first, or the one point listed: points on the
// segment, on its extension, on one crossing and right angles come up far
// more often than among presses anywhere.
Pixel SoakRun::crossingInLine()
{
    const std::vector<Pixel>& points = model_.points();
    const Pixel from = points[std::size_t(below(int(points.size())))];
    const Pixel to = points[std::size_t(below(int(points.size())))];
    const int steps = std::gcd(std::abs(to.x - from.x), std::abs(to.y - from.y));
    if (steps == 0)
        return from;
    const Pixel along{(to.x - from.x) / steps, (to.y - from.y) / steps};
    const Pixel step = below(2) == 0 ? along : Pixel{-along.y, along.x};
    const int multiple = below(10) - 3;
    return {from.x + multiple * step.x, from.y + multiple * step.y};
}

// One press in three aims at a crossing in line with the listed points, off
// the crossing itself by less than half a step.
Pixel SoakRun::pressTarget()
{
    if (model_.points().empty() || below(3) > 0)
        return anywhereOnBoard();
    const Pixel crossing = crossingInLine();
    const Pixel pixel{crossing.x * GridStep + below(GridStep) - GridStep / 2,
                      crossing.y * GridStep + below(GridStep) - GridStep / 2};
    return SoakModel::onBoard(pixel) ? pixel : anywhereOnBoard();
}

void SoakRun::pressSomewhere()
{
    using namespace controls::mouse;
    const std::int16_t mouseButtons[] = {LeftButton, RightButton, MiddleButton};
    const std::int16_t button = mouseButtons[below(3)];
    // Any of Shift, Ctrl and Alt, together or alone.
    const auto shift = std::int16_t(below(8));
    const Pixel pixel = pressTarget();
    events_.push_back("press " + at(pixel) + " button " + std::to_string(button) + " shift " + std::to_string(shift));
    driver_.pressBoard(pixel.x, pixel.y, button, shift);
    model_.press(pixel);
}

void SoakRun::doubleClickSomewhere()
{
    const Pixel pixel = pressTarget();
    events_.push_back("double click " + at(pixel));
    driver_.doubleClickBoard(pixel.x, pixel.y);
    model_.press(pixel);
}

void SoakRun::clickSomeRow()
{
    const int count = int(model_.points().size());
    if (count == 0) {
        clickBelowSomeRows();
        return;
    }
    const auto list = std::int16_t(below(2));
    const int row = below(count);
    const bool ctrl = below(3) == 0;
    events_.push_back("click row " + std::to_string(row) + " of " + listName(list) + (ctrl ? " with Ctrl" : ""));
    driver_.clickRow(list, row, ctrl ? controls::mouse::CtrlMask : std::int16_t(0));
    model_.selectRow(row);
}

// Below the last row there is nothing to select, and the selection stays.
void SoakRun::clickBelowSomeRows()
{
    const auto list = std::int16_t(below(2));
    events_.push_back("click below the rows of " + listName(list));
    driver_.clickBelowRows(list);
}

void SoakRun::pressSomeKeyInList()
{
    const Key keys[] = {Key::Down, Key::Up, Key::Home, Key::End};
    const Key key = keys[below(4)];
    const std::string list = listName(std::int16_t(below(2)));
    events_.push_back(std::string(keyName(key)) + " in " + list);
    driver_.pressKey(list, key);
    model_.moveSelection(key);
}

// "Изчисли" and "Изтрий" often, "Изчисти" seldom; by mouse, Space or Enter.
void SoakRun::useSomeButton()
{
    const int roll = below(25);
    const std::int16_t button = roll < 12 ? buttons::Calculate : roll < 21 ? buttons::Delete : buttons::Clear;
    const std::string name = "Command1(" + std::to_string(button) + ")";
    const int way = below(3);
    if (button == buttons::Clear)
        events_.clear();
    if (way == 0) {
        events_.push_back("click " + name);
        driver_.clickButton(button);
    } else {
        const Key key = way == 1 ? Key::Space : Key::Enter;
        events_.push_back(std::string(keyName(key)) + " on " + name);
        driver_.pressKey(name, key);
    }
    model_.useButton(button);
}
