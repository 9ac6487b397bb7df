#pragma once

#include "app/Drelvik.h"
#include "tests/scenarios/Driver.h"
#include "tests/scenarios/ScenarioSupport.h"

#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <string>

namespace controls {
class WebBoard;
class WebListBox;
} // namespace controls

// The scenarios' driver in the browser: DOM events dispatched to the real
// elements of the page, which deliver them to the controls as they deliver
// the user's, and what the page shows read back from the elements.
class WebDriver : public Driver
{
public:
    WebDriver();
    ~WebDriver() override;

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

private:
    controls::WebBoard& board() const;
    controls::WebListBox& list(std::int16_t index) const;
    emscripten::val element(const std::string& name) const;
    void clickBoard(int x, int y, std::int16_t button, std::int16_t shift, int count);

    std::unique_ptr<Drelvik> drelvik_;
    std::optional<ListClicks> listClicks_;
    // The window's element, in which its controls are found by their ids.
    emscripten::val window_;
    // The board's picture as the canvas shows it.
    std::optional<controls::Raster> shown_;
};
