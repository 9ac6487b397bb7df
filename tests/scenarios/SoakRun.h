#pragma once

#include "tests/scenarios/SoakModel.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Plays random events on one window, as a pupil who clicks at anything
// might, and keeps the model in step with what each event should do.
class SoakRun
{
public:
    SoakRun(Driver& driver, std::uint64_t seed);

    void playRandomEvent();
    const SoakModel& model() const { return model_; }
    // What was played since the last "Изчисти", one event a line: enough to
    // repeat a failure by hand.
    std::string eventsSinceReset() const;

private:
    int below(int count);
    int coordinate(int extent);
    Pixel anywhereOnBoard();
    Pixel crossingInLine();
    Pixel pressTarget();

    void pressSomewhere();
    void doubleClickSomewhere();
    void clickSomeRow();
    void clickBelowSomeRows();
    void pressSomeKeyInList();
    void useSomeButton();

    Driver& driver_;
    SoakModel model_;
    std::mt19937_64 random_;
    std::vector<std::string> events_;
};
