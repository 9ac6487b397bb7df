#pragma once

#include "tests/scenarios/Driver.h"

#include "controls/PixelRect.h"
#include "controls/Rgb.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the scenarios share: points, colours and reading the board.

constexpr int GridStep = 20;

struct Pixel {
    int x;
    int y;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

using Lines = std::vector<std::string>;
using Rows = std::vector<std::string>;

inline constexpr controls::Rgb Black{0, 0, 0};
inline constexpr controls::Rgb White{255, 255, 255};
inline constexpr controls::Rgb DarkRed{200, 0, 0};

void pressAll(Driver& driver, const std::vector<Pixel>& presses);
// Presses on the crossings of the given grid points.
void enterPoints(Driver& driver, const std::vector<Pixel>& gridPoints);

// The lines of the report, without their line ends.
namespace reportLines {
inline const std::string AreaHeading = "Ориентирано лице - координати на върховете:";
inline const std::string AreaLabel = "Ориентирано лице = ";
inline const std::string OnLine = "Точката лежи на правата!";
inline const std::string OnSegment = "Точката лежи върху отсечката.";
inline const std::string OnExtension = "Точката лежи върху продължението на отсечката. ";
inline const std::string DistanceLabel = "Разстояние точка отсечка: ";
inline const std::string AtEndPoint = "Проекцията на точката съвпада с една от точките.";
inline const std::string Outside = "Проекцията на точката лежи извън отсечката. ";
inline const std::string Inside = "Проекцията на точката лежи върху отсечката.";
inline const std::string TooLarge = "Координатите са твърде големи за изчислението.";
} // namespace reportLines

// The report's opening block for grid points: the points as determinant
// rows, then the area as given.
Lines areaBlock(const std::vector<Pixel>& points, const std::string& area);

// A report as the box must hold it: every line closed by CR LF.
std::string reportOf(const Lines& lines);

// The rectangle of pixels two pictures of the board disagree on.
controls::PixelRect changedArea(const controls::Raster& before, const controls::Raster& after);
bool sameImage(const controls::Raster& a, const controls::Raster& b);
controls::PixelRect dotArea(Pixel crossing);
using controls::unite;

// The colour of the dot on a crossing, told by the four pixels diagonally
// next to it, inside the dot and off the grid lines; empty when they differ.
std::optional<controls::Rgb> dotColour(const controls::Raster& image, Pixel crossing);
// Whether the dark red mark, which nothing else shares, is a 5-pixel disc on
// the pixel: all within two pixels marked, nothing three or more away.
bool markedAt(const controls::Raster& image, Pixel centre);

std::vector<int> selectedRows(Driver& driver);

// Counts the click events of a window's lists, each still handled as the
// program handles it, for a driver whose toolkit tells of no selection the
// program makes.
class ListClicks
{
public:
    explicit ListClicks(Window& window);

    int count(std::int16_t list) const { return counts_.at(std::size_t(list)); }

private:
    std::array<int, lists::Count> counts_{};
};
