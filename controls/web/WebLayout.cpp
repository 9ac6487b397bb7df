#include "controls/web/WebLayout.h"

#include "controls/raster/DeviceScale.h"
#include "controls/form/Layout.h"
#include "controls/web/WebDom.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace controls {

using emscripten::val;

WebLayout::WebLayout(val window, int width, int height)
    : window_(std::move(window))
    , width_(width)
    , height_(height)
{
    placeAt(window_, PixelRect{0, 0, width_, height_});
}

void WebLayout::add(const val& element, const PixelRect& design)
{
    placeAt(element, design);
    placed_.push_back({element, design});
}

// The page's whole device pixels, without scroll bars; the window is laid
// out in them and written in CSS pixels. The page is measured with the
// window taking no room: a window still laid out for a larger page would
// give it scroll bars, which go once it fits, with no event to say so.
double WebLayout::fitToPage() const
{
    placeAt(window_, PixelRect{});
    const double ratio = val::global("devicePixelRatio").as<double>();
    const val page = document()["documentElement"];
    const int pageWidth = int(std::floor(page["clientWidth"].as<double>() * ratio));
    const int pageHeight = int(std::floor(page["clientHeight"].as<double>() * ratio));
    double scale = std::min(double(pageWidth) / width_, double(pageHeight) / height_);
    if (!(scale > 0)) // a page not shown: as designed
        scale = ratio;
    const DeviceScale device(scale);
    const PixelRect drawn = device.rect(PixelRect{0, 0, width_, height_});
    placeAt(window_, centredIn(PixelRect{0, 0, pageWidth, pageHeight}, drawn.width, drawn.height), 1 / ratio);
    window_["style"].call<void>("setProperty", val("--fit"), val(std::to_string(scale / ratio)));
    for (const Placed& placed : placed_)
        placeAt(placed.element, device.rect(placed.design), 1 / ratio);
    return scale;
}

} // namespace controls
