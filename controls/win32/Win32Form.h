#pragma once

#include "controls/form/FormControls.h"
#include "controls/FormDescription.h"
#include "controls/win32/GdiObject.h"
#include "controls/win32/Win32Board.h"
#include "controls/win32/Win32CommandButton.h"
#include "controls/win32/Win32Label.h"
#include "controls/win32/Win32ListBox.h"
#include "controls/win32/Win32TextBox.h"

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace controls {

// The window on Win32: a fixed-size top-level window whose controls are
// built from the window's description, in tab order, and found again by name
// and index. Everything in it, the fonts too, takes the scale of the screen
// it is on, dpi / 96, and again when it moves to a screen of another scale.
// It focuses and stacks its controls and shows focus cues as its behaviour
// decides, tells it of every key pressed in it, and finds the control a
// message is for by its id. It shows itself in the colours of the system's
// high-contrast mode while that is on, and follows the mode and its colours
// as they change. Destroying the object destroys the window.
class Win32Form : public FormControls<std::unique_ptr, Win32Board, Win32ListBox, Win32CommandButton, Win32TextBox>
{
public:
    explicit Win32Form(const FormDescription& description);
    ~Win32Form() override;

    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    void Show() override;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    void recolour(const FormDescription& shown) override;

private:
    // What the window keeps of each control it made: its name and index,
    // its window, where the design places it (none for the board, which
    // places itself) and, for a label, the label, which only the window uses.
    struct Child {
        ControlKey key;
        HWND handle = nullptr;
        std::optional<PixelRect> designBounds;
        std::unique_ptr<Win32Label> label;
    };

    void createWindow(const FormDescription& description);
    void createControl(const FormDescription& description, const ControlDescription& control, int id);
    void layOut(UINT dpi);
    SIZE frameSize() const;
    void resizeInPlace();
    void moveAndResize(const POINT& at);
    void showIcon();
    void centreOnScreen();
    void focus(const std::optional<ControlKey>& key);
    void showFocusCues();
    const Child* childOfId(int id) const;
    const ControlKey* keyOfId(int id) const;
    void onCommand(WORD id, WORD code);
    LRESULT onColourStatic(HDC context, HWND control);
    void onDrawItem(const DRAWITEMSTRUCT& item);
    void onEraseBackground(HDC context);
    void onNextControl(WPARAM which, LPARAM byHandle);
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void showSystemColours();
    LRESULT onQueryUiState() const;

    HWND window_ = nullptr;
    int clientWidth_;
    int clientHeight_;
    std::wstring fontFamily_;
    int pointSize_;
    std::wstring icon_;
    UINT dpi_ = 0;
    GdiObject<HBRUSH> background_;
    // Whether the window shows the colours of the system's high-contrast mode.
    bool systemColoursShown_ = false;
    GdiObject<HFONT> font_;
    // Every control by its id, which counts up in the order the controls
    // were made, their stacking order.
    std::map<int, Child> children_;
};

} // namespace controls
