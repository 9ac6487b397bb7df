#pragma once

#include "controls/CommandButton.h"
#include "controls/Rgb.h"

#include <QPushButton>

namespace controls {

// A push button whose face shows its own background colour, greyed
// caption while disabled.
class QtCommandButton : public QPushButton, public CommandButton
{
    Q_OBJECT

public:
    QtCommandButton(const QString& caption, Rgb face, QWidget* parent = nullptr);

    void SetEnabled(bool enabled) override;
    bool Enabled() const override;

    void OnClick(ClickHandler handler) override;

private:
    ClickHandler click_;
};

} // namespace controls
