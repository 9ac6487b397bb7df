#pragma once

// Runs the doctest cases the command line picks. A run that picks no case
// at all fails: a suite name that matches nothing would otherwise pass
// without having checked anything.
int runTestCases(int argc, char** argv);
