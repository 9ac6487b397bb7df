#include "tests/TestRun.h"

#include <QApplication>

// The scenarios on Qt: one application object for all of them.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    return runTestCases(argc, argv);
}
