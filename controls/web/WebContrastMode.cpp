#include "controls/web/WebContrastMode.h"

#include "controls/web/WebDom.h"

#include <cstdint>
#include <string>
#include <utility>

namespace controls {

using emscripten::val;

namespace {

val mediaQuery(const char* query)
{
    return val::global("window").call<val>("matchMedia", val(query));
}

// A computed colour as the page gives it, "rgb(r, g, b)" or "rgba(r, g, b,
// a)": its first three numbers. Read by hand, since the C library's
// scanning would make the program a tenth larger.
Rgb parsedColour(const std::string& css)
{
    std::uint8_t channels[3] = {};
    std::size_t at = css.find('(');
    for (std::uint8_t& channel : channels) {
        at = css.find_first_of("0123456789", at);
        if (at == std::string::npos)
            break;
        unsigned value = 0;
        for (; at < css.size() && css[at] >= '0' && css[at] <= '9'; ++at)
            value = value * 10 + unsigned(css[at] - '0');
        channel = std::uint8_t(value);
    }
    return Rgb{channels[0], channels[1], channels[2]};
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
