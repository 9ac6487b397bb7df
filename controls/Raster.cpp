#include "controls/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace controls {

namespace {

using Coordinate = std::int64_t;

struct Point {
    double x = 0;
    double y = 0;
};

struct PixelPoint {
    Coordinate x = 0;
    Coordinate y = 0;
};

// Inclusive bounds of the pixels worth visiting.
struct Box {
    Coordinate left = 0;
    Coordinate top = 0;
    Coordinate right = 0;
    Coordinate bottom = 0;

    bool contains(Coordinate x, Coordinate y) const
    {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};

// A board's pen width is a 16-bit number; the cap also bounds the work of a
// line however wide a pen is asked for.
constexpr int WidestPen = 32767;

// End points up to this far off are drawn exactly (see LinePath::minorAt).
constexpr double ExactLimit = 2147483647.0;
// Lines reaching further are first cut down to this square around the image.
constexpr double CutLimit = 1073741824.0;

constexpr std::uint32_t toBits(Rgb colour)
{
    return 0xFF000000u | std::uint32_t(colour.red) << 16 | std::uint32_t(colour.green) << 8
           | colour.blue;
}

constexpr Rgb toRgb(std::uint32_t bits)
{
    return Rgb{std::uint8_t(bits >> 16), std::uint8_t(bits >> 8), std::uint8_t(bits)};
}

int penWidth(int width)
{
    return std::clamp(width, 1, WidestPen);
}

// The pattern of a one-pixel pen, one character a pixel, with Qt's lengths.
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

// The pixel a point names, if it is near enough to be drawn exactly.
std::optional<PixelPoint> exactPixel(Point p)
{
    const double x = DeviceScale::roundHalfUp(p.x);
    const double y = DeviceScale::roundHalfUp(p.y);
    if (!(std::fabs(x) <= ExactLimit && std::fabs(y) <= ExactLimit))
        return std::nullopt;
    return PixelPoint{Coordinate(x), Coordinate(y)};
}

bool isSteep(PixelPoint from, PixelPoint to)
{
    return std::abs(to.y - from.y) > std::abs(to.x - from.x);
}

// Keeps the part of segment a–b on the image's side of the line where
// `along` equals `edge`; false when nothing is left. The end moved onto the
// edge gets the edge exactly and the other coordinate by interpolation, in
// halves so that no difference of two huge coordinates overflows.
bool keepInside(Point& a, Point& b, double Point::*along, double Point::*across, double edge)
{
    const auto beyond = [&](const Point& p) { return edge < 0 ? p.*along < edge : p.*along > edge; };
    if (beyond(a) && beyond(b))
        return false;
    const auto moveOntoEdge = [&](Point& outside, const Point& inside) {
        const double share = (edge * 0.5 - outside.*along * 0.5)
                             / (inside.*along * 0.5 - outside.*along * 0.5);
        const double halfShift = share * (inside.*across * 0.5 - outside.*across * 0.5);
        outside.*across += halfShift;
        outside.*across += halfShift;
        outside.*along = edge;
    };
    if (beyond(a))
        moveOntoEdge(a, b);
    else if (beyond(b))
        moveOntoEdge(b, a);
    return true;
}

// The pixels a line runs between, and the pattern steps that came before its
// first pixel because a far-off start was cut away, less whole periods.
struct PixelLine {
    PixelPoint from;
    PixelPoint to;
    int stepsBefore = 0;
};

std::optional<PixelLine> toPixelLine(Point from, Point to, std::size_t period)
{
    if (!std::isfinite(from.x) || !std::isfinite(from.y) || !std::isfinite(to.x)
        || !std::isfinite(to.y))
        return std::nullopt;
    const auto exactFrom = exactPixel(from);
    const auto exactTo = exactPixel(to);
    if (exactFrom && exactTo)
        return PixelLine{*exactFrom, *exactTo};

    Point a = from;
    Point b = to;
    for (const double edge : {-CutLimit, CutLimit}) {
        if (!keepInside(a, b, &Point::x, &Point::y, edge) || !keepInside(a, b, &Point::y, &Point::x, edge))
            return std::nullopt;
    }
    const auto cutFrom = exactPixel(a);
    const auto cutTo = exactPixel(b);
    if (!cutFrom || !cutTo)
        return std::nullopt;
    const double Point::*major = isSteep(*cutFrom, *cutTo) ? &Point::y : &Point::x;
    const double skipped = std::fabs(DeviceScale::roundHalfUp(a.*major) - DeviceScale::roundHalfUp(from.*major));
    return PixelLine{*cutFrom, *cutTo, int(std::fmod(skipped, double(period)))};
}

// The pixels of a one-pixel line: one for each step along the axis the line
// spans more of, on the pixel the exact line across it rounds to, halves
// upwards like any coordinate. Rounding the exact position, rather than
// carrying an error term from the start, gives the same pixels whichever end
// the line is drawn from, and lets a clipped line start anywhere along it.
class LinePath
{
public:
    LinePath(PixelPoint from, PixelPoint to)
        : steep_(isSteep(from, to)),
          major_(steep_ ? from.y : from.x),
          minor_(steep_ ? from.x : from.y),
          majorEnd_(steep_ ? to.y : to.x),
          rise_((steep_ ? to.x : to.y) - minor_),
          length_(std::uint64_t(std::abs(majorEnd_ - major_)))
    {
    }

