#include "controls/FormFactory.h"

#include "controls/qt/QtForm.h"

namespace controls {

std::unique_ptr<Form> createForm(const FormDescription& description)
{
    return std::make_unique<QtForm>(description);
}

} // namespace controls
