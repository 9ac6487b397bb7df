#include "tests/TestRun.h"

#include "controls/win32/DpiFunctions.h"

#include <cstring>

namespace {

// Windows 7, 8 and 8.1 have none of the functions that give each window the
// resolution of its own screen.
FARPROC noFunction(const char*)
{
    return nullptr;
}

} // namespace

// The scenarios on Win32: each makes its own window. With --as-windows-7
// first, the window finds none of the newer display functions, as on
// Windows 7 to 8.1.
int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--as-windows-7") == 0) {
        controls::DpiFunctions::resolveWith(noFunction);
        argv[1] = argv[0];
        return runTestCases(argc - 1, argv + 1);
    }
    return runTestCases(argc, argv);
}
