#include "controls/win32/Win32Label.h"

#include "controls/win32/ChildWindow.h"
#include "controls/win32/ColourRef.h"

namespace controls {

Win32Label::Win32Label(const ControlDescription& design, Rgb textColour, HWND parent, int id)
{
    recolour(design, textColour);
    const DWORD across = design.alignment == TextAlignment::Centre ? SS_CENTER : SS_LEFT;
    const DWORD style = across | SS_NOPREFIX | (design.visible ? WS_VISIBLE : 0);
    window_ = createChildWindow(L"STATIC", design.text, style, 0, design.bounds, parent, id);
}

// A label of no colour of its own is on the system's face of dialogs.
void Win32Label::recolour(const ControlDescription& shown, Rgb textColour)
{
    colour_ = shown.backColor ? toColourRef(*shown.backColor) : GetSysColor(COLOR_BTNFACE);
    textColour_ = toColourRef(textColour);
    background_ = GdiObject<HBRUSH>(CreateSolidBrush(colour_));
}

HBRUSH Win32Label::paintBackground(HDC context) const
{
    SetTextColor(context, textColour_);
    SetBkColor(context, colour_);
    return background_.get();
}

} // namespace controls