    // Calls visit(x, y, steps) for each pixel of the line inside `box`, with
    // the steps from the first point.
    template<typename Visit>
    void forEachIn(const Box& box, Visit visit) const
    {
        const Coordinate low = std::max(std::min(major_, majorEnd_), steep_ ? box.top : box.left);
        const Coordinate high = std::min(std::max(major_, majorEnd_), steep_ ? box.bottom : box.right);
        for (Coordinate major = low; major <= high; ++major) {
            const auto steps = std::uint64_t(std::abs(major - major_));
            const Coordinate minor = minorAt(steps);
            const Coordinate x = steep_ ? minor : major;
            const Coordinate y = steep_ ? major : minor;
            if (box.contains(x, y))
                visit(x, y, steps);
        }
    }

private:
    // Exact: end points within 32 bits keep both factors below 2^32, so the
    // product fits in 64 unsigned bits.
    Coordinate minorAt(std::uint64_t steps) const
    {
        if (rise_ == 0)
            return minor_;
        const std::uint64_t product = steps * std::uint64_t(std::abs(rise_));
        const auto whole = Coordinate(product / length_);
        const std::uint64_t twiceRest = 2 * (product % length_);
        if (rise_ >= 0)
            return minor_ + whole + (twiceRest >= length_ ? 1 : 0);
        return minor_ - whole - (twiceRest > length_ ? 1 : 0);
    }

    bool steep_;
    Coordinate major_;
    Coordinate minor_;
    Coordinate majorEnd_;
    Coordinate rise_;
    std::uint64_t length_;
};

// A line along a row or a column, as the grid's lines are. Its pixels follow
// one another, so the pattern is stepped along them instead of being worked
// out for each pixel. Tells mark(vertical, across, first, last) the run of
// pixels along the line that it drew, if it drew any.
template<typename Mark>
void drawStraight(const PixelLine& line, std::string_view dashes, std::uint32_t colour,
                  std::uint32_t* pixels, int width, int height, Mark mark)
{
    const bool vertical = line.from.x == line.to.x && line.from.y != line.to.y;
    const Coordinate across = vertical ? line.from.x : line.from.y;
    if (across < 0 || across >= (vertical ? width : height))
        return;
    const Coordinate start = vertical ? line.from.y : line.from.x;
    const Coordinate end = vertical ? line.to.y : line.to.x;
    const Coordinate low = std::max<Coordinate>(std::min(start, end), 0);
    const Coordinate high = std::min<Coordinate>(std::max(start, end), (vertical ? height : width) - 1);
    if (low > high)
        return;
    // Walked from the end nearer the line's first point, so the pattern runs on.
    const Coordinate direction = end >= start ? 1 : -1;
    const Coordinate first = direction > 0 ? low : high;
    std::size_t phase = std::size_t((std::uint64_t(std::abs(first - start)) + std::uint64_t(line.stepsBefore))
                                    % dashes.size());
    const std::ptrdiff_t stride = direction * (vertical ? width : 1);
    std::uint32_t* pixel = pixels + (vertical ? first * width + across : across * width + first);
    Coordinate drawnFirst = -1;
    Coordinate drawnLast = -1;
    for (Coordinate along = first; along >= low && along <= high; along += direction, pixel += stride) {
        if (dashes[phase] == '#') {
            *pixel = colour;
            drawnFirst = drawnFirst < 0 ? along : drawnFirst;
            drawnLast = along;
        }
        phase = phase + 1 == dashes.size() ? 0 : phase + 1;
    }
    if (drawnFirst >= 0)
        mark(vertical, across, std::min(drawnFirst, drawnLast), std::max(drawnFirst, drawnLast));
}

// Exact for every width up to WidestPen: the argument stays below 2^52.
Coordinate integerSquareRoot(Coordinate n)
{
    return Coordinate(std::sqrt(double(n)));
}

// A run of pixels along a row, both ends included; empty when left > right.
struct Span {
    Coordinate left = std::numeric_limits<Coordinate>::max();
    Coordinate right = std::numeric_limits<Coordinate>::min();

