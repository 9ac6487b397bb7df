#pragma once

#include "controls/FormDescription.h"
#include "controls/form/TextBoxBase.h"

#include <windows.h>

namespace controls {

// The text box on Win32: a read-only multi-line EDIT that wraps its lines
// and scrolls vertically. It shows CR LF as a line break, as the program
// writes them. Its text is the
// report, so its name for screen readers is the hidden label right before it.
class Win32TextBox : public TextBoxBase
{
public:
    Win32TextBox(const ControlDescription& design, const std::string& name, HWND parent, int id);

    Win32TextBox(const Win32TextBox&) = delete;
    Win32TextBox& operator=(const Win32TextBox&) = delete;

    HWND handle() const { return window_; }

protected:
    void showText(const std::string& previous) override;

private:
    HWND window_ = nullptr;
};

} // namespace controls
