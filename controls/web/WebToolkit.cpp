#include "controls/web/WebToolkit.h"

#include "controls/web/WebForm.h"

#include <emscripten/emscripten.h>
#include <emscripten/val.h>

namespace controls {

using emscripten::val;

std::unique_ptr<Form> WebToolkit::createForm(const FormDescription& description)
{
    return std::make_unique<WebForm>(description);
}

// What the browser writes between the whole and the fractional part of a
// number in the user's language, asked anew each time.
std::string WebToolkit::decimalSeparator() const
{
    const val format = val::global("Intl")["NumberFormat"].new_(val::global("navigator")["language"]);
    const val parts = format.call<val>("formatToParts", 0.5);
    for (int at = 0; at < parts["length"].as<int>(); ++at) {
        if (parts[at]["type"].as<std::string>() == "decimal")
            return parts[at]["value"].as<std::string>();
    }
    return ".";
}

// main() returns no further: the page goes on dispatching events to the
// window, which lives on the heap.
int WebToolkit::exec()
{
    emscripten_exit_with_live_runtime();
}

std::unique_ptr<Toolkit> makeToolkit(int&, char**, const std::string&, const std::string&)
{
    return std::make_unique<WebToolkit>();
}

} // namespace controls
