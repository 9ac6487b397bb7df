#include "app/Window.h"

#include "controls/UserLocale.h"

Window::Window(controls::Form& form)
    : form_(form)
{
}

controls::Board& Window::Picture1()
{
    return form_.board("Picture1");
}

controls::ListBox& Window::List1(int index)
{
    return form_.listBox("List1", index);
}

controls::CommandButton& Window::Command1(int index)
{
    return form_.commandButton("Command1", index);
}

controls::TextBox& Window::Text1(int index)
{
    return form_.textBox("Text1", index);
}

void Window::appendReportLine(const std::string& line)
{
    controls::TextBox& report = Text1(0);
    report.SetText(report.Text() + line + "\r\n");
}

std::string Window::decimalSeparator() const
{
    return controls::userDecimalSeparator();
}
