#include "controls/win32/Win32ListBox.h"

#include "controls/win32/ChildWindow.h"
#include "controls/win32/WideText.h"

#include <windowsx.h>

#include <algorithm>

namespace controls {

Win32ListBox::Win32ListBox(const ControlDescription& design, const std::string& name, HWND parent, int id)
{
    const DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | (design.visible ? WS_VISIBLE : 0);
    createNameLabel(name, parent);
    subclass(createChildWindow(L"LISTBOX", name, style, WS_EX_CLIENTEDGE, design.bounds, parent, id));
}

void Win32ListBox::AddItem(const std::string& text)
{
    SendMessageW(handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(text).c_str()));
}

int Win32ListBox::ListCount() const
{
    return int(SendMessageW(handle(), LB_GETCOUNT, 0, 0));
}

int Win32ListBox::ListIndex() const
{
    return int(SendMessageW(handle(), LB_GETCURSEL, 0, 0));
}

void Win32ListBox::selectionChanged()
{
    selectionMayHaveMoved();
}

void Win32ListBox::removeRow(int row)
{
    SendMessageW(handle(), LB_DELETESTRING, WPARAM(row), 0);
}

void Win32ListBox::removeAllRows()
{
    SendMessageW(handle(), LB_RESETCONTENT, 0, 0);
}

std::string Win32ListBox::rowText(int row) const
{
    const LRESULT length = SendMessageW(handle(), LB_GETTEXTLEN, WPARAM(row), 0);
    std::wstring text(std::size_t(length) + 1, L'\0');
    text.resize(std::size_t(SendMessageW(handle(), LB_GETTEXT, WPARAM(row), reinterpret_cast<LPARAM>(text.data()))));
    return toUtf8(text);
}

void Win32ListBox::showSelection(int row)
{
    SendMessageW(handle(), LB_SETCURSEL, WPARAM(row), 0);
}

void Win32ListBox::takeFocus()
{
    SetFocus(handle());
}

int Win32ListBox::rowsInView() const
{
    RECT client{};
    GetClientRect(handle(), &client);
    const LRESULT rowHeight = SendMessageW(handle(), LB_GETITEMHEIGHT, 0, 0);
    return std::max(int(client.bottom / std::max(rowHeight, LRESULT(1))), 1);
}

// Virtual-key codes are the program's key codes. The characters typed are
// the list's keys already, which Windows would search the rows for.
LRESULT Win32ListBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (keyPressed(std::int16_t(wParam)))
            return 0;
        break;
    case WM_CHAR: return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (onMouseDown(wParam, lParam))
            return 0;
        break;
    }
    return controlProcedure(message, wParam, lParam);
}

// A press on a row selects it; Windows is told of the press still, without
// Ctrl, which would clear the row, for the drag that may follow. Returns
// whether the press is handled here.
bool Win32ListBox::onMouseDown(WPARAM& keys, LPARAM position)
{
    keys &= ~WPARAM(MK_CONTROL);
    return !rowPressed(rowUnder(position));
}

int Win32ListBox::rowUnder(LPARAM position) const
{
    const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    const LRESULT nearest = SendMessageW(handle(), LB_ITEMFROMPOINT, 0, position);
    RECT row{};
    const bool onRow = ListCount() > 0
                       && SendMessageW(handle(), LB_GETITEMRECT, WPARAM(LOWORD(nearest)), reinterpret_cast<LPARAM>(&row))
                              != LB_ERR
                       && PtInRect(&row, point);
    return onRow ? int(LOWORD(nearest)) : -1;
}

} // namespace controls
