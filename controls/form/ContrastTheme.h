#pragma once

#include "controls/SystemColours.h"

namespace controls {

// Whether a system's colours are a high-contrast theme, for a toolkit that
// is told the system's colours but not whether its high-contrast mode is
// on: the window's text, the buttons' captions and selected text each stand
// at least 7:1 on their backgrounds. Ordinary themes reach it for text but
// not for selected text, which they show on an accent colour.
bool isContrastTheme(const SystemColours& colours);

} // namespace controls
