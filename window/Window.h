#pragma once

#include "controls/Form.h"
#include "controls/Toolkit.h"
#include "window/ControlIndex.h"
#include "window/Worksheet.h"

#include <array>
#include <functional>
#include <string>

// The window as its procedures see it: its controls by name and index, found
// once when the window is built, and the worksheet state it owns.
class Window
{
public:
    Window(controls::Form& form, const controls::Toolkit& toolkit);

    controls::Board& Picture1() { return picture1_; }
    controls::ListBox& List1(std::int16_t index) { return list1_.at(index); }
    controls::CommandButton& Command1(std::int16_t index) { return command1_.at(index); }
    controls::TextBox& Text1(std::int16_t index) { return text1_.at(index); }

    Worksheet& worksheet() { return worksheet_; }
    const Worksheet& worksheet() const { return worksheet_; }

    // Adds one line to the report box: its whole text, the line, CR LF.
    void appendReportLine(const std::string& line);
    // The decimal separator numbers are written with.
    std::string decimalSeparator() const;

private:
    const controls::Toolkit& toolkit_;
    controls::Board& picture1_;
    std::array<std::reference_wrapper<controls::ListBox>, lists::Count> list1_;
    std::array<std::reference_wrapper<controls::CommandButton>, buttons::Count> command1_;
    std::array<std::reference_wrapper<controls::TextBox>, textBoxes::Count> text1_;
    Worksheet worksheet_;
};
