#include "controls/form/PointRings.h"

#include "controls/raster/DeviceScale.h"

#include <utility>

namespace controls {

namespace {

bool sameCentres(const std::vector<PointRings::Centre>& a, const std::vector<PointRings::Centre>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].x != b[i].x || a[i].y != b[i].y)
            return false;
    }
    return true;
}

} // namespace

PointRings::PointRings(const BoardMarkLook& look, const Raster& picture, AreaHandler changed)
    : look_(look)
    , changed_(std::move(changed))
    , scale_(picture.scale())
{
}

void PointRings::setLook(const BoardMarkLook& look)
{
    changedAll();
    look_ = look;
    changedAll();
}

void PointRings::fitTo(const Raster& picture)
{
    scale_ = picture.scale();
}

void PointRings::setCentres(const std::vector<Centre>& centres)
{
    if (sameCentres(centres, centres_))
        return;
    changedAll();
    centres_ = centres;
    changedAll();
}

// The ring lies one pixel beyond the keyboard cursor's reach, so the two
// never cover each other, and is as thick as the other marks.
void PointRings::drawOn(Raster& picture) const
{
    const DeviceScale scale(scale_);
    const int inner = scale.extent(look_.ringReach + 1);
    const int outer = inner + scale.length(look_.thickness);
    for (const Centre& centre : centres_) {
        const int cx = scale.pixel(centre.x);
        const int cy = scale.pixel(centre.y);
        for (int dy = -outer; dy <= outer; ++dy) {
            for (int dx = -outer; dx <= outer; ++dx) {
                const int distance = dx * dx + dy * dy;
                if (distance > inner * inner && distance <= outer * outer)
                    picture.fillRect(PixelRect{cx + dx, cy + dy, 1, 1}, look_.colour);
            }
        }
    }
}

PixelRect PointRings::ringBox(const Centre& centre) const
{
    const DeviceScale scale(scale_);
    const int outer = scale.extent(look_.ringReach + 1) + scale.length(look_.thickness);
    return PixelRect{scale.pixel(centre.x) - outer, scale.pixel(centre.y) - outer, 2 * outer + 1, 2 * outer + 1};
}

void PointRings::changedAll() const
{
    for (const Centre& centre : centres_)
        changed_(ringBox(centre));
}

} // namespace controls
