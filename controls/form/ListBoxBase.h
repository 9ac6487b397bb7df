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
    // Gives the list the keyboard focus.
    virtual void takeFocus() = 0;
    // How many whole rows the list shows at once; asked only while it has
    // rows.
    virtual int rowsInView() const = 0;

    // Raises the click if the selected row is not the one last told of.
    void selectionMayHaveMoved();

    // A key pressed while the list has the focus: whether the list takes
    // it, having moved the selection. Up and Down move it one row, Page Up
    // and Page Down a view less one row, Home and End to the first and the
    // last; in a list with no selected row the first Down, Up, Page Down,
    // Page Up or Home selects the first row and End the last. A digit
    // selects the next row below the selected one that begins with it,
    // round from the top; none, nothing. Space and the digits are taken and
    // may change nothing, with modifiers or without.
    bool keyPressed(std::int16_t keyCode);
    // A press gives the list the focus. On a row, whatever modifier keys
    // are held, it selects that row; below the last row (-1) it selects
    // nothing and clears nothing. Whether it landed on a row.
    bool rowPressed(int rowUnderPress);

private:
    std::optional<int> rowForKey(std::int16_t keyCode) const;
    std::optional<int> rowForMove(std::int16_t keyCode, int count, int selected) const;
    std::optional<int> rowBeginningWith(char first) const;
    void forgetSelection();

    int reportedRow_ = -1;
    // While rows are taken out the toolkit may tell of moves that are none.
    bool removing_ = false;
    ClickHandler click_;
};

} // namespace controls