    bool empty() const { return left > right; }
    void include(Span other)
    {
        left = std::min(left, other.left);
        right = std::max(right, other.right);
    }
};

// The rows a dot covers, counted from its centre pixel's.
Coordinate firstDotRow(int width)
{
    return -(width - 1) / 2;
}

Coordinate lastDotRow(int width)
{
    return width / 2;
}

// A dot is the pixels whose centres lie inside a circle `width` pixels
// across. An odd width centres the circle on the pixel's centre: width 1 is
// the pixel alone, 3 a 3 × 3 square, 5 rows of 3, 5, 5, 5, 3 (Qt's
// round-capped point). An even width cannot be centred on a pixel; its
// circle is centred on the pixel's lower right corner, so 2 is a 2 × 2 square
// and 4 rows of 2, 4, 4, 2, reaching one pixel further right and down, as
// Qt's even-width points do. Distances are counted in half pixels, where
// every comparison is exact. This gives the columns of the dot's row `row`,
// both counted from its centre pixel.
Span dotRow(int width, Coordinate row)
{
    const Coordinate offCentre = 1 - width % 2;
    const Coordinate across = 2 * row - offCentre;
    // The widest distance along the row still inside the circle; column i
    // lies 2i - offCentre from its centre. On the outermost rows
    // width² - across² is still 2 × width - 1, so no row is empty.
    const Coordinate along = integerSquareRoot(Coordinate(width) * width - across * across - 1);
    return Span{-((along - offCentre) / 2), (along + offCentre) / 2};
}

// Calls visit(row, columns) for each row of a dot that lies within `height`
// rows, with the columns in the image's terms.
template<typename Visit>
void forEachDotRow(PixelPoint centre, int width, int height, Visit visit)
{
    const Coordinate top = std::max<Coordinate>(centre.y + firstDotRow(width), 0);
    const Coordinate bottom = std::min<Coordinate>(centre.y + lastDotRow(width), height - 1);
    for (Coordinate row = top; row <= bottom; ++row) {
        const Span columns = dotRow(width, row - centre.y);
        visit(row, Span{centre.x + columns.left, centre.x + columns.right});
    }
}

// What a wide pen covers on each row of an image: the dots at the line's
// pixels. Each dot covers its centre column on every one of its rows, and
// the line goes one way, each pixel at most one column and one row from the
// last, so the dots sharing a row overlap or touch there: one span a row
// holds them all, and every pixel is written once however many dots cover it.
std::vector<Span> wideLineRows(const LinePath& path, int width, int imageWidth, int imageHeight)
{
    std::vector<Span> rows(static_cast<std::size_t>(imageHeight));
    const Coordinate reach = lastDotRow(width);
    const Box reaching{-reach, -reach, imageWidth - 1 + reach, imageHeight - 1 + reach};
    path.forEachIn(reaching, [&](Coordinate x, Coordinate y, std::uint64_t) {
        forEachDotRow({x, y}, width, imageHeight, [&](Coordinate row, Span columns) {
            rows[std::size_t(row)].include(columns);
        });
    });
    return rows;
}

} // namespace

Raster::Raster(int width, int height, Rgb background, double scale)
    : scale_(scale),
      width_(scale_.extent(width)),
      height_(scale_.extent(height)),
      pixels_(std::size_t(width_) * std::size_t(height_))
{
    for (const DrawStyle style : {DrawStyle::Solid, DrawStyle::Dash, DrawStyle::Dot, DrawStyle::DashDot,
                                  DrawStyle::DashDotDot})
        dashes_[std::size_t(style)] = scaledDashes(dashesOf(style), scale_);
    fill(background);
}

Rgb Raster::pixel(int x, int y) const
{
    if (x < 0 || x >= width_ || y < 0 || y >= height_)
        return Rgb{};
    return toRgb(pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]);
}

