#pragma once

#include "tests/scenarios/ScenarioSupport.h"

#include <optional>
#include <string>
#include <vector>

// What the window must show after any run of events, worked out without the
// program: the listed points as grid crossings, the selected row, the report,
// and whether a calculation has drawn lines across the dots since they were
// last painted.
class SoakModel
{
public:
    static constexpr int BoardWidth = 343;
    static constexpr int BoardHeight = 229;

    explicit SoakModel(std::string startReport);

    static bool onBoard(Pixel at);

    // A press, or a double click, on a pixel of the board's inner area or
    // just outside it.
    void press(Pixel at);
    // A click, plain or with Ctrl, on a listed row, or a key that moved there.
    void selectRow(int row);
    // Down, Up, Home or End in a coordinate list.
    void moveSelection(Key key);
    // A click on the button, by mouse or key, whether it is enabled or not.
    void useButton(std::int16_t button);

    const std::vector<Pixel>& points() const { return points_; }
    int selectedRow() const { return selectedRow_; }
    bool enabled(std::int16_t button) const;
    const std::string& report() const { return report_; }
    // The colour the row's dot shows at its centre; empty where the board
    // cannot tell: another point shares the crossing, or lines may cross it.
    std::optional<controls::Rgb> dotColour(int row) const;

private:
    void clear();
    void deleteSelected();
    bool sharesCrossing(int row) const;

    std::vector<Pixel> points_;
    int selectedRow_ = -1;
    std::string report_;
    bool linesOverDots_ = false;
};
