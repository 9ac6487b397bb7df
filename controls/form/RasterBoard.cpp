#include "controls/form/RasterBoard.h"

#include "controls/raster/DeviceScale.h"
#include "controls/KeyCode.h"

#include <algorithm>
#include <utility>

namespace controls {

namespace {

// The keys a board takes for itself: those the program has a use for, but
// Tab, which moves the focus.
bool takenByBoard(std::int16_t keyCode)
{
    switch (keyCode) {
    case key::Return:
    case key::Space:
    case key::End:
    case key::Home:
    case key::Left:
    case key::Up:
    case key::Right:
    case key::Down: return true;
    default: return false;
    }
}

} // namespace

RasterBoard::RasterBoard(const ControlDescription& design, const FormLook& look, double scale)
    : edge_(look.boardEdge)
    , drawnColours_(look.boardColours)
    , designWidth_(edge_.inner(design.bounds.width))
    , designHeight_(edge_.inner(design.bounds.height))
    , image_(designWidth_, designHeight_, backColor_, scale)
    , shown_(0, 0, backColor_, scale)
    , marks_(look.boardMarks, image_, [this](const PixelRect& area) { invalidate(area); })
    , rings_(look.boardMarks, image_, [this](const PixelRect& area) { invalidate(area); })
{
    image_.takeChangedArea();
}

float RasterBoard::ScaleWidth() const
{
    return float(designWidth_);
}

float RasterBoard::ScaleHeight() const
{
    return float(designHeight_);
}

void RasterBoard::SetBackColor(Rgb colour)
{
    backColor_ = colour;
}

void RasterBoard::SetDrawWidth(std::int16_t pixels)
{
    pen_.width = std::max<int>(pixels, 1);
}

void RasterBoard::SetDrawStyle(DrawStyle style)
{
    pen_.style = style;
}

void RasterBoard::Cls()
{
    image_.fill(colours_(backColor_));
    log_.clear(backColor_);
    showChanges();
    updateRings();
}

void RasterBoard::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    Pen pen = pen_;
    pen.colour = colour.value_or(foreColor_);
    log_.line(x1, y1, x2, y2, pen);
    pen.colour = colours_(pen.colour);
    image_.line(x1, y1, x2, y2, pen);
    showChanges();
}

void RasterBoard::PSet(float x, float y, std::optional<Rgb> colour)
{
    image_.dot(x, y, colours_(colour.value_or(foreColor_)), pen_.width);
    log_.dot(x, y, colour.value_or(foreColor_), pen_.width);
    showChanges();
    updateRings();
}

void RasterBoard::SetKeyboardCursor(float x, float y)
{
    marks_.setKeyboardCursor(x, y);
}

void RasterBoard::SetContactMark(float x, float y)
{
    marks_.setContactMark(x, y);
}

void RasterBoard::ClearContactMark()
{
    marks_.clearContactMark();
}

void RasterBoard::SetDescription(const std::string& text)
{
    if (text == description_)
        return;
    description_ = text;
    descriptionChanged();
}

void RasterBoard::OnMouseDown(MouseDownHandler handler)
{
    mouseDown_ = std::move(handler);
}

void RasterBoard::OnKeyDown(KeyDownHandler handler)
{
    keyDown_ = std::move(handler);
}

void RasterBoard::OnContact(ContactHandler handler)
{
    contact_ = std::move(handler);
}

// Without the marks the image itself is what shows, and nothing is copied;
// the copy catches up on everything stale once the marks show again. It is
// made when they first show, and made again for an image of another scale.
const Raster& RasterBoard::composeScreenImage()
{
    if (!marks_.anyShown() && rings_.empty())
        return image_;
    if (shown_.width() != image_.width() || shown_.height() != image_.height() || shown_.scale() != image_.scale()) {
        shown_ = image_;
        stale_ = PixelRect{0, 0, image_.width(), image_.height()};
    }
    if (!stale_.empty()) {
        shown_.copyArea(image_, stale_);
        rings_.drawOn(shown_);
        marks_.drawOn(shown_);
        shown_.takeChangedArea();
        stale_ = {};
    }
    return shown_;
}

