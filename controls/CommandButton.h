#pragma once

#include <functional>

namespace controls {

class CommandButton
{
public:
    using ClickHandler = std::function<void()>;

    virtual ~CommandButton() = default;

    // A disabled button is greyed and raises no click.
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;

    virtual void OnClick(ClickHandler handler) = 0;
};

} // namespace controls
