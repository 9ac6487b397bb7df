#include "app/CommandDispatch.h"

#include "app/Window.h"
#include "board/BoardGrid.h"

void Command1_Click(Window& window, std::int16_t Index)
{
    switch (Index) {
    case 1:
        ResetBoard(window);
        window.Text1(0).SetText("");
        break;
    default:
        break;
    }
}
