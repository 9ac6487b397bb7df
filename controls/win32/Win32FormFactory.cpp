#include "controls/FormFactory.h"

#include "controls/win32/Win32Form.h"

namespace controls {

std::unique_ptr<Form> createForm(const FormDescription& description)
{
    return std::make_unique<Win32Form>(description);
}

} // namespace controls
