#include "controls/web/WebEventHandler.h"

#include <emscripten/bind.h>

#include <cstdint>
#include <utility>

namespace controls {

namespace {

void deliverEvent(std::uintptr_t handler, emscripten::val event)
{
    reinterpret_cast<WebEventHandler*>(handler)->handleEvent(std::move(event));
}

} // namespace

EMSCRIPTEN_BINDINGS(drelvik_web_events)
{
    emscripten::function("deliverWebEvent", &deliverEvent);
}

// The listener is the function that delivers an event, bound to this object.
WebEventHandler::WebEventHandler()
    : listener_(emscripten::val::module_property("deliverWebEvent")
                    .call<emscripten::val>("bind", emscripten::val::null(), reinterpret_cast<std::uintptr_t>(this)))
{
}

WebEventHandler::~WebEventHandler()
{
    for (const Listening& listening : listening_)
        listening.target.call<void>("removeEventListener", emscripten::val(listening.type), listener_,
                                    listening.capture);
}

void WebEventHandler::listen(const emscripten::val& target, const std::string& type, bool capture)
{
    target.call<void>("addEventListener", emscripten::val(type), listener_, capture);
    listening_.push_back({target, type, capture});
}

void WebEventHandler::stopListening(const emscripten::val& target, const std::string& type, bool capture)
{
    target.call<void>("removeEventListener", emscripten::val(type), listener_, capture);
    std::erase_if(listening_, [&](const Listening& listening) {
        return listening.target.strictlyEquals(target) && listening.type == type && listening.capture == capture;
    });
}

} // namespace controls
