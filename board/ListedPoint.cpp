#include "board/ListedPoint.h"

#include "board/BoardLook.h"
#include "conversions/Rounding.h"
#include "conversions/TextValue.h"
#include "window/Window.h"

#include <optional>
#include <string>

namespace {

struct BoardPosition {
    double x;
    std::int32_t y;
};

std::optional<BoardPosition> listedPosition(Window& window, int row)
{
    const std::int16_t step = window.worksheet().GridStep;
    const double x = conversions::textValue(window.List1(lists::X).List(row)) * step;
    const std::optional<std::int32_t> y =
        conversions::roundToInt32(conversions::textValue(window.List1(lists::Y).List(row)) * step);
    // x stays fractional, but must lie in the same range as y to be drawn.
    if (!y || !conversions::roundToInt32(x))
        return std::nullopt;
    return BoardPosition{x, *y};
}

// One selection redraws every point several times over, once for each list
// its click echoes through, so a point that cannot be shown is reported only
// while the report does not already say so.
void reportHiddenPoint(Window& window, int row)
{
    const std::string line = "Точка " + std::to_string(row + 1)
                             + ": координатите са твърде големи, за да се покаже на дъската.";
    if (window.Text1(textBoxes::Report).Text().find(line) == std::string::npos)
        window.appendReportLine(line);
}

} // namespace

void drawListedPoint(Window& window, int row, controls::Rgb colour)
{
    const std::optional<BoardPosition> position = listedPosition(window, row);
    if (!position) {
        reportHiddenPoint(window, row);
        return;
    }
    window.Picture1().PSet(float(position->x), float(position->y), colour);
}

void drawListedPointsBlack(Window& window)
{
    for (int row = 0; row < window.List1(lists::X).ListCount(); ++row)
        drawListedPoint(window, row, look::Black);
}
