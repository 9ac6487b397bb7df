#include "board/BoardGrid.h"

#include "board/BoardLook.h"
#include "conversions/Rounding.h"
#include "window/Window.h"

namespace {

// The number of the last grid line across an extent. It is rounded, not
// truncated, so it may name one line beyond the far edge, which the board
// clips. No widget is large enough for the count to leave 16 bits.
int lastLineNumber(float extent, std::int16_t gridStep)
{
    return conversions::roundToInt16(double(extent) / gridStep).value_or(-1);
}

} // namespace

void DrawGrid(Window& window)
{
    controls::Board& board = window.Picture1();
    const Worksheet& sheet = window.worksheet();
    board.SetDrawWidth(1);
    board.SetDrawStyle(controls::DrawStyle::DashDotDot);

    const int lastRow = lastLineNumber(board.ScaleHeight(), sheet.GridStep);
    for (int i = 0; i <= lastRow; ++i) {
        const float y = float(i * sheet.GridStep);
        board.Line(0, y, sheet.BoardWidth, y, look::Black);
    }
    const int lastColumn = lastLineNumber(board.ScaleWidth(), sheet.GridStep);
    for (int i = 0; i <= lastColumn; ++i) {
        const float x = float(i * sheet.GridStep);
        board.Line(x, 0, x, sheet.BoardHeight, look::Black);
    }
}

void ResetBoard(Window& window)
{
    window.worksheet().PointCount = 0;
    controls::Board& board = window.Picture1();
    board.SetBackColor(look::White);
    board.Cls();
    for (std::int16_t list = 0; list < lists::Count; ++list)
        window.List1(list).Clear();
    DrawGrid(window);
    window.Command1(buttons::Calculate).SetEnabled(false);
}
