#pragma once

#include "controls/CommandButtonBase.h"
#include "controls/FormDescription.h"
#include "controls/win32/GdiObject.h"

#include <windows.h>

namespace controls {

// A push button on Win32, drawn by its owner so that its face shows its own
// colour: black caption, grey while disabled, sunken while pressed, a dotted
// mark while it has the focus and the window shows focus cues.
class Win32CommandButton : public CommandButtonBase
{
public:
    Win32CommandButton(const ControlDescription& design, HWND parent, int id);

    Win32CommandButton(const Win32CommandButton&) = delete;
    Win32CommandButton& operator=(const Win32CommandButton&) = delete;

    void SetEnabled(bool enabled) override;

    HWND handle() const { return window_; }
    // A click by mouse or Space.
    void clicked();
    // A key the dialog manager turned into a command for the window.
    void keyPressed(std::int16_t keyCode);
    // WM_DRAWITEM, in the parent's font.
    void draw(const DRAWITEMSTRUCT& item, HFONT font, bool focusCuesShown) const;

private:
    HWND window_ = nullptr;
    GdiObject<HBRUSH> face_;
};

} // namespace controls
