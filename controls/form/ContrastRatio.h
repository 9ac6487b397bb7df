#pragma once

#include "controls/Rgb.h"

namespace controls {

// How far apart two colours are to the eye, as WCAG measures it: from 1 for
// the same colour to 21 for black on white.
double contrastRatio(Rgb first, Rgb second);

} // namespace controls
