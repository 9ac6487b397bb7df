#include "app/StartUp.h"

#include "app/Window.h"
#include "board/BoardGrid.h"

namespace {

constexpr std::int16_t GridStepPixels = 20;

} // namespace

void Form_Load(Window& window)
{
    controls::Board& board = window.Picture1();
    // Pixels first, so that the size recorded below is in pixels; the
    // persistent image before the reset, so the grid drawn while the window
    // is still hidden is there when it appears.
    board.SetScaleMode(controls::ScaleMode::Pixels);
    board.SetAutoRedraw(true);
    Worksheet& sheet = window.worksheet();
    sheet.GridStep = GridStepPixels;
    sheet.BoardWidth = board.ScaleWidth();
    sheet.BoardHeight = board.ScaleHeight();
    ResetBoard(window);
}
