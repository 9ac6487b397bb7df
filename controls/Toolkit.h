#pragma once

#include "controls/Form.h"
#include "controls/FormDescription.h"

#include <memory>
#include <string>

namespace controls {

// What the program asks of the toolkit it runs on: its window, the user's
// decimal separator and the event loop. The core reaches a toolkit only
// through this, so it links and runs its tests with none.
class Toolkit
{
public:
    virtual ~Toolkit() = default;

    // Builds the real window and its controls; it stays hidden until Show().
    virtual std::unique_ptr<Form> createForm(const FormDescription& description) = 0;
    // The decimal separator of the user's locale, asked anew each time, so
    // that a change in the system's settings shows in the next number.
    virtual std::string decimalSeparator() const = 0;
    // Dispatches the user's events until the window is closed and returns
    // the program's exit code. In a browser the page dispatches them: this
    // hands over to it and never returns.
    virtual int exec() = 0;
};

// The toolkit of the program being built, with its run-time set up: the one
// choice the program's entry point leaves to the linker.
std::unique_ptr<Toolkit> makeToolkit(int& argc, char** argv, const std::string& name, const std::string& version);

} // namespace controls
