// Measures what a pupil waits for: from an empty process to the window on
// the screen, and from a click on "Изчисли" to the finished report; and the
// memory the program holds at its peak. Prints one line per figure.
//
//   bench/startup_bench [runs]      (offscreen unless a display is given)

#include "app/Drelvik.h"
#include "controls/Application.h"
#include "calculation/Calculation.h"
#include "board/PointEntry.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long peakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    QElapsedTimer clock;
    clock.start();
    controls::Application application(argc, argv, "Drelvik", "1.00");
    Drelvik drelvik;
    drelvik.show();
    QCoreApplication::processEvents();
    const double startMs = clock.nsecsElapsed() / 1e6;

    Window& window = drelvik.window();
    Picture1_MouseDown(window, 1, 0, 80, 100);
    Picture1_MouseDown(window, 1, 0, 160, 100);
    Picture1_MouseDown(window, 1, 0, 20, 180);
    std::vector<double> calculations;
    for (int run = 0; run < runs; ++run) {
        clock.restart();
        Calculate(window);
        calculations.push_back(clock.nsecsElapsed() / 1e3);
    }

    std::printf("window shown after:        %.1f ms\n", startMs);
    std::printf("calculation (median of %d): %.1f us\n", runs, median(calculations));
    std::printf("peak resident memory:      %.1f MB\n", peakResidentKilobytes() / 1024.0);
    return 0;
}
