#include "controls/raster/ColourMap.h"

namespace controls {

ColourMap::ColourMap(const BoardColoursLook& drawn, const BoardColoursLook& shown)
    : maps_(!(drawn == shown))
    , drawn_(drawn)
    , shown_(shown)
{
}

Rgb ColourMap::operator()(Rgb drawn) const
{
    if (!maps_)
        return drawn;
    if (drawn == drawn_.paper)
        return shown_.paper;
    if (drawn == drawn_.marked)
        return shown_.marked;
    return shown_.ink;
}

} // namespace controls
