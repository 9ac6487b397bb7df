#pragma once

#include "app/Worksheet.h"
#include "controls/Form.h"

#include <string>

// The window as its procedures see it: its controls by name and index, and
// the worksheet state it owns.
class Window
{
public:
    explicit Window(controls::Form& form);

    controls::Board& Picture1();
    controls::ListBox& List1(int index);
    controls::CommandButton& Command1(int index);
    controls::TextBox& Text1(int index);

    Worksheet& worksheet() { return worksheet_; }
    const Worksheet& worksheet() const { return worksheet_; }

    // Adds one line to the report box: its whole text, the line, CR LF.
    void appendReportLine(const std::string& line);
    // The decimal separator numbers are written with.
    std::string decimalSeparator() const;

private:
    controls::Form& form_;
    Worksheet worksheet_;
};
