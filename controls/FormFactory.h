#pragma once

#include "controls/Form.h"
#include "controls/FormDescription.h"

#include <memory>

namespace controls {

// Builds the real window and its controls with whichever toolkit this
// program was linked against. The window stays hidden until Show().
std::unique_ptr<Form> createForm(const FormDescription& description);

} // namespace controls
