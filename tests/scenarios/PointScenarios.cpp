#include "tests/scenarios/ScenarioSupport.h"

#include <doctest/doctest.h>

namespace {

// Three presses well apart on the 343 × 229 board, and their crossings.
const std::vector<Pixel> Presses{{43, 38}, {201, 118}, {97, 183}};
const std::vector<Pixel> Dots{{40, 40}, {200, 120}, {100, 180}};

std::string hiddenPointReport(int point)
{
    return "Точка " + std::to_string(point) + ": координатите са твърде големи, за да се покаже на дъската.\r\n";
}

// What the entered crossings must show: rows, black dots, and nothing drawn
// beyond the dots.
void checkEntered(Driver& driver, const controls::Raster& start, const std::vector<Pixel>& crossings)
{
    Rows xs, ys;
    controls::PixelRect dots;
    for (const Pixel crossing : crossings) {
        xs.push_back(std::to_string(crossing.x / GridStep));
        ys.push_back(std::to_string(crossing.y / GridStep));
        dots = unite(dots, dotArea(crossing));
        CHECK(dotColour(driver.boardImage(), crossing) == Black);
    }
    CHECK(driver.rows(lists::X) == xs);
    CHECK(driver.rows(lists::Y) == ys);
    CHECK(driver.window().worksheet().PointCount == std::int16_t(crossings.size()));
    CHECK(driver.buttonEnabled(buttons::Calculate) == (crossings.size() == 3));
    CHECK(unite(changedArea(start, driver.boardImage()), dots) == dots);
}

} // namespace

