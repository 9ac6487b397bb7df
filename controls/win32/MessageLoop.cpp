#include "controls/win32/MessageLoop.h"

#include "controls/KeyCode.h"

namespace controls {

int MessageLoop::run()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        deliver(message);
    return int(message.wParam);
}

// Windows' dialog manager asks for focus cues on Tab and on the arrows that
// move the focus, but not on the arrows a board or a list takes for itself;
// Wine's never does. The loop asks for them on all of these keys, on both.
void MessageLoop::deliver(const MSG& message)
{
    const HWND topLevel = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    // Virtual-key codes are the program's key codes.
    if (topLevel && message.message == WM_KEYDOWN && showsFocusCues(std::int16_t(message.wParam)))
        SendMessageW(topLevel, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    if (topLevel && IsDialogMessageW(topLevel, const_cast<MSG*>(&message)))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace controls
