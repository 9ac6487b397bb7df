#include "controls/win32/Win32CommandButton.h"

#include "controls/raster/DeviceScale.h"
#include "controls/win32/ChildWindow.h"
#include "controls/win32/ColourRef.h"
#include "controls/win32/EdgeBands.h"
#include "controls/win32/GdiSelection.h"
#include "controls/win32/KeyState.h"
#include "controls/win32/WideText.h"

namespace controls {

Win32CommandButton::Win32CommandButton(const ControlDescription& design, const FormLook& look, HWND parent, int id)
    : edgeWidth_(look.buttonEdgeWidth)
{
    recolour(design, look, std::nullopt);
    const DWORD style = WS_TABSTOP | BS_OWNERDRAW | (design.visible ? WS_VISIBLE : 0);
    subclass(createChildWindow(L"BUTTON", design.text, style, 0, design.bounds, parent, id));
}

void Win32CommandButton::recolour(const ControlDescription& shown, const FormLook& look, std::optional<Rgb> plainEdge)
{
    face_ = GdiObject<HBRUSH>(CreateSolidBrush(toColourRef(shown.backColor.value_or(Rgb{}))));
    caption_ = toColourRef(look.textColour);
    disabledCaption_ = toColourRef(look.disabledTextColour);
    focusOutline_ = look.focusOutline;
    plainEdge_ = plainEdge;
}

void Win32CommandButton::SetEnabled(bool enabled)
{
    EnableWindow(handle(), enabled);
}

bool Win32CommandButton::shownEnabled() const
{
    return IsWindowEnabled(handle());
}

void Win32CommandButton::clicked() const
{
    raiseClick();
}

void Win32CommandButton::takeFocus()
{
    SetFocus(handle());
}

// The dialog manager would turn Enter into a command for the window and the
// arrows into moves of the focus; both keys come here instead.
LRESULT Win32CommandButton::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: {
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
        return controlProcedure(message, wParam, lParam) | DLGC_WANTARROWS | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
        if (keyPressed(std::int16_t(wParam), heldShiftState(), repeatedKey(lParam)))
            return 0;
        break;
    case WM_LBUTTONDOWN: pointerPressed(); break;
    }
    return controlProcedure(message, wParam, lParam);
}

void Win32CommandButton::draw(const DRAWITEMSTRUCT& item, HFONT font, double scale, bool focusShown) const
{
    RECT face = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &face, face_.get());
    const BoardEdge edge(plainEdge_ ? EdgeLook{edgeWidth_, *plainEdge_, *plainEdge_, *plainEdge_, *plainEdge_}
                                    : buttonEdge(edgeWidth_, pressed));
    fillEdgeBands(item.hDC, edge, face, scale);
    const int edgeWidth = edge.width(scale);
    InflateRect(&face, -edgeWidth, -edgeWidth);

    const std::wstring caption = toWide(windowText(handle()));
    const GdiSelection inFont(item.hDC, font);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, (item.itemState & ODS_DISABLED) ? disabledCaption_ : caption_);
    RECT text = face;
    if (pressed)
        OffsetRect(&text, 1, 1);
    DrawTextW(item.hDC, caption.c_str(), int(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    if (focusShown)
        drawFocusOutline(item.hDC, item.rcItem, scale);
}

// A dotted line of every other pixel, in the look's colour.
void Win32CommandButton::drawFocusOutline(HDC context, const RECT& outer, double scale) const
{
    const LOGBRUSH colour{BS_SOLID, toColourRef(focusOutline_.colour), 0};
    const GdiObject<HPEN> dotted(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &colour, 0, nullptr));
    const GdiSelection withPen(context, dotted.get());
    const GdiSelection hollow(context, GetStockObject(NULL_BRUSH));
    const int inset = DeviceScale(scale).extent(focusOutline_.inset);
    Rectangle(context, outer.left + inset, outer.top + inset, outer.right - inset, outer.bottom - inset);
}

} // namespace controls
