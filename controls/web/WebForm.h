#pragma once

#include "controls/FormControls.h"
#include "controls/FormDescription.h"
#include "controls/web/WebBoard.h"
#include "controls/web/WebCommandButton.h"
#include "controls/web/WebEventHandler.h"
#include "controls/web/WebLayout.h"
#include "controls/web/WebListBox.h"
#include "controls/web/WebTextBox.h"

#include <memory>
#include <vector>

namespace controls {

// The window in the browser: an element of the page, laid out from the
// window's description as large as the page allows. It moves the focus with
// Tab in the designed order and shows focus cues once the keyboard has been
// used, until the next press.
class WebForm : public FormControls<std::unique_ptr, WebBoard, WebListBox, WebCommandButton, WebTextBox>,
                public WebEventHandler
{
public:
    explicit WebForm(const FormDescription& description);
    ~WebForm() override;

    const emscripten::val& element() const { return window_; }

    void Show() override;

    void handleEvent(emscripten::val event) override;

private:
    void applyWindowLook(const FormDescription& description);
    emscripten::val createControl(const ControlDescription& control);
    void keyPressed(const emscripten::val& event);
    void moveFocus(bool backwards);
    void showFocusCues(bool shown);
    void fitToPage();
    void watchDevicePixelRatio();

    int width_;
    int height_;
    emscripten::val window_;
    WebLayout layout_;
    // The controls that take the focus, in tab order.
    std::vector<emscripten::val> tabOrder_;
    // Tells when the device pixel ratio the page was laid out at changes.
    emscripten::val resolutionQuery_;
    bool focusCues_ = false;
};

} // namespace controls