void RasterBoard::pressAt(std::int16_t button, std::int16_t shift, double x, double y)
{
    const DeviceScale scale(image_.scale());
    pressOnDevicePixel(button, shift, scale.devicePixel(x), scale.devicePixel(y));
}

void RasterBoard::pressOnDevicePixel(std::int16_t button, std::int16_t shift, int x, int y)
{
    const std::optional<DesignPixel> pressed = designPixelOn(x, y);
    if (pressed && mouseDown_)
        mouseDown_(button, shift, float(pressed->x), float(pressed->y));
}

void RasterBoard::contactAt(Contact contact, double x, double y)
{
    const DeviceScale scale(image_.scale());
    contactOnDevicePixel(contact, scale.devicePixel(x), scale.devicePixel(y));
}

// A contact off the inner area is over no crossing: it may come back while
// it moves, and lifted there it ends without entering anything.
void RasterBoard::contactOnDevicePixel(Contact contact, int x, int y)
{
    const std::optional<DesignPixel> over = designPixelOn(x, y);
    if (!contact_)
        return;
    if (over)
        contact_(contact, float(over->x), float(over->y));
    else
        contact_(contact == Contact::Moved ? Contact::OffArea : Contact::Cancelled, 0, 0);
}

void RasterBoard::cancelContact()
{
    if (contact_)
        contact_(Contact::Cancelled, 0, 0);
}

// The design pixel drawn on a device pixel, so that a press or a contact
// lands on the same crossing at every scale; none off the image.
std::optional<RasterBoard::DesignPixel> RasterBoard::designPixelOn(int x, int y) const
{
    if (!(x >= 0 && x < image_.width() && y >= 0 && y < image_.height()))
        return std::nullopt;
    const DeviceScale scale(image_.scale());
    return DesignPixel{scale.designPixel(x), scale.designPixel(y)};
}

bool RasterBoard::keyDown(std::int16_t keyCode, std::int16_t shift)
{
    if (!takenByBoard(keyCode))
        return false;
    if (keyDown_)
        keyDown_(keyCode, shift);
    return true;
}

void RasterBoard::setHasFocus(bool focused)
{
    marks_.setHasFocus(focused);
}

void RasterBoard::setFocusCuesShown(bool shown)
{
    marks_.setFocusCuesShown(shown);
}

void RasterBoard::setScale(double scale)
{
    if (scale == image_.scale())
        return;
    image_ = log_.replay(designWidth_, designHeight_, scale, colours_);
    image_.takeChangedArea();
    marks_.fitTo(image_);
    rings_.fitTo(image_);
    invalidate(PixelRect{0, 0, image_.width(), image_.height()});
}

void RasterBoard::setLook(const FormLook& look)
{
    edge_ = BoardEdge(look.boardEdge);
    colours_ = ColourMap(drawnColours_, look.boardColours);
    ringMarked_ = look.boardColours.ringMarked;
    marks_.setLook(look.boardMarks);
    rings_.setLook(look.boardMarks);
    image_ = log_.replay(designWidth_, designHeight_, image_.scale(), colours_);
    image_.takeChangedArea();
    updateRings();
    invalidate(PixelRect{0, 0, image_.width(), image_.height()});
}

// The selected point's ring follows its dot: drawn with it, gone when the
// dot is drawn over in another colour or the board is cleared.
void RasterBoard::updateRings()
{
    rings_.setCentres(ringMarked_ ? log_.dotsIn(drawnColours_.marked) : std::vector<PointRings::Centre>{});
}

void RasterBoard::showChanges()
{
    const PixelRect changed = image_.takeChangedArea();
    if (!changed.empty())
        invalidate(changed);
}

void RasterBoard::invalidate(const PixelRect& area)
{
    stale_ = unite(stale_, area);
    imageChanged(area);
}

} // namespace controls
