#include "tests/scenarios/ScenarioSupport.h"

#include "board/BoardGrid.h"
#include "window/DrelvikDesign.h"

#include <doctest/doctest.h>

namespace {

// One period of the dash-dot-dot pen from a line's first point: a dash and
// two dots, as the board draws it.
const char* const DashDotDot = "####..#..#..";

controls::Rgb rhythmAt(int along)
{
    return DashDotDot[along % 12] == '#' ? Black : White;
}

} // namespace

TEST_SUITE("startup")
{

TEST_CASE("the window starts with empty lists and the task statement")
{
    const auto driver = makeDriver();
    for (std::int16_t list = 0; list < lists::Count; ++list) {
        CHECK(driver->rows(list).empty());
        CHECK(driver->window().List1(list).ListIndex() == -1);
    }
    CHECK(!driver->buttonEnabled(buttons::Calculate));
    CHECK(driver->buttonEnabled(buttons::Clear));
    CHECK(driver->buttonEnabled(buttons::Delete));
    CHECK(driver->report() == TaskStatement);
    CHECK(driver->window().Text1(textBoxes::OtherSums).Text() == "Други сметки\r\n");
    CHECK(driver->focusedControl() == "Text1(0)");

    const Worksheet& sheet = driver->window().worksheet();
    CHECK(sheet.GridStep == 20);
    CHECK(sheet.BoardWidth == 343.0f);
    CHECK(sheet.BoardHeight == 229.0f);
    CHECK(sheet.PointCount == 0);
    CHECK(sheet.OrientedDeterminant == 0);
    CHECK(sheet.TriangleArea == 0.0);
    CHECK(sheet.PointSegmentDistance == 0.0);

    // A disabled "Изчисли" raises no click.
    driver->clickButton(buttons::Calculate);
    CHECK(driver->report() == TaskStatement);
}

TEST_CASE("Tab visits the controls in their designed order")
{
    for (const bool calculateEnabled : {false, true}) {
        CAPTURE(calculateEnabled);
        const auto driver = makeDriver();
        driver->window().Command1(buttons::Calculate).SetEnabled(calculateEnabled);
        std::vector<std::string> expected{"List1(0)", "List1(1)", "Command1(1)", "Command1(2)", "Picture1", "Text1(0)"};
        if (calculateEnabled)
            expected.insert(expected.begin() + 2, "Command1(0)");
        std::vector<std::string> visited;
        for (std::size_t step = 0; step < expected.size(); ++step) {
            driver->pressTab();
            visited.push_back(driver->focusedControl());
        }
        CHECK(visited == expected);
        // Passing through a list selects nothing in it.
        CHECK(driver->window().List1(lists::X).ListIndex() == -1);
    }
}

TEST_CASE("the grid lies one step apart in dash-dot-dot black over white")
{
    const auto driver = makeDriver();
    const controls::Raster& image = driver->boardImage();
    CHECK(image.width() == 343);
    CHECK(image.height() == 229);
    for (int y = 0; y <= 220; y += 20)
        CHECK(image.pixel(1, y) == Black);
    for (int x = 0; x <= 340; x += 20)
        CHECK(image.pixel(x, 1) == Black);
    for (int y = 10; y < 229; y += 20) {
        for (int x = 10; x < 343; x += 20)
            CHECK(image.pixel(x, y) == White);
    }
    for (int along = 1; along < 40; ++along) {
        CHECK(image.pixel(along, 100) == rhythmAt(along));
        CHECK(image.pixel(100, along) == rhythmAt(along));
    }
    // Nothing below the last horizontal line but the vertical ones.
    for (int y = 221; y < 229; ++y) {
        for (int x = 1; x < 343; ++x) {
            if (x % 20 != 0)
                CHECK(image.pixel(x, y) == White);
        }
    }
}

TEST_CASE("resetting twice looks like resetting once")
{
    const auto driver = makeDriver();
    const controls::Raster start = driver->boardImage();
    driver->pressBoard(100, 100);
    driver->pressBoard(140, 60);
    driver->clickRow(lists::X, 1);

    ResetBoard(driver->window());
    const controls::Raster once = driver->boardImage();
    ResetBoard(driver->window());
    CHECK(sameImage(driver->boardImage(), once));
    CHECK(sameImage(once, start));
    for (std::int16_t list = 0; list < lists::Count; ++list)
        CHECK(driver->rows(list).empty());
    CHECK(driver->window().List1(lists::X).ListIndex() == -1);
    CHECK(driver->window().worksheet().PointCount == 0);
    CHECK(!driver->buttonEnabled(buttons::Calculate));
    // The report box is the caller's business.
    CHECK(!driver->report().empty());
}

} // TEST_SUITE
