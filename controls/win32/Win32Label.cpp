#include "controls/win32/Win32Label.h"

#include "controls/win32/ChildWindow.h"
#include "controls/win32/ColourRef.h"

namespace controls {

Win32Label::Win32Label(const ControlDescription& design, HWND parent, int id)
    : colour_(design.backColor ? toColourRef(*design.backColor) : GetSysColor(COLOR_BTNFACE))
    , background_(CreateSolidBrush(colour_))
{
    const DWORD style = SS_CENTER | SS_NOPREFIX | (design.visible ? WS_VISIBLE : 0);
    window_ = createChildWindow(L"STATIC", design.text, style, 0, design.bounds, parent, id);
}

HBRUSH Win32Label::paintBackground(HDC context) const
{
    SetTextColor(context, RGB(0, 0, 0));
    SetBkColor(context, colour_);
    return background_.get();
}

} // namespace controls
