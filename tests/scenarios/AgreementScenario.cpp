#include "tests/scenarios/CoreRun.h"
#include "tests/scenarios/ScenarioSupport.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

namespace {

// FNV-1a, 64 bits: enough to tell two pictures or texts apart.
std::uint64_t fingerprint(const void* data, std::size_t size)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t at = 0; at < size; ++at) {
        hash ^= static_cast<const unsigned char*>(data)[at];
        hash *= 1099511628211ull;
    }
    return hash;
}

// What every toolkit must give for the worked example: a 279-byte report,
// and the board at each display scale the tests run at, the same to the
// byte whichever toolkit shows them.
constexpr std::uint64_t ReportFingerprint = 0x1ad0beb76900d44dull;

struct BoardAtScale {
    double scale;
    int width;
    int height;
    std::uint64_t fingerprint;
};

constexpr BoardAtScale Boards[] = {
    {1, 343, 229, 0x7c0cf1408521e078ull},
    {1.5, 515, 344, 0x022aa39560b0d075ull},
    {2, 686, 458, 0x3ec4d95b817dc775ull},
};

const std::vector<Pixel> Presses{{80, 100}, {160, 100}, {20, 180}};

std::string hexColour(controls::Rgb colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

// Where a toolkit's board first parts from the core's, row by row; empty
// where the two agree.
std::string firstDifference(const controls::Raster& shown, const controls::Raster& core)
{
    if (shown.width() != core.width() || shown.height() != core.height())
        return "the board is " + std::to_string(shown.width()) + "x" + std::to_string(shown.height())
               + ", the core's " + std::to_string(core.width()) + "x" + std::to_string(core.height());
    for (int y = 0; y < core.height(); ++y) {
        for (int x = 0; x < core.width(); ++x) {
            if (shown.pixel(x, y) != core.pixel(x, y))
                return "first differing pixel (" + std::to_string(x) + ", " + std::to_string(y) + "): the board "
                       + hexColour(shown.pixel(x, y)) + ", the core " + hexColour(core.pixel(x, y));
        }
    }
    return {};
}

} // namespace

TEST_SUITE("agreement")
{

TEST_CASE("the worked example gives the same report and board on every toolkit, to the byte")
{
    const auto driver = makeDriver();
    pressAll(*driver, Presses);
    driver->clickButton(buttons::Calculate);

    const std::string report = driver->report();
    CAPTURE(report);
    CHECK(report.size() == 279);
    CHECK(fingerprint(report.data(), report.size()) == ReportFingerprint);
    const controls::Raster& board = driver->boardImage();
    const double scale = board.scale();
    CAPTURE(scale);
    CoreRun core(scale);
    for (const Pixel at : Presses)
        core.pressBoard(at.x, at.y);
    core.clickButton(buttons::Calculate);
    const std::string difference = firstDifference(board, core.boardImage());
    CHECK_MESSAGE(difference.empty(), difference);
    const auto expected = std::find_if(std::begin(Boards), std::end(Boards),
                                       [&](const BoardAtScale& at) { return at.scale == scale; });
    REQUIRE(expected != std::end(Boards));
    CHECK(board.width() == expected->width);
    CHECK(board.height() == expected->height);
    const std::size_t pixels = std::size_t(board.width()) * std::size_t(board.height());
    CHECK(fingerprint(board.bits(), pixels * sizeof *board.bits()) == expected->fingerprint);
}

} // TEST_SUITE
