#include "tests/TestRun.h"

// The scenarios on Win32: each makes its own window; nothing to set up first.
int main(int argc, char** argv)
{
    return runTestCases(argc, argv);
}
