#pragma once

#include "app/Drelvik.h"
#include "tests/scenarios/Driver.h"
#include "tests/scenarios/ScenarioSupport.h"

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace controls {
class Win32Board;
class Win32ListBox;
} // namespace controls

// The messages of one mouse button, and its flag in their key state.
struct MouseMessages {
    UINT down;
    UINT doubleClick;
    UINT up;
    WPARAM key;
};

// The scenarios' driver on Win32: window messages to the real controls, put
// through the program's own message loop, as Windows delivers the user's
// input.
class Win32Driver : public Driver
{
public:
    Win32Driver();
    ~Win32Driver() override;

    Window& window() override { return drelvik_->window(); }

    void pressBoard(int x, int y, std::int16_t button = controls::mouse::LeftButton,
                    std::int16_t shift = 0) override;
    void doubleClickBoard(int x, int y) override;
    void clickRow(std::int16_t list, int row, std::int16_t shift = 0) override;
    void clickBelowRows(std::int16_t list) override;
    void clickButton(std::int16_t button) override;
    void pressKey(const std::string& control, Key key, bool ctrl = false) override;
    void typeKey(Key key) override;
    void pressTab() override;
    void useDecimalComma(bool comma) override;
    void useHighContrast(bool on) override;

    std::string focusedControl() const override;
    std::vector<std::string> rows(std::int16_t list) const override;
    std::string report() const override;
    bool buttonEnabled(std::int16_t button) const override;
    const controls::Raster& boardImage() const override;
    const controls::Raster& shownBoard() override;
    std::string accessibleName(const std::string& control) const override;
    std::string boardDescription() const override;
    int selectionChanges(std::int16_t list) const override;

    // The window of a control that can take the focus, by the scenarios' name.
    HWND handle(const std::string& name) const;
    // A left press on a device pixel of the board's inner area.
    void pressBoardOnDevicePixel(POINT at);

private:
    controls::Win32Board& board() const;
    controls::Win32ListBox& list(std::int16_t index) const;
    POINT onBoard(int x, int y) const;
    void click(HWND target, POINT at, std::int16_t button, std::int16_t shift, bool twice = false);
    void pressAndRelease(HWND target, POINT at, UINT press, const MouseMessages& messages, WPARAM flags);
    void sendKey(HWND target, UINT vk);
    void restoreSystemColours();
    void awaitShownLook(bool highContrast);

    std::unique_ptr<Drelvik> drelvik_;
    std::optional<ListClicks> listClicks_;
    // Every control that can take the focus, by the name the scenarios use.
    std::map<std::string, HWND> controls_;
    // The system's colours from before the high-contrast mode was turned on.
    std::optional<std::vector<COLORREF>> savedColours_;
};
