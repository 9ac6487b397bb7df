#pragma once

#include "controls/CommandButton.h"
#include "controls/Rgb.h"

#include <QPushButton>

namespace controls {

// A push button whose face shows its own background colour, greyed
// caption while disabled. Enter clicks it as Space does.
class QtCommandButton : public QPushButton, public CommandButton
{
    Q_OBJECT

public:
    QtCommandButton(const QString& caption, Rgb face, QWidget* parent = nullptr);

    void SetEnabled(bool enabled) override;

    void OnClick(ClickHandler handler) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ClickHandler click_;
};

} // namespace controls
