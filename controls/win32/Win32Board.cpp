#include "controls/win32/Win32Board.h"

#include "controls/DeviceScale.h"
#include "controls/win32/ChildWindow.h"
#include "controls/win32/WideText.h"
#include "controls/win32/WindowContext.h"
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

// Bands `width` pixels wide just inside the rectangle: its top and left in
// one system colour, then its bottom and right in another, as Windows draws
// an edge.
void paintBands(HDC context, const RECT& outer, int width, int topLeftColour, int bottomRightColour)
{
    const HBRUSH topLeft = GetSysColorBrush(topLeftColour);
    const HBRUSH bottomRight = GetSysColorBrush(bottomRightColour);
    const RECT top{outer.left, outer.top, outer.right, outer.top + width};
    const RECT left{outer.left, outer.top, outer.left + width, outer.bottom};
    const RECT bottom{outer.left, outer.bottom - width, outer.right, outer.bottom};
    const RECT right{outer.right - width, outer.top, outer.right, outer.bottom};
    FillRect(context, &top, topLeft);
    FillRect(context, &left, topLeft);
    FillRect(context, &bottom, bottomRight);
    FillRect(context, &right, bottomRight);
}

} // namespace

Win32Board::Win32Board(const ControlDescription& design, const std::string& name, HWND parent, int id)
    : RasterBoard(design.bounds.width - 2 * BorderWidth, design.bounds.height - 2 * BorderWidth)
    , design_(design.bounds)
    , name_(name)
{
    const DWORD style = WS_TABSTOP | (design.visible ? WS_VISIBLE : 0);
    // CS_DBLCLKS makes the second press of a double click a WM_LBUTTONDBLCLK,
    // which the board leaves alone: a pupil who double-clicks gets one point.
    const wchar_t* const windowClass = ownedWindowClass<Win32Board>(L"DrelvikBoard", CS_DBLCLKS);
    window_ = createChildWindow(windowClass, name_, style, 0, design.bounds, parent, id, this);
}

// The edge is borderWidth device pixels wide and the inner area the image,
// so that the image is shown one pixel to a device pixel.
void Win32Board::showAtScale(double scale)
{
    border_ = borderWidth(scale);
    setScale(scale);
    const PixelRect at = DeviceScale(scale).rect(design_);
    SetWindowPos(window_, nullptr, at.left, at.top, image().width() + 2 * border_, image().height() + 2 * border_,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT Win32Board::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    // The client area lies inside the edge, on both sides of the message.
    case WM_NCCALCSIZE: InflateRect(reinterpret_cast<RECT*>(lParam), -border_, -border_); return 0;
    case WM_NCPAINT: onPaintEdge(); return 0;
    case WM_NCHITTEST: return onHitTest(lParam);
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

void Win32Board::descriptionChanged()
{
    const std::string text = description().empty() ? name_ : name_ + DescriptionSeparator + description();
    SetWindowTextW(window_, toWide(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
}

// The raster is a top-down 32-bit image, which is what a DIB with a negative
// height reads: its bytes go to the screen as they are.
void Win32Board::onPaint()
{
    PAINTSTRUCT paint;
    const HDC context = BeginPaint(window_, &paint);
    const Raster& raster = shown();
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

// A sunken edge as the system draws one round a list, its outer half in the
// shadow and highlight colours, its inner half in the dark shadow and light.
void Win32Board::onPaintEdge() const
{
    const WindowContext context(window_);
    RECT frame{};
    GetWindowRect(window_, &frame);
    OffsetRect(&frame, -frame.left, -frame.top);
    const int outer = (border_ + 1) / 2;
    paintBands(context.get(), frame, outer, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    InflateRect(&frame, -outer, -outer);
    paintBands(context.get(), frame, border_ - outer, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
}

// The system knows of no frame in a child window without a border style,
// and would call the edge nowhere; it is the board's border.
LRESULT Win32Board::onHitTest(LPARAM position) const
{
    const LRESULT hit = DefWindowProcW(window_, WM_NCHITTEST, 0, position);
    return hit == HTNOWHERE ? HTBORDER : hit;
}

// Presses on the edge arrive as non-client messages and are not the board's;
// these lie on the inner area, in device pixels.
void Win32Board::onMouseDown(std::int16_t button, WPARAM keys, LPARAM position)
{
    SetFocus(window_);
    pressOnDevicePixel(button, toShiftState(keys), GET_X_LPARAM(position), GET_Y_LPARAM(position));
}

// The arrows, Space and Enter are the board's own keys: the dialog manager
// would move the focus on the arrows and press the default button on Enter.
LRESULT Win32Board::onDialogCode(const MSG* message) const
{
    const bool enter = message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
}

// The mark shows while the board has the focus and the window shows focus
// cues, which it does once the keyboard has been used in it.
void Win32Board::updateFocusMark()
{
    const bool cuesHidden = SendMessageW(GetParent(window_), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS;
    showFocus(GetFocus() == window_ && !cuesHidden);
}

} // namespace controls
