#include "controls/win32/Win32ListBox.h"

#include "controls/win32/ChildWindow.h"
#include "controls/win32/WideText.h"

#include <windowsx.h>

namespace controls {

Win32ListBox::Win32ListBox(const ControlDescription& design, HWND parent, int id)
{
    const DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | (design.visible ? WS_VISIBLE : 0);
    window_ = createChildWindow(L"LISTBOX", "", style, WS_EX_CLIENTEDGE, design.bounds, parent, id);
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
    raiseClickIfMoved();
}

void Win32ListBox::OnClick(ClickHandler handler)
{
    click_ = std::move(handler);
}

void Win32ListBox::selectionChanged()
{
    raiseClickIfMoved();
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
// selection; the first key in such a list selects the first or last row.
bool Win32ListBox::onKeyDown(WPARAM key)
{
    const bool moves = key == VK_DOWN || key == VK_UP || key == VK_HOME || key == VK_END;
    if (!moves || ListIndex() >= 0 || ListCount() == 0)
        return false;
    SetListIndex(key == VK_END ? ListCount() - 1 : 0);
    return true;
}

// The user moves the selection but never takes it away: a press below the
// last row selects nothing, and Ctrl, which would clear the selected row,
// is left out. Returns whether the press is handled here.
bool Win32ListBox::onMouseDown(WPARAM& keys, LPARAM position)
{
    keys &= ~WPARAM(MK_CONTROL);
    const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    const LRESULT nearest = SendMessageW(window_, LB_ITEMFROMPOINT, 0, position);
    RECT row{};
    const bool onRow = ListCount() > 0
                       && SendMessageW(window_, LB_GETITEMRECT, WPARAM(LOWORD(nearest)), reinterpret_cast<LPARAM>(&row))
                              != LB_ERR
                       && PtInRect(&row, point);
    if (onRow)
        return false;
    SetFocus(window_);
    return true;
}

// Taking rows out leaves no row selected and raises no click.
void Win32ListBox::forgetSelection()
{
    SendMessageW(window_, LB_SETCURSEL, WPARAM(-1), 0);
    reportedRow_ = -1;
}

// The row is recorded before the handler runs: a handler that selects rows
// in other lists comes back here nested, and must find nothing moved.
void Win32ListBox::raiseClickIfMoved()
{
    const int row = ListIndex();
    if (row == reportedRow_)
        return;
    reportedRow_ = row;
    ++clicksRaised_;
    if (click_)
        click_();
}

} // namespace controls
