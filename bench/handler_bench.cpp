// How long the window takes to answer what the pupil does: from the Qt event
// on the real widget until the window has drawn and repainted, for each
// handler alone and for one whole exercise. Each is timed alternately with
// its floor, a plain Qt window with the same widgets that makes the same
// changes to them (bench/FloorWindow.h), so that whatever else the machine
// does falls on both alike. The time of every run is kept; the medians, the
// spreads and the ratios to the floor are the figures that count.
//
//   handler_bench [--benchmark_filter=...] [RUNS]      offscreen unless told
//
// 1,000 runs each unless told; a profiler needs fewer.

#include "bench/FloorWindow.h"
#include "bench/Pupil.h"
#include "bench/Spread.h"
#include "tests/qt/QtDriver.h"
#include "window/DrelvikDesign.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

int runs = 1000;

const std::vector<QPoint> Triangle{{80, 100}, {160, 100}, {20, 180}};
const std::vector<QPoint> OnOneLine{{40, 100}, {160, 100}, {100, 100}};
const QPoint Replacement{200, 60};

// The program's window, driven as the scenarios drive it.
class ProgramPupil : public Pupil
{
public:
    QtDriver& driver() { return driver_; }

    QWidget* top() const override { return driver_.top(); }
    void pressBoard(int x, int y) override { driver_.pressBoard(x, y); }
    void clickRow(int row) override { driver_.clickRow(lists::X, row); }
    void clickButton(std::int16_t button) override { driver_.clickButton(button); }
    int rowCount() const override { return driver_.window().List1(lists::X).ListCount(); }
    int selectedRow() const override { return driver_.window().List1(lists::X).ListIndex(); }

private:
    mutable QtDriver driver_;
};

struct Windows {
    ProgramPupil program;
    FloorWindow floor{drelvikDesign()};
};

using Step = std::function<void(Pupil&)>;

// What a benchmark does: once before its runs, untimed before each run, and
// the timed step.
struct Handler {
    Step before;
    Step prepare;
    Step step;
};

struct Figures {
    Spread program;
    Spread floor;
    // Each run's time over that of the floor's run beside it: on a busy
    // machine it drifts less than the times themselves.
    Spread ratio;
};

// Every benchmark's figures, for the table printed at the end.
std::vector<std::pair<std::string, Figures>> results;

void nothing(Pupil&) {}

void startOver(Pupil& pupil, const std::vector<QPoint>& points)
{
    pupil.clickButton(buttons::Clear);
    for (const QPoint at : points)
        pupil.pressBoard(at.x(), at.y());
}

// Lets Qt finish all that a step has set going, the repaint included: the
// events it posted, and those that they post in turn.
void settle()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 1000);
}

