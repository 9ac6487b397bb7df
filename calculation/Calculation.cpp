#include "calculation/Calculation.h"

#include "conversions/NumberText.h"
#include "conversions/Rounding.h"
#include "conversions/TextValue.h"
#include "geometry/Analysis.h"
#include "window/Window.h"

#include <array>
#include <optional>

using geometry::GridPoint;

namespace {

using Points = std::array<GridPoint, PointLimit>;

std::optional<std::int32_t> listedCoordinate(Window& window, std::int16_t list, int row)
{
    return conversions::roundToInt32(conversions::textValue(window.List1(list).List(row)));
}

// The points as the x and y lists hold them, in grid units.
std::optional<Points> listedPoints(Window& window)
{
    Points points{};
    for (int row = 0; row < PointLimit; ++row) {
        const auto x = listedCoordinate(window, lists::X, row);
        const auto y = listedCoordinate(window, lists::Y, row);
        if (!x || !y)
            return std::nullopt;
        points[row] = GridPoint{*x, *y};
    }
    return points;
}

void storeResults(Worksheet& sheet, const geometry::Analysis& analysis)
{
    for (int row = 0; row < PointLimit; ++row) {
        sheet.PointCoords[row][0] = analysis.points[row].x;
        sheet.PointCoords[row][1] = analysis.points[row].y;
        sheet.SideSquares[row] = analysis.sideSquares[row];
        sheet.SideLengths[row] = analysis.sideLengths[row];
    }
    sheet.OrientedDeterminant = analysis.determinant;
    sheet.TriangleArea = analysis.area;
    sheet.Relation = analysis.relation;
    if (analysis.distance)
        sheet.PointSegmentDistance = *analysis.distance;
}

void drawSide(Window& window, const geometry::Analysis& analysis, int from, int to)
{
    const geometry::BoardPixel start = analysis.pixels[from];
    const geometry::BoardPixel end = analysis.pixels[to];
    window.Picture1().Line(float(start.x), float(start.y), float(end.x), float(end.y));
}

// The sides from the end points to the examined point, in whatever pattern
// the pen has: dash-dot-dot after a reset, solid after an earlier run.
void drawConnectingLines(Window& window, const geometry::Analysis& analysis)
{
    window.Picture1().SetDrawWidth(1);
    drawSide(window, analysis, 0, 2);
    drawSide(window, analysis, 1, 2);
}

void drawSegment(Window& window, const geometry::Analysis& analysis)
{
    controls::Board& board = window.Picture1();
    board.SetDrawStyle(controls::DrawStyle::Solid);
    board.SetDrawWidth(1);
    drawSide(window, analysis, 0, 1);
}

std::string determinantRow(const Worksheet& sheet, int row)
{
    return conversions::int32ToText(sheet.PointCoords[row][0]) + ", "
           + conversions::int32ToText(sheet.PointCoords[row][1]) + ", 1";
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
    const std::optional<Points> points = listedPoints(window);
    const std::optional<geometry::Analysis> analysis =
        points ? geometry::analyse(*points, window.worksheet().GridStep) : std::nullopt;
    controls::TextBox& report = window.Text1(textBoxes::Report);
    if (!analysis) {
        report.SetText("Координатите са твърде големи за изчислението.\r\n");
        return;
    }
    storeResults(window.worksheet(), *analysis);

    report.SetText("");
    ReportOrientedArea(window);
    if (window.worksheet().OrientedDeterminant == 0)
        window.appendReportLine("Точката лежи на правата!");
    if (window.worksheet().TriangleArea != 0)
        drawConnectingLines(window, *analysis);
    ReportSegmentRelation(window);
    drawSegment(window, *analysis);
}

void ReportOrientedArea(Window& window)
{
    const Worksheet& sheet = window.worksheet();
    window.appendReportLine("Ориентирано лице - координати на върховете:");
    for (int row = 0; row < PointLimit; ++row)
        window.appendReportLine(determinantRow(sheet, row));
    window.appendReportLine("Ориентирано лице = "
                            + conversions::doubleToText(sheet.TriangleArea, window.decimalSeparator()));
}

void ReportSegmentRelation(Window& window)
{
    const Worksheet& sheet = window.worksheet();
    switch (sheet.Relation) {
    case geometry::SegmentRelation::OnSegment:
        window.appendReportLine("Точката лежи върху отсечката.");
        return;
    case geometry::SegmentRelation::OnExtension:
        window.appendReportLine("Точката лежи върху продължението на отсечката. ");
        return;
    default:
        break;
    }
    window.appendReportLine("Разстояние точка отсечка: "
                            + conversions::doubleToText(sheet.PointSegmentDistance, window.decimalSeparator()));
    window.appendReportLine(projectionLine(sheet.Relation));
}
