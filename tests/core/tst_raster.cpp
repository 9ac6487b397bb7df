#include "controls/raster/Raster.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>
#include <vector>

using controls::DrawStyle;
using controls::Pen;
using controls::PixelRect;
using controls::Raster;
using controls::Rgb;

namespace {

constexpr Rgb White{255, 255, 255};
constexpr Rgb Black{0, 0, 0};
// The board's size in the program.
constexpr int BoardWidth = 343;
constexpr int BoardHeight = 229;
constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

Pen pen(DrawStyle style, int width = 1)
{
    return Pen{Black, width, style};
}

// The pixels from (x, y) on, `count` of them one `step` apart: '#' for
// black, '.' for white.
std::string trace(const Raster& raster, std::pair<int, int> from, std::pair<int, int> step, int count)
{
    std::string drawn;
    for (int i = 0; i < count; ++i)
        drawn += raster.pixel(from.first + i * step.first, from.second + i * step.second) == Black ? '#' : '.';
    return drawn;
}

// The rows of a rectangle of pixels, top first.
std::vector<std::string> rows(const Raster& raster, PixelRect area)
{
    std::vector<std::string> drawn;
    for (int y = area.top; y < area.top + area.height; ++y)
        drawn.push_back(trace(raster, {area.left, y}, {1, 0}, area.width));
    return drawn;
}

std::vector<std::uint32_t> pixelsOf(const Raster& raster)
{
    return {raster.bits(), raster.bits() + std::size_t(raster.width()) * std::size_t(raster.height())};
}

} // namespace

