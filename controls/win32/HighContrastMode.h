#pragma once

#include "controls/SystemColours.h"

#include <optional>

namespace controls {

// The system's high-contrast mode as Windows reports it: the colours of its
// contrast theme while a pupil has it on, none while it is off.
std::optional<SystemColours> highContrastColours();

} // namespace controls
