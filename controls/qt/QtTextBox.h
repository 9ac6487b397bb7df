#pragma once

#include "controls/form/TextBoxBase.h"

#include <QPlainTextEdit>

namespace controls {

// A read-only, word-wrapping text box with a vertical scroll bar.
class QtTextBox : public QPlainTextEdit, public TextBoxBase
{
    Q_OBJECT

public:
    explicit QtTextBox(QWidget* parent = nullptr);

protected:
    void showText(const std::string& previous) override;

private:
    bool extendsAtLineEnd(const std::string& previous) const;
    bool appendUnwrapped(const QString& tail);
    bool atTop() const;
};

} // namespace controls
