#include "controls/win32/Win32Board.h"

#include "controls/win32/ChildWindow.h"
#include "controls/win32/WindowProcedure.h"

#include <windowsx.h>

namespace controls {

namespace {

std::int16_t toShiftState(WPARAM keys)
{
    std::int16_t state = 0;
    if (keys & MK_SHIFT)
        state |= mouse::ShiftMask;
    if (keys & MK_CONTROL)
        state |= mouse::CtrlMask;
    // Mouse messages carry no Alt flag; the key state at the press does.
    if (GetKeyState(VK_MENU) < 0)
        state |= mouse::AltMask;
    return state;
}

// The keys held at a key press, in the key state of the press.
std::int16_t keyShiftState()
{
    return toShiftState((GetKeyState(VK_SHIFT) < 0 ? MK_SHIFT : 0) | (GetKeyState(VK_CONTROL) < 0 ? MK_CONTROL : 0));
}

} // namespace

Win32Board::Win32Board(const ControlDescription& design, HWND parent, int id)
    : RasterBoard(design.bounds.width - 2 * BorderWidth, design.bounds.height - 2 * BorderWidth)
{
    const DWORD style = WS_TABSTOP | (design.visible ? WS_VISIBLE : 0);
    // CS_DBLCLKS makes the second press of a double click a WM_LBUTTONDBLCLK,
    // which the board leaves alone: a pupil who double-clicks gets one point.
    const wchar_t* const windowClass = ownedWindowClass<Win32Board>(L"DrelvikBoard", CS_DBLCLKS);
    window_ = createChildWindow(windowClass, "", style, WS_EX_CLIENTEDGE, design.bounds, parent, id, this);
}

LRESULT Win32Board::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: onPaint(); return 0;
    // The image covers the whole client area; erasing first would flicker.
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: onMouseDown(mouse::LeftButton, wParam, lParam); return 0;
    case WM_RBUTTONDOWN: onMouseDown(mouse::RightButton, wParam, lParam); return 0;
    case WM_MBUTTONDOWN: onMouseDown(mouse::MiddleButton, wParam, lParam); return 0;
    case WM_GETDLGCODE: return onDialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN: keyDown(std::int16_t(wParam), keyShiftState()); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        updateFocusMark();
        return result;
    }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Board::imageChanged(const PixelRect& area)
{
    const RECT changed{area.left, area.top, area.left + area.width, area.top + area.height};
    InvalidateRect(window_, &changed, FALSE);
}

// The raster is a top-down 32-bit image, which is what a DIB with a negative
// height reads: its bytes go to the screen as they are.
void Win32Board::onPaint()
{
    PAINTSTRUCT paint;
    const HDC context = BeginPaint(window_, &paint);
    const Raster& raster = image();
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = raster.width();
    format.bmiHeader.biHeight = -raster.height();
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(context, 0, 0, DWORD(raster.width()), DWORD(raster.height()), 0, 0, 0, UINT(raster.height()),
                      raster.bits(), &format, DIB_RGB_COLORS);
    EndPaint(window_, &paint);
}

// Presses on the edge arrive as non-client messages and are not the board's;
// these lie on the inner area.
void Win32Board::onMouseDown(std::int16_t button, WPARAM keys, LPARAM position)
{
    SetFocus(window_);
    press(button, toShiftState(keys), GET_X_LPARAM(position), GET_Y_LPARAM(position));
}

// The arrows, Space and Enter are the board's own keys: the dialog manager
// would move the focus on the arrows and press the default button on Enter.
LRESULT Win32Board::onDialogCode(const MSG* message) const
{
    const bool enter = message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
}

// The mark shows while the board has the focus and Windows shows focus cues,
// which it does once the keyboard has been used in the window.
void Win32Board::updateFocusMark()
{
    const bool cuesHidden = SendMessageW(window_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS;
    showFocus(GetFocus() == window_ && !cuesHidden);
}

} // namespace controls
