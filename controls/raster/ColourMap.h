#pragma once

#include "controls/FormDescription.h"
#include "controls/Rgb.h"

namespace controls {

// Which colour the board shows for each colour the program draws in: the
// same one in the design's look, the colour given to the same meaning in
// another look. A colour the design does not name is ink.
class ColourMap
{
public:
    // Every colour shown as drawn.
    ColourMap() = default;
    ColourMap(const BoardColoursLook& drawn, const BoardColoursLook& shown);

    Rgb operator()(Rgb drawn) const;

private:
    bool maps_ = false;
    BoardColoursLook drawn_;
    BoardColoursLook shown_;
};

} // namespace controls
