#include "controls/Board.h"
#include "controls/form/BoardEdge.h"
#include "controls/form/CommandButtonBase.h"
#include "controls/form/FormBehaviour.h"
#include "controls/KeyCode.h"
#include "controls/form/ListBoxBase.h"
#include "window/DrelvikDesign.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

using controls::ControlKey;
namespace key = controls::key;

namespace {

// A list whose rows are a vector, counting the clicks it raises.
class RowList : public controls::ListBoxBase
{
public:
    RowList() { OnClick([this] { ++clicks; }); }

    void AddItem(const std::string& text) override { rows.push_back(text); }
    int ListCount() const override { return int(rows.size()); }
    int ListIndex() const override { return selected; }
    using ListBoxBase::keyPressed;
    using ListBoxBase::rowPressed;

    std::vector<std::string> rows;
    int selected = -1;
    int clicks = 0;
    int focusTaken = 0;

protected:
    void removeRow(int row) override { rows.erase(rows.begin() + row); }
    void removeAllRows() override { rows.clear(); }
    std::string rowText(int row) const override { return rows.at(std::size_t(row)); }
    void showSelection(int row) override { selected = row; }
    void takeFocus() override { ++focusTaken; }
    // Three rows show at once.
    int rowsInView() const override { return 3; }
};

class CountingButton : public controls::CommandButtonBase
{
public:
    CountingButton() { OnClick([this] { ++clicks; }); }
    void SetEnabled(bool on) override { enabled = on; }
    bool shownEnabled() const override { return enabled; }
    using CommandButtonBase::keyPressed;
    using CommandButtonBase::pointerPressed;

    bool enabled = true;
    int clicks = 0;
    int focusTaken = 0;

protected:
    void takeFocus() override { ++focusTaken; }
};

std::vector<std::string> ids(const std::vector<const controls::ControlDescription*>& controls)
{
    std::vector<std::string> named;
    for (const auto* control : controls)
        named.push_back(controls::FormBehaviour::controlId(*control));
    return named;
}

} // namespace

