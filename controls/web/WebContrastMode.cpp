#include "controls/web/WebContrastMode.h"

#include "controls/web/WebDom.h"

#include <cstdio>
#include <string>
#include <utility>

namespace controls {

using emscripten::val;

namespace {

val mediaQuery(const char* query)
{
    return val::global("window").call<val>("matchMedia", val(query));
}

// A computed colour as the page gives it, "rgb(r, g, b)" or "rgba(…)".
Rgb parsedColour(const std::string& css)
{
    unsigned red = 0;
    unsigned green = 0;
    unsigned blue = 0;
    std::sscanf(css.c_str(), "rgb%*[a(]%u, %u, %u", &red, &green, &blue);
    return Rgb{std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)};
}

// What a CSS system colour is on this page now, read off an element that
// the forced colours leave as the page says.
Rgb systemColour(val& probe, const char* keyword)
{
    probe["style"].set("color", val(keyword));
    return parsedColour(val::global("getComputedStyle")(probe)["color"].as<std::string>());
}

} // namespace

WebContrastMode::WebContrastMode(ChangeHandler changed)
    : forcedColours_(mediaQuery("(forced-colors: active)"))
    , moreContrast_(mediaQuery("(prefers-contrast: more)"))
    , changed_(std::move(changed))
{
    listen(forcedColours_, "change");
    listen(moreContrast_, "change");
}

std::optional<SystemColours> WebContrastMode::systemColours() const
{
    if (!forcedColours_["matches"].as<bool>() && !moreContrast_["matches"].as<bool>())
        return std::nullopt;
    val probe = createElement("span");
    probe["style"].set("forcedColorAdjust", val("none"));
    probe.set("hidden", true);
    document()["body"].call<void>("appendChild", probe);
    const SystemColours colours{
        systemColour(probe, "Canvas"),    systemColour(probe, "CanvasText"), systemColour(probe, "Highlight"),
        systemColour(probe, "HighlightText"), systemColour(probe, "GrayText"), systemColour(probe, "ButtonFace"),
        systemColour(probe, "ButtonText"),
    };
    probe.call<void>("remove");
    return colours;
}

void WebContrastMode::handleEvent(val)
{
    changed_();
}

} // namespace controls
