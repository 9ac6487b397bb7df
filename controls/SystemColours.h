#pragma once

#include "controls/Rgb.h"

namespace controls {

// The colours a system in a high-contrast mode gives its windows, as the
// toolkit reads them; the window's look is made from these alone.
struct SystemColours {
    // The background of windows and text, and the text on it.
    Rgb window;
    Rgb windowText;
    // Selected items, and their text.
    Rgb highlight;
    Rgb highlightText;
    // Text that cannot be used now.
    Rgb grayText;
    // Buttons' faces, and their captions.
    Rgb buttonFace;
    Rgb buttonText;
};

} // namespace controls
