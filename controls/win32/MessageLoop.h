#pragma once

#include <windows.h>

namespace controls {

// The program's message loop. Keyboard messages go through the dialog
// manager first, which moves the focus on Tab and turns Enter into a command
// for the window. Tab or an arrow key tells the window that the keyboard is
// in use, so that it shows where the focus is from then on.
class MessageLoop
{
public:
    // Runs until the main window is closed; returns the exit code it posted.
    static int run();
    // Hands one message to the dialog manager of its top-level window, or
    // else translates and dispatches it.
    static void deliver(const MSG& message);
};

} // namespace controls
