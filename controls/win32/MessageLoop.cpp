#include "controls/win32/MessageLoop.h"

#include "controls/Board.h"
#include "controls/form/FormBehaviour.h"
#include "controls/win32/KeyState.h"

namespace controls {

int MessageLoop::run()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        deliver(message);
    return int(message.wParam);
}

// The dialog manager of a window that is no dialog would move the focus on
// Tab in the order of its children; the window is asked instead, as a
// dialog is. Virtual-key codes are the program's key codes.
void MessageLoop::deliver(const MSG& message)
{
    const HWND topLevel = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (topLevel && message.message == WM_KEYDOWN) {
        SendMessageW(topLevel, KeyPressedInWindow, message.wParam, 0);
        const std::int16_t shift = heldShiftState();
        if (FormBehaviour::movesFocus(std::int16_t(message.wParam), shift)) {
            SendMessageW(topLevel, WM_NEXTDLGCTL, (shift & mouse::ShiftMask) != 0, 0);
            return;
        }
    }
    if (topLevel && IsDialogMessageW(topLevel, const_cast<MSG*>(&message)))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace controls
