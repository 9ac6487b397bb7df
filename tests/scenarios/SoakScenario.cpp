#include "tests/scenarios/SoakRun.h"

#include <doctest/doctest.h>

#include <cstdlib>
#include <random>

namespace {

// As many events as DRELVIK_SOAK_EVENTS says, 20000 unless told: fewer where
// the program runs under emulation.
int eventCount()
{
    if (const char* given = std::getenv("DRELVIK_SOAK_EVENTS"))
        return std::atoi(given);
    return 20000;
}

// A new seed every run, so that runs together cover more; the one given in
// DRELVIK_SOAK_SEED repeats a run that failed.
std::uint64_t soakSeed()
{
    if (const char* given = std::getenv("DRELVIK_SOAK_SEED"))
        return std::strtoull(given, nullptr, 10);
    return std::random_device{}();
}

Rows coordinateRows(const std::vector<Pixel>& points, int Pixel::*coordinate)
{
    Rows rows;
    for (const Pixel point : points)
        rows.push_back(std::to_string(point.*coordinate));
    return rows;
}

void checkDots(Driver& driver, const SoakModel& model)
{
    const std::vector<Pixel>& points = model.points();
    for (int row = 0; row < int(points.size()); ++row) {
        const std::optional<controls::Rgb> expected = model.dotColour(row);
        if (!expected)
            continue;
        CAPTURE(row);
        const Pixel crossing{points[row].x * GridStep, points[row].y * GridStep};
        REQUIRE(dotColour(driver.boardImage(), crossing) == expected);
    }
}

void checkWindow(Driver& driver, const SoakModel& model)
{
    const std::vector<Pixel>& points = model.points();
    REQUIRE(driver.window().worksheet().PointCount == int(points.size()));
    REQUIRE(driver.rows(lists::X) == coordinateRows(points, &Pixel::x));
    REQUIRE(driver.rows(lists::Y) == coordinateRows(points, &Pixel::y));
    REQUIRE(driver.rows(lists::UpwardY).size() == points.size());
    REQUIRE(selectedRows(driver) == std::vector<int>(lists::Count, model.selectedRow()));
    for (std::int16_t button = 0; button < buttons::Count; ++button) {
        CAPTURE(button);
        REQUIRE(driver.buttonEnabled(button) == model.enabled(button));
    }
    REQUIRE(driver.report() == model.report());
    checkDots(driver, model);
}

} // namespace

TEST_SUITE("soak")
{

TEST_CASE("random events keep the window in step with an independent model")
{
    const std::uint64_t seed = soakSeed();
    const auto driver = makeDriver();
    SoakRun run(*driver, seed);
    int event = 0;
    INFO("seed ", seed, " (DRELVIK_SOAK_SEED repeats the run), event ", event);
    INFO("events since the last reset:\n", run.eventsSinceReset());
    const int events = eventCount();
    REQUIRE(events > 0);
    for (; event < events; ++event) {
        run.playRandomEvent();
        checkWindow(*driver, run.model());
    }
}

} // TEST_SUITE
