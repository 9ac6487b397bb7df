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
    , page_(pageArea())
{
}

void WebLayout::add(const val& element, const PixelRect& design, LaidOut laidOut)
{
    if (laidOut == LaidOut::No)
        placeAt(element, design);
    placed_.push_back({element, design, laidOut});
}

// The page's whole device pixels, without scroll bars.
PixelRect WebLayout::pageArea()
{
    const double ratio = val::global("devicePixelRatio").as<double>();
    const val page = document()["documentElement"];
    return PixelRect{0, 0, int(std::floor(page["clientWidth"].as<double>() * ratio)),
                     int(std::floor(page["clientHeight"].as<double>() * ratio))};
}

double WebLayout::scaleIn(const PixelRect& page) const
{
    const double scale = std::min(double(page.width) / width_, double(page.height) / height_);
    return scale > 0 ? scale : val::global("devicePixelRatio").as<double>(); // a page not shown: as designed
}

double WebLayout::pageScale() const
{
    return scaleIn(page_);
}

// The page is measured with the window taking no room: a window still laid
// out for a larger page would give it scroll bars, which go once it fits,
// with no event to say so. A window made but not yet shown takes none: it
// is not in the page yet, or it is the page's start window, which is fixed.
double WebLayout::fitToPage()
{
    placeAt(window_, PixelRect{});
    page_ = pageArea();
    return fitToMeasuredPage();
}

// The window is laid out in the page's device pixels and written in CSS
// pixels.
double WebLayout::fitToMeasuredPage(LaidOut laidOut) const
{
    const double scale = scaleIn(page_);
    const double ratio = val::global("devicePixelRatio").as<double>();
    const DeviceScale device(scale);
    if (laidOut == LaidOut::No) {
        const PixelRect drawn = device.rect(PixelRect{0, 0, width_, height_});
        placeAt(window_, centredIn(page_, drawn.width, drawn.height), 1 / ratio);
        window_["style"].call<void>("setProperty", val("--fit"), val(std::to_string(scale / ratio)));
    }
    for (const Placed& placed : placed_) {
        if (laidOut == LaidOut::No || placed.laidOut == LaidOut::No)
            placeAt(placed.element, device.rect(placed.design), 1 / ratio);
    }
    return scale;
}

} // namespace controls
