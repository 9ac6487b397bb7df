#pragma once

#include <windows.h>

namespace controls {

// The device context of a window's whole area, its frame included, or of
// the whole screen when no window is named: for painting a frame, or for
// asking about fonts and resolution. Given back when the scope ends.
class WindowContext
{
public:
    explicit WindowContext(HWND window = nullptr)
        : window_(window)
        , context_(GetWindowDC(window))
    {
    }
    ~WindowContext() { ReleaseDC(window_, context_); }

    WindowContext(const WindowContext&) = delete;
    WindowContext& operator=(const WindowContext&) = delete;

    HDC get() const { return context_; }

private:
    HWND window_;
    HDC context_;
};

} // namespace controls