// The timed part of a run, a function of its own for each kind of window so
// that a profiler can be told to count the program's steps alone
// (callgrind --toggle-collect='*timeStep<*ProgramPupil>*').
template <typename Kind>
[[gnu::noinline]] double timeStep(Kind& pupil, const Step& step)
{
    const auto start = std::chrono::steady_clock::now();
    step(pupil);
    settle();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

// The window whose turn it is is the active one, as the pupil's would be; a
// press on an inactive window would activate it, and repaint it all, inside
// the time.
void activate(QWidget* top)
{
    top->activateWindow();
    if (!QTest::qWaitForWindowActive(top))
        qWarning("the window did not become active");
}

template <typename Kind>
double run(Kind& pupil, const Handler& handler)
{
    activate(pupil.top());
    handler.prepare(pupil);
    settle();
    return timeStep(pupil, handler.step);
}

// The program and its floor take turns, each going first every other time.
Figures alternate(benchmark::State& state, Windows& windows, const Handler& handler)
{
    handler.before(windows.program);
    handler.before(windows.floor);
    std::vector<double> program;
    std::vector<double> floor;
    std::vector<double> ratios;
    program.reserve(runs);
    floor.reserve(runs);
    ratios.reserve(runs);
    for (auto _ : state) {
        const bool floorFirst = program.size() % 2 == 1;
        if (floorFirst)
            floor.push_back(run(windows.floor, handler));
        program.push_back(run(windows.program, handler));
        if (!floorFirst)
            floor.push_back(run(windows.floor, handler));
        ratios.push_back(program.back() / floor.back());
        state.SetIterationTime(program.back() / 1e6);
    }
    return {spreadOf(program), spreadOf(floor), spreadOf(ratios)};
}

Figures pressOnBoard(benchmark::State& state, Windows& windows)
{
    const auto clearWhenFull = [](Pupil& p) {
        if (p.rowCount() == int(Triangle.size()))
            p.clickButton(buttons::Clear);
    };
    const auto press = [](Pupil& p) {
        const QPoint at = Triangle[p.rowCount()];
        p.pressBoard(at.x(), at.y());
    };
    return alternate(state, windows, {nothing, clearWhenFull, press});
}

// Every click selects another row, so that the handler runs with the nested
// clicks of the other lists.
Figures clickInList(benchmark::State& state, Windows& windows)
{
    const auto clickNextRow = [](Pupil& p) { p.clickRow((p.selectedRow() + 1) % int(Triangle.size())); };
    return alternate(state, windows, {[](Pupil& p) { startOver(p, Triangle); }, nothing, clickNextRow});
}

// The floor shows the report the program wrote for the same points.
void showProgramReport(Windows& windows, const std::vector<QPoint>& points)
{
    startOver(windows.program, points);
    windows.program.clickButton(buttons::Calculate);
    windows.floor.setCalculationReport(windows.program.driver().report());
}

Figures calculate(benchmark::State& state, Windows& windows, const std::vector<QPoint>& points)
{
    showProgramReport(windows, points);
    return alternate(state, windows, {[&](Pupil& p) { startOver(p, points); }, nothing,
                                      [](Pupil& p) { p.clickButton(buttons::Calculate); }});
}

Figures deleteSelected(benchmark::State& state, Windows& windows)
{
    const auto selectAfterCalculation = [](Pupil& p) {
        startOver(p, Triangle);
        p.clickButton(buttons::Calculate);
        p.clickRow(1);
    };
    showProgramReport(windows, Triangle);
    return alternate(state, windows, {nothing, selectAfterCalculation,
                                      [](Pupil& p) { p.clickButton(buttons::Delete); }});
}

Figures clearAll(benchmark::State& state, Windows& windows)
{
    const auto calculateTriangle = [](Pupil& p) {
        startOver(p, Triangle);
        p.clickButton(buttons::Calculate);
    };
    showProgramReport(windows, Triangle);
    return alternate(state, windows, {nothing, calculateTriangle,
                                      [](Pupil& p) { p.clickButton(buttons::Clear); }});
}

// One exercise as a pupil does it; it ends on a clear board, where the next
// run begins.
Figures wholeExercise(benchmark::State& state, Windows& windows)
{
    const auto exercise = [](Pupil& p) {
        for (const QPoint at : Triangle)
            p.pressBoard(at.x(), at.y());
        p.clickButton(buttons::Calculate);
        p.clickRow(1);
        p.clickButton(buttons::Delete);
        p.pressBoard(Replacement.x(), Replacement.y());
        p.clickButton(buttons::Calculate);
        p.clickButton(buttons::Clear);
    };
    showProgramReport(windows, Triangle);
    return alternate(state, windows, {[](Pupil& p) { p.clickButton(buttons::Clear); }, nothing, exercise});
}

// The ratio of the medians, and the median of the runs' own ratios.
void printTable()
{
    std::printf("\n%-24s %26s %26s %7s %7s\n", "handler (us per run)", "median (IQR)", "plain Qt floor (IQR)",
                "ratio", "paired");
    for (const auto& [name, f] : results) {
        std::printf("%-24s %8.1f (%7.1f-%7.1f) %8.1f (%7.1f-%7.1f) %6.2fx %6.2fx\n", name.c_str(),
                    f.program.median, f.program.lowerQuartile, f.program.upperQuartile, f.floor.median,
                    f.floor.lowerQuartile, f.floor.upperQuartile, f.program.median / f.floor.median,
                    f.ratio.median);
    }
}

void registerAll(Windows& windows)
{
    const auto add = [&](const char* name, auto&& function, auto&&... arguments) {
        const auto measure = [=, &windows](benchmark::State& state) {
            results.emplace_back(name, function(state, windows, arguments...));
        };
        benchmark::RegisterBenchmark(name, measure)
            ->UseManualTime()
            ->Iterations(runs)
            ->Unit(benchmark::kMicrosecond);
    };
    add("press on the board", pressOnBoard);
    add("click in a list", clickInList);
    add("calculate, triangle", calculate, Triangle);
    add("calculate, on one line", calculate, OnOneLine);
    add("delete", deleteSelected);
    add("clear", clearAll);
    add("whole exercise", wholeExercise);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    if (argc > 1)
        runs = std::max(1, std::atoi(argv[1]));
    QApplication application(argc, argv);
    Windows windows;
    windows.floor.show();
    if (!QTest::qWaitForWindowExposed(&windows.floor))
        qWarning("the floor window was not exposed");
    registerAll(windows);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printTable();
    return 0;
}
