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
// it of every key pressed in it. It shows itself in the system's
// high-contrast colours while the application's palette is a high-contrast
// one, and follows each change of that palette.
class QtForm : public QWidget, public FormControls<Borrowed, QtBoard, QtListBox, QtCommandButton, QtTextBox>
{
    Q_OBJECT

public:
    explicit QtForm(const FormDescription& description);

    void Show() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void applyWindowLook(const FormDescription& description);
    QWidget* createControl(const ControlDescription& control);
    void focus(const std::optional<ControlKey>& key, Qt::FocusReason reason);
    void showFocusCues();
    void followSystemColours();
    void recolour(const FormDescription& shown) override;
    void recolourControl(const ControlDescription& control, const FormLook& look);

    std::map<ControlKey, QWidget*> widgets_;
    // Whether the window shows the system's colours rather than the design's.
    bool inSystemColours_ = false;
};

} // namespace controls
