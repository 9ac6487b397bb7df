#pragma once

#include "controls/FormDescription.h"
#include "controls/PixelRect.h"
#include "controls/raster/Raster.h"

#include <functional>

namespace controls {

// The marks a board shows over its picture, never in it: the focus mark
// round the inner area and the keyboard cursor's ring while the focus shows,
// and the contact mark while a finger or a pen touches. Each change names
// the pixels it covers or uncovers, so that the board shows them again.
class BoardMarks
{
public:
    using AreaHandler = std::function<void(const PixelRect& area)>;

    // Marks with that look over a picture of that raster's size and scale.
    BoardMarks(const BoardMarkLook& look, const Raster& picture, AreaHandler changed);

    // The picture was drawn again at another size or scale.
    void fitTo(const Raster& picture);
    void setLook(const BoardMarkLook& look);

    bool anyShown() const { return focusShown_ || contactMarked_; }
    void drawOn(Raster& picture) const;

    void setKeyboardCursor(double x, double y);
    void setContactMark(double x, double y);
    void clearContactMark();

    // The focus mark shows while the board has the focus and the window
    // shows focus cues.
    void setHasFocus(bool focused);
    void setFocusCuesShown(bool shown);

private:
    PixelRect ringArea(double x, double y) const;
    int thickness() const;
    void contactMarkChanged(double x, double y) const;
    void updateFocusMark();
    void drawFocusMarks(Raster& picture) const;
    void drawContactMark(Raster& picture) const;

    BoardMarkLook look_;
    AreaHandler changed_;
    int width_ = 0;
    int height_ = 0;
    double scale_ = 1;
    double cursorX_ = 0;
    double cursorY_ = 0;
    bool hasFocus_ = false;
    bool focusCuesShown_ = false;
    bool focusShown_ = false;
    bool contactMarked_ = false;
    double contactX_ = 0;
    double contactY_ = 0;
};

} // namespace controls
