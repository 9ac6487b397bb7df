#include "app/StartUp.h"

#include "board/BoardGrid.h"
#include "window/Window.h"

namespace {

constexpr std::int16_t GridStepPixels = 20;

} // namespace

void Form_Load(Window& window)
{
    // The board works in pixels and keeps its image from the start, so the
    // size recorded here is in pixels and the grid drawn while the window is
    // still hidden is there when it appears.
    const controls::Board& board = window.Picture1();
    Worksheet& sheet = window.worksheet();
    sheet.GridStep = GridStepPixels;
    sheet.BoardWidth = board.ScaleWidth();
    sheet.BoardHeight = board.ScaleHeight();
    ResetBoard(window);
}
