#include "geometry/Calculation.h"

#include "app/Window.h"
#include "controls/NumberText.h"
#include "controls/Rounding.h"
#include "controls/TextValue.h"
#include "geometry/CalculationRange.h"
#include "geometry/OrientedArea.h"
#include "geometry/SegmentRelation.h"
#include "geometry/SideLengths.h"

#include <array>
#include <optional>

using geometry::GridPoint;

namespace {

using Points = std::array<GridPoint, 3>;

std::optional<std::int32_t> listedCoordinate(Window& window, int list, int row)
{
    return controls::roundToInt32(controls::textValue(window.List1(list).List(row)));
}

// The points as the x and y lists hold them, in grid units.
std::optional<Points> listedPoints(Window& window)
{
    Points points{};
    for (int row = 0; row < 3; ++row) {
        const auto x = listedCoordinate(window, 0, row);
        const auto y = listedCoordinate(window, 1, row);
        if (!x || !y)
            return std::nullopt;
        points[row] = GridPoint{*x, *y};
    }
    return points;
}

GridPoint storedPoint(const Worksheet& sheet, int row)
{
    return GridPoint{sheet.PointCoords[row][0], sheet.PointCoords[row][1]};
}

void storePoints(Worksheet& sheet, const Points& points)
{
    for (int row = 0; row < 3; ++row) {
        sheet.PointCoords[row][0] = points[row].x;
        sheet.PointCoords[row][1] = points[row].y;
    }
}

// Slot 0 is the segment P0–P1, slot 1 P1–P2, slot 2 P2–P0. The exact squares
// are kept beside the lengths: the verdicts are decided on them.
void measureSides(Worksheet& sheet)
{
    for (int slot = 0; slot < 3; ++slot) {
        const int other = (slot + 1) % 3;
        const std::int32_t squared =
            geometry::squaredDistance(storedPoint(sheet, slot), storedPoint(sheet, other)).value();
        sheet.SideSquares[slot] = squared;
        sheet.SideLengths[slot] = geometry::sideLength(squared);
    }
}

// Board pixels of a stored point; the range was checked before the run began.
float pixelX(const Worksheet& sheet, int row)
{
    return float(sheet.PointCoords[row][0] * sheet.GridStep);
}

float pixelY(const Worksheet& sheet, int row)
{
    return float(sheet.PointCoords[row][1] * sheet.GridStep);
}

void drawSide(Window& window, int from, int to)
{
    const Worksheet& sheet = window.worksheet();
    window.Picture1().Line(pixelX(sheet, from), pixelY(sheet, from), pixelX(sheet, to), pixelY(sheet, to));
}

// The sides from the end points to the examined point, in whatever pattern
// the pen has: dash-dot-dot after a reset, solid after an earlier run.
void drawConnectingLines(Window& window)
{
    window.Picture1().SetDrawWidth(1);
    drawSide(window, 0, 2);
    drawSide(window, 1, 2);
}

void drawSegment(Window& window)
{
    controls::Board& board = window.Picture1();
    board.SetDrawStyle(controls::DrawStyle::Solid);
    board.SetDrawWidth(1);
    drawSide(window, 0, 1);
}

std::string determinantRow(const Worksheet& sheet, int row)
{
    return controls::int32ToText(sheet.PointCoords[row][0]) + ", "
           + controls::int32ToText(sheet.PointCoords[row][1]) + ", 1";
}

const char* projectionLine(geometry::SegmentRelation relation)
{
    switch (relation) {
    case geometry::SegmentRelation::ProjectionAtEndPoint:
        return "Проекцията на точката съвпада с една от точките.";
    case geometry::SegmentRelation::ProjectionOutside:
        return "Проекцията на точката лежи извън отсечката. ";
    default:
        return "Проекцията на точката лежи върху отсечката.";
    }
}

} // namespace

void Calculate(Window& window)
{
    Worksheet& sheet = window.worksheet();
    const std::optional<Points> points = listedPoints(window);
    if (!points || !geometry::fitsCalculation(*points, sheet.GridStep)) {
        window.Text1(0).SetText("Координатите са твърде големи за изчислението.\r\n");
        return;
    }
    storePoints(sheet, *points);
    measureSides(sheet);

    window.Text1(0).SetText("");
    ReportOrientedArea(window);
    if (sheet.OrientedDeterminant == 0)
        window.appendReportLine("Точката лежи на правата!");
    if (sheet.TriangleArea != 0)
        drawConnectingLines(window);
    ReportSegmentRelation(window);
    drawSegment(window);
}

void ReportOrientedArea(Window& window)
{
    Worksheet& sheet = window.worksheet();
    sheet.OrientedDeterminant =
        geometry::orientedDeterminant(storedPoint(sheet, 0), storedPoint(sheet, 1), storedPoint(sheet, 2))
            .value();
    sheet.TriangleArea = geometry::triangleArea(sheet.OrientedDeterminant);

    window.appendReportLine("Ориентирано лице - координати на върховете:");
    for (int row = 0; row < 3; ++row)
        window.appendReportLine(determinantRow(sheet, row));
    window.appendReportLine("Ориентирано лице = "
                            + controls::doubleToText(sheet.TriangleArea, window.decimalSeparator()));
}

void ReportSegmentRelation(Window& window)
{
    Worksheet& sheet = window.worksheet();
    const geometry::SegmentRelation relation =
        geometry::segmentRelation(sheet.SideSquares[0], sheet.SideSquares[1], sheet.SideSquares[2]).value();
    switch (relation) {
    case geometry::SegmentRelation::OnSegment:
        window.appendReportLine("Точката лежи върху отсечката.");
        return;
    case geometry::SegmentRelation::OnExtension:
        window.appendReportLine("Точката лежи върху продължението на отсечката. ");
        return;
    default:
        break;
    }
    // Twice the area over the base: the triangle's height over the segment.
    // The segment has length here, or the point would lie on its line.
    sheet.PointSegmentDistance = (sheet.TriangleArea * 2) / sheet.SideLengths[0];
    window.appendReportLine("Разстояние точка отсечка: "
                            + controls::doubleToText(sheet.PointSegmentDistance, window.decimalSeparator()));
    window.appendReportLine(projectionLine(relation));
}
