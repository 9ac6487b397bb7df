#include "board/PointEntry.h"

#include "app/Window.h"
#include "board/BoardLook.h"
#include "board/GridSnap.h"
#include "controls/NumberText.h"

namespace {

constexpr std::int16_t MaxPoints = 3;

} // namespace

void Picture1_MouseDown(Window& window, std::int16_t, std::int16_t, float X, float Y)
{
    Worksheet& sheet = window.worksheet();
    if (sheet.PointCount >= MaxPoints)
        return;

    controls::Board& board = window.Picture1();
    board.SetDrawWidth(look::DotWidth);
    const std::optional<double> xs = snapToGrid(X, sheet.GridStep);
    const std::optional<double> ys = snapToGrid(Y, sheet.GridStep);
    if (!xs || !ys) {
        window.appendReportLine("Точката е извън дъската и не е добавена.");
        return;
    }
    board.PSet(float(*xs), float(*ys));

    const std::string separator = window.decimalSeparator();
    window.List1(0).AddItem(controls::doubleToText(*xs / sheet.GridStep, separator));
    window.List1(1).AddItem(controls::doubleToText(*ys / sheet.GridStep, separator));
    // Counted upwards from the bottom edge, from the press itself rather than
    // the crossing, in single precision.
    window.List1(2).AddItem(controls::singleToText((sheet.BoardHeight - Y) / sheet.GridStep, separator));

    ++sheet.PointCount;
    if (sheet.PointCount == MaxPoints)
        window.Command1(0).SetEnabled(true);
}
