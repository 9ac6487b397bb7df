#include "controls/Application.h"

#include "controls/win32/MessageLoop.h"

namespace controls {

// Windows needs nothing set up before the first window: the window classes
// register themselves when first used. Name and version are in the
// program's version record.
struct Application::Toolkit {
};

Application::Application(int&, char**, const std::string&, const std::string&)
    : toolkit_(std::make_unique<Toolkit>())
{
}

Application::~Application() = default;

int Application::exec()
{
    return MessageLoop::run();
}

} // namespace controls
