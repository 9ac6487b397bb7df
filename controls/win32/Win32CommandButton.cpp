#include "controls/win32/Win32CommandButton.h"

#include "controls/win32/ChildWindow.h"
#include "controls/win32/ColourRef.h"
#include "controls/win32/GdiSelection.h"
#include "controls/win32/WideText.h"

namespace controls {

namespace {

constexpr COLORREF CaptionColour = RGB(0, 0, 0);
constexpr COLORREF DisabledCaptionColour = RGB(128, 128, 128);

} // namespace

Win32CommandButton::Win32CommandButton(const ControlDescription& design, HWND parent, int id)
    : face_(CreateSolidBrush(toColourRef(design.backColor.value_or(Rgb{}))))
{
    const DWORD style = WS_TABSTOP | BS_OWNERDRAW | (design.visible ? WS_VISIBLE : 0);
    window_ = createChildWindow(L"BUTTON", design.text, style, 0, design.bounds, parent, id);
}

void Win32CommandButton::SetEnabled(bool enabled)
{
    EnableWindow(window_, enabled);
}

void Win32CommandButton::clicked()
{
    raiseClick(IsWindowEnabled(window_));
}

void Win32CommandButton::keyPressed(std::int16_t keyCode)
{
    if (clicksOnKey(keyCode))
        clicked();
}

void Win32CommandButton::draw(const DRAWITEMSTRUCT& item, HFONT font, bool focusCuesShown) const
{
    RECT face = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &face, face_.get());
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);

    const std::wstring caption = toWide(windowText(window_));
    const GdiSelection inFont(item.hDC, font);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, (item.itemState & ODS_DISABLED) ? DisabledCaptionColour : CaptionColour);
    RECT text = face;
    if (pressed)
        OffsetRect(&text, 1, 1);
    DrawTextW(item.hDC, caption.c_str(), int(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    if ((item.itemState & ODS_FOCUS) && focusCuesShown) {
        InflateRect(&face, -1, -1);
        DrawFocusRect(item.hDC, &face);
    }
}

} // namespace controls
