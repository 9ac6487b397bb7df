#pragma once

#include <windows.h>

namespace controls {

// The screen's device context, for asking about fonts and resolution; given
// back when the scope ends.
class ScreenContext
{
public:
    ScreenContext()
        : context_(GetDC(nullptr))
    {
    }
    ~ScreenContext() { ReleaseDC(nullptr, context_); }

    ScreenContext(const ScreenContext&) = delete;
    ScreenContext& operator=(const ScreenContext&) = delete;

    HDC get() const { return context_; }

private:
    HDC context_;
};

} // namespace controls
