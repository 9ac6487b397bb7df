#pragma once

#include <windows.h>

namespace controls {

// One WM_PAINT's painting: BeginPaint when it starts, EndPaint when the
// scope ends, whatever way it is left.
class PaintScope
{
public:
    explicit PaintScope(HWND window)
        : window_(window)
        , context_(BeginPaint(window, &paint_))
    {
    }
    ~PaintScope() { EndPaint(window_, &paint_); }

    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC context() const { return context_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC context_;
};

} // namespace controls
