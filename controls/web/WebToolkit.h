#pragma once

#include "controls/Toolkit.h"

namespace controls {

// The program in a browser page: the window is built into the page, the
// decimal separator is that of the browser's language, and the page
// dispatches the events.
class WebToolkit : public Toolkit
{
public:
    std::unique_ptr<Form> createForm(const FormDescription& description) override;
    std::string decimalSeparator() const override;
    int exec() override;
};

} // namespace controls
