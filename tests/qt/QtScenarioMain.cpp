#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include <QApplication>

// The scenarios on Qt: one application object for all of them.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    doctest::Context context(argc, argv);
    return context.run();
}
