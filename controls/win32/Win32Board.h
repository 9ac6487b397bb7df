#pragma once

#include "controls/FormDescription.h"
#include "controls/RasterBoard.h"

#include <windows.h>

namespace controls {

// The board on Win32: a child window with a sunken two-pixel edge whose
// client area shows the board's raster image and reports the presses on it.
class Win32Board : public RasterBoard
{
public:
    // The outer bounds; the image fills what lies inside the edge.
    Win32Board(const ControlDescription& design, HWND parent, int id);

    Win32Board(const Win32Board&) = delete;
    Win32Board& operator=(const Win32Board&) = delete;

    HWND handle() const { return window_; }

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    void imageChanged(const PixelRect& area) override;

private:
    void onPaint();
    void onMouseDown(std::int16_t button, WPARAM keys, LPARAM position);
    LRESULT onDialogCode(const MSG* message) const;
    void updateFocusMark();

    HWND window_ = nullptr;
};

} // namespace controls
