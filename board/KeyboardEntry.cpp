#include "board/KeyboardEntry.h"

#include "board/GridSnap.h"
#include "board/PointEntry.h"
#include "controls/KeyCode.h"
#include "conversions/Rounding.h"
#include "window/Window.h"

#include <algorithm>
#include <string>

namespace {

// The last crossing along an extent that a press can reach: the one its
// last pixel snaps to.
std::int16_t lastReachable(float extent, std::int16_t gridStep)
{
    const double snapped = snapToGrid(std::max(extent - 1, 0.0f), gridStep).value_or(0);
    return std::int16_t(std::max(snapped, 0.0) / gridStep);
}

std::int16_t nearestCrossing(float extent, std::int16_t gridStep)
{
    const std::int16_t centre = conversions::roundToInt16(double(extent) / 2 / gridStep).value_or(0);
    return std::clamp<std::int16_t>(centre, 0, lastReachable(extent, gridStep));
}

void showCursor(Window& window)
{
    const Worksheet& sheet = window.worksheet();
    window.Picture1().SetKeyboardCursor(float(sheet.CursorColumn * sheet.GridStep),
                                        float(sheet.CursorRow * sheet.GridStep));
}

// One crossing along an axis, no further than the crossings a press reaches.
void step(std::int16_t& crossing, int by, float extent, std::int16_t gridStep)
{
    crossing = std::int16_t(std::clamp(crossing + by, 0, int(lastReachable(extent, gridStep))));
}

} // namespace

void Picture1_KeyDown(Window& window, std::int16_t KeyCode, std::int16_t)
{
    Worksheet& sheet = window.worksheet();
    const controls::Board& board = window.Picture1();
    switch (KeyCode) {
    case controls::key::Left: step(sheet.CursorColumn, -1, board.ScaleWidth(), sheet.GridStep); break;
    case controls::key::Right: step(sheet.CursorColumn, 1, board.ScaleWidth(), sheet.GridStep); break;
    case controls::key::Up: step(sheet.CursorRow, -1, board.ScaleHeight(), sheet.GridStep); break;
    case controls::key::Down: step(sheet.CursorRow, 1, board.ScaleHeight(), sheet.GridStep); break;
    case controls::key::Space:
    case controls::key::Return:
        Picture1_MouseDown(window, controls::mouse::LeftButton, 0, float(sheet.CursorColumn * sheet.GridStep),
                           float(sheet.CursorRow * sheet.GridStep));
        return;
    default: return;
    }
    showCursor(window);
}

void PlaceKeyboardCursor(Window& window)
{
    Worksheet& sheet = window.worksheet();
    const controls::Board& board = window.Picture1();
    sheet.CursorColumn = nearestCrossing(board.ScaleWidth(), sheet.GridStep);
    sheet.CursorRow = nearestCrossing(board.ScaleHeight(), sheet.GridStep);
    showCursor(window);
}

void DescribeBoard(Window& window)
{
    const Worksheet& sheet = window.worksheet();
    window.Picture1().SetDescription("x " + std::to_string(sheet.CursorColumn) + ", y "
                                     + std::to_string(sheet.CursorRow) + ", въведени точки: "
                                     + std::to_string(sheet.PointCount) + " от " + std::to_string(PointLimit));
}