TEST_SUITE("points")
{

TEST_CASE("a press adds a point at the nearest crossing")
{
    struct Case {
        const char* name;
        std::vector<Pixel> presses;
        std::vector<Pixel> crossings;
        Rows upwards;
        std::int16_t button = controls::mouse::LeftButton;
        std::int16_t shift = 0;
        bool comma = false;
    };
    using namespace controls::mouse;
    const std::vector<Case> cases{
        {"x on a line stays", {{140, 57}}, {{140, 60}}, {"8.6"}},
        {"x remainder 9 goes left", {{149, 57}}, {{140, 60}}, {"8.6"}},
        {"x remainder 10 goes right", {{150, 57}}, {{160, 60}}, {"8.6"}},
        {"y on a line stays", {{143, 60}}, {{140, 60}}, {"8.45"}},
        {"y remainder 9 goes up", {{143, 69}}, {{140, 60}}, {"8"}},
        {"y remainder 10 goes down", {{143, 70}}, {{140, 80}}, {"7.95"}},
        {"last pixel", {{342, 228}}, {{340, 220}}, {"0.05"}},
        {"right edge line", {{339, 5}}, {{340, 0}}, {"11.2"}},
        {"two presses on one crossing", {{143, 57}, {138, 62}}, {{140, 60}, {140, 60}}, {"8.6", "8.35"}},
        {"worked example", {{143, 57}, {150, 50}, {5, 3}}, {{140, 60}, {160, 60}, {0, 0}}, {"8.6", "8.95", "11.3"}},
        {"worked example, comma", {{143, 57}, {150, 50}, {5, 3}}, {{140, 60}, {160, 60}, {0, 0}},
         {"8,6", "8,95", "11,3"}, LeftButton, 0, true},
        {"fourth press ignored", {Presses[0], Presses[1], Presses[2], {300, 100}}, Dots, {"9.55", "5.55", "2.3"}},
        {"right button with ctrl and alt", {{143, 57}}, {{140, 60}}, {"8.6"}, RightButton, CtrlMask | AltMask},
        {"middle button with shift", {{143, 57}}, {{140, 60}}, {"8.6"}, MiddleButton, ShiftMask},
        // The board's 2-pixel border is not the board.
        {"on the border", {{-1, -1}}, {}, {}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        const auto driver = makeDriver();
        driver->useDecimalComma(c.comma);
        const controls::Raster start = driver->boardImage();
        for (const Pixel at : c.presses)
            driver->pressBoard(at.x, at.y, c.button, c.shift);
        checkEntered(*driver, start, c.crossings);
        // Counted from the press itself, not from the crossing.
        CHECK(driver->rows(lists::UpwardY) == c.upwards);
    }
}

TEST_CASE("a double click adds one point")
{
    const auto driver = makeDriver();
    const controls::Raster start = driver->boardImage();
    driver->doubleClickBoard(143, 57);
    checkEntered(*driver, start, {{140, 60}});
    driver->doubleClickBoard(201, 118);
    checkEntered(*driver, start, {{140, 60}, {200, 120}});
}

TEST_CASE("selecting a row marks its point in every list")
{
    enum class Action { Click, KeyPress, ClickBelowLastRow, CtrlClickRow, CtrlSpace };
    struct Case {
        std::int16_t list;
        int row;
        Action action;
        int selected;
        Key key = Key::Space;
    };
    std::vector<Case> cases;
    for (const std::int16_t list : {lists::X, lists::Y}) {
        for (int row : {0, 1, 2})
            cases.push_back({list, row, Action::Click, row});
        cases.push_back({list, 1, Action::ClickBelowLastRow, 1});
        cases.push_back({list, 1, Action::CtrlClickRow, 1});
        cases.push_back({list, 1, Action::CtrlSpace, 1});
    }
    cases.push_back({lists::X, 0, Action::KeyPress, 1, Key::Down});
    cases.push_back({lists::X, 2, Action::KeyPress, 2, Key::Down});
    cases.push_back({lists::Y, 2, Action::KeyPress, 1, Key::Up});
    cases.push_back({lists::Y, 2, Action::KeyPress, 0, Key::Home});
    cases.push_back({lists::X, 0, Action::KeyPress, 2, Key::End});
    // The rows all fit in the list: a page takes the selection to the end.
    cases.push_back({lists::X, 0, Action::KeyPress, 2, Key::PageDown});
    cases.push_back({lists::Y, 2, Action::KeyPress, 0, Key::PageUp});
    // The rows read 2, 10, 5 and 2, 6, 9: a digit selects the next row
    // beginning with it, round from the top; one that none begins with
    // changes nothing.
    cases.push_back({lists::X, 0, Action::KeyPress, 2, Key::Digit5});
    cases.push_back({lists::Y, 2, Action::KeyPress, 0, Key::Digit2});
    cases.push_back({lists::X, 1, Action::KeyPress, 1, Key::Digit7});

    for (const Case& c : cases) {
        CAPTURE(c.list);
        CAPTURE(c.row);
        CAPTURE(int(c.action));
        CAPTURE(int(c.key));
        const auto driver = makeDriver();
        pressAll(*driver, Presses);
        if (c.action != Action::Click)
            driver->clickRow(c.list, c.row);
        const controls::Raster before = driver->boardImage();
        std::vector<int> changesBefore;
        for (std::int16_t list = 0; list < lists::Count; ++list)
            changesBefore.push_back(driver->selectionChanges(list));
        const std::string name = "List1(" + std::to_string(c.list) + ")";
        switch (c.action) {
        case Action::Click: driver->clickRow(c.list, c.row); break;
        case Action::KeyPress: driver->pressKey(name, c.key); break;
        case Action::ClickBelowLastRow: driver->clickBelowRows(c.list); break;
        case Action::CtrlClickRow: driver->clickRow(c.list, c.row, controls::mouse::CtrlMask); break;
        case Action::CtrlSpace: driver->pressKey(name, Key::Space, true); break;
        }

        CHECK(selectedRows(*driver) == std::vector<int>(3, c.selected));
        const bool moved = c.action == Action::Click || c.selected != c.row;
        // One change per list: the nested clicks settle instead of bouncing.
        for (std::int16_t list = 0; list < lists::Count; ++list)
            CHECK(driver->selectionChanges(list) - changesBefore[list] == int(moved));
        for (int dot = 0; dot < 3; ++dot)
            CHECK(dotColour(driver->boardImage(), Dots[dot]) == (dot == c.selected ? DarkRed : Black));
        const controls::PixelRect left = c.action == Action::Click ? controls::PixelRect{} : dotArea(Dots[c.row]);
        const controls::PixelRect expected = moved ? unite(dotArea(Dots[c.selected]), left) : controls::PixelRect{};
        CHECK(changedArea(before, driver->boardImage()) == expected);
    }
}

TEST_CASE("the first key in a list without a selection selects the first or last row")
{
    struct Case {
        Key key;
        int selected;
    };
    for (const Case& c : {Case{Key::Down, 0}, Case{Key::Up, 0}, Case{Key::Home, 0}, Case{Key::End, 2},
                          Case{Key::PageDown, 0}, Case{Key::PageUp, 0}}) {
        for (const std::int16_t list : {lists::X, lists::Y}) {
            CAPTURE(int(c.key));
            CAPTURE(list);
            const auto driver = makeDriver();
            pressAll(*driver, Presses);
            driver->pressKey("List1(" + std::to_string(list) + ")", c.key);
            CHECK(selectedRows(*driver) == std::vector<int>(3, c.selected));
            for (int dot = 0; dot < 3; ++dot)
                CHECK(dotColour(driver->boardImage(), Dots[dot]) == (dot == c.selected ? DarkRed : Black));
        }
    }
}

TEST_CASE("a listed row is drawn where its texts say")
{
    struct Case {
        const char* name;
        std::string x;
        std::string y;
        int selected;
        std::optional<Pixel> mark;
        std::string report;
    };
    const std::string beyondDouble(400, '9');
    const std::string hidden = hiddenPointReport(3);
    const std::vector<Case> cases{
        {"no number", "abc", "?", 2, Pixel{0, 0}, ""},
        {"comma is not a decimal point", "7,5", "3", 2, Pixel{140, 60}, ""},
        // y is rounded to a whole pixel, halves to the even neighbour.
        {"y 49.8 pixels", "5", "2.49", 2, Pixel{100, 50}, ""},
        {"y 2.5 pixels", "5", ".125", 2, Pixel{100, 2}, ""},
        {"y 7.5 pixels", "5", "0.375", 2, Pixel{100, 8}, ""},
        // Two points on one crossing: the other must not paint over the mark.
        {"shared crossing, earlier", "10", "6", 1, Dots[1], ""},
        {"shared crossing, later", "10", "6", 2, Dots[1], ""},
        {"x beyond a double", beyondDouble, "1", 0, Dots[0], hidden},
        {"y beyond 32 bits", "1", "99999999999", 0, Dots[0], hidden},
        {"negative x beyond 32 bits", "-99999999999", "1", 1, Dots[1], hidden},
        {"hidden point selected", beyondDouble, "1", 2, std::nullopt, hidden},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        const auto driver = makeDriver();
        Window& window = driver->window();
        pressAll(*driver, {Presses[0], Presses[1]});
        // A row no press could make, put into all three lists alike.
        window.List1(lists::X).AddItem(c.x);
        window.List1(lists::Y).AddItem(c.y);
        window.List1(lists::UpwardY).AddItem("0");
        ++window.worksheet().PointCount;
        window.Text1(textBoxes::Report).SetText("");

        driver->clickRow(lists::X, c.selected);

        CHECK(selectedRows(*driver) == std::vector<int>(3, c.selected));
        CHECK((!c.mark || markedAt(driver->boardImage(), *c.mark)));
        for (int row : {0, 1})
            CHECK(dotColour(driver->boardImage(), Dots[row]) == (c.mark == Dots[row] ? DarkRed : Black));
        // Once, however often the selection echoes through the lists.
        CHECK(driver->report() == c.report);

        // Deleting another point renumbers the hidden one, whose line survives.
        driver->clickButton(buttons::Delete);
        const bool stillHidden = !c.report.empty() && c.selected != 2;
        CHECK(driver->report() == (stillHidden ? hiddenPointReport(2) : std::string()));
    }
}

TEST_CASE("Изчисти and Изтрий leave what the remaining presses make alone")
{
    struct Case {
        const char* name;
        std::int16_t command;
        std::vector<Pixel> presses;
        bool analysed;
        std::int16_t list;
        int row;
        std::vector<Pixel> kept;
    };
    const std::vector<Pixel>& all = Presses;
    const std::vector<Case> cases{
        {"clear before any point", buttons::Clear, {}, false, lists::X, -1, {}},
        {"clear after analysis and selection", buttons::Clear, all, true, lists::Y, 1, {}},
        {"delete middle point", buttons::Delete, all, false, lists::X, 1, {all[0], all[2]}},
        {"delete first point, by y", buttons::Delete, all, false, lists::Y, 0, {all[1], all[2]}},
        {"delete after analysis", buttons::Delete, all, true, lists::X, 2, {all[0], all[1]}},
        {"delete only point", buttons::Delete, {all[1]}, false, lists::Y, 0, {}},
        {"delete with nothing selected", buttons::Delete, all, false, lists::X, -1, all},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        const auto driver = makeDriver();
        pressAll(*driver, c.kept);
        const controls::Raster expected = driver->boardImage();
        const Rows expectedRows[] = {driver->rows(0), driver->rows(1), driver->rows(2)};
        driver->clickButton(buttons::Clear);
        pressAll(*driver, c.presses);
        if (c.analysed)
            driver->clickButton(buttons::Calculate);
        if (c.row >= 0)
            driver->clickRow(c.list, c.row);
        driver->window().Text1(textBoxes::Report).SetText("stale");

        driver->clickButton(c.command);
        // Clicks in lists left empty select nothing and draw nothing.
        if (c.kept.empty()) {
            driver->clickBelowRows(lists::X);
            driver->clickBelowRows(lists::Y);
        }

        for (std::int16_t list = 0; list < lists::Count; ++list)
            CHECK(driver->rows(list) == expectedRows[list]);
        CHECK(driver->window().worksheet().PointCount == std::int16_t(c.kept.size()));
        CHECK(selectedRows(*driver) == std::vector<int>(3, -1));
        CHECK(sameImage(driver->boardImage(), expected));
        CHECK(driver->buttonEnabled(buttons::Calculate) == (c.kept.size() == 3));
        CHECK(driver->report().empty());
    }
}

} // TEST_SUITE
