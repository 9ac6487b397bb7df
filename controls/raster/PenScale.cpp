#include "controls/raster/PenScale.h"

#include <algorithm>
#include <string_view>

namespace controls {

namespace {

// A board's pen width is a 16-bit number; the cap also bounds the work of a
// line however wide a pen is asked for.
constexpr int WidestPen = 32767;

// The pattern of a one-pixel pen at scale 1, with Qt's lengths.
std::string_view dashesOf(DrawStyle style)
{
    switch (style) {
    case DrawStyle::Solid: return "#";
    case DrawStyle::Dash: return "####..";
    case DrawStyle::Dot: return "#..";
    case DrawStyle::DashDot: return "####..#..";
    case DrawStyle::DashDotDot: return "####..#..#..";
    }
    return "#";
}

// A length in design pixels as device pixels, within the widest pen.
int scaledLength(int length, const DeviceScale& scale)
{
    return std::min(scale.length(length), WidestPen);
}

// The pattern with each run of dashes or gaps scaled on its own, so that
// every dash and every dot keeps the same length along the line.
std::string scaledDashes(std::string_view dashes, const DeviceScale& scale)
{
    std::string scaled;
    for (std::size_t run = 0; run < dashes.size();) {
        const std::size_t end = std::min(dashes.find_first_not_of(dashes[run], run), dashes.size());
        scaled.append(std::size_t(scaledLength(int(end - run), scale)), dashes[run]);
        run = end;
    }
    return scaled;
}

} // namespace

PenScale::PenScale(const DeviceScale& scale)
    : scale_(scale)
{
    for (const DrawStyle style : {DrawStyle::Solid, DrawStyle::Dash, DrawStyle::Dot, DrawStyle::DashDot,
                                  DrawStyle::DashDotDot})
        dashes_[std::size_t(style)] = scaledDashes(dashesOf(style), scale_);
}

int PenScale::width(int designWidth) const
{
    return scaledLength(std::clamp(designWidth, 1, WidestPen), scale_);
}

} // namespace controls
