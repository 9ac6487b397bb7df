#include "tests/scenarios/ScenarioSupport.h"

#include "controls/form/ContrastRatio.h"
#include "controls/form/HighContrastLook.h"

#include <doctest/doctest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

const std::vector<Pixel> Presses{{80, 100}, {160, 100}, {20, 180}};

std::vector<std::uint32_t> pixelsOf(const controls::Raster& image)
{
    return {image.bits(), image.bits() + std::size_t(image.width()) * std::size_t(image.height())};
}

// Every colour on the board but its paper's, each once.
std::set<std::tuple<int, int, int>> inksOn(const controls::Raster& board, controls::Rgb paper)
{
    std::set<std::tuple<int, int, int>> inks;
    for (int y = 0; y < board.height(); ++y) {
        for (int x = 0; x < board.width(); ++x) {
            const controls::Rgb pixel = board.pixel(x, y);
            if (pixel != paper)
                inks.insert({pixel.red, pixel.green, pixel.blue});
        }
    }
    return inks;
}

} // namespace

TEST_SUITE("contrast")
{

TEST_CASE("in the system's high-contrast mode everything on the board stands 7:1 from its paper, "
          "and turning the mode on and off keeps what was entered")
{
    const auto driver = makeDriver();
    pressAll(*driver, Presses);
    driver->clickButton(buttons::Calculate);
    driver->clickRow(lists::X, 2);
    const Rows xs = driver->rows(lists::X);
    const std::string report = driver->report();
    const std::vector<std::uint32_t> designed = pixelsOf(driver->shownBoard());

    driver->useHighContrast(true);
    CHECK(driver->rows(lists::X) == xs);
    CHECK(driver->report() == report);
    const controls::Raster& board = driver->shownBoard();
    const controls::DeviceScale scale(board.scale());
    // Far from every drawing and off the grid's lines.
    const controls::Rgb paper = board.pixel(scale.pixel(330), scale.pixel(10));
    for (const auto& inkChannels : inksOn(board, paper)) {
        const controls::Rgb ink{std::uint8_t(std::get<0>(inkChannels)), std::uint8_t(std::get<1>(inkChannels)),
                                std::uint8_t(std::get<2>(inkChannels))};
        const std::string colour = std::to_string(ink.red) + "," + std::to_string(ink.green) + ","
                                   + std::to_string(ink.blue);
        CAPTURE(colour);
        CHECK(controls::contrastRatio(ink, paper) >= controls::HighContrastLook::LeastContrast);
    }
    // The selected point has a ring, the others none: looked for on a
    // diagonal that no grid line and no side crosses.
    const Pixel selected = Presses[2];
    CHECK(board.pixel(scale.pixel(selected.x - 5), scale.pixel(selected.y + 5)) != paper);
    CHECK(board.pixel(scale.pixel(Presses[0].x - 5), scale.pixel(Presses[0].y - 5)) == paper);

    driver->useHighContrast(false);
    CHECK(driver->rows(lists::X) == xs);
    CHECK(driver->report() == report);
    CHECK(pixelsOf(driver->shownBoard()) == designed);
}

} // TEST_SUITE
