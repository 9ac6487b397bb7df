#include "tests/scenarios/ScenarioSupport.h"

#include "board/PointSelection.h"

#include <algorithm>

void pressAll(Driver& driver, const std::vector<Pixel>& presses)
{
    for (const Pixel at : presses)
        driver.pressBoard(at.x, at.y);
}

void enterPoints(Driver& driver, const std::vector<Pixel>& gridPoints)
{
    for (const Pixel point : gridPoints)
        driver.pressBoard(point.x * GridStep, point.y * GridStep);
}

Lines areaBlock(const std::vector<Pixel>& points, const std::string& area)
{
    Lines block{reportLines::AreaHeading};
    for (const Pixel point : points)
        block.push_back(std::to_string(point.x) + ", " + std::to_string(point.y) + ", 1");
    block.push_back(reportLines::AreaLabel + area);
    return block;
}

std::string reportOf(const Lines& lines)
{
    std::string result;
    for (const std::string& line : lines)
        result += line + "\r\n";
    return result;
}

controls::PixelRect changedArea(const controls::Raster& before, const controls::Raster& after)
{
    controls::PixelRect area;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (!(before.pixel(x, y) == after.pixel(x, y)))
                area = unite(area, {x, y, 1, 1});
        }
    }
    return area;
}

bool sameImage(const controls::Raster& a, const controls::Raster& b)
{
    const auto size = std::size_t(a.width()) * std::size_t(a.height());
    return a.width() == b.width() && a.height() == b.height() && std::equal(a.bits(), a.bits() + size, b.bits());
}

controls::PixelRect dotArea(Pixel crossing)
{
    return {crossing.x - 2, crossing.y - 2, 5, 5};
}

namespace {

bool inside(const controls::Raster& image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}

} // namespace

std::optional<controls::Rgb> dotColour(const controls::Raster& image, Pixel crossing)
{
    std::optional<controls::Rgb> seen;
    for (const Pixel offset : {Pixel{-1, -1}, Pixel{1, -1}, Pixel{-1, 1}, Pixel{1, 1}}) {
        const int x = crossing.x + offset.x;
        const int y = crossing.y + offset.y;
        if (!inside(image, x, y))
            continue;
        if (seen && !(*seen == image.pixel(x, y)))
            return std::nullopt;
        seen = image.pixel(x, y);
    }
    return seen;
}

bool markedAt(const controls::Raster& image, Pixel centre)
{
    for (int dy = -4; dy <= 4; ++dy) {
        for (int dx = -4; dx <= 4; ++dx) {
            if (!inside(image, centre.x + dx, centre.y + dy))
                continue;
            const int squared = dx * dx + dy * dy;
            const bool marked = image.pixel(centre.x + dx, centre.y + dy) == DarkRed;
            if ((squared <= 4 && !marked) || (squared >= 9 && marked))
                return false;
        }
    }
    return true;
}

std::vector<int> selectedRows(Driver& driver)
{
    std::vector<int> rows;
    for (std::int16_t list = 0; list < lists::Count; ++list)
        rows.push_back(driver.window().List1(list).ListIndex());
    return rows;
}

ListClicks::ListClicks(Window& window)
{
    for (std::int16_t list = 0; list < lists::Count; ++list) {
        window.List1(list).OnClick([this, &window, list] {
            ++counts_.at(std::size_t(list));
            List1_Click(window, list);
        });
    }
}
