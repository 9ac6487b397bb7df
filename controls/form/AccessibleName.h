#pragma once

#include "controls/FormDescription.h"

#include <string>

namespace controls {

// The label right above a control, as a sighted user reads the window: its
// lower edge meets the control's top and it spans at least half the
// control's width. Null when no label does.
const ControlDescription* labelAbove(const FormDescription& window, const ControlDescription& control);

// The name a screen reader gives a control: a label's or a button's own
// caption; for any other control the caption of the label above it;
// failing both, the name the design gives it. Line ends are left out.
std::string accessibleNameOf(const FormDescription& window, const ControlDescription& control);

} // namespace controls
