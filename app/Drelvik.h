#pragma once

#include "controls/Form.h"
#include "controls/Toolkit.h"
#include "window/Window.h"

#include <memory>

// The program's one window: built from its design, wired to its handlers and
// loaded on construction with the toolkit given; shown on request.
class Drelvik
{
public:
    explicit Drelvik(controls::Toolkit& toolkit);
    ~Drelvik();

    Drelvik(const Drelvik&) = delete;
    Drelvik& operator=(const Drelvik&) = delete;

    void show();

    // The window as the procedures see it, for those who drive it from outside.
    Window& window() { return window_; }

private:
    void wireEvents();

    std::unique_ptr<controls::Form> form_;
    Window window_;
};
