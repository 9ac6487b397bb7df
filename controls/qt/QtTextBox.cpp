#include "controls/qt/QtTextBox.h"

#include "controls/qt/QtConvert.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

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

// A report grows a line at a time, and each line comes as the whole text
// again. Setting the whole text would shape and lay out every line anew; when
// the text only goes on from where it ended, just the new lines are added.
void QtTextBox::showText(const std::string& previous)
{
    const std::string& text = Text();
    const bool appended = extendsAtLineEnd(previous) && appendUnwrapped(toDisplayText(text.substr(previous.size())));
    if (!appended)
        setPlainText(toDisplayText(text));
}

// Only after a whole CR LF is the shown text of the old part the same in the
// new text: a pair is never split between the two.
bool QtTextBox::extendsAtLineEnd(const std::string& previous) const
{
    const std::string& text = Text();
    return (previous.empty() || previous.ends_with("\r\n")) && text.size() > previous.size()
           && text.starts_with(previous);
}

// Adds the tail and leaves the box as setting the whole text would: nothing
// to undo, not modified, the cursor and the view at the top. Whether the
// scroll range is the same too is returned: Qt counts each line it has not
// laid out yet as one, and a whole new text starts that count over, so the
// two only agree while no line wraps.
bool QtTextBox::appendUnwrapped(const QString& tail)
{
    QTextDocument* shown = document();
    const bool undo = shown->isUndoRedoEnabled();
    shown->setUndoRedoEnabled(false);
    QTextCursor end(shown);
    end.movePosition(QTextCursor::End);
    end.insertText(tail);
    shown->setUndoRedoEnabled(undo);
    shown->setModified(false);
    if (!atTop())
        moveCursor(QTextCursor::Start);
    return shown->lineCount() == shown->blockCount();
}

bool QtTextBox::atTop() const
{
    const QTextCursor cursor = textCursor();
    return cursor.position() == 0 && !cursor.hasSelection() && verticalScrollBar()->value() == 0;
}

} // namespace controls
