#include "tests/scenarios/ScenarioSupport.h"

#include <doctest/doctest.h>

#include <cmath>

namespace {

using namespace reportLines;

using Points = std::vector<Pixel>;

Lines operator+(Lines head, const Lines& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

Lines away(const std::string& distance, const std::string& projection)
{
    return {DistanceLabel + distance, projection};
}

const Points WorkedExample{{4, 5}, {8, 5}, {1, 9}};
const std::string WorkedExampleReport = reportOf(areaBlock(WorkedExample, "8") + away("4", Outside));

// What the worked example's run leaves in the worksheet.
void checkWorkedExampleSheet(const Worksheet& sheet)
{
    for (int row = 0; row < 3; ++row)
        CHECK(Pixel{sheet.PointCoords[row][0], sheet.PointCoords[row][1]} == WorkedExample[row]);
    CHECK(sheet.SideSquares == std::array<std::int32_t, 3>{16, 65, 25});
    CHECK(sheet.SideLengths == std::array<double, 7>{4.0, std::sqrt(65.0), 5.0});
    CHECK(sheet.OrientedDeterminant == 16);
    CHECK(sheet.TriangleArea == 8.0);
    CHECK(sheet.PointSegmentDistance == 4.0);
}

// Puts rows into the coordinate lists as if three points had been entered.
void listRows(Driver& driver, const Rows& xs, const Rows& ys)
{
    Window& window = driver.window();
    for (int row = 0; row < 3; ++row) {
        window.List1(lists::X).AddItem(xs.at(row));
        window.List1(lists::Y).AddItem(ys.at(row));
        window.List1(lists::UpwardY).AddItem("0");
    }
    window.worksheet().PointCount = 3;
    window.Command1(buttons::Calculate).SetEnabled(true);
}

// The board after the points were entered and the board's own pen drew the
// sides to P2 in the given style, if any, and then the segment solid. A dash
// pattern starts where its line starts, so the picture also tells which way
// each line went.
controls::Raster referenceDrawing(const Points& points, std::optional<controls::DrawStyle> sideStyle)
{
    const auto driver = makeDriver();
    enterPoints(*driver, points);
    controls::Board& board = driver->window().Picture1();
    const auto line = [&](int from, int to) {
        board.Line(float(points[from].x * GridStep), float(points[from].y * GridStep),
                   float(points[to].x * GridStep), float(points[to].y * GridStep));
    };
    board.SetDrawWidth(1);
    if (sideStyle) {
        board.SetDrawStyle(*sideStyle);
        line(0, 2);
        line(1, 2);
    }
    board.SetDrawStyle(controls::DrawStyle::Solid);
    line(0, 1);
    return driver->boardImage();
}

} // namespace

TEST_SUITE("calculation")
{

TEST_CASE("Изчисли writes the whole report and draws the triangle")
{
    struct Case {
        const char* name;
        Points points;
        std::string area;
        int determinant;
        Lines tail;
        bool comma = false;
    };
    const Lines onSegment{OnLine, OnSegment};
    const Lines onExtension{OnLine, OnExtension};
    const std::vector<Case> cases{
        {"worked example", WorkedExample, "8", 16, away("4", Outside)},
        {"counter-clockwise", {{0, 0}, {0, 2}, {2, 0}}, "2", -4, away("2", AtEndPoint)},
        {"right angle at the end", {{0, 0}, {4, 0}, {4, 3}}, "6", 12, away("3", AtEndPoint)},
        {"right angle, long leg", {{0, 0}, {0, 1}, {8, 0}}, "4", -8, away("8", AtEndPoint)},
        {"past the end, off the line", {{0, 0}, {2, 0}, {4, 1}}, "1", 2, away("1", Outside)},
        {"right angle at the point", {{0, 0}, {5, 0}, {1, 2}}, "5", 10, away("2", Inside)},
        {"flat, near the middle", {{1, 1}, {11, 1}, {6, 2}}, "5", 10, away("1", Inside)},
        {"fractions, point", {{12, 3}, {17, 11}, {10, 10}}, "25.5", 51, away("5.40598918803244", Inside)},
        {"fractions, comma", {{0, 0}, {2, 1}, {1, 1}}, "0,5", 1, away("0,447213595499958", Inside), true},
        {"past the end", {{0, 0}, {1, 1}, {3, 3}}, "0", 0, onExtension},
        {"irrational, past the start", {{5, 4}, {11, 6}, {2, 3}}, "0", 0, onExtension},
        {"end points coincide", {{3, 2}, {3, 2}, {5, 4}}, "0", 0, onExtension},
        {"diagonal third", {{0, 0}, {3, 3}, {1, 1}}, "0", 0, onSegment},
        {"irrational, inside", {{1, 2}, {7, 5}, {3, 3}}, "0", 0, onSegment},
        {"point on the start", {{1, 1}, {5, 3}, {1, 1}}, "0", 0, onSegment},
        {"point on the end, comma", {{2, 3}, {5, 1}, {5, 1}}, "0", 0, onSegment, true},
        {"all on one crossing", {{2, 2}, {2, 2}, {2, 2}}, "0", 0, onSegment},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        controls::Raster drawn(1, 1, White);
        {
            const auto driver = makeDriver();
            driver->useDecimalComma(c.comma);
            CHECK(!driver->report().empty());
            enterPoints(*driver, c.points);
            driver->clickButton(buttons::Calculate);
            CHECK(driver->report() == reportOf(areaBlock(c.points, c.area) + c.tail));
            CHECK(driver->window().worksheet().OrientedDeterminant == c.determinant);
            CHECK(driver->window().worksheet().TriangleArea == std::abs(c.determinant / 2.0));
            drawn = driver->boardImage();
        }
        // Collinear points get the segment alone.
        const auto sides = c.determinant == 0 ? std::nullopt : std::optional(controls::DrawStyle::DashDotDot);
        CHECK(sameImage(drawn, referenceDrawing(c.points, sides)));
    }
}

// The sides to P2 take the pen as it is: dash-dot-dot after a reset, solid
// after an earlier run's segment. Clearing empties the report but keeps the
// results in the worksheet.
TEST_CASE("the sides take the pen an earlier run or a reset left")
{
    struct Case {
        const char* name;
        int runs;
        std::int16_t clearingButton;
        bool solidSides;
    };
    const std::vector<Case> cases{
        {"first run", 1, buttons::Calculate, false},
        {"repeated run", 2, buttons::Calculate, true},
        {"after Изчисти", 2, buttons::Clear, false},
        {"after Изтрий", 2, buttons::Delete, false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        controls::Raster drawn(1, 1, White);
        {
            const auto driver = makeDriver();
            enterPoints(*driver, WorkedExample);
            for (int run = 0; run < c.runs; ++run)
                driver->clickButton(buttons::Calculate);
            if (c.clearingButton != buttons::Calculate) {
                driver->clickRow(lists::X, 2);
                driver->clickButton(c.clearingButton);
                CHECK(driver->report().empty());
                checkWorkedExampleSheet(driver->window().worksheet());
                enterPoints(*driver, c.clearingButton == buttons::Clear ? WorkedExample : Points{WorkedExample[2]});
                driver->clickButton(buttons::Calculate);
            }
            CHECK(driver->report() == WorkedExampleReport);
            checkWorkedExampleSheet(driver->window().worksheet());
            drawn = driver->boardImage();
        }
        using controls::DrawStyle;
        CHECK(sameImage(drawn, referenceDrawing(WorkedExample, c.solidSides ? DrawStyle::Solid : DrawStyle::DashDotDot)));
        CHECK(!sameImage(drawn, referenceDrawing(WorkedExample, c.solidSides ? DrawStyle::DashDotDot : DrawStyle::Solid)));
    }
}

TEST_CASE("Space and Enter on the focused button run it as a click does, but not with Ctrl")
{
    for (const Key key : {Key::Space, Key::Enter}) {
        CAPTURE(int(key));
        const auto driver = makeDriver();
        enterPoints(*driver, WorkedExample);
        driver->pressKey("Command1(1)", key, true);
        CHECK(driver->rows(lists::X).size() == 3);
        driver->pressKey("Command1(0)", key);
        CHECK(driver->report() == WorkedExampleReport);
        driver->pressKey("Command1(1)", key);
        CHECK(driver->report().empty());
        CHECK(driver->rows(lists::X).empty());
    }
}

TEST_CASE("list texts are read as the numbers they start with")
{
    struct Case {
        Rows xs;
        Rows ys;
        Lines rows;
    };
    const std::vector<Case> cases{
        {{"abc", "4", "2"}, {"0", "abc", "3"}, {"0, 0, 1", "4, 0, 1", "2, 3, 1"}},
        {{" 1", "5x", "3,7"}, {"+2", "2 ", "7.0"}, {"1, 2, 1", "5, 2, 1", "3, 7, 1"}},
        // Halves go to the even neighbour.
        {{"0.5", "2.5", "3.5"}, {"-1.5", "4.4999", "1.51"}, {"0, -2, 1", "2, 4, 1", "4, 2, 1"}},
    };
    for (const Case& c : cases) {
        const auto driver = makeDriver();
        listRows(*driver, c.xs, c.ys);
        driver->clickButton(buttons::Calculate);
        CHECK(driver->report().rfind(reportOf(Lines{AreaHeading} + c.rows), 0) == 0);
    }
}

// Too large coordinates leave the board and the last run's results alone.
TEST_CASE("coordinates too large for the arithmetic give one line and change nothing")
{
    struct Case {
        Rows xs;
        Rows ys;
    };
    const std::vector<Case> cases{
        {{"0", "50000", "0"}, {"0", "0", "1"}},                       // squares
        {{"0", "40000", "0"}, {"0", "0", "40000"}},                   // sum of squares
        {{"30000", "30001", "30000"}, {"30000", "30000", "30001"}},   // determinant
        {{"2000000000", "2000000000", "2000000000"}, {"0", "0", "0"}}, // board pixels
        {{"1", "1", "1"}, {"-200000000", "-200000000", "-200000000"}},
        {{"0", "1", "3000000000"}, {"0", "0", "0"}},                  // beyond 32 bits
        {{"0", std::string(400, '9'), "0"}, {"0", "0", "1"}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.xs[1]);
        const auto driver = makeDriver();
        enterPoints(*driver, WorkedExample);
        driver->clickButton(buttons::Calculate);
        driver->clickButton(buttons::Clear);
        listRows(*driver, c.xs, c.ys);
        const controls::Raster before = driver->boardImage();
        driver->clickButton(buttons::Calculate);

        CHECK(driver->report() == reportOf({TooLarge}));
        CHECK(sameImage(driver->boardImage(), before));
        checkWorkedExampleSheet(driver->window().worksheet());

        driver->clickButton(buttons::Clear);
        enterPoints(*driver, WorkedExample);
        driver->clickButton(buttons::Calculate);
        CHECK(driver->report() == WorkedExampleReport);
    }
}

} // TEST_SUITE
