#pragma once

#include "controls/FormDescription.h"
#include "controls/PixelRect.h"
#include "controls/raster/DrawingLog.h"
#include "controls/raster/Raster.h"

#include <functional>
#include <vector>

namespace controls {

// Round rings over a board's picture, round the points that colour alone
// might not tell apart: a shape no other mark has, clear of the point's dot
// and of the keyboard cursor's square ring. Each change names the pixels it
// covers or uncovers.
class PointRings
{
public:
    using Centre = DrawingLog::DotCentre;
    using AreaHandler = std::function<void(const PixelRect& area)>;

    PointRings(const BoardMarkLook& look, const Raster& picture, AreaHandler changed);

    void setLook(const BoardMarkLook& look);
    void fitTo(const Raster& picture);

    bool empty() const { return centres_.empty(); }
    void setCentres(const std::vector<Centre>& centres);
    void drawOn(Raster& picture) const;

private:
    PixelRect ringBox(const Centre& centre) const;
    void changedAll() const;

    BoardMarkLook look_;
    AreaHandler changed_;
    double scale_ = 1;
    std::vector<Centre> centres_;
};

} // namespace controls