TEST_SUITE("raster")
{

// What Qt drew for the same lines: the rhythm runs from the first point, in
// either direction, and both end points are drawn.
TEST_CASE("a one-pixel pen follows its pattern along horizontal and vertical lines")
{
    struct Row {
        DrawStyle style;
        const char* forwards;
        const char* backwards;
    };
    const Row table[] = {
        {DrawStyle::Solid, "##########################", "##########################"},
        {DrawStyle::Dash, "####..####..####..####..##", "##..####..####..####..####"},
        {DrawStyle::Dot, "#..#..#..#..#..#..#..#..#.", ".#..#..#..#..#..#..#..#..#"},
        {DrawStyle::DashDot, "####..#..####..#..####..#.", ".#..####..#..####..#..####"},
        {DrawStyle::DashDotDot, "####..#..#..####..#..#..##", "##..#..#..####..#..#..####"},
    };
    for (const Row& row : table) {
        CAPTURE(int(row.style));
        Raster raster(30, 30, White);
        raster.line(0, 0, 25, 0, pen(row.style));
        raster.line(25, 1, 0, 1, pen(row.style));
        raster.line(0, 2, 0, 27, pen(row.style));
        raster.line(1, 27, 1, 2, pen(row.style));
        CHECK(trace(raster, {0, 0}, {1, 0}, 27) == row.forwards + std::string("."));
        CHECK(trace(raster, {0, 1}, {1, 0}, 27) == row.backwards + std::string("."));
        CHECK(trace(raster, {0, 2}, {0, 1}, 26) == row.forwards);
        CHECK(trace(raster, {1, 2}, {0, 1}, 26) == row.backwards);
    }
}

TEST_CASE("a diagonal line has one pixel for each step along its longer side")
{
    Raster raster(8, 4, White);
    raster.line(0, 0, 7, 3, pen(DrawStyle::Solid));
    CHECK(rows(raster, {0, 0, 8, 4}) == std::vector<std::string>{"##......", "..##....", "....##..", "......##"});
    raster.fill(White);
    raster.line(7, 3, 0, 0, pen(DrawStyle::Dash));
    CHECK(rows(raster, {0, 0, 8, 4}) == std::vector<std::string>{"##......", "........", "....##..", "......##"});
}

// Ties between two pixels must not depend on the direction: (0,0)-(6,3) has them.
TEST_CASE("a solid line covers the same pixels whichever end it starts from")
{
    struct End {
        int dx;
        int dy;
    };
    const End ends[] = {{6, 3}, {3, 6}, {-3, 6}, {-6, 3}, {-6, -3}, {-3, -6}, {3, -6}, {6, -3},
                        {5, 0}, {0, 5}, {-5, 0}, {0, -5}, {4, 4}, {-4, 4}, {9, 1}, {2, -9}};
    for (const End& end : ends) {
        CAPTURE(end.dx);
        CAPTURE(end.dy);
        Raster forwards(21, 21, White);
        Raster backwards(21, 21, White);
        forwards.takeChangedArea();
        forwards.line(10, 10, 10 + end.dx, 10 + end.dy, pen(DrawStyle::Solid));
        backwards.line(10 + end.dx, 10 + end.dy, 10, 10, pen(DrawStyle::Solid));
        CHECK(pixelsOf(forwards) == pixelsOf(backwards));
        const PixelRect area = forwards.takeChangedArea();
        CHECK(std::max(area.width, area.height) == std::max(std::abs(end.dx), std::abs(end.dy)) + 1);
    }
}

// Width 5 is Qt's round-capped point exactly; the others follow the same rule.
TEST_CASE("a dot is round and centred on its pixel")
{
    struct Row {
        int width;
        std::vector<std::string> pixels;
    };
    const Row table[] = {
        {1, {".....", ".....", "..#..", ".....", "....."}},
        {2, {".....", ".....", "..##.", "..##.", "....."}},
        {3, {".....", ".###.", ".###.", ".###.", "....."}},
        {4, {".....", "..##.", ".####", ".####", "..##."}},
        {5, {".###.", "#####", "#####", "#####", ".###."}},
    };
    for (const Row& row : table) {
        CAPTURE(row.width);
        Raster raster(9, 9, White);
        raster.dot(4, 4, Black, row.width);
        CHECK(rows(raster, {2, 2, 5, 5}) == row.pixels);
    }
}

TEST_CASE("a dot at an edge or a corner keeps only its part inside the image")
{
    struct Row {
        double x;
        double y;
        PixelRect changed;
    };
    const Row table[] = {
        {0, 0, {0, 0, 3, 3}},
        // Halves go up: the centre is (1, 0).
        {0.5, -0.5, {0, 0, 4, 3}},
        {0.49999999999999994, 0, {0, 0, 3, 3}},
        {342, 228, {340, 226, 3, 3}},
        {1, 100, {0, 98, 4, 5}},
        {100, 227, {98, 225, 5, 4}},
        {-2, 50, {0, 49, 1, 3}},
        {-3, 50, {}},
        {1e300, 5, {}},
        {NotANumber, 5, {}},
    };
    for (const Row& row : table) {
        CAPTURE(row.x);
        CAPTURE(row.y);
        Raster raster(BoardWidth, BoardHeight, White);
        raster.takeChangedArea();
        raster.dot(row.x, row.y, Black, 5);
        CHECK(raster.takeChangedArea() == row.changed);
    }
    Raster raster(BoardWidth, BoardHeight, White);
    raster.dot(0, 0, Black, 5);
    CHECK(rows(raster, {0, 0, 4, 4}) == std::vector<std::string>{"###.", "###.", "##..", "...."});
}

// Only the pixels inside the image are visited, yet they are those of the
// whole line, with its pattern counted from its real first point.
TEST_CASE("a line reaching far outside the image draws what a short one along it draws")
{
    struct Row {
        double x1, y1, x2, y2;
        double shortX1, shortY1, shortX2, shortY2;
        DrawStyle style;
    };
    const Row table[] = {
        // 1 000 000 is 83 333 periods of twelve and four pixels more.
        {-1e6, 3, 1e6, 3, -4, 3, 400, 3, DrawStyle::DashDotDot},
        {100, 1e6 - 1, 100, -1e6, 100, 303, 100, -4, DrawStyle::DashDotDot},
        {-3e6, -1e6, 3e6, 1e6, -300, -100, 600, 200, DrawStyle::DashDotDot},
        {-1e9, 5, 1e9, 7, -400, 6, 400, 6, DrawStyle::Solid},
        // Steps times rise passes 2^63 here: y = x - 1 - x / 2147483647.
        {-2147483647.0, -2147483647.0, 2147483647.0, 2147483645.0, 0, -1, 300, 299, DrawStyle::Solid},
        // Cut down before drawing, yet still in step: 3e10 is whole periods.
        {-3e10, 3, 400, 3, -12, 3, 400, 3, DrawStyle::DashDotDot},
        {-3e38, 5, 3e38, 5, 0, 5, 342, 5, DrawStyle::Solid},
    };
    for (const Row& row : table) {
        CAPTURE(row.x1);
        CAPTURE(row.y1);
        Raster longLine(BoardWidth, BoardHeight, White);
        Raster shortLine(BoardWidth, BoardHeight, White);
        longLine.line(row.x1, row.y1, row.x2, row.y2, pen(row.style));
        shortLine.line(row.shortX1, row.shortY1, row.shortX2, row.shortY2, pen(row.style));
        CHECK(pixelsOf(longLine) == pixelsOf(shortLine));
    }
}

TEST_CASE("a line that misses the image, or has no place, draws nothing")
{
    const double lines[][4] = {
        {0, 240, 343, 240},
        {-1e9, -5, 1e9, -7},
        {3e38, 0, 3e38, 229},
        {NotANumber, 0, 10, 10},
        {0, 0, Infinity, 10},
        {-Infinity, 5, Infinity, 5},
    };
    for (const auto& ends : lines) {
        CAPTURE(ends[0]);
        CAPTURE(ends[1]);
        Raster raster(BoardWidth, BoardHeight, White);
        raster.takeChangedArea();
        raster.line(ends[0], ends[1], ends[2], ends[3], pen(DrawStyle::Solid, 3));
        CHECK(raster.takeChangedArea().empty());
    }
    // Nothing sensible can be drawn here; it must only end.
    Raster raster(BoardWidth, BoardHeight, White);
    raster.line(-1.7e308, -1.7e308, 1.7e308, 1.7e308, pen(DrawStyle::Dot));
    raster.line(-1e300, 1e300, 1e300, -1e300, pen(DrawStyle::Solid, 7));
}

// As if a dot were drawn at every pixel of the one-pixel line.
TEST_CASE("a wide pen is solid and round along the whole line")
{
    struct Row {
        double x1, y1, x2, y2;
        int width;
        std::vector<std::string> pixels;
    };
    const Row table[] = {
        {3, 3, 8, 3, 5, {"............", "..########..", ".##########.", ".##########.", ".##########.",
                         "..########..", "............"}},
        {2, 2, 6, 4, 3, {"............", ".###........", ".#####......", ".#######....", "..######....",
                         "....####....", "............"}},
        // Running just outside the image, its dots still reach in.
        {-5, -1, 20, -1, 3, {"############", "............", "............", "............", "............",
                             "............", "............"}},
    };
    for (const Row& row : table) {
        CAPTURE(row.width);
        Raster raster(12, 7, White);
        raster.line(row.x1, row.y1, row.x2, row.y2, pen(DrawStyle::Dot, row.width));
        CHECK(rows(raster, {0, 0, 12, 7}) == row.pixels);
    }
}

TEST_CASE("the changed area holds every pixel drawn since it was last taken")
{
    Raster raster(BoardWidth, BoardHeight, White);
    CHECK(raster.takeChangedArea() == PixelRect{0, 0, BoardWidth, BoardHeight});
    CHECK(raster.takeChangedArea().empty());
    raster.line(20, 30, 10, 35, pen(DrawStyle::Dash));
    raster.dot(340, 2, Black, 5);
    CHECK(raster.takeChangedArea() == PixelRect{11, 0, 332, 36});
    raster.line(-10, -10, -10, 500, pen(DrawStyle::Solid, 5));
    CHECK(raster.takeChangedArea().empty());
    raster.fill(Black);
    CHECK(raster.takeChangedArea() == PixelRect{0, 0, BoardWidth, BoardHeight});
}

// At a display scale every length of the design is rounded on its own, so
// that every dash, gap, dot and pen keeps its look and the grid its rhythm.
TEST_CASE("at a display scale the picture keeps its runs, widths, dots and colours")
{
    struct Row {
        double scale;
        int width, height;
        const char* dashDotDot;
        int penRows;
        int dotAcross;
    };
    const Row table[] = {
        {1.25, 429, 286, "#####...#...#...", 1, 6},
        {1.5, 515, 344, "######...##...##...", 2, 8},
        {2, 686, 458, "########....##....##....", 2, 10},
    };
    constexpr Rgb DarkRed{200, 0, 0};
    for (const Row& row : table) {
        CAPTURE(row.scale);
        Raster raster(BoardWidth, BoardHeight, White, row.scale);
        CHECK(raster.scale() == row.scale);
        CHECK(raster.width() == row.width);
        CHECK(raster.height() == row.height);

        // A grid line at y = 20 starts on the row 20 × s rounds to.
        raster.line(0, 20, 100, 20, pen(DrawStyle::DashDotDot));
        const int lineRow = int(20 * row.scale + 0.5);
        const std::string period = row.dashDotDot;
        CHECK(trace(raster, {0, lineRow}, {1, 0}, int(2 * period.size())) == period + period);
        CHECK(trace(raster, {3, lineRow - 1}, {0, 1}, row.penRows + 2)
              == "." + std::string(std::size_t(row.penRows), '#') + ".");

        // The 5-pixel dot of a point, and a wide pen, scaled.
        raster.dot(100, 100, DarkRed, 5);
        const int centre = int(100 * row.scale + 0.5);
        int across = 0;
        for (int x = centre - 10; x <= centre + 10; ++x)
            across += raster.pixel(x, centre) == DarkRed;
        CHECK(across == row.dotAcross);
        raster.line(150, 50, 200, 120, pen(DrawStyle::Solid, 3));

        int foreign = 0;
        for (int y = 0; y < raster.height(); ++y) {
            for (int x = 0; x < raster.width(); ++x) {
                const Rgb colour = raster.pixel(x, y);
                foreign += !(colour == White || colour == Black || colour == DarkRed);
            }
        }
        CHECK(foreign == 0);
    }
}

} // TEST_SUITE
