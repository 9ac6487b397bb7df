#include "tests/scenarios/ScenarioSupport.h"
#include "tests/win32/Win32Driver.h"

#include "controls/raster/DeviceScale.h"
#include "controls/win32/DpiFunctions.h"
#include "controls/win32/WideText.h"
#include "controls/win32/WindowContext.h"
#include "window/DrelvikDesign.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

// What only the Windows window shows of the display's scale: the window and
// its controls take dpi / 96 of their designed sizes, in fonts of that
// resolution, and again when the window moves to a screen of another.

namespace {

std::string nameOf(const controls::ControlDescription& control)
{
    return control.index < 0 ? control.name : control.name + "(" + std::to_string(control.index) + ")";
}

// The visible label of a caption; the hidden ones name lists and boxes,
// which have the same text.
HWND labelShowing(HWND form, const std::string& caption)
{
    const std::wstring wanted = controls::toWide(caption);
    for (HWND child = FindWindowExW(form, nullptr, L"Static", nullptr); child;
         child = FindWindowExW(form, child, L"Static", nullptr)) {
        wchar_t text[64] = {};
        GetWindowTextW(child, text, 64);
        if (IsWindowVisible(child) && wanted == text)
            return child;
    }
    return nullptr;
}

HWND windowOf(Win32Driver& driver, HWND form, const controls::ControlDescription& control)
{
    return control.kind == controls::ControlKind::Label ? labelShowing(form, control.text)
                                                        : driver.handle(nameOf(control));
}

std::string withoutLineEnds(std::string text)
{
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

// The size of a text in the font a control draws in.
SIZE textExtent(HWND control, const std::string& text)
{
    const controls::WindowContext screen;
    const HGDIOBJ previous =
        SelectObject(screen.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const std::wstring wide = controls::toWide(text);
    SIZE extent{};
    GetTextExtentPoint32W(screen.get(), wide.c_str(), int(wide.size()), &extent);
    SelectObject(screen.get(), previous);
    return extent;
}

LONG fontHeight(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

bool withinAPixel(LONG edge, int designEdge, double scale)
{
    return std::abs(edge - designEdge * scale) <= 1;
}

double scaleAt(UINT dpi)
{
    return double(dpi) / controls::DpiFunctions::DesignDpi;
}

// Every control the window shows at a resolution: within a pixel of the
// design at that scale, its caption whole in the control's font, and the
// lists wide enough, beside their scroll bars, for the widest row.
void checkControls(Win32Driver& driver, HWND form, UINT dpi)
{
    const double scale = scaleAt(dpi);
    const controls::FormDescription design = drelvikDesign();
    for (const controls::ControlDescription& control : design.controls) {
        if (!control.visible)
            continue;
        CAPTURE(nameOf(control));
        const HWND window = windowOf(driver, form, control);
        REQUIRE(window);
        RECT bounds{};
        GetWindowRect(window, &bounds);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&bounds), 2);
        const controls::PixelRect& at = control.bounds;
        CHECK(withinAPixel(bounds.left, at.left, scale));
        CHECK(withinAPixel(bounds.top, at.top, scale));
        CHECK(withinAPixel(bounds.right, at.left + at.width, scale));
        CHECK(withinAPixel(bounds.bottom, at.top + at.height, scale));

        RECT inside{};
        GetClientRect(window, &inside);
        const bool captioned =
            control.kind == controls::ControlKind::Label || control.kind == controls::ControlKind::CommandButton;
        if (captioned || control.kind == controls::ControlKind::ListBox) {
            CHECK(fontHeight(window) == -MulDiv(design.font.pointSize, int(dpi), 72));
            const SIZE text = textExtent(window, captioned ? withoutLineEnds(control.text) : "17");
            CHECK(text.cx <= inside.right);
            CHECK(text.cy <= inside.bottom);
        }
    }
}

HWND formOf(Win32Driver& driver)
{
    return GetParent(driver.handle("Picture1"));
}

// What Windows sends a window moved to a screen of another resolution.
void moveToScreenAt(HWND form, UINT dpi)
{
    RECT suggested{};
    GetWindowRect(form, &suggested);
    SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

} // namespace

TEST_SUITE("display")
{

TEST_CASE("the window and its controls take the scale of the screen they are on")
{
    Win32Driver driver;
    const HWND form = formOf(driver);
    const UINT dpi = controls::DpiFunctions::get().dpiOf(form);
    // The resolution the test's Wine prefix was set up with, where it says.
    if (const char* prefixDpi = std::getenv("DRELVIK_TEST_DPI"))
        CHECK(dpi == UINT(std::atoi(prefixDpi)));
    const controls::FormDescription design = drelvikDesign();
    RECT client{};
    GetClientRect(form, &client);
    CHECK(withinAPixel(client.right, design.clientWidth, scaleAt(dpi)));
    CHECK(withinAPixel(client.bottom, design.clientHeight, scaleAt(dpi)));
    checkControls(driver, form, dpi);
    // The board's inner area is its picture, one image pixel to a device pixel.
    const controls::Raster& board = driver.boardImage();
    RECT inner{};
    GetClientRect(driver.handle("Picture1"), &inner);
    CHECK(board.scale() == scaleAt(dpi));
    CHECK(inner.right == board.width());
    CHECK(inner.bottom == board.height());
}

TEST_CASE("a move to a screen of another scale lays the window out anew and keeps what it shows")
{
    Win32Driver driver;
    pressAll(driver, {{80, 100}, {160, 100}, {20, 180}});
    driver.clickButton(buttons::Calculate);
    const HWND form = formOf(driver);
    const UINT dpi = controls::DpiFunctions::get().dpiOf(form);
    const controls::Raster before = driver.boardImage();
    const std::string report = driver.report();
    // From a laptop's screen at 150 % to a projector at 100 %, or back.
    const UINT other = dpi == controls::DpiFunctions::DesignDpi ? 144 : controls::DpiFunctions::DesignDpi;

    // Windows gives the window the caption of the new screen as it moves it;
    // the message alone does not, so what is checked lies inside the frame.
    moveToScreenAt(form, other);
    checkControls(driver, form, other);
    CHECK(driver.boardImage().scale() == scaleAt(other));
    CHECK(driver.rows(lists::X) == Rows{"4", "8", "1"});
    CHECK(driver.report() == report);
    // The same presses land on the same crossings at the new scale.
    driver.clickButton(buttons::Clear);
    pressAll(driver, {{80, 100}, {160, 100}, {20, 180}});
    driver.clickButton(buttons::Calculate);
    CHECK(driver.rows(lists::Y) == Rows{"5", "5", "9"});
    CHECK(driver.report() == report);

    // Back at the first scale, the picture is drawn anew as it was first drawn.
    moveToScreenAt(form, dpi);
    checkControls(driver, form, dpi);
    CHECK(sameImage(driver.boardImage(), before));
}

// A press on a device pixel enters the design pixel drawn there: design
// pixel 149 lies left of the halfway line between crossings 140 and 160,
// 150 on it; the upward y list shows the design row pressed, 50 or 51.
TEST_CASE("a press enters the design pixel drawn under it")
{
    Win32Driver driver;
    const controls::DeviceScale scale(driver.boardImage().scale());
    driver.pressBoardOnDevicePixel({scale.pixel(150) - 1, scale.pixel(51) - 1});
    driver.pressBoardOnDevicePixel({scale.pixel(150), scale.pixel(51)});
    CHECK(driver.rows(lists::X) == Rows{"7", "8"});
    CHECK(driver.rows(lists::UpwardY) == Rows{"8.95", "8.9"});
}

} // TEST_SUITE
