#include "controls/qt/QtTextBox.h"

#include "controls/qt/QtConvert.h"

namespace controls {

QtTextBox::QtTextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

std::string QtTextBox::Text() const
{
    return text_;
}

void QtTextBox::SetText(const std::string& text)
{
    text_ = text;
    setPlainText(toDisplayText(text));
}

} // namespace controls
