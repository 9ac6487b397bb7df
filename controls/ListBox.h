#pragma once

#include <functional>
#include <string>

namespace controls {

// A list of text rows with at most one selected row.
//
// The user moves the selection with the mouse and the arrow, Home and End
// keys, but never takes it away. In a list with no selected row the first
// Down, Up or Home selects the first row and End the last.
class ListBox
{
public:
    using ClickHandler = std::function<void()>;

    virtual ~ListBox() = default;

    virtual void AddItem(const std::string& text) = 0;
    // Leaves no row selected and raises no click.
    virtual void RemoveItem(int row) = 0;
    virtual void Clear() = 0;

    virtual std::string List(int row) const = 0;
    virtual int ListCount() const = 0;
    // The selected row, or -1 when none is.
    virtual int ListIndex() const = 0;
    // Selecting a different row raises the click event before this returns.
    virtual void SetListIndex(int row) = 0;

    // Raised once for every change of the selected row, by the user or the
    // program, and for nothing else.
    virtual void OnClick(ClickHandler handler) = 0;
};

} // namespace controls
