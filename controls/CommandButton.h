#pragma once

#include <functional>

namespace controls {

// A push button with a coloured face. The user clicks it with the mouse, or
// with Space or Enter while it has the focus.
class CommandButton
{
public:
    using ClickHandler = std::function<void()>;

    virtual ~CommandButton() = default;

    // A disabled button is greyed and raises no click.
    virtual void SetEnabled(bool enabled) = 0;

    virtual void OnClick(ClickHandler handler) = 0;
};

} // namespace controls
