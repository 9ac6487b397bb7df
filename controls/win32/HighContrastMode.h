#pragma once

#include "controls/SystemColours.h"

#include <optional>

namespace controls {

// Where Windows keeps the mode for the user, under HKEY_CURRENT_USER, so
// that it lasts over a new session: the value "Flags", the HIGHCONTRAST
// flags as a decimal number.
inline constexpr const wchar_t* KeptHighContrastKey = L"Control Panel\\Accessibility\\HighContrast";

// The system's high-contrast mode as Windows reports it: the colours of its
// contrast theme while a pupil has it on, none while it is off.
std::optional<SystemColours> highContrastColours();

} // namespace controls
