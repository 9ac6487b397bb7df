#pragma once

#include "controls/raster/ColourMap.h"
#include "controls/Pen.h"
#include "controls/raster/Raster.h"
#include "controls/Rgb.h"

#include <vector>

namespace controls {

// What a board has drawn since it was last cleared, in design pixels, so
// that the same picture can be drawn again at another display scale. A
// drawing that covers the same pixels as an earlier one replaces it, so the
// log stays as short as the picture is plain, however often points are
// drawn again in another colour.
class DrawingLog
{
public:
    void clear(Rgb background);
    void line(double x1, double y1, double x2, double y2, const Pen& pen);
    void dot(double x, double y, Rgb colour, int width);

    // The picture drawn anew on an image of the design size at the scale,
    // each colour shown as the map says.
    Raster replay(int width, int height, double scale, const ColourMap& colours = {}) const;

    struct DotCentre {
        double x;
        double y;
    };
    // Where the dots drawn in a colour show, in the order drawn.
    std::vector<DotCentre> dotsIn(Rgb colour) const;

private:
    struct Drawing {
        bool isDot = false;
        double x1 = 0;
        double y1 = 0;
        double x2 = 0;
        double y2 = 0;
        Pen pen;

        bool coversSamePixels(const Drawing& other) const;
    };

    void keep(const Drawing& drawing);

    Rgb background_{255, 255, 255};
    std::vector<Drawing> drawings_;
};

} // namespace controls
