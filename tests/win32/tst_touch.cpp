#include "tests/scenarios/ScenarioSupport.h"
#include "tests/win32/MessagePump.h"
#include "tests/win32/Win32Driver.h"

#include "controls/raster/DeviceScale.h"

#include <doctest/doctest.h>

#include <windows.h>

// A pen or a finger on a touch screen, as Windows reports it: mouse input
// whose extra information carries the pen-or-touch signature, here with the
// bit that says a finger. The input goes through the system's queue, as a
// user's does, to the board on the screen.

namespace {

constexpr ULONG_PTR FingerSignature = 0xFF515780;
constexpr ULONG_PTR MouseSignature = 0;

// The absolute position of a screen pixel's middle, in the 65536 steps
// across the screen that absolute mouse input counts.
LONG normalised(LONG pixel, int screenPixels)
{
    return LONG((2 * LONGLONG(pixel) + 1) * 65536 / (2 * LONGLONG(screenPixels)));
}

// Moves the pointer onto a device pixel of a window, with a button's flags.
void sendInput(HWND window, POINT at, DWORD buttons, ULONG_PTR signature)
{
    ClientToScreen(window, &at);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = normalised(at.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = normalised(at.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    input.mi.dwExtraInfo = signature;
    REQUIRE(SendInput(1, &input, sizeof input) == 1);
}

// The board's crossings, 20 design pixels apart, and whether the contact
// mark's row crosses one: its arm shows over the picture far left of any
// crossing the tests mark.
class BoardView
{
public:
    explicit BoardView(Win32Driver& driver)
        : driver_(driver)
        , scale_(driver.boardImage().scale())
    {
    }

    POINT crossing(int x, int y) const { return {scale_.pixel(20 * x), scale_.pixel(20 * y)}; }

    bool markedOnRow(int y)
    {
        const int column = scale_.pixel(10);
        const int row = scale_.pixel(20 * y);
        return driver_.shownBoard().pixel(column, row) != driver_.boardImage().pixel(column, row);
    }

private:
    Win32Driver& driver_;
    controls::DeviceScale scale_;
};

bool leftButtonUp()
{
    return GetKeyState(VK_LBUTTON) >= 0;
}

} // namespace

TEST_SUITE("touch")
{
TEST_CASE("a finger marks the crossing under it and enters it where it lifts; the mouse enters at the press")
{
    Win32Driver driver;
    BoardView view(driver);
    const HWND board = driver.handle("Picture1");
    sendInput(board, view.crossing(2, 2), MOUSEEVENTF_LEFTDOWN, FingerSignature);
    CHECK(MessagePump::handleUntil([&] { return view.markedOnRow(2); }));
    sendInput(board, view.crossing(6, 4), 0, FingerSignature);
    CHECK(MessagePump::handleUntil([&] { return view.markedOnRow(4) && !view.markedOnRow(2); }));
    CHECK(driver.rows(lists::X).empty());

    sendInput(board, view.crossing(6, 4), MOUSEEVENTF_LEFTUP, FingerSignature);
    CHECK(MessagePump::handleUntil([&] { return !driver.rows(lists::X).empty(); }));
    CHECK(driver.rows(lists::X) == Rows{"6"});
    CHECK(driver.rows(lists::Y) == Rows{"4"});
    CHECK_FALSE(view.markedOnRow(4));

    sendInput(board, view.crossing(3, 7), MOUSEEVENTF_LEFTDOWN, MouseSignature);
    CHECK(MessagePump::handleUntil([&] { return driver.rows(lists::X).size() == 2; }));
    CHECK_FALSE(view.markedOnRow(7));
    sendInput(board, view.crossing(3, 7), MOUSEEVENTF_LEFTUP, MouseSignature);
    CHECK(MessagePump::handleUntil(leftButtonUp));
    CHECK(driver.rows(lists::X) == Rows{"6", "3"});
    CHECK(driver.rows(lists::Y) == Rows{"4", "7"});
}

// Another window taking the mouse ends the contact as the system's
// cancelling it does.
TEST_CASE("a finger whose capture another window takes enters nothing")
{
    Win32Driver driver;
    BoardView view(driver);
    const HWND board = driver.handle("Picture1");
    sendInput(board, view.crossing(5, 5), MOUSEEVENTF_LEFTDOWN, FingerSignature);
    CHECK(MessagePump::handleUntil([&] { return view.markedOnRow(5); }));
    SetCapture(GetParent(board));
    CHECK_FALSE(view.markedOnRow(5));
    sendInput(board, view.crossing(5, 5), MOUSEEVENTF_LEFTUP, FingerSignature);
    CHECK(MessagePump::handleUntil(leftButtonUp));
    ReleaseCapture();
    CHECK(driver.rows(lists::X).empty());
}
} // TEST_SUITE
