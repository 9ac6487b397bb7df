#pragma once

#include "controls/form/FormControls.h"
#include "controls/FormDescription.h"
#include "controls/web/WebBoard.h"
#include "controls/web/WebCommandButton.h"
#include "controls/web/WebContrastMode.h"
#include "controls/web/WebEventHandler.h"
#include "controls/web/WebLayout.h"
#include "controls/web/WebListBox.h"
#include "controls/web/WebStartWindow.h"
#include "controls/web/WebTextBox.h"

#include <map>
#include <memory>
#include <optional>

namespace controls {

// The window in the browser: an element of the page, laid out from the
// window's description as large as the page allows. It focuses and stacks
// its controls and shows focus cues as its behaviour decides, and tells it
// of every key pressed in it.
class WebForm : public FormControls<std::unique_ptr, WebBoard, WebListBox, WebCommandButton, WebTextBox>,
                public WebEventHandler
{
public:
    explicit WebForm(const FormDescription& description);
    ~WebForm() override;

    const emscripten::val& element() const { return window_; }

    void Show() override;

    void handleEvent(emscripten::val event) override;

protected:
    void recolour(const FormDescription& shown) override;

private:
    void applyWindowLook(const FormDescription& description);
    emscripten::val createControl(const ControlDescription& control, const emscripten::val& shown);
    void styleControl(emscripten::val element, const ControlDescription& control) const;
    void keyPressed(const emscripten::val& event);
    void focus(const std::optional<ControlKey>& key);
    void showFocusCues();
    void followFit(double scale);
    void watchDevicePixelRatio();

    int width_;
    int height_;
    WebStartWindow start_;
    emscripten::val window_;
    WebLayout layout_;
    std::map<ControlKey, emscripten::val> elements_;
    // Tells when the device pixel ratio the page was laid out at changes.
    emscripten::val resolutionQuery_;
    WebContrastMode contrast_;
};

} // namespace controls
