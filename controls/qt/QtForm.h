#pragma once

#include "controls/ControlMap.h"
#include "controls/Form.h"
#include "controls/FormDescription.h"

#include <QWidget>

#include <map>
#include <utility>

namespace controls {

class QtBoard;
class QtCommandButton;
class QtListBox;
class QtTextBox;

// The window on Qt: a fixed-size top-level widget whose controls are built
// from the window's description and found again by name and index.
class QtForm : public QWidget, public Form
{
    Q_OBJECT

public:
    explicit QtForm(const FormDescription& description);

    Board& board(std::string_view name, int index = -1) override;
    ListBox& listBox(std::string_view name, int index = -1) override;
    CommandButton& commandButton(std::string_view name, int index = -1) override;
    TextBox& textBox(std::string_view name, int index = -1) override;

    void Show() override;

private:
    using Key = ControlKey;

    void applyWindowLook(const FormDescription& description);
    QWidget* createControl(const ControlDescription& control);
    void setTabOrder(std::vector<std::pair<int, QWidget*>> focusable);
    QWidget* firstFocusable() const;

    std::map<Key, QtBoard*> boards_;
    std::map<Key, QtListBox*> lists_;
    std::map<Key, QtCommandButton*> buttons_;
    std::map<Key, QtTextBox*> textBoxes_;
    QWidget* firstInTabOrder_ = nullptr;
};

} // namespace controls
