// How long the window takes to answer what the pupil does: from the Qt event
// on the real widget until the window has drawn and repainted, for each
// handler alone and for one whole exercise. The time of every run is kept;
// the median and the spread are the figures that count.
//
//   handler_bench [--benchmark_filter=...]      offscreen unless told

#include "bench/Spread.h"
#include "tests/qt/QtDriver.h"
#include "tests/scenarios/ScenarioSupport.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int Runs = 1000;

const std::vector<Pixel> Triangle{{80, 100}, {160, 100}, {20, 180}};
const std::vector<Pixel> OnOneLine{{40, 100}, {160, 100}, {100, 100}};
const Pixel Replacement{200, 60};

using Step = std::function<void(QtDriver&)>;

// Every benchmark's spread, for the table printed at the end.
std::vector<std::pair<std::string, Spread>> results;

void startOver(QtDriver& driver, const std::vector<Pixel>& points)
{
    driver.clickButton(buttons::Clear);
    pressAll(driver, points);
}

// Lets Qt finish all that a step has set going, the repaint included: the
// events it posted, and those that they post in turn.
void settle()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 1000);
}

// Runs the untimed preparation, then times the step until Qt has settled.
double timedMicroseconds(QtDriver& driver, const Step& prepare, const Step& step)
{
    prepare(driver);
    settle();
    const auto start = std::chrono::steady_clock::now();
    step(driver);
    settle();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

Spread measure(benchmark::State& state, QtDriver& driver, const Step& before, const Step& prepare,
               const Step& step)
{
    before(driver);
    std::vector<double> runs;
    runs.reserve(Runs);
    for (auto _ : state) {
        runs.push_back(timedMicroseconds(driver, prepare, step));
        state.SetIterationTime(runs.back() / 1e6);
    }
    return spreadOf(runs);
}

void nothing(QtDriver&) {}

Spread pressOnBoard(benchmark::State& state, QtDriver& driver)
{
    const auto clearWhenFull = [](QtDriver& d) {
        if (d.rows(lists::X).size() == Triangle.size())
            d.clickButton(buttons::Clear);
    };
    const auto press = [](QtDriver& d) {
        const Pixel at = Triangle[d.rows(lists::X).size()];
        d.pressBoard(at.x, at.y);
    };
    return measure(state, driver, nothing, clearWhenFull, press);
}

// Every click selects another row, so that the handler runs with the nested
// clicks of the other lists.
Spread clickInList(benchmark::State& state, QtDriver& driver)
{
    const auto clickNextRow = [](QtDriver& d) {
        const int next = (d.window().List1(lists::X).ListIndex() + 1) % int(Triangle.size());
        d.clickRow(lists::X, next);
    };
    return measure(state, driver, [](QtDriver& d) { startOver(d, Triangle); }, nothing, clickNextRow);
}

Spread calculate(benchmark::State& state, QtDriver& driver, const std::vector<Pixel>& points)
{
    return measure(state, driver, [&](QtDriver& d) { startOver(d, points); }, nothing,
            [](QtDriver& d) { d.clickButton(buttons::Calculate); });
}

Spread deleteSelected(benchmark::State& state, QtDriver& driver)
{
    const auto selectAfterCalculation = [](QtDriver& d) {
        startOver(d, Triangle);
        d.clickButton(buttons::Calculate);
        d.clickRow(lists::X, 1);
    };
    return measure(state, driver, nothing, selectAfterCalculation, [](QtDriver& d) { d.clickButton(buttons::Delete); });
}

Spread clearAll(benchmark::State& state, QtDriver& driver)
{
    const auto calculateTriangle = [](QtDriver& d) {
        startOver(d, Triangle);
        d.clickButton(buttons::Calculate);
    };
    return measure(state, driver, nothing, calculateTriangle, [](QtDriver& d) { d.clickButton(buttons::Clear); });
}

// One exercise as a pupil does it; it ends on a clear board, where the next
// run begins.
Spread wholeExercise(benchmark::State& state, QtDriver& driver)
{
    const auto exercise = [](QtDriver& d) {
        pressAll(d, Triangle);
        d.clickButton(buttons::Calculate);
        d.clickRow(lists::X, 1);
        d.clickButton(buttons::Delete);
        d.pressBoard(Replacement.x, Replacement.y);
        d.clickButton(buttons::Calculate);
        d.clickButton(buttons::Clear);
    };
    return measure(state, driver, [](QtDriver& d) { d.clickButton(buttons::Clear); }, nothing, exercise);
}

void printTable()
{
    std::printf("\n%-24s %10s %19s %19s\n", "handler (us per run)", "median", "IQR", "min-max");
    for (const auto& [name, s] : results) {
        std::printf("%-24s %10.1f %9.1f-%-9.1f %9.1f-%-9.1f\n", name.c_str(), s.median, s.lowerQuartile,
                    s.upperQuartile, s.min, s.max);
    }
}

void registerAll(QtDriver& driver)
{
    const auto add = [&](const char* name, auto&& function, auto&&... arguments) {
        const auto run = [=, &driver](benchmark::State& state) {
            results.emplace_back(name, function(state, driver, arguments...));
        };
        benchmark::RegisterBenchmark(name, run)
            ->UseManualTime()
            ->Iterations(Runs)
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
    QApplication application(argc, argv);
    QtDriver driver;
    registerAll(driver);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printTable();
    return 0;
}
