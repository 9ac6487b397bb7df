#include "tests/TestRun.h"

// The scenarios on a page of their own; each makes its windows in it.
int main(int argc, char** argv)
{
    return runTestCases(argc, argv);
}
