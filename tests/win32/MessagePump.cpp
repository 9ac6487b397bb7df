#include "tests/win32/MessagePump.h"

#include "controls/win32/MessageLoop.h"

#include <windows.h>

void MessagePump::handlePending()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT)
            controls::MessageLoop::deliver(message);
    }
}

bool MessagePump::handleUntil(const std::function<bool()>& done)
{
    const ULONGLONG giveUp = GetTickCount64() + 10000;
    handlePending();
    while (!done()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= giveUp)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(giveUp - now), QS_ALLINPUT);
        handlePending();
    }
    return true;
}
