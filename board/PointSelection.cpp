#include "board/PointSelection.h"

#include "board/BoardLook.h"
#include "board/ListedPoint.h"
#include "window/Window.h"

void List1_Click(Window& window, std::int16_t Index)
{
    const int row = window.List1(Index).ListIndex();
    if (row < 0)
        return;

    window.Picture1().SetDrawWidth(look::DotWidth);
    drawListedPointsBlack(window);
    // Each change of selection raises that list's click at once, and this
    // handler runs again inside itself; it finds the same row and draws the
    // same picture, so the nesting needs no guard.
    for (std::int16_t list = 0; list < lists::Count; ++list)
        window.List1(list).SetListIndex(row);
    drawListedPoint(window, row, look::DarkRed);
}
