#pragma once

#include "controls/SystemColours.h"
#include "controls/web/WebEventHandler.h"

#include <emscripten/val.h>

#include <functional>
#include <optional>

namespace controls {

// The page's high-contrast mode as the browser reports it: forced colours,
// which a system's contrast theme gives the page (Windows hands its themes
// to Chromium, Edge and Firefox so), or a wish for more contrast (the
// "Increase contrast" of macOS and iOS); and the CSS system colours the
// page is to be shown in. Told again whenever either changes.
class WebContrastMode : public WebEventHandler
{
public:
    using ChangeHandler = std::function<void()>;

    explicit WebContrastMode(ChangeHandler changed);

    // The system's colours while the page is asked for high contrast;
    // nothing otherwise.
    std::optional<SystemColours> systemColours() const;

    void handleEvent(emscripten::val event) override;

private:
    emscripten::val forcedColours_;
    emscripten::val moreContrast_;
    ChangeHandler changed_;
};

} // namespace controls
