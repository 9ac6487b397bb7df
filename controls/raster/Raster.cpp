#include "controls/raster/Raster.h"

#include "controls/raster/DotShape.h"
#include "controls/raster/LinePath.h"

#include <optional>
#include <vector>

namespace controls {

Raster::Raster(int width, int height, Rgb background, double scale)
    : PixelBuffer(DeviceScale(scale).extent(width), DeviceScale(scale).extent(height), background)
    , scale_(scale)
    , pens_(scale_)
{
}

void Raster::line(double x1, double y1, double x2, double y2, const Pen& pen)
{
    const std::string& dashes = pens_.dashes(pen.style);
    const std::optional<PixelLine> pixels =
        PixelLine::between({x1 * scale(), y1 * scale()}, {x2 * scale(), y2 * scale()}, dashes.size());
    if (!pixels)
        return;
    if (pen.width > 1) {
        wideLine(LinePath(pixels->from, pixels->to), pens_.width(pen.width), toBits(pen.colour));
        return;
    }
    // A one-pixel pen keeps its pattern at any scale: as many patterned
    // lines side by side as the pen is pixels thick, across the line's
    // shorter side, centred as a dot of that width is.
    const DotShape across(pens_.width(1));
    for (Coordinate offset = across.firstRow(); offset <= across.lastRow(); ++offset)
        patternedLine(pixels->shiftedAcross(offset), dashes, toBits(pen.colour));
}

void Raster::dot(double x, double y, Rgb colour, int width)
{
    // A centre too far off to be drawn exactly is too far off to reach the image.
    const std::optional<PixelPoint> centre = PixelLine::exactPixel({x * scale(), y * scale()});
    if (!centre)
        return;
    const std::uint32_t bits = toBits(colour);
    DotShape(pens_.width(width)).forEachRow(*centre, height(), [&](Coordinate row, Span columns) {
        fillSpan(row, columns.left, columns.right, bits);
    });
}

void Raster::wideLine(const LinePath& path, int penWidth, std::uint32_t colour)
{
    const std::vector<Span> rows = DotShape(penWidth).rowsAlong(path, width(), height());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (!rows[row].empty())
            fillSpan(Coordinate(row), rows[row].left, rows[row].right, colour);
    }
}

void Raster::patternedLine(const PixelLine& line, const std::string& dashes, std::uint32_t colour)
{
    if (line.straight()) {
        fillStraight(line, dashes, colour);
        return;
    }
    LinePath(line.from, line.to).forEachIn(Box{0, 0, width() - 1, height() - 1},
                                          [&](Coordinate x, Coordinate y, std::uint64_t steps) {
        if (dashes[(steps + std::uint64_t(line.stepsBefore)) % dashes.size()] == '#')
            fillSpan(y, x, x, colour);
    });
}

} // namespace controls
