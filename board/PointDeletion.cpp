#include "board/PointDeletion.h"

#include "board/BoardGrid.h"
#include "board/BoardLook.h"
#include "board/ListedPoint.h"
#include "window/Window.h"

void DeleteSelectedPoint(Window& window)
{
    const int selectedX = window.List1(lists::X).ListIndex();
    const int selectedY = window.List1(lists::Y).ListIndex();
    if (selectedX < 0 || selectedY < 0)
        return;

    --window.worksheet().PointCount;
    window.List1(lists::X).RemoveItem(selectedX);
    window.List1(lists::Y).RemoveItem(selectedY);
    window.List1(lists::UpwardY).RemoveItem(selectedY);

    // Everything drawn goes, analysis lines included; the grid and the
    // remaining points come back.
    controls::Board& board = window.Picture1();
    board.Cls();
    DrawGrid(window);
    board.SetDrawWidth(look::DotWidth);
    drawListedPointsBlack(window);
    board.SetDrawWidth(1);

    window.Command1(buttons::Calculate).SetEnabled(false);
}
