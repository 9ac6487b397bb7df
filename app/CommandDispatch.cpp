#include "app/CommandDispatch.h"

#include "app/Window.h"
#include "board/BoardGrid.h"
#include "board/PointDeletion.h"
#include "geometry/Calculation.h"

void Command1_Click(Window& window, std::int16_t Index)
{
    switch (Index) {
    case 0:
        Calculate(window);
        break;
    case 1:
        ResetBoard(window);
        window.Text1(0).SetText("");
        break;
    case 2:
        // The report is emptied whether or not a point goes; emptied first,
        // so that a complaint about a row that cannot be redrawn stays.
        window.Text1(0).SetText("");
        DeleteSelectedPoint(window);
        break;
    default:
        break;
    }
}
