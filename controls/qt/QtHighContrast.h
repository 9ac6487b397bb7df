#pragma once

#include "controls/SystemColours.h"

#include <optional>

namespace controls {

// The system's high-contrast colours as a Qt program is told them: by the
// application's palette, while that palette is a high-contrast one; none
// otherwise.
//
// It is one when the style is one made for high contrast, by its name:
// GNOME's high contrast reaches Qt programs as the Adwaita-HighContrast
// styles, which bring their own palette. It is one too when the palette was
// put in place apart from the style, by the platform theme from the
// desktop's colour scheme (KDE's, qt6ct's) or by the pupil's session, and
// its colours are a contrast theme's. A style's own palette alone never is:
// Qt's Windows style or a dark style is strong by design, not because the
// pupil asked for it.
std::optional<SystemColours> highContrastColours();

} // namespace controls
