#pragma once

#include "controls/Board.h"
#include "controls/form/BoardEdge.h"
#include "controls/form/BoardMarks.h"
#include "controls/form/PointRings.h"
#include "controls/raster/ColourMap.h"
#include "controls/raster/DrawingLog.h"
#include "controls/FormDescription.h"
#include "controls/raster/Raster.h"

#include <optional>
#include <string>

namespace controls {

// The board's drawing, done once for every toolkit: all of it goes into a
// raster image at the display's scale, which a toolkit's board only shows,
// and which it tells about presses, contacts, keys and its focus. Its marks
// are drawn over a copy of the image, the one shown.
class RasterBoard : public Board
{
public:
    // The board as designed: its image fills what lies inside the edge, and
    // the program draws in the colours of the design's look.
    RasterBoard(const ControlDescription& design, const FormLook& look, double scale = 1);
    RasterBoard(const RasterBoard&) = delete;
    RasterBoard& operator=(const RasterBoard&) = delete;

    float ScaleWidth() const override;
    float ScaleHeight() const override;

    void SetBackColor(Rgb colour) override;
    void SetDrawWidth(std::int16_t pixels) override;
    void SetDrawStyle(DrawStyle style) override;

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour = {}) override;
    void PSet(float x, float y, std::optional<Rgb> colour = {}) override;

    void SetKeyboardCursor(float x, float y) override;
    void SetContactMark(float x, float y) override;
    void ClearContactMark() override;
    void SetDescription(const std::string& text) override;

    void OnMouseDown(MouseDownHandler handler) override;
    void OnKeyDown(KeyDownHandler handler) override;
    void OnContact(ContactHandler handler) override;

    // What the procedures drew, at the display's scale.
    const Raster& image() const { return image_; }
    // What the screen shows: the image with the marks over it, brought up to
    // date where it is stale. A toolkit's board paints it.
    const Raster& composeScreenImage();
    const std::string& description() const { return description_; }
    const BoardEdge& edge() const { return edge_; }

    // The focus mark shows while the board has the focus and the window
    // shows focus cues.
    void setHasFocus(bool focused);
    void setFocusCuesShown(bool shown);

    // Shows the board in another look, such as the system's high-contrast
    // colours: the same picture, each colour of the design shown in the
    // colour the look gives its meaning, and the marks and edge in the
    // look's. The edge keeps its width.
    void setLook(const FormLook& look);

protected:
    // A press, counted from the inner area's top-left corner: at a position
    // in the toolkit's device-independent units, which are design pixels,
    // or on a device pixel, a pixel of the image. One outside the image is
    // not the board's.
    void pressAt(std::int16_t button, std::int16_t shift, double x, double y);
    void pressOnDevicePixel(std::int16_t button, std::int16_t shift, int x, int y);
    // A finger or a pen, at a position or on a device pixel, counted as
    // presses are.
    void contactAt(Contact contact, double x, double y);
    void contactOnDevicePixel(Contact contact, int x, int y);
    // The system took the contact back: it enters nothing.
    void cancelContact();
    // A key pressed while the board has the focus; whether the board takes
    // it. The keys that move the focus are the window's.
    bool keyDown(std::int16_t keyCode, std::int16_t shift);
    // The display's scale changed: the same picture is drawn again at it.
    void setScale(double scale);

    // Pixels of the shown image to show again.
    virtual void imageChanged(const PixelRect& area) = 0;
    // The description changed: a screen reader should be told.
    virtual void descriptionChanged() {}

private:
    struct DesignPixel {
        int x;
        int y;
    };

    std::optional<DesignPixel> designPixelOn(int x, int y) const;
    void showChanges();
    void updateRings();
    // Records pixels of the shown image as stale and asks the toolkit to
    // paint them again.
    void invalidate(const PixelRect& area);

    BoardEdge edge_;
    BoardColoursLook drawnColours_;
    ColourMap colours_;
    bool ringMarked_ = false;
    int designWidth_;
    int designHeight_;
    Rgb backColor_{255, 255, 255};
    // The system's button-text colour; the program never changes it.
    Rgb foreColor_{0, 0, 0};
    Pen pen_;
    DrawingLog log_;
    Raster image_;
    Raster shown_;
    // Pixels of the shown image that no longer agree with the image.
    PixelRect stale_;
    BoardMarks marks_;
    PointRings rings_;
    std::string description_;
    MouseDownHandler mouseDown_;
    KeyDownHandler keyDown_;
    ContactHandler contact_;
};

} // namespace controls
