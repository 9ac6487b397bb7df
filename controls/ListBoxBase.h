#pragma once

#include "controls/ListBox.h"

#include <cstdint>
#include <optional>

namespace controls {

// What every toolkit's list does alike: its click event follows the row
// the list last told of, and the user moves the selection with the keys
// and the mouse but never takes it away.
class ListBoxBase : public ListBox
{
public:
    void OnClick(ClickHandler handler) override;

    // How many click events this list has raised.
    int clicksRaised() const { return clicksRaised_; }

protected:
    // Raises the click if the selected row is not the one last told of.
    void selectionMayHaveMoved();
    // Rows were taken out and none is selected: nothing is raised.
    void selectionForgotten();

    // In a list with no selected row the first Down, Up or Home selects the
    // first row and End the last; nothing when the toolkit's own handling
    // of the key is right.
    std::optional<int> rowForFirstKey(std::int16_t keyCode) const;
    // A press selects the row under it, whatever modifier keys are held;
    // below the last row it selects nothing and clears nothing.
    static std::optional<int> rowForPress(int rowUnderPress);

private:
    int reportedRow_ = -1;
    int clicksRaised_ = 0;
    ClickHandler click_;
};

} // namespace controls
