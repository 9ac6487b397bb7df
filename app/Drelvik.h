#pragma once

#include "controls/Form.h"
#include "controls/FormDescription.h"
#include "window/Window.h"

#include <memory>

// The program's one window: built from its design, wired to its handlers and
// loaded on construction; shown on request.
class Drelvik
{
public:
    Drelvik();
    explicit Drelvik(const controls::FormDescription& design);
    ~Drelvik();

    Drelvik(const Drelvik&) = delete;
    Drelvik& operator=(const Drelvik&) = delete;

    void show();

    Window& window() { return window_; }

private:
    void wireEvents();

    std::unique_ptr<controls::Form> form_;
    Window window_;
};
