#include "controls/web/WebStartWindow.h"

#include "controls/web/WebDom.h"

namespace controls {

using emscripten::val;

namespace {

// The page's start window of that id, while it is still inert.
val startWindow(const std::string& id)
{
    const val window = document().call<val>("getElementById", val(id));
    return !window.isNull() && window["inert"].isTrue() ? window : val::null();
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

void WebStartWindow::putBoard(const val& canvas, const val& announcer)
{
    pictures_[boardsPut_].call<void>("replaceWith", canvas);
    announcers_[boardsPut_].call<void>("replaceWith", announcer);
    ++boardsPut_;
}

// The page's script draws the start window fixed, scaled to the page.
void WebStartWindow::handOver()
{
    val style = window_["style"];
    for (const char* placing : {"position", "transform", "transform-origin"})
        style.call<void>("removeProperty", val(placing));
    window_.call<void>("removeAttribute", val("inert"));
    window_ = pictures_ = announcers_ = val::null();
}

} // namespace controls
