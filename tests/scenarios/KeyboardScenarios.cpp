#include "tests/scenarios/ScenarioSupport.h"

#include <doctest/doctest.h>

namespace {

void tabToBoard(Driver& driver)
{
    for (int step = 0; step < 10 && driver.focusedControl() != "Picture1"; ++step)
        driver.pressTab();
    REQUIRE(driver.focusedControl() == "Picture1");
}

void typeKeys(Driver& driver, Key key, int times)
{
    for (int i = 0; i < times; ++i)
        driver.typeKey(key);
}

std::string described(int x, int y, int points)
{
    return "x " + std::to_string(x) + ", y " + std::to_string(y) + ", въведени точки: " + std::to_string(points)
           + " от 3";
}

} // namespace

TEST_SUITE("keyboard")
{

TEST_CASE("the arrows move the board's cursor and Space and Enter enter points as presses do")
{
    const auto byKeys = makeDriver();
    tabToBoard(*byKeys);
    CHECK(byKeys->boardDescription() == described(9, 6, 0));
    byKeys->typeKey(Key::Right);
    byKeys->typeKey(Key::Down);
    CHECK(byKeys->boardDescription() == described(10, 7, 0));
    byKeys->typeKey(Key::Space);
    typeKeys(*byKeys, Key::Left, 2);
    byKeys->typeKey(Key::Enter);
    byKeys->typeKey(Key::Up);
    byKeys->typeKey(Key::Space);
    CHECK(byKeys->boardDescription() == described(8, 6, 3));
    CHECK(byKeys->rows(lists::X) == Rows{"10", "8", "8"});
    CHECK(byKeys->rows(lists::Y) == Rows{"7", "7", "6"});
    CHECK(byKeys->buttonEnabled(buttons::Calculate));
    CHECK(byKeys->focusedControl() == "Picture1");
    // Past the limit, as a fourth press.
    byKeys->typeKey(Key::Space);
    CHECK(byKeys->rows(lists::X).size() == 3);

    const auto byMouse = makeDriver();
    pressAll(*byMouse, {{200, 140}, {160, 140}, {160, 120}});
    CHECK(sameImage(byKeys->boardImage(), byMouse->boardImage()));
    CHECK(byKeys->rows(lists::UpwardY) == byMouse->rows(lists::UpwardY));
    CHECK(byKeys->report() == byMouse->report());
}

TEST_CASE("the cursor keeps to the crossings a press can reach and stays where it was left")
{
    const auto driver = makeDriver();
    tabToBoard(*driver);
    typeKeys(*driver, Key::Left, 12);
    typeKeys(*driver, Key::Up, 9);
    CHECK(driver->boardDescription() == described(0, 0, 0));
    driver->typeKey(Key::Space);
    typeKeys(*driver, Key::Right, 20);
    typeKeys(*driver, Key::Down, 14);
    CHECK(driver->boardDescription() == described(17, 11, 1));
    driver->typeKey(Key::Enter);
    CHECK(driver->rows(lists::X) == Rows{"0", "17"});
    CHECK(driver->rows(lists::Y) == Rows{"0", "11"});

    driver->clickButton(buttons::Clear);
    CHECK(driver->boardDescription() == described(17, 11, 0));
    CHECK(driver->rows(lists::X).empty());
}

TEST_CASE("the focus shows over the board once the keyboard is used, never in its picture")
{
    const auto driver = makeDriver();
    const controls::Raster start = driver->boardImage();
    driver->pressBoard(100, 100);
    CHECK(driver->focusedControl() == "Picture1");
    const controls::Raster pressed = driver->boardImage();
    // A mouse user sees no focus cues.
    CHECK(sameImage(driver->shownBoard(), pressed));

    driver->typeKey(Key::Right);
    CHECK(sameImage(driver->boardImage(), pressed));
    const controls::PixelRect marks = changedArea(pressed, driver->shownBoard());
    CHECK(marks == controls::PixelRect{0, 0, 343, 229});
    CHECK(!(driver->shownBoard().pixel(195, 120) == driver->boardImage().pixel(195, 120)));

    driver->pressTab();
    CHECK(driver->focusedControl() != "Picture1");
    CHECK(sameImage(driver->shownBoard(), driver->boardImage()));
    CHECK(unite(changedArea(start, driver->boardImage()), dotArea({100, 100})) == dotArea({100, 100}));
}

TEST_CASE("once the keyboard has moved in the window the focus shows for good, after mouse presses too")
{
    const auto driver = makeDriver();
    driver->pressBoard(100, 100);
    driver->typeKey(Key::Space);
    CHECK(sameImage(driver->shownBoard(), driver->boardImage()));

    driver->pressTab();
    tabToBoard(*driver);
    CHECK(!sameImage(driver->shownBoard(), driver->boardImage()));
    driver->clickButton(buttons::Clear);
    driver->pressBoard(140, 100);
    CHECK(driver->focusedControl() == "Picture1");
    CHECK(driver->rows(lists::X) == Rows{"7"});
    CHECK(!sameImage(driver->shownBoard(), driver->boardImage()));
}

TEST_CASE("a press gives a list or a button the focus, and an arrow on a button keeps it there")
{
    const auto driver = makeDriver();
    pressAll(*driver, {{40, 40}, {200, 120}});
    driver->clickRow(lists::Y, 1);
    CHECK(driver->focusedControl() == "List1(1)");
    driver->clickBelowRows(lists::X);
    CHECK(driver->focusedControl() == "List1(0)");
    driver->clickButton(buttons::Delete);
    CHECK(driver->focusedControl() == "Command1(2)");
    for (const Key arrow : {Key::Left, Key::Right, Key::Up, Key::Down}) {
        CAPTURE(int(arrow));
        driver->pressKey("Command1(1)", arrow);
        CHECK(driver->focusedControl() == "Command1(1)");
    }
    CHECK(driver->rows(lists::X) == Rows{"2"});
}

TEST_CASE("every control has a name for screen readers")
{
    const auto driver = makeDriver();
    CHECK(driver->accessibleName("Picture1") == "Посочете трите точки");
    CHECK(driver->accessibleName("List1(0)") == "Ос X");
    CHECK(driver->accessibleName("List1(1)") == "Ос Y");
    CHECK(driver->accessibleName("Command1(0)") == "Изчисли");
    CHECK(driver->accessibleName("Command1(1)") == "Изчисти");
    CHECK(driver->accessibleName("Command1(2)") == "Изтрий");
    CHECK(driver->accessibleName("Text1(0)") == "Отчет");
}

} // TEST_SUITE
