#include "controls/form/ContrastTheme.h"

#include "controls/form/ContrastRatio.h"
#include "controls/form/HighContrastLook.h"

#include <cmath>

namespace controls {

namespace {

// Contrast as themes are made to it, to two decimals: one contrast theme's
// selected text stands at 6.999:1.
bool reachesHighContrast(Rgb text, Rgb background)
{
    return std::round(contrastRatio(text, background) * 100) / 100 >= HighContrastLook::LeastContrast;
}

} // namespace

bool isContrastTheme(const SystemColours& colours)
{
    return reachesHighContrast(colours.windowText, colours.window)
           && reachesHighContrast(colours.buttonText, colours.buttonFace)
           && reachesHighContrast(colours.highlightText, colours.highlight);
}

} // namespace controls
