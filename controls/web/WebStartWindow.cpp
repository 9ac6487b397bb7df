#include "controls/web/WebStartWindow.h"

#include "controls/web/WebBuildStamp.h"
#include "controls/web/WebDom.h"

#include <cmath>

namespace controls {

using emscripten::val;

namespace {

// The page's start window of that id, while it is still inert, where this
// program is the one it was taken from. One of another build goes, with the
// style sheet it came with, and the window is made anew; no longer inert,
// it is no longer fitted to the page, nor is input on the page kept for it.
val startWindow(const std::string& id)
{
    val window = document().call<val>("getElementById", val(id));
    if (window.isNull() || !window["inert"].isTrue())
        return val::null();
    if (window.call<val>("getAttribute", val(WebStartWindow::BuildAttribute)).strictlyEquals(val(DRELVIK_BUILD_STAMP)))
        return window;
    window.call<void>("removeAttribute", val("inert"));
    window.call<void>("remove");
    const val sheet = document().call<val>("getElementById", val(WebStartWindow::StyleSheetId));
    if (!sheet.isNull())
        sheet.call<void>("remove");
    return val::null();
}

} // namespace

WebStartWindow::WebStartWindow(const std::string& id)
    : window_(startWindow(id))
    , pictures_(shown() ? window_.call<val>("querySelectorAll", val("img.board")) : val::null())
    , announcers_(shown() ? window_.call<val>("querySelectorAll", val(".announcer")) : val::null())
{
}

val WebStartWindow::element(const std::string& id) const
{
    if (!shown())
        return val::null();
    const val element = document().call<val>("getElementById", val(id));
    return !element.isNull() && window_.call<bool>("contains", element) ? element : val::null();
}

bool WebStartWindow::fittedTo(const PixelRect& page) const
{
    if (!shown())
        return false;
    const long ratio = std::lround(val::global("devicePixelRatio").as<double>() * 1e6);
    const std::string fitted = std::to_string(page.width) + " " + std::to_string(page.height) + " "
                               + std::to_string(ratio);
    return window_.call<val>("getAttribute", val(FittedAttribute)).strictlyEquals(val(fitted));
}

void WebStartWindow::stamp(const val& window)
{
    window.call<void>("setAttribute", val(BuildAttribute), val(DRELVIK_BUILD_STAMP));
}

void WebStartWindow::putBoard(const val& canvas, const val& announcer)
{
    pictures_[boardsPut_].call<void>("replaceWith", canvas);
    announcers_[boardsPut_].call<void>("replaceWith", announcer);
    ++boardsPut_;
}

// The page's script draws the start window fixed, laid out as the program
// lays out its window, which it places as any other element.
void WebStartWindow::handOver()
{
    window_["style"].call<void>("removeProperty", val("position"));
    window_.call<void>("removeAttribute", val(FittedAttribute));
    window_.call<void>("removeAttribute", val("inert"));
    window_ = pictures_ = announcers_ = val::null();
}

} // namespace controls