TEST_SUITE("form")
{

TEST_CASE("focus cues come on with the first Tab or arrow and stay on")
{
    controls::FocusCues cues;
    int changes = 0;
    cues.OnChange([&] { ++changes; });
    for (const std::int16_t pressed : {key::Space, key::Return, key::Home, std::int16_t(65)})
        cues.keyPressed(pressed);
    CHECK(!cues.shown());
    cues.keyPressed(key::Down);
    CHECK(cues.shown());
    CHECK(cues.showsFocusOf(true));
    CHECK(!cues.showsFocusOf(false));
    cues.keyPressed(key::Tab);
    CHECK(changes == 1);
    CHECK(controls::FocusCues(true).shown());
}

TEST_CASE("the window's controls are made, stacked and visited in their designed orders")
{
    const controls::FormBehaviour behaviour(drelvikDesign());
    CHECK(ids(behaviour.tabOrder())
          == std::vector<std::string>{"Text1(0)", "List1(0)", "List1(1)", "Command1(0)", "Command1(1)", "Command1(2)",
                                      "Picture1"});
    CHECK(ids(behaviour.creationOrder()).front() == "Text1(0)");
    CHECK(ids(behaviour.creationOrder()).back() == "Label1(3)");
    CHECK(ids(behaviour.stackingOrder()).front() == "Label1(0)");
    CHECK(behaviour.stackingLevel(*behaviour.stackingOrder()[4]) == 4);

    const ControlKey calculate{"Command1", 0};
    const auto allButCalculate = [&](const ControlKey& control) { return control != calculate; };
    CHECK(behaviour.firstFocus(allButCalculate) == ControlKey{"Text1", 0});
    CHECK(behaviour.nextFocus(ControlKey{"List1", 1}, false, allButCalculate) == ControlKey{"Command1", 1});
    CHECK(behaviour.nextFocus(ControlKey{"Picture1", -1}, false, allButCalculate) == ControlKey{"Text1", 0});
    CHECK(behaviour.nextFocus(ControlKey{"Text1", 0}, true, allButCalculate) == ControlKey{"Picture1", -1});
    CHECK(behaviour.nextFocus(std::nullopt, true, allButCalculate) == ControlKey{"Picture1", -1});
    CHECK(!behaviour.firstFocus([](const ControlKey&) { return false; }));

    CHECK(controls::FormBehaviour::movesFocus(key::Tab, controls::mouse::ShiftMask));
    CHECK(!controls::FormBehaviour::movesFocus(key::Tab, controls::mouse::CtrlMask));
}

TEST_CASE("an empty list takes no arrow and raises no click")
{
    RowList list;
    list.SetListIndex(0);
    CHECK(!list.keyPressed(key::Down));
    CHECK(list.selected == -1);
    CHECK(list.clicks == 0);
}

// Each case starts from three rows, none selected, no click raised.
TEST_CASE("a list's keys and presses move its selection but never take it away")
{
    RowList list;
    for (const char* row : {"1", "2", "3"})
        list.AddItem(row);

    SUBCASE("Up with no row selected selects the first")
    {
        CHECK(list.keyPressed(key::Up));
        CHECK(list.selected == 0);
        CHECK(list.clicks == 1);
    }
    SUBCASE("End selects the last row, and Down there moves nothing and clicks no more")
    {
        CHECK(list.keyPressed(key::End));
        CHECK(list.keyPressed(key::Down));
        CHECK(list.selected == 2);
        CHECK(list.clicks == 1);
    }
    SUBCASE("Space is taken and changes nothing; Left is not the list's")
    {
        CHECK(list.keyPressed(key::Space));
        CHECK(!list.keyPressed(key::Left));
        CHECK(list.selected == -1);
        CHECK(list.clicks == 0);
    }
    SUBCASE("a press selects the row under it and gives the list the focus; one below the rows is not the list's")
    {
        CHECK(!list.rowPressed(-1));
        CHECK(list.rowPressed(1));
        CHECK(list.selected == 1);
        CHECK(list.clicks == 1);
        CHECK(list.focusTaken == 2);
    }
    SUBCASE("an index past the rows takes the selection away, with a click")
    {
        list.SetListIndex(1);
        list.SetListIndex(7);
        CHECK(list.selected == -1);
        CHECK(list.clicks == 2);
        CHECK(list.List(3).empty());
    }
    SUBCASE("removing a row forgets the selection without a click; a row past the end removes nothing")
    {
        list.SetListIndex(2);
        list.RemoveItem(5);
        CHECK(list.selected == 2);
        list.RemoveItem(0);
        CHECK(list.rows == std::vector<std::string>{"2", "3"});
        CHECK(list.selected == -1);
        CHECK(list.clicks == 1);
        list.SetListIndex(0);
        CHECK(list.clicks == 2);
    }
}

TEST_CASE("Page Up and Page Down move a list's selection a view less a row, a digit to the next row it begins")
{
    RowList list;
    for (const char* row : {"1", "12", "3", "14", "5", "6", "7"})
        list.AddItem(row);
    const auto after = [&list](std::int16_t keyCode) {
        CHECK(list.keyPressed(keyCode));
        return list.selected;
    };
    CHECK(after(key::PageDown) == 0);
    CHECK(after(key::PageDown) == 2);
    CHECK(after(key::PageDown) == 4);
    CHECK(after(key::PageDown) == 6);
    CHECK(after(key::PageUp) == 4);
    CHECK(after('1') == 0);
    CHECK(after('1') == 1);
    CHECK(after('1') == 3);
    CHECK(after('9') == 3);
    CHECK(after('3') == 2);
    CHECK(list.clicks == 9);
}

TEST_CASE("Space and Enter click a button once, without modifiers, while it is enabled")
{
    CountingButton button;
    CHECK(button.keyPressed(key::Space, 0, false));
    CHECK(button.keyPressed(key::Return, 0, false));
    CHECK(button.keyPressed(key::Return, 0, true));
    CHECK(button.keyPressed(key::Return, controls::mouse::CtrlMask, false));
    CHECK(!button.keyPressed(key::Tab, 0, false));
    CHECK(button.clicks == 2);
    button.SetEnabled(false);
    button.keyPressed(key::Space, 0, false);
    CHECK(button.clicks == 2);
}

TEST_CASE("an arrow on a button is the button's and does nothing; a press gives an enabled button the focus")
{
    CountingButton button;
    for (const std::int16_t arrow : {key::Left, key::Up, key::Right, key::Down})
        CHECK(button.keyPressed(arrow, 0, false));
    CHECK(button.clicks == 0);
    button.pointerPressed();
    CHECK(button.focusTaken == 1);
    button.SetEnabled(false);
    button.pointerPressed();
    CHECK(button.focusTaken == 1);
}

TEST_CASE("the board's edge leaves the designed inner area and is painted in two bands")
{
    const controls::BoardEdge edge(drelvikDesign().look.boardEdge);
    CHECK(edge.inner(347) == 343);
    CHECK(edge.inner(3) == 0);
    CHECK(edge.width(1) == 2);
    CHECK(edge.width(1.5) == 3);
    CHECK(edge.width(0.25) == 1);
    const auto bands = edge.bands(controls::PixelRect{0, 0, 10, 8}, 1.5);
    CHECK(bands[0].area == controls::PixelRect{0, 0, 10, 2});
    CHECK(bands[7].area == controls::PixelRect{7, 2, 1, 4});
    CHECK(bands[0].colour == edge.look().outerShadow);
    CHECK(bands[7].colour == edge.look().innerLight);
}

} // TEST_SUITE
