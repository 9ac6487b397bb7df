#pragma once

#include "controls/TextBox.h"

#include <QPlainTextEdit>

namespace controls {

// A read-only, word-wrapping text box with a vertical scroll bar. Qt keeps
// only line breaks, so the exact text with its CR LF pairs is kept here.
class QtTextBox : public QPlainTextEdit, public TextBox
{
    Q_OBJECT

public:
    explicit QtTextBox(QWidget* parent = nullptr);

    std::string Text() const override;
    void SetText(const std::string& text) override;

private:
    bool extendsAtLineEnd(const std::string& text) const;
    bool appendUnwrapped(const QString& tail);
    bool atTop() const;

    std::string text_;
};

} // namespace controls