// One row is painted and copied to the others, which the library copies
// many pixels at a time.
void Raster::fill(Rgb colour)
{
    if (pixels_.empty())
        return;
    const auto firstRow = pixels_.begin();
    std::fill(firstRow, firstRow + width_, toBits(colour));
    for (auto row = firstRow + width_; row != pixels_.end(); row += width_)
        std::copy(firstRow, firstRow + width_, row);
    changed_ = PixelRect{0, 0, width_, height_};
}

void Raster::line(double x1, double y1, double x2, double y2, const Pen& pen)
{
    const std::string& dashes = dashes_[std::size_t(pen.style)];
    const std::optional<PixelLine> pixels =
        toPixelLine({x1 * scale(), y1 * scale()}, {x2 * scale(), y2 * scale()}, dashes.size());
    if (!pixels)
        return;
    const std::uint32_t colour = toBits(pen.colour);
    if (penWidth(pen.width) > 1) {
        const LinePath path(pixels->from, pixels->to);
        const int width = scaledLength(penWidth(pen.width), scale_);
        const std::vector<Span> rows = wideLineRows(path, width, width_, height_);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (!rows[row].empty())
                fillSpan(Coordinate(row), rows[row].left, rows[row].right, colour);
        }
        return;
    }
    // A one-pixel pen keeps its pattern at any scale: as many patterned
    // lines side by side as the pen is pixels thick, across the line's
    // shorter side, centred as a dot of that width is.
    const auto drawOne = [&](const PixelLine& one) {
        if (one.from.x == one.to.x || one.from.y == one.to.y) {
            drawStraight(one, dashes, colour, pixels_.data(), width_, height_,
                         [this](bool vertical, Coordinate across, Coordinate first, Coordinate last) {
                             if (vertical)
                                 markChanged(int(across), int(first), int(across), int(last));
                             else
                                 markChanged(int(first), int(across), int(last), int(across));
                         });
            return;
        }
        LinePath(one.from, one.to).forEachIn(Box{0, 0, width_ - 1, height_ - 1},
                                             [&](Coordinate x, Coordinate y, std::uint64_t steps) {
            if (dashes[(steps + std::uint64_t(one.stepsBefore)) % dashes.size()] == '#')
                fillSpan(y, x, x, colour);
        });
    };
    const int thickness = scaledLength(1, scale_);
    Coordinate PixelPoint::*across = isSteep(pixels->from, pixels->to) ? &PixelPoint::x : &PixelPoint::y;
    for (Coordinate offset = firstDotRow(thickness); offset <= lastDotRow(thickness); ++offset) {
        PixelLine shifted = *pixels;
        shifted.from.*across += offset;
        shifted.to.*across += offset;
        drawOne(shifted);
    }
}

void Raster::dot(double x, double y, Rgb colour, int width)
{
    // A centre too far off to be drawn exactly is too far off to reach the image.
    const std::optional<PixelPoint> centre = exactPixel({x * scale(), y * scale()});
    if (!centre)
        return;
    const std::uint32_t bits = toBits(colour);
    forEachDotRow(*centre, scaledLength(penWidth(width), scale_), height_, [&](Coordinate row, Span columns) {
        fillSpan(row, columns.left, columns.right, bits);
    });
}

void Raster::fillRect(const PixelRect& area, Rgb colour)
{
    const PixelRect inside = clipped(area);
    for (int y = inside.top; y < inside.top + inside.height; ++y)
        fillSpan(y, inside.left, inside.left + inside.width - 1, toBits(colour));
}

void Raster::copyArea(const Raster& source, const PixelRect& area)
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

PixelRect Raster::clipped(const PixelRect& area) const
{
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    const int right = std::min(area.left + area.width, width_);
    const int bottom = std::min(area.top + area.height, height_);
    if (area.empty() || right <= left || bottom <= top)
        return {};
    return PixelRect{left, top, right - left, bottom - top};
}

PixelRect Raster::takeChangedArea()
{
    return std::exchange(changed_, PixelRect{});
}

void Raster::fillSpan(std::int64_t y, std::int64_t left, std::int64_t right, std::uint32_t colour)
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

void Raster::markChanged(int left, int top, int right, int bottom)
{
    if (!changed_.empty()) {
        left = std::min(left, changed_.left);
        top = std::min(top, changed_.top);
        right = std::max(right, changed_.left + changed_.width - 1);
        bottom = std::max(bottom, changed_.top + changed_.height - 1);
    }
    changed_ = PixelRect{left, top, right - left + 1, bottom - top + 1};
}

} // namespace controls
