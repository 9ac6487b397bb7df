#include "controls/win32/ChildWindow.h"

#include "controls/win32/WideText.h"

namespace controls {

HWND createChildWindow(const wchar_t* windowClass, std::string_view text, DWORD style, DWORD extendedStyle,
                       const PixelRect& bounds, HWND parent, int id, void* owner)
{
    return CreateWindowExW(extendedStyle, windowClass, toWide(text).c_str(), WS_CHILD | style, bounds.left,
                           bounds.top, bounds.width, bounds.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), owner);
}

std::string windowText(HWND window)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return toUtf8(text);
}

} // namespace controls
