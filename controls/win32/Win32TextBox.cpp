#include "controls/win32/Win32TextBox.h"

#include "controls/win32/ChildWindow.h"
#include "controls/win32/WideText.h"

namespace controls {

Win32TextBox::Win32TextBox(const ControlDescription& design, const std::string& name, HWND parent, int id)
{
    const DWORD style =
        WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | (design.visible ? WS_VISIBLE : 0);
    createNameLabel(name, parent);
    window_ = createChildWindow(L"EDIT", "", style, WS_EX_CLIENTEDGE, design.bounds, parent, id);
    // The default limit of 32K characters would cut a long report short;
    // 0 lifts it to the most the control can hold.
    SendMessageW(window_, EM_SETLIMITTEXT, 0, 0);
    SetText(design.text);
}

void Win32TextBox::showText(const std::string&)
{
    SetWindowTextW(window_, toWide(Text()).c_str());
}

} // namespace controls
