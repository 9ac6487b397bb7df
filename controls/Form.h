#pragma once

#include "controls/Board.h"
#include "controls/CommandButton.h"
#include "controls/ListBox.h"
#include "controls/TextBox.h"

#include <string_view>

namespace controls {

// A window built from its description. Controls are found by name and, for
// control arrays, by index; -1 names a control that is not in an array.
// Asking for a control the description does not hold is a programming error
// and throws std::out_of_range.
class Form
{
public:
    virtual ~Form() = default;

    virtual Board& board(std::string_view name, int index = -1) = 0;
    virtual ListBox& listBox(std::string_view name, int index = -1) = 0;
    virtual CommandButton& commandButton(std::string_view name, int index = -1) = 0;
    virtual TextBox& textBox(std::string_view name, int index = -1) = 0;

    // Centres the window on the screen and shows it with the focus on the
    // first control in tab order that can take it.
    virtual void Show() = 0;
};

} // namespace controls
