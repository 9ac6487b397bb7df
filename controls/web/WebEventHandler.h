#pragma once

#include <emscripten/val.h>

#include <string>
#include <vector>

namespace controls {

// A control's window procedure in the browser: the page hands each event
// that the control listens to to handleEvent, which switches on its type.
// The page calls it as a DOM event listener, so the events come in the order
// and nesting the page dispatches them. What the object listens to is
// forgotten when it goes.
class WebEventHandler
{
public:
    WebEventHandler();
    virtual ~WebEventHandler();

    WebEventHandler(const WebEventHandler&) = delete;
    WebEventHandler& operator=(const WebEventHandler&) = delete;

    virtual void handleEvent(emscripten::val event) = 0;

protected:
    // In the capture phase, the events of the target's descendants come
    // here before they reach their own target.
    void listen(const emscripten::val& target, const std::string& type, bool capture = false);
    void stopListening(const emscripten::val& target, const std::string& type, bool capture = false);

private:
    struct Listening {
        emscripten::val target;
        std::string type;
        bool capture;
    };

    // The function the page calls with this object's events.
    emscripten::val listener_;
    std::vector<Listening> listening_;
};

} // namespace controls
