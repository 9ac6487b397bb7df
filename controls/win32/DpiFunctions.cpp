#include "controls/win32/DpiFunctions.h"

#include "controls/win32/WindowContext.h"

namespace controls {

namespace {

// A function of user32.dll by name, or null where this Windows has none.
// GetProcAddress gives a generic function pointer; the cast goes through
// the one pointer type the compiler takes to stand for any function.
template <typename Function>
void lookUp(Function& function, const char* name)
{
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

} // namespace

const DpiFunctions& DpiFunctions::get()
{
    static const DpiFunctions functions;
    return functions;
}

DpiFunctions::DpiFunctions()
{
    lookUp(getDpiForWindow_, "GetDpiForWindow");
    lookUp(adjustWindowRectExForDpi_, "AdjustWindowRectExForDpi");
    lookUp(getSystemMetricsForDpi_, "GetSystemMetricsForDpi");
    lookUp(enableNonClientDpiScaling_, "EnableNonClientDpiScaling");
}

UINT DpiFunctions::dpiOf(HWND window) const
{
    if (getDpiForWindow_)
        return getDpiForWindow_(window);
    return UINT(GetDeviceCaps(WindowContext().get(), LOGPIXELSY));
}

RECT DpiFunctions::frameFor(const RECT& client, DWORD style, UINT dpi) const
{
    RECT frame = client;
    if (adjustWindowRectExForDpi_)
        adjustWindowRectExForDpi_(&frame, style, FALSE, 0, dpi);
    else
        AdjustWindowRectEx(&frame, style, FALSE, 0);
    return frame;
}

int DpiFunctions::systemMetric(int index, UINT dpi) const
{
    return getSystemMetricsForDpi_ ? getSystemMetricsForDpi_(index, dpi) : GetSystemMetrics(index);
}

void DpiFunctions::scaleNonClientArea(HWND window) const
{
    if (enableNonClientDpiScaling_)
        enableNonClientDpiScaling_(window);
}

} // namespace controls
