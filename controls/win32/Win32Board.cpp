#include "controls/win32/Win32Board.h"

#include "controls/form/FormBehaviour.h"
#include "controls/raster/DeviceScale.h"
#include "controls/win32/ChildWindow.h"
#include "controls/win32/EdgeBands.h"
#include "controls/win32/KeyState.h"
#include "controls/win32/PaintScope.h"
#include "controls/win32/WideText.h"
#include "controls/win32/WindowContext.h"
#include "controls/win32/WindowProcedure.h"

#include <windowsx.h>

#include <utility>

namespace controls {

namespace {

// Windows turns a pen or a finger on the screen into mouse messages, and
// marks each with this signature in its extra information.
bool fromPenOrTouch()
{
    constexpr DWORD signatureMask = 0xFFFFFF00;
    constexpr DWORD penOrTouchSignature = 0xFF515700;
    return (DWORD(GetMessageExtraInfo()) & signatureMask) == penOrTouchSignature;
}

} // namespace

Win32Board::Win32Board(const ControlDescription& design, const FormLook& look, const std::string& name, HWND parent,
                       int id)
    : RasterBoard(design, look)
    , design_(design.bounds)
    , name_(name)
{
    const DWORD style = WS_TABSTOP | (design.visible ? WS_VISIBLE : 0);
    // CS_DBLCLKS tells the second press of a double click apart from a press.
    const wchar_t* const windowClass = ownedWindowClass<Win32Board>(L"DrelvikBoard", CS_DBLCLKS);
    window_ = createChildWindow(windowClass, name_, style, 0, design.bounds, parent, id, this);
}

// The inner area is the image, so that it is shown one pixel to a device
// pixel, and the edge round it as wide as it is at the scale.
void Win32Board::showAtScale(double scale)
{
    scale_ = scale;
    setScale(scale);
    const PixelRect at = DeviceScale(scale).rect(design_);
    const int border = edge().width(scale);
    SetWindowPos(window_, nullptr, at.left, at.top, image().width() + 2 * border, image().height() + 2 * border,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT Win32Board::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    // The client area lies inside the edge, on both sides of the message.
    case WM_NCCALCSIZE: {
        const int border = edge().width(scale_);
        InflateRect(reinterpret_cast<RECT*>(lParam), -border, -border);
        return 0;
    }
    case WM_NCPAINT: onPaintEdge(); return 0;
    case WM_NCHITTEST: return onHitTest(lParam);
    case WM_PAINT: onPaint(); return 0;
    // The image covers the whole client area; erasing first would flicker.
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: onLeftButtonDown(wParam, lParam); return 0;
    case WM_LBUTTONDBLCLK: onMouseDown(mouse::LeftButton, wParam, lParam, 2); return 0;
    case WM_RBUTTONDOWN: onMouseDown(mouse::RightButton, wParam, lParam); return 0;
    case WM_RBUTTONDBLCLK: onMouseDown(mouse::RightButton, wParam, lParam, 2); return 0;
    case WM_MBUTTONDOWN: onMouseDown(mouse::MiddleButton, wParam, lParam); return 0;
    case WM_MBUTTONDBLCLK: onMouseDown(mouse::MiddleButton, wParam, lParam, 2); return 0;
    case WM_MOUSEMOVE:
        if (contactDown_) {
            onContactMoved(lParam);
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (contactDown_) {
            onContactLifted(lParam);
            return 0;
        }
        break;
    case WM_CAPTURECHANGED: onCaptureLost(); return 0;
    case WM_GETDLGCODE: return onDialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
        if (keyDown(std::int16_t(wParam), heldShiftState()))
            return 0;
        break;
    case WM_SETFOCUS: setHasFocus(true); return 0;
    case WM_KILLFOCUS: setHasFocus(false); return 0;
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
    const PaintScope paint(window_);
    const Raster& raster = composeScreenImage();
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = raster.width();
    format.bmiHeader.biHeight = -raster.height();
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(paint.context(), 0, 0, DWORD(raster.width()), DWORD(raster.height()), 0, 0, 0, UINT(raster.height()),
                      raster.bits(), &format, DIB_RGB_COLORS);
}

void Win32Board::onPaintEdge() const
{
    const WindowContext context(window_);
    RECT frame{};
    GetWindowRect(window_, &frame);
    fillEdgeBands(context.get(), edge(), RECT{0, 0, frame.right - frame.left, frame.bottom - frame.top}, scale_);
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
void Win32Board::onMouseDown(std::int16_t button, WPARAM keys, LPARAM position, int clickCount)
{
    SetFocus(window_);
    if (FormBehaviour::countsAsPress(clickCount))
        pressOnDevicePixel(button, shiftStateOf(keys), GET_X_LPARAM(position), GET_Y_LPARAM(position));
}

// A finger hides the crossing it lands on: while a pen or a finger is down
// the board marks the crossing it would enter, and enters it where the
// contact lifts. The board keeps the contact's messages while it is down,
// even off its area, where the contact enters nothing.
void Win32Board::onLeftButtonDown(WPARAM keys, LPARAM position)
{
    if (!fromPenOrTouch()) {
        onMouseDown(mouse::LeftButton, keys, position);
        return;
    }
    SetFocus(window_);
    SetCapture(window_);
    contactDown_ = true;
    contactOnDevicePixel(Contact::Moved, GET_X_LPARAM(position), GET_Y_LPARAM(position));
}

void Win32Board::onContactMoved(LPARAM position)
{
    contactOnDevicePixel(Contact::Moved, GET_X_LPARAM(position), GET_Y_LPARAM(position));
}

// Releasing the capture tells the board it lost it: the contact has ended
// by then, and is lifted, not cancelled.
void Win32Board::onContactLifted(LPARAM position)
{
    contactDown_ = false;
    ReleaseCapture();
    contactOnDevicePixel(Contact::Lifted, GET_X_LPARAM(position), GET_Y_LPARAM(position));
}

// Another window took the mouse, or the system ended the capture: the
// contact enters nothing.
void Win32Board::onCaptureLost()
{
    if (std::exchange(contactDown_, false))
        cancelContact();
}

// The arrows, Space and Enter are the board's own keys: the dialog manager
// would move the focus on the arrows and press the default button on Enter.
LRESULT Win32Board::onDialogCode(const MSG* message) const
{
    const bool enter = message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
}

} // namespace controls
