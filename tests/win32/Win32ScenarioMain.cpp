#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

// The scenarios on Win32: each makes its own window; nothing to set up first.
int main(int argc, char** argv)
{
    doctest::Context context(argc, argv);
    return context.run();
}
