#include "board/ContactEntry.h"

#include "board/GridSnap.h"
#include "board/PointEntry.h"
#include "window/Window.h"

#include <optional>

// Nothing is marked once the worksheet is full: a lift there enters
// nothing, as a press does.
void Picture1_Contact(Window& window, controls::Contact contact, float X, float Y)
{
    const Worksheet& sheet = window.worksheet();
    controls::Board& board = window.Picture1();
    const std::optional<double> xs = snapToGrid(X, sheet.GridStep);
    const std::optional<double> ys = snapToGrid(Y, sheet.GridStep);
    if (contact == controls::Contact::Moved && xs && ys && sheet.PointCount < PointLimit) {
        board.SetContactMark(float(*xs), float(*ys));
        return;
    }
    board.ClearContactMark();
    if (contact == controls::Contact::Lifted && xs && ys)
        Picture1_MouseDown(window, controls::mouse::LeftButton, 0, float(*xs), float(*ys));
}
