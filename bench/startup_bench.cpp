// What a pupil waits for before the window is there, and the memory it takes,
// next to two floors that no window can go below: a bare window of the same
// size, and the same window with one label, so that the fonts load too.
//
// Each run is a whole process: this program starts itself again with the
// kind of window to show, and the child leaves the moment its window is
// exposed. The time is taken here, from the spawn until the child is reaped;
// the memory is the child's own peak. The kinds take turns, so that whatever
// else the machine does falls on all of them alike.
//
//   startup_bench [runs]      on the platform QT_QPA_PLATFORM or DISPLAY names

#include "app/Drelvik.h"
#include "bench/Spread.h"
#include "controls/Toolkit.h"
#include "resources/VersionInfo.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

const char* const ShowOption = "--show";

enum class Kind { Drelvik, Bare, Label };

struct KindName {
    Kind kind;
    const char* name;
    const char* description;
};

constexpr std::array<KindName, 3> Kinds{{
    {Kind::Drelvik, "drelvik", "Drelvik window"},
    {Kind::Bare, "bare", "bare 473x418 QWidget"},
    {Kind::Label, "label", "same with one QLabel"},
}};

// The window's own size and font, as its design gives them.
constexpr int WindowWidth = 473;
constexpr int WindowHeight = 418;

QWidget* showFloor(Kind kind)
{
    auto* window = new QWidget;
    window->setFixedSize(WindowWidth, WindowHeight);
    if (kind == Kind::Label) {
        QFont font;
        font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
        font.setPointSize(12);
        window->setFont(font);
        new QLabel(QStringLiteral("Посочете трите точки"), window);
    }
    window->show();
    return window;
}

// Starts as the program's main() does, and leaves without tearing down:
// what comes after the window is exposed is not part of the wait.
[[noreturn]] void showAndLeave(Kind kind, int argc, char** argv)
{
    QWidget* shown = nullptr;
    std::unique_ptr<controls::Toolkit> program;
    std::unique_ptr<Drelvik> drelvik;
    std::unique_ptr<QApplication> floor;
    if (kind == Kind::Drelvik) {
        program = controls::makeToolkit(argc, argv, DRELVIK_INTERNAL_NAME, DRELVIK_VERSION_TEXT);
        drelvik = std::make_unique<Drelvik>(*program);
        drelvik->show();
        shown = QApplication::topLevelWidgets().constFirst();
    } else {
        floor = std::make_unique<QApplication>(argc, argv);
        shown = showFloor(kind);
    }
    std::_Exit(QTest::qWaitForWindowExposed(shown) ? EXIT_SUCCESS : EXIT_FAILURE);
}

struct Sample {
    double milliseconds;
    double megabytes;
};

double monotonicMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

Sample runChild(const KindName& kind)
{
    static const char* const self = "/proc/self/exe";
    char* childArgv[] = {const_cast<char*>(self), const_cast<char*>(ShowOption), const_cast<char*>(kind.name),
                         nullptr};
    const double start = monotonicMilliseconds();
    pid_t child = 0;
    if (posix_spawn(&child, self, nullptr, nullptr, childArgv, environ) != 0) {
        std::perror("posix_spawn");
        std::exit(EXIT_FAILURE);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double elapsed = monotonicMilliseconds() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != EXIT_SUCCESS) {
        std::fprintf(stderr, "the %s window was not exposed\n", kind.name);
        std::exit(EXIT_FAILURE);
    }
    return {elapsed, usage.ru_maxrss / 1024.0};
}

void printFigure(const char* title, const char* unit, const std::array<std::vector<double>, 3>& figures)
{
    const Spread label = spreadOf(figures[std::size_t(Kind::Label)]);
    std::printf("%s\n%-22s %8s %17s %17s %9s\n", title, "", "median", "IQR", "min-max", "vs label");
    for (const KindName& kind : Kinds) {
        const Spread s = spreadOf(figures[std::size_t(kind.kind)]);
        std::printf("%-22s %5.1f %-2s %7.1f-%-9.1f %7.1f-%-9.1f %8.2fx\n", kind.description, s.median, unit,
                    s.lowerQuartile, s.upperQuartile, s.min, s.max, s.median / label.median);
    }
}

const char* platformName()
{
    if (const char* platform = std::getenv("QT_QPA_PLATFORM"))
        return platform;
    return std::getenv("DISPLAY") ? "xcb" : "default";
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::string(argv[1]) == ShowOption) {
        for (const KindName& kind : Kinds) {
            if (kind.name == std::string(argv[2]))
                showAndLeave(kind.kind, argc, argv);
        }
        return EXIT_FAILURE;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;

    // The first start of each kind fills the disk and font caches; it is not
    // counted.
    for (const KindName& kind : Kinds)
        runChild(kind);
    std::array<std::vector<double>, 3> times;
    std::array<std::vector<double>, 3> memory;
    for (int run = 0; run < runs; ++run) {
        for (std::size_t turn = 0; turn < Kinds.size(); ++turn) {
            const KindName& kind = Kinds[(turn + run) % Kinds.size()];
            const Sample sample = runChild(kind);
            times[std::size_t(kind.kind)].push_back(sample.milliseconds);
            memory[std::size_t(kind.kind)].push_back(sample.megabytes);
        }
    }

    std::printf("start-up to window exposed, whole process, %s, %d runs each\n", platformName(), runs);
    printFigure("time", "ms", times);
    printFigure("peak memory", "MB", memory);
    return 0;
}
