#pragma once

#include <windows.h>

namespace controls {

// The resolution of the screen a window is on, as the program asks for it.
// Windows 10 tells each window its own; the functions for that are looked up
// once, when first asked for, and never imported, so that the program still
// starts on Windows 7 and 8, where every window has the system's resolution.
class DpiFunctions
{
public:
    // The resolution designs are made at: one design pixel is one device pixel.
    static constexpr UINT DesignDpi = 96;

    // Finds a function of user32.dll by name, or gives null where this
    // Windows has none.
    using Resolver = FARPROC (*)(const char* name);

    // The functions, looked up with the resolver in use when first asked for.
    static const DpiFunctions& get();
    // Replaces the look-up in user32.dll; to be called before the first get(),
    // e.g. to run as on Windows 7 with a resolver that finds nothing.
    static void resolveWith(Resolver resolver);

    UINT dpiOf(HWND window) const;
    // The frame of a window whose client area is `client`, at a resolution.
    RECT frameFor(const RECT& client, DWORD style, UINT dpi) const;
    int systemMetric(int index, UINT dpi) const;
    // A window that follows each screen's resolution scales its caption too;
    // asked for while the window is being created.
    void scaleNonClientArea(HWND window) const;

private:
    explicit DpiFunctions(Resolver resolver);

    static Resolver resolver_;

    UINT(WINAPI* getDpiForWindow_)(HWND) = nullptr;
    BOOL(WINAPI* adjustWindowRectExForDpi_)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
    int(WINAPI* getSystemMetricsForDpi_)(int, UINT) = nullptr;
    BOOL(WINAPI* enableNonClientDpiScaling_)(HWND) = nullptr;
};

} // namespace controls
