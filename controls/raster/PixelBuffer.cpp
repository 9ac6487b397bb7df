#include "controls/raster/PixelBuffer.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <utility>

namespace controls {

namespace {

constexpr Rgb toRgb(std::uint32_t bits)
{
    return Rgb{std::uint8_t(bits >> 16), std::uint8_t(bits >> 8), std::uint8_t(bits)};
}

// The pixels of a line along a row or a column that lie in a buffer, walked
// from the end nearer the line's first point, so that the pattern runs on.
struct StraightRun {
    bool vertical = false;
    Coordinate across = 0;
    Coordinate low = 0;
    Coordinate high = 0;
    Coordinate first = 0;
    Coordinate direction = 1;
    // The pattern's step at the first pixel.
    std::size_t phase = 0;
};

std::optional<StraightRun> straightRunOf(const PixelLine& line, std::size_t period, int width, int height)
{
    StraightRun run;
    run.vertical = line.from.x == line.to.x && line.from.y != line.to.y;
    run.across = run.vertical ? line.from.x : line.from.y;
    if (run.across < 0 || run.across >= (run.vertical ? width : height))
        return std::nullopt;
    const Coordinate start = run.vertical ? line.from.y : line.from.x;
    const Coordinate end = run.vertical ? line.to.y : line.to.x;
    run.low = std::max<Coordinate>(std::min(start, end), 0);
    run.high = std::min<Coordinate>(std::max(start, end), (run.vertical ? height : width) - 1);
    if (run.low > run.high)
        return std::nullopt;
    run.direction = end >= start ? 1 : -1;
    run.first = run.direction > 0 ? run.low : run.high;
    run.phase = std::size_t((std::uint64_t(std::abs(run.first - start)) + std::uint64_t(line.stepsBefore)) % period);
    return run;
}

} // namespace

// Painted as the buffer is made: one pass over the pixels, not two.
PixelBuffer::PixelBuffer(int width, int height, Rgb colour)
    : width_(width)
    , height_(height)
    , pixels_(std::size_t(width_) * std::size_t(height_), toBits(colour))
    , changed_(pixels_.empty() ? PixelRect{} : PixelRect{0, 0, width_, height_})
{
}

Rgb PixelBuffer::pixel(int x, int y) const
{
    if (x < 0 || x >= width_ || y < 0 || y >= height_)
        return Rgb{};
    return toRgb(pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]);
}

// One pass over every pixel, which compilers turn into wide stores; copying
// a painted row to the others would, in the browser, call out to JavaScript
// for each row.
void PixelBuffer::fill(Rgb colour)
{
    if (pixels_.empty())
        return;
    std::fill(pixels_.begin(), pixels_.end(), toBits(colour));
    changed_ = PixelRect{0, 0, width_, height_};
}

void PixelBuffer::fillRect(const PixelRect& area, Rgb colour)
{
    const PixelRect inside = clipped(area);
    for (int y = inside.top; y < inside.top + inside.height; ++y)
        fillSpan(y, inside.left, inside.left + inside.width - 1, toBits(colour));
}

void PixelBuffer::copyArea(const PixelBuffer& source, const PixelRect& area)
{
    if (source.width_ != width_ || source.height_ != height_)
        return;
    const PixelRect inside = clipped(area);
    for (int y = inside.top; y < inside.top + inside.height; ++y) {
        const std::size_t start = std::size_t(y) * std::size_t(width_) + std::size_t(inside.left);
        std::copy_n(source.pixels_.begin() + std::ptrdiff_t(start), inside.width,
                    pixels_.begin() + std::ptrdiff_t(start));
    }
    if (!inside.empty())
        markChanged(inside.left, inside.top, inside.left + inside.width - 1, inside.top + inside.height - 1);
}

PixelRect PixelBuffer::takeChangedArea()
{
    return std::exchange(changed_, PixelRect{});
}

void PixelBuffer::fillSpan(Coordinate y, Coordinate left, Coordinate right, std::uint32_t colour)
{
    if (y < 0 || y >= height_)
        return;
    const int first = int(std::max<Coordinate>(left, 0));
    const int last = int(std::min<Coordinate>(right, width_ - 1));
    if (first > last)
        return;
    const auto row = pixels_.begin() + std::ptrdiff_t(y) * width_;
    std::fill(row + first, row + last + 1, colour);
    markChanged(first, int(y), last, int(y));
}

// A line along a row or a column, as the grid's lines are. Its pixels follow
// one another, so the pattern is stepped along them instead of being worked
// out for each pixel.
void PixelBuffer::fillStraight(const PixelLine& line, std::string_view dashes, std::uint32_t colour)
{
    const std::optional<StraightRun> run = straightRunOf(line, dashes.size(), width_, height_);
    if (!run)
        return;
    const std::ptrdiff_t stride = run->direction * (run->vertical ? width_ : 1);
    std::uint32_t* pixel =
        pixels_.data() + (run->vertical ? run->first * width_ + run->across : run->across * width_ + run->first);
    std::size_t phase = run->phase;
    Coordinate drawnFirst = -1;
    Coordinate drawnLast = -1;
    for (Coordinate along = run->first; along >= run->low && along <= run->high;
         along += run->direction, pixel += stride) {
        if (dashes[phase] == '#') {
            *pixel = colour;
            drawnFirst = drawnFirst < 0 ? along : drawnFirst;
            drawnLast = along;
        }
        phase = phase + 1 == dashes.size() ? 0 : phase + 1;
    }
    if (drawnFirst < 0)
        return;
    const auto [from, to] = std::minmax(drawnFirst, drawnLast);
    if (run->vertical)
        markChanged(int(run->across), int(from), int(run->across), int(to));
    else
        markChanged(int(from), int(run->across), int(to), int(run->across));
}

void PixelBuffer::markChanged(int left, int top, int right, int bottom)
{
    if (!changed_.empty()) {
        left = std::min(left, changed_.left);
        top = std::min(top, changed_.top);
        right = std::max(right, changed_.left + changed_.width - 1);
        bottom = std::max(bottom, changed_.top + changed_.height - 1);
    }
    changed_ = PixelRect{left, top, right - left + 1, bottom - top + 1};
}

PixelRect PixelBuffer::clipped(const PixelRect& area) const
{
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    const int right = std::min(area.left + area.width, width_);
    const int bottom = std::min(area.top + area.height, height_);
    if (area.empty() || right <= left || bottom <= top)
        return {};
    return PixelRect{left, top, right - left, bottom - top};
}

} // namespace controls
