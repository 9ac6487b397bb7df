#include "controls/win32/EdgeBands.h"

#include "controls/win32/ColourRef.h"
#include "controls/win32/GdiObject.h"

namespace controls {

void fillEdgeBands(HDC context, const BoardEdge& edge, const RECT& outer, double scale)
{
    const PixelRect area{outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
    for (const BoardEdge::Band& band : edge.bands(area, scale)) {
        const RECT filled{band.area.left, band.area.top, band.area.left + band.area.width,
                          band.area.top + band.area.height};
        const GdiObject<HBRUSH> colour(CreateSolidBrush(toColourRef(band.colour)));
        FillRect(context, &filled, colour.get());
    }
}

// An edge's top and left sides are its "shadow", its bottom and right its
// "light": a raised edge has its light on the top and the left.
EdgeLook buttonEdge(int width, bool pressed)
{
    const Rgb light = systemColour(COLOR_3DLIGHT);
    const Rgb highlight = systemColour(COLOR_3DHILIGHT);
    const Rgb shadow = systemColour(COLOR_3DSHADOW);
    const Rgb darkShadow = systemColour(COLOR_3DDKSHADOW);
    if (pressed)
        return EdgeLook{width, shadow, highlight, darkShadow, light};
    return EdgeLook{width, light, darkShadow, highlight, shadow};
}

} // namespace controls
