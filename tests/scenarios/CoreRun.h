#pragma once

#include "controls/raster/Raster.h"

#include <cstdint>
#include <memory>

class Drelvik;

namespace controls {
class Toolkit;
}

// The program run on the core alone, its controls kept in memory and its
// board drawn at a display scale: what every toolkit's window must show
// after the same presses and clicks.
class CoreRun
{
public:
    explicit CoreRun(double scale);
    ~CoreRun();

    CoreRun(const CoreRun&) = delete;
    CoreRun& operator=(const CoreRun&) = delete;

    // A left-button press on a design pixel of the board's inner area.
    void pressBoard(int x, int y);
    void clickButton(std::int16_t button);
    const controls::Raster& boardImage() const;

private:
    std::unique_ptr<controls::Toolkit> toolkit_;
    std::unique_ptr<Drelvik> program_;
};
