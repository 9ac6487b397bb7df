#pragma once

namespace controls {

// The page's style sheet for the window's controls, controls/web/site/
// controls.css, built into the program so that it is there before the
// window is.
extern const char* const WebStyleSheet;

} // namespace controls
