#pragma once

#include "controls/form/FormControls.h"
#include "controls/FormDescription.h"
#include "controls/qt/QtBoard.h"
#include "controls/qt/QtCommandButton.h"
#include "controls/qt/QtListBox.h"
#include "controls/qt/QtTextBox.h"

#include <QWidget>

#include <map>

namespace controls {

// The window on Qt: a fixed-size top-level widget whose controls are built
// from the window's description and found again by name and index. It
// focuses, stacks and shows focus cues as its behaviour decides, and tells
// it of every key pressed in it.
class QtForm : public QWidget, public FormControls<Borrowed, QtBoard, QtListBox, QtCommandButton, QtTextBox>
{
    Q_OBJECT

public:
    explicit QtForm(const FormDescription& description);

    void Show() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void applyWindowLook(const FormDescription& description);
    QWidget* createControl(const ControlDescription& control);
    void focus(const std::optional<ControlKey>& key, Qt::FocusReason reason);
    void showFocusCues();

    std::map<ControlKey, QWidget*> widgets_;
};

} // namespace controls
