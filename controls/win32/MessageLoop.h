#pragma once

#include <windows.h>

namespace controls {

// The program's message loop. The top-level window is told of every key
// pressed in it, whichever control takes it, and asked to move the focus on
// Tab; other keyboard messages go through the dialog manager, which turns
// keys into commands for the window.
class MessageLoop
{
public:
    // Sent to a top-level window for each key pressed in it, the key's
    // virtual-key code in wParam.
    static constexpr UINT KeyPressedInWindow = WM_APP;

    // Runs until the main window is closed; returns the exit code it posted.
    static int run();
    // Hands one message to the dialog manager of its top-level window, or
    // else translates and dispatches it.
    static void deliver(const MSG& message);
};

} // namespace controls
