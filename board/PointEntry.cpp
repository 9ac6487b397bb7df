#include "board/PointEntry.h"

#include "board/BoardLook.h"
#include "board/GridSnap.h"
#include "conversions/NumberText.h"
#include "window/Window.h"

void Picture1_MouseDown(Window& window, std::int16_t, std::int16_t, float X, float Y)
{
    Worksheet& sheet = window.worksheet();
    if (sheet.PointCount >= PointLimit)
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
    window.List1(lists::X).AddItem(conversions::doubleToText(*xs / sheet.GridStep, separator));
    window.List1(lists::Y).AddItem(conversions::doubleToText(*ys / sheet.GridStep, separator));
    // Counted upwards from the bottom edge, from the press itself rather than
    // the crossing, in single precision.
    window.List1(lists::UpwardY).AddItem(conversions::singleToText((sheet.BoardHeight - Y) / sheet.GridStep, separator));

    ++sheet.PointCount;
    if (sheet.PointCount == PointLimit)
        window.Command1(buttons::Calculate).SetEnabled(true);
}
