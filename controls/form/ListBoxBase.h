#pragma once

#include "controls/ListBox.h"

#include <cstdint>
#include <optional>
#include <string>

namespace controls {

// What every toolkit's list does alike: rows out of range are no rows, rows
// taken out leave none selected and raise nothing, the click event follows
// the row the list last told of, and the user moves the selection with the
// keys and the mouse but never takes it away. A toolkit's list only keeps
// and shows the rows and tells of the user's keys and presses.
class ListBoxBase : public ListBox
{
public:
    void RemoveItem(int row) override;
    void Clear() override;
    std::string List(int row) const override;
    void SetListIndex(int row) override;

    void OnClick(ClickHandler handler) override;

protected:
    // The toolkit's rows; each is asked only for a row that is there.
    virtual void removeRow(int row) = 0;
    virtual void removeAllRows() = 0;
    virtual std::string rowText(int row) const = 0;
    // Shows the row selected, or none for -1, without telling of it.
    virtual void showSelection(int row) = 0;

    // Raises the click if the selected row is not the one last told of.
    void selectionMayHaveMoved();

    // A key pressed while the list has the focus: whether the list takes
    // it, having moved the selection. Up and Down move it one row, Home and
    // End to the first and the last; in a list with no selected row the
    // first Down, Up or Home selects the first row and End the last. Space
    // is taken and changes nothing, with modifiers or without.
    bool keyPressed(std::int16_t keyCode);
    // A press on a row, whatever modifier keys are held, selects that row;
    // below the last row (-1) it selects nothing and clears nothing.
    // Whether it landed on a row.
    bool rowPressed(int rowUnderPress);

private:
    std::optional<int> rowForKey(std::int16_t keyCode) const;
    void forgetSelection();

    int reportedRow_ = -1;
    // While rows are taken out the toolkit may tell of moves that are none.
    bool removing_ = false;
    ClickHandler click_;
};

} // namespace controls
