#pragma once

#include "controls/Toolkit.h"

namespace controls {

// The program on the plain Win32 API. Windows needs nothing set up before
// the first window: the window classes register themselves when first used,
// and the program's name and version are in its version record.
class Win32Toolkit : public Toolkit
{
public:
    std::unique_ptr<Form> createForm(const FormDescription& description) override;
    std::string decimalSeparator() const override;
    int exec() override;
};

} // namespace controls
