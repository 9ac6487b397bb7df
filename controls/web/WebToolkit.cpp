#include "controls/web/WebToolkit.h"

#include "controls/web/WebForm.h"

#include <emscripten/emscripten.h>

namespace controls {

std::unique_ptr<Form> WebToolkit::createForm(const FormDescription& description)
{
    return std::make_unique<WebForm>(description);
}

namespace {

// What the browser writes between the whole and the fractional part of a
// number: in the browser's language where the browser knows it, else in the
// page's own. A language given in no form the browser takes ("C", "",
// "en_US"), or a browser without Intl, leaves the page's default or a point.
EM_JS(void, writeDecimalSeparator, (char* separator, int size), {
    function separatorOf(language) {
        try {
            if (Intl.NumberFormat.supportedLocalesOf(language).length === 0)
                return null;
            const parts = new Intl.NumberFormat(language).formatToParts(0.5);
            const decimal = parts.find(function (part) { return part.type === "decimal"; });
            return decimal ? decimal.value : null;
        } catch (error) {
            return null;
        }
    }
    const written = separatorOf(navigator.language) || separatorOf(document.documentElement.lang) || ".";
    stringToUTF8(written, separator, size);
});

} // namespace

// Asked anew each time: the user may change the browser's language.
std::string WebToolkit::decimalSeparator() const
{
    char separator[16] = {};
    writeDecimalSeparator(separator, sizeof separator);
    return separator;
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
