// Lines and dots anywhere, of any width and pattern, at each display scale
// the program meets: the raster writes only inside its image (the address
// sanitizer watches), only in the colours it is given, and its changed area
// holds every pixel that changed.
#include "controls/raster/Raster.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr controls::Rgb White{255, 255, 255};
constexpr controls::Rgb Black{0, 0, 0};
constexpr double Scales[] = {1, 1.25, 1.5, 2};

class Bytes
{
public:
    Bytes(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }

    bool left(std::size_t count) const { return size_ - at_ >= count; }

    template <typename Value>
    Value take()
    {
        Value value{};
        std::memcpy(&value, data_ + at_, sizeof value);
        at_ += sizeof value;
        return value;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes bytes(data, size);
    if (!bytes.left(1))
        return 0;
    controls::Raster raster(343, 229, White, Scales[bytes.take<std::uint8_t>() % 4]);
    raster.takeChangedArea();
    const controls::Raster before = raster;
    constexpr std::size_t Drawing = 1 + 4 * sizeof(double) + sizeof(std::int16_t);
    while (bytes.left(Drawing)) {
        const std::uint8_t kind = bytes.take<std::uint8_t>();
        const double x1 = bytes.take<double>();
        const double y1 = bytes.take<double>();
        const double x2 = bytes.take<double>();
        const double y2 = bytes.take<double>();
        const int width = bytes.take<std::int16_t>() % 40;
        if (kind & 1)
            raster.dot(x1, y1, Black, width);
        else
            raster.line(x1, y1, x2, y2, {Black, width, controls::DrawStyle((kind >> 1) % 5)});
    }
    const controls::PixelRect changed = raster.takeChangedArea();
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            const controls::Rgb colour = raster.pixel(x, y);
            if (!(colour == White || colour == Black))
                std::abort();
            const bool inChanged = x >= changed.left && x < changed.left + changed.width && y >= changed.top
                                   && y < changed.top + changed.height;
            if (!(colour == before.pixel(x, y)) && !inChanged)
                std::abort();
        }
    }
    return 0;
}
