#pragma once

#include "controls/FormDescription.h"
#include "controls/form/RasterBoard.h"

#include <windows.h>

#include <string>

namespace controls {

// The board on Win32: a child window whose client area shows the board's
// raster image and reports the presses and the contacts of a pen or a
// finger on it, inside the edge the design gives, which it paints itself:
// the system's edge is two pixels at any resolution.
// Its window text is what screen readers say of it: its name, then its
// description after DescriptionSeparator.
class Win32Board : public RasterBoard
{
public:
    static constexpr const char* DescriptionSeparator = ": ";

    // The outer bounds of the design; the image fills what lies inside the edge.
    Win32Board(const ControlDescription& design, const FormLook& look, const std::string& name, HWND parent, int id);

    Win32Board(const Win32Board&) = delete;
    Win32Board& operator=(const Win32Board&) = delete;

    HWND handle() const { return window_; }
    // The board at its designed place at a display scale, its picture and
    // its edge drawn anew at that scale.
    void showAtScale(double scale);

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    void imageChanged(const PixelRect& area) override;
    void descriptionChanged() override;

private:
    void onPaint();
    void onPaintEdge() const;
    LRESULT onHitTest(LPARAM position) const;
    void onMouseDown(std::int16_t button, WPARAM keys, LPARAM position, int clickCount = 1);
    void onLeftButtonDown(WPARAM keys, LPARAM position);
    void onContactMoved(LPARAM position);
    void onContactLifted(LPARAM position);
    void onCaptureLost();
    LRESULT onDialogCode(const MSG* message) const;

    HWND window_ = nullptr;
    PixelRect design_;
    std::string name_;
    double scale_ = 1;
    // A pen or a finger is down on the board, which holds the mouse capture.
    bool contactDown_ = false;
};

} // namespace controls
