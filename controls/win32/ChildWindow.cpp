#include "controls/win32/ChildWindow.h"

#include "controls/raster/DeviceScale.h"
#include "controls/win32/WideText.h"

namespace controls {

HWND createChildWindow(const wchar_t* windowClass, std::string_view text, DWORD style, DWORD extendedStyle,
                       const PixelRect& bounds, HWND parent, int id, void* owner)
{
    return CreateWindowExW(extendedStyle, windowClass, toWide(text).c_str(), WS_CHILD | style, bounds.left,
                           bounds.top, bounds.width, bounds.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), owner);
}

void placeChildWindow(HWND window, const PixelRect& design, double scale)
{
    const PixelRect at = DeviceScale(scale).rect(design);
    SetWindowPos(window, nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void createNameLabel(std::string_view name, HWND parent)
{
    createChildWindow(L"STATIC", name, SS_NOPREFIX, 0, {}, parent, -1);
}

std::string windowText(HWND window)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return toUtf8(text);
}

} // namespace controls
