#pragma once

#include "controls/form/CommandButtonBase.h"
#include "controls/Rgb.h"
#include "controls/web/WebEventHandler.h"

#include <string>

namespace controls {

// A button element whose face shows its own background colour, its caption
// as the window's look gives it. The keys that click it are handled here,
// so that the page does not click it a second time.
class WebCommandButton : public CommandButtonBase, public WebEventHandler
{
public:
    // The button the page already shows, or, where `shown` is null, a new one.
    WebCommandButton(const std::string& id, const std::string& caption, Rgb face, const emscripten::val& shown);

    const emscripten::val& element() const { return button_; }

    // The face, and the colour its raised edge is shaded from.
    void setColours(Rgb face, Rgb edge);

    void SetEnabled(bool enabled) override;
    bool shownEnabled() const override;

    void handleEvent(emscripten::val event) override;

protected:
    void takeFocus() override;

private:
    emscripten::val button_;
};

} // namespace controls
