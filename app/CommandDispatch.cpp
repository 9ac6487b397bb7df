#include "app/CommandDispatch.h"

#include "board/BoardGrid.h"
#include "board/PointDeletion.h"
#include "calculation/Calculation.h"
#include "window/Window.h"

void Command1_Click(Window& window, std::int16_t Index)
{
    controls::TextBox& report = window.Text1(textBoxes::Report);
    switch (Index) {
    case buttons::Calculate:
        Calculate(window);
        break;
    case buttons::Clear:
        ResetBoard(window);
        report.SetText("");
        break;
    case buttons::Delete:
        // The report is emptied whether or not a point goes; emptied first,
        // so that a complaint about a row that cannot be redrawn stays.
        report.SetText("");
        DeleteSelectedPoint(window);
        break;
    default:
        break;
    }
}
