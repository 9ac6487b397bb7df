#pragma once

#include "controls/form/CommandButtonBase.h"
#include "controls/FormDescription.h"
#include "controls/win32/GdiObject.h"
#include "controls/win32/SubclassedControl.h"

#include <windows.h>

#include <optional>

namespace controls {

// A push button on Win32, drawn by its owner so that its face shows its own
// colour, its caption, edge and focus outline as the window's look gives
// them, the edge in the system's colours and sunken while pressed, or a
// plain frame in the system's high-contrast mode. It is subclassed so that
// the keys that click it are the button's, Enter among them, which the
// dialog manager would take.
class Win32CommandButton : public CommandButtonBase, public SubclassedControl
{
public:
    Win32CommandButton(const ControlDescription& design, const FormLook& look, HWND parent, int id);

    // The button in the colours of the window as shown, its edge the
    // system's or a plain frame in a colour; the caller repaints.
    void recolour(const ControlDescription& shown, const FormLook& look, std::optional<Rgb> plainEdge);

    void SetEnabled(bool enabled) override;
    bool shownEnabled() const override;

    // BN_CLICKED: a click by the mouse.
    void clicked() const;
    // WM_DRAWITEM, in the parent's font, at the display's scale, with the
    // focus outline if the window shows the button's focus.
    void draw(const DRAWITEMSTRUCT& item, HFONT font, double scale, bool focusShown) const;

protected:
    void takeFocus() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void drawFocusOutline(HDC context, const RECT& outer, double scale) const;

    GdiObject<HBRUSH> face_;
    COLORREF caption_ = 0;
    COLORREF disabledCaption_ = 0;
    FocusOutlineLook focusOutline_;
    std::optional<Rgb> plainEdge_;
    int edgeWidth_;
};

} // namespace controls
