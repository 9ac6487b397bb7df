#include "tests/TestRun.h"

int main(int argc, char** argv)
{
    return runTestCases(argc, argv);
}
