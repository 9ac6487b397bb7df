#pragma once

#include <memory>
#include <string>

namespace controls {

// The toolkit's run-time for one program: it must exist before any window is
// built, and its event loop dispatches the user's events until the last
// window closes.
class Application
{
public:
    Application(int& argc, char** argv, const std::string& name, const std::string& version);
    ~Application();

    int exec();

private:
    struct Toolkit;
    std::unique_ptr<Toolkit> toolkit_;
};

} // namespace controls
