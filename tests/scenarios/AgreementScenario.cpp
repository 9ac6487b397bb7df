#include "tests/scenarios/ScenarioSupport.h"

#include <doctest/doctest.h>

#include <cstdint>

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

// What every toolkit must give for the worked example: a 343 × 229 board and
// a 279-byte report, the same to the byte whichever toolkit shows them.
constexpr std::uint64_t BoardFingerprint = 0x7c0cf1408521e078ull;
constexpr std::uint64_t ReportFingerprint = 0x1ad0beb76900d44dull;

} // namespace

TEST_SUITE("agreement")
{

TEST_CASE("the worked example gives the same report and board on every toolkit, to the byte")
{
    const auto driver = makeDriver();
    pressAll(*driver, {{80, 100}, {160, 100}, {20, 180}});
    driver->clickButton(buttons::Calculate);

    const std::string report = driver->report();
    CAPTURE(report);
    CHECK(report.size() == 279);
    CHECK(fingerprint(report.data(), report.size()) == ReportFingerprint);
    const controls::Raster& board = driver->boardImage();
    REQUIRE(board.width() == 343);
    REQUIRE(board.height() == 229);
    const std::size_t pixels = std::size_t(board.width()) * std::size_t(board.height());
    CHECK(fingerprint(board.bits(), pixels * sizeof *board.bits()) == BoardFingerprint);
}

} // TEST_SUITE
