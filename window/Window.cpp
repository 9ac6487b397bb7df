#include "window/Window.h"

Window::Window(controls::Form& form, const controls::Toolkit& toolkit)
    : toolkit_(toolkit)
    , picture1_(form.board("Picture1"))
    , list1_{form.listBox("List1", lists::X), form.listBox("List1", lists::Y),
             form.listBox("List1", lists::UpwardY)}
    , command1_{form.commandButton("Command1", buttons::Calculate),
                form.commandButton("Command1", buttons::Clear),
                form.commandButton("Command1", buttons::Delete)}
    , text1_{form.textBox("Text1", textBoxes::Report), form.textBox("Text1", textBoxes::OtherSums)}
{
}

void Window::appendReportLine(const std::string& line)
{
    controls::TextBox& report = Text1(textBoxes::Report);
    report.SetText(report.Text() + line + "\r\n");
}

std::string Window::decimalSeparator() const
{
    return toolkit_.decimalSeparator();
}
