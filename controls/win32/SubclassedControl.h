#pragma once

#include <windows.h>

namespace controls {

// A system control whose messages come to an object first, as the classic
// samples subclass a control: the object handles what it decides and hands
// the rest to the control's own procedure. When the window goes, its own
// procedure and user data are put back before its last message.
class SubclassedControl
{
public:
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;

    HWND handle() const { return window_; }

protected:
    SubclassedControl() = default;
    ~SubclassedControl() = default;

    void subclass(HWND window);
    // What the control itself does with a message.
    LRESULT controlProcedure(UINT message, WPARAM wParam, LPARAM lParam) const;
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    WNDPROC controlProcedure_ = nullptr;
};

} // namespace controls
