#pragma once

#include "controls/FormControls.h"
#include "controls/FormDescription.h"
#include "controls/qt/QtBoard.h"
#include "controls/qt/QtCommandButton.h"
#include "controls/qt/QtListBox.h"
#include "controls/qt/QtTextBox.h"

#include <QWidget>

namespace controls {

// The window on Qt: a fixed-size top-level widget whose controls are built
// from the window's description and found again by name and index.
class QtForm : public QWidget, public FormControls<Borrowed, QtBoard, QtListBox, QtCommandButton, QtTextBox>
{
    Q_OBJECT

public:
    explicit QtForm(const FormDescription& description);

    void Show() override;

private:
    void applyWindowLook(const FormDescription& description);
    QWidget* createControl(const ControlDescription& control);
    QWidget* firstFocusable() const;

    QWidget* firstInTabOrder_ = nullptr;
};

} // namespace controls
