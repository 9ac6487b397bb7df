#pragma once

#include "controls/CommandButton.h"
#include "controls/FormDescription.h"
#include "controls/win32/GdiObject.h"

#include <windows.h>

namespace controls {

// A push button on Win32, drawn by its owner so that its face shows its own
// colour: black caption, grey while disabled, sunken while pressed, a dotted
// mark while it has the focus.
class Win32CommandButton : public CommandButton
{
public:
    Win32CommandButton(const ControlDescription& design, HWND parent, int id);

    Win32CommandButton(const Win32CommandButton&) = delete;
    Win32CommandButton& operator=(const Win32CommandButton&) = delete;

    void SetEnabled(bool enabled) override;

    void OnClick(ClickHandler handler) override;

    HWND handle() const { return window_; }
    // A click by mouse, Space or Enter; a disabled button raises nothing.
    void clicked();
    // WM_DRAWITEM, in the parent's font.
    void draw(const DRAWITEMSTRUCT& item, HFONT font) const;

private:
    HWND window_ = nullptr;
    GdiObject<HBRUSH> face_;
    ClickHandler click_;
};

} // namespace controls
