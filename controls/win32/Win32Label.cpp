#include "controls/win32/Win32Label.h"

#include "controls/win32/ChildWindow.h"
#include "controls/win32/ColourRef.h"

namespace controls {

Win32Label::Win32Label(const ControlDescription& design, Rgb textColour, HWND parent, int id)
    : colour_(design.backColor ? toColourRef(*design.backColor) : GetSysColor(COLOR_BTNFACE))
    , textColour_(toColourRef(textColour))
    , background_(CreateSolidBrush(colour_))
{
    const DWORD across = design.alignment == TextAlignment::Centre ? SS_CENTER : SS_LEFT;
    const DWORD style = across | SS_NOPREFIX | (design.visible ? WS_VISIBLE : 0);
    window_ = createChildWindow(L"STATIC", design.text, style, 0, design.bounds, parent, id);
}

HBRUSH Win32Label::paintBackground(HDC context) const
{
    SetTextColor(context, textColour_);
    SetBkColor(context, colour_);
    return background_.get();
}

} // namespace controls
