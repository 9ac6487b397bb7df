#include "controls/win32/KeyState.h"

#include "controls/Board.h"

namespace controls {

std::int16_t shiftStateOf(WPARAM mouseKeys)
{
    std::int16_t state = 0;
    if (mouseKeys & MK_SHIFT)
        state |= mouse::ShiftMask;
    if (mouseKeys & MK_CONTROL)
        state |= mouse::CtrlMask;
    if (GetKeyState(VK_MENU) < 0)
        state |= mouse::AltMask;
    return state;
}

std::int16_t heldShiftState()
{
    return shiftStateOf((GetKeyState(VK_SHIFT) < 0 ? MK_SHIFT : 0) | (GetKeyState(VK_CONTROL) < 0 ? MK_CONTROL : 0));
}

} // namespace controls
