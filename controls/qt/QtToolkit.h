#pragma once

#include "controls/Toolkit.h"

namespace controls {

// The program on Qt 6 Widgets. It needs a QApplication, which the program's
// toolkit (makeToolkit) makes and a test program makes itself.
class QtToolkit : public Toolkit
{
public:
    std::unique_ptr<Form> createForm(const FormDescription& description) override;
    std::string decimalSeparator() const override;
    int exec() override;
};

} // namespace controls
