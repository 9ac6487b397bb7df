#pragma once

#include <windows.h>

#include <cstdint>

namespace controls {

// The Shift, Ctrl and Alt keys held, as mouse::ShiftMask etc.: at a mouse
// message, from its key flags; mouse messages carry no Alt flag, so the key
// state at the message tells of it.
std::int16_t shiftStateOf(WPARAM mouseKeys);
// At a key message, from the key state of the message.
std::int16_t heldShiftState();

// Whether a WM_KEYDOWN comes from holding the key down.
constexpr bool repeatedKey(LPARAM keyData)
{
    return (keyData & (LPARAM(1) << 30)) != 0;
}

} // namespace controls
