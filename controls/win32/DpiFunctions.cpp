#include "controls/win32/DpiFunctions.h"

#include "controls/win32/WindowContext.h"

namespace controls {

namespace {

FARPROC user32Function(const char* name)
{
    return GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
}

// The resolver gives a generic function pointer; the cast goes through the
// one pointer type the compiler takes to stand for any function.
template <typename Function>
void lookUp(Function& function, DpiFunctions::Resolver resolver, const char* name)
{
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(resolver(name)));
}

} // namespace

DpiFunctions::Resolver DpiFunctions::resolver_ = user32Function;

const DpiFunctions& DpiFunctions::get()
{
    static const DpiFunctions functions(resolver_);
    return functions;
}

void DpiFunctions::resolveWith(Resolver resolver)
{
    resolver_ = resolver;
}

DpiFunctions::DpiFunctions(Resolver resolver)
{
    lookUp(getDpiForWindow_, resolver, "GetDpiForWindow");
    lookUp(adjustWindowRectExForDpi_, resolver, "AdjustWindowRectExForDpi");
    lookUp(getSystemMetricsForDpi_, resolver, "GetSystemMetricsForDpi");
    lookUp(enableNonClientDpiScaling_, resolver, "EnableNonClientDpiScaling");
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
