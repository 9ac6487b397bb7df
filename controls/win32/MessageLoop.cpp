#include "controls/win32/MessageLoop.h"

namespace controls {

int MessageLoop::run()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        deliver(message);
    return int(message.wParam);
}

void MessageLoop::deliver(const MSG& message)
{
    const HWND topLevel = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (topLevel && IsDialogMessageW(topLevel, const_cast<MSG*>(&message)))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace controls
