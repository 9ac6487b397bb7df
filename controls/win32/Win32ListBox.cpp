#include "controls/win32/Win32ListBox.h"

#include "controls/win32/ChildWindow.h"
#include "controls/win32/WideText.h"

#include <windowsx.h>

namespace controls {

Win32ListBox::Win32ListBox(const ControlDescription& design, const std::string& name, HWND parent, int id)
{
    const DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | (design.visible ? WS_VISIBLE : 0);
    createNameLabel(name, parent);
    window_ = createChildWindow(L"LISTBOX", name, style, WS_EX_CLIENTEDGE, design.bounds, parent, id);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    listProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassProcedure)));
}

void Win32ListBox::AddItem(const std::string& text)
{
    SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(text).c_str()));
}

void Win32ListBox::RemoveItem(int row)
{
    if (row < 0 || row >= ListCount())
        return;
    SendMessageW(window_, LB_DELETESTRING, WPARAM(row), 0);
    forgetSelection();
}

void Win32ListBox::Clear()
{
    SendMessageW(window_, LB_RESETCONTENT, 0, 0);
    forgetSelection();
}

std::string Win32ListBox::List(int row) const
{
    const LRESULT length = SendMessageW(window_, LB_GETTEXTLEN, WPARAM(row), 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(std::size_t(length) + 1, L'\0');
    text.resize(std::size_t(SendMessageW(window_, LB_GETTEXT, WPARAM(row), reinterpret_cast<LPARAM>(text.data()))));
    return toUtf8(text);
}

int Win32ListBox::ListCount() const
{
    return int(SendMessageW(window_, LB_GETCOUNT, 0, 0));
}

int Win32ListBox::ListIndex() const
{
    return int(SendMessageW(window_, LB_GETCURSEL, 0, 0));
}

void Win32ListBox::SetListIndex(int row)
{
    if (row < 0 || row >= ListCount())
        row = -1;
    SendMessageW(window_, LB_SETCURSEL, WPARAM(row), 0);
    selectionMayHaveMoved();
}

void Win32ListBox::selectionChanged()
{
    selectionMayHaveMoved();
}

LRESULT CALLBACK Win32ListBox::subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* list = reinterpret_cast<Win32ListBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return list->handleMessage(message, wParam, lParam);
}

LRESULT Win32ListBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (onKeyDown(wParam))
            return 0;
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (onMouseDown(wParam, lParam))
            return 0;
        break;
    }
    return CallWindowProcW(listProcedure_, window_, message, wParam, lParam);
}

// Windows would move on from the caret row, which a list keeps without a
// selection. Virtual-key codes are the program's key codes.
bool Win32ListBox::onKeyDown(WPARAM key)
{
    const std::optional<int> first = rowForFirstKey(std::int16_t(key));
    if (!first)
        return false;
    SetListIndex(*first);
    return true;
}

// The user moves the selection but never takes it away: a press below the
// last row selects nothing, and Ctrl, which would clear the selected row,
// is left out. Returns whether the press is handled here.
bool Win32ListBox::onMouseDown(WPARAM& keys, LPARAM position)
{
    keys &= ~WPARAM(MK_CONTROL);
    if (rowForPress(rowUnder(position)))
        return false;
    SetFocus(window_);
    return true;
}

int Win32ListBox::rowUnder(LPARAM position) const
{
    const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    const LRESULT nearest = SendMessageW(window_, LB_ITEMFROMPOINT, 0, position);
    RECT row{};
    const bool onRow = ListCount() > 0
                       && SendMessageW(window_, LB_GETITEMRECT, WPARAM(LOWORD(nearest)), reinterpret_cast<LPARAM>(&row))
                              != LB_ERR
                       && PtInRect(&row, point);
    return onRow ? int(LOWORD(nearest)) : -1;
}

// Taking rows out leaves no row selected and raises no click.
void Win32ListBox::forgetSelection()
{
    SendMessageW(window_, LB_SETCURSEL, WPARAM(-1), 0);
    selectionForgotten();
}

} // namespace controls
