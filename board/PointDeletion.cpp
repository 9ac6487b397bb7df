#include "board/PointDeletion.h"

#include "app/Window.h"
#include "board/BoardLook.h"
#include "board/BoardGrid.h"
#include "board/ListedPoint.h"

void DeleteSelectedPoint(Window& window)
{
    const int selectedX = window.List1(0).ListIndex();
    const int selectedY = window.List1(1).ListIndex();
    if (selectedX < 0 || selectedY < 0)
        return;

    --window.worksheet().PointCount;
    window.List1(0).RemoveItem(selectedX);
    window.List1(1).RemoveItem(selectedY);
    window.List1(2).RemoveItem(selectedY);

    // Everything drawn goes, analysis lines included; the grid and the
    // remaining points come back.
    controls::Board& board = window.Picture1();
    board.Cls();
    DrawGrid(window);
    board.SetDrawWidth(look::DotWidth);
    for (int i = 0; i < window.List1(0).ListCount(); ++i)
        drawListedPoint(window, i, look::Black);
    board.SetDrawWidth(1);

    window.Command1(0).SetEnabled(false);
}
