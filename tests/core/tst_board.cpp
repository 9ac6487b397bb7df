#include "board/BoardGrid.h"
#include "board/ContactEntry.h"
#include "board/GridSnap.h"
#include "controls/form/RasterBoard.h"
#include "controls/Toolkit.h"
#include "window/DrelvikDesign.h"
#include "window/Window.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

// A board whose inner area, without an edge, is this many design pixels.
controls::ControlDescription boardWithoutEdge(int width, int height)
{
    controls::ControlDescription board;
    board.kind = controls::ControlKind::PictureBox;
    board.bounds = controls::PixelRect{0, 0, width, height};
    return board;
}

// The program's own look, with no edge round the board.
controls::FormLook lookWithoutEdge()
{
    controls::FormLook look = drelvikDesign().look;
    look.boardEdge = {};
    return look;
}

// A board that remembers what it was asked to draw, to count the grid lines
// that the image clips away.
class RecordingBoard : public controls::RasterBoard
{
public:
    struct Stroke {
        float x1, y1, x2, y2;
        std::optional<controls::Rgb> colour;
        std::int16_t width;
        controls::DrawStyle style;
    };

    RecordingBoard(int width, int height, double scale = 1)
        : RasterBoard(boardWithoutEdge(width, height), lookWithoutEdge(), scale)
    {
    }
    using RasterBoard::setScale;

    void SetDrawWidth(std::int16_t pixels) override
    {
        width_ = pixels;
        RasterBoard::SetDrawWidth(pixels);
    }
    void SetDrawStyle(controls::DrawStyle style) override
    {
        style_ = style;
        RasterBoard::SetDrawStyle(style);
    }
    void Line(float x1, float y1, float x2, float y2, std::optional<controls::Rgb> colour) override
    {
        strokes.push_back({x1, y1, x2, y2, colour, width_, style_});
        RasterBoard::Line(x1, y1, x2, y2, colour);
    }

    std::vector<Stroke> strokes;

protected:
    void imageChanged(const controls::PixelRect&) override {}

private:
    std::int16_t width_ = 5;
    controls::DrawStyle style_ = controls::DrawStyle::Solid;
};

// A board pressed as a toolkit presses it, remembering the design pixel
// each press entered.
class PressedBoard : public controls::RasterBoard
{
public:
    explicit PressedBoard(double scale)
        : RasterBoard(boardWithoutEdge(343, 229), lookWithoutEdge(), scale)
    {
        OnMouseDown([this](std::int16_t, std::int16_t, float x, float y) { entered = {int(x), int(y)}; });
        OnContact([this](controls::Contact contact, float, float) { contacts.push_back(contact); });
    }
    using RasterBoard::contactOnDevicePixel;
    using RasterBoard::pressAt;
    using RasterBoard::pressOnDevicePixel;

    std::pair<int, int> entered{-1, -1};
    std::vector<controls::Contact> contacts;

protected:
    void imageChanged(const controls::PixelRect&) override {}
};

// For each device pixel of a board's width, the design pixel the raster draws
// there: a line from design pixel k to k + 1 runs from the first device pixel
// of k's share to the first of k + 1's.
std::vector<int> designPixelsDrawn(double scale)
{
    std::vector<int> drawnAt;
    for (int k = 0; k < 343; ++k) {
        controls::Raster raster(345, 1, controls::Rgb{255, 255, 255}, scale);
        raster.line(k, 0, k + 1, 0, controls::Pen{});
        int first = 0;
        while (raster.pixel(first, 0) != controls::Rgb{})
            ++first;
        REQUIRE(first == int(drawnAt.size()));
        int next = first;
        while (raster.pixel(next + 1, 0) == controls::Rgb{})
            ++next;
        drawnAt.resize(std::size_t(next), k);
    }
    return drawnAt;
}

struct NoList : controls::ListBox {
    void AddItem(const std::string&) override {}
    void RemoveItem(int) override {}
    void Clear() override {}
    std::string List(int) const override { return {}; }
    int ListCount() const override { return 0; }
    int ListIndex() const override { return -1; }
    void SetListIndex(int) override {}
    void OnClick(ClickHandler) override {}
};

struct NoButton : controls::CommandButton {
    void SetEnabled(bool) override {}
    void OnClick(ClickHandler) override {}
};

struct NoText : controls::TextBox {
    std::string Text() const override { return {}; }
    void SetText(const std::string&) override {}
};

// A window whose only real control is the board.
class BoardOnlyForm : public controls::Form
{
public:
    explicit BoardOnlyForm(RecordingBoard& board)
        : board_(board)
    {
    }

    controls::Board& board(std::string_view, int) override { return board_; }
    controls::ListBox& listBox(std::string_view, int) override { return list_; }
    controls::CommandButton& commandButton(std::string_view, int) override { return button_; }
    controls::TextBox& textBox(std::string_view, int) override { return text_; }
    void Show() override {}

private:
    RecordingBoard& board_;
    NoList list_;
    NoButton button_;
    NoText text_;
};

// The core's tests are a toolkit of their own, with a point for decimals.
struct NoToolkit : controls::Toolkit {
    std::unique_ptr<controls::Form> createForm(const controls::FormDescription&) override { return {}; }
    std::string decimalSeparator() const override { return "."; }
    int exec() override { return 0; }
};

} // namespace

TEST_SUITE("board")
{

// The last line's number is rounded, ties to even, so it may name a line
// beyond the far edge; the lines span the size recorded at start-up.
TEST_CASE("the grid's line count is rounded half to even")
{
    struct Case {
        int height;
        int horizontalLines;
    };
    const std::vector<Case> cases{{229, 12}, {230, 13}, {240, 13}, {250, 13}, {270, 15}};
    for (const Case& c : cases) {
        CAPTURE(c.height);
        RecordingBoard board(343, c.height);
        BoardOnlyForm form(board);
        const NoToolkit toolkit;
        Window window(form, toolkit);
        window.worksheet().GridStep = 20;
        window.worksheet().BoardWidth = 343;
        window.worksheet().BoardHeight = float(c.height);
        DrawGrid(window);

        // 343 / 20 = 17.15: eighteen vertical lines, x = 0 to 340, drawn after
        // the horizontal ones; all in black dash-dot-dot.
        REQUIRE(board.strokes.size() == std::size_t(c.horizontalLines + 18));
        for (int i = 0; i < int(board.strokes.size()); ++i) {
            const RecordingBoard::Stroke& stroke = board.strokes[i];
            const bool horizontal = i < c.horizontalLines;
            const float at = float((horizontal ? i : i - c.horizontalLines) * 20);
            CHECK(stroke.x1 == (horizontal ? 0.0f : at));
            CHECK(stroke.y1 == (horizontal ? at : 0.0f));
            CHECK(stroke.x2 == (horizontal ? 343.0f : at));
            CHECK(stroke.y2 == (horizontal ? at : float(c.height)));
            CHECK(stroke.colour == controls::Rgb{});
            CHECK(stroke.width == 1);
            CHECK(stroke.style == controls::DrawStyle::DashDotDot);
        }
    }
}

// A fractional coordinate is rounded, ties to even, only to find the
// remainder; the fraction itself stays.
TEST_CASE("snapping keeps a fraction and the remainder's sign")
{
    CHECK(snapToGrid(149.5f, 20) == 159.5);
    CHECK(snapToGrid(150.5f, 20) == 160.5);
    CHECK(snapToGrid(-15.0f, 20) == 0.0);
    CHECK(!snapToGrid(3e9f, 20));
}

// A window moved to a screen of another scale shows the same picture drawn
// anew there, whatever was drawn over what since the board was cleared.
TEST_CASE("a change of scale draws the picture anew, as if drawn at that scale")
{
    const auto drawExercise = [](RecordingBoard& board) {
        board.Cls();
        board.SetDrawStyle(controls::DrawStyle::DashDotDot);
        for (int x = 0; x <= 340; x += 20)
            board.Line(float(x), 0, float(x), 229, controls::Rgb{});
        board.SetDrawWidth(5);
        for (int i = 0; i < 50; ++i)
            board.PSet(80, 100, i % 2 ? controls::Rgb{200, 0, 0} : controls::Rgb{});
        board.PSet(160, 100);
        board.SetDrawWidth(1);
        board.SetDrawStyle(controls::DrawStyle::Dot);
        board.Line(80, 100, 20, 180, {});
    };
    RecordingBoard moved(343, 229);
    drawExercise(moved);
    for (const double scale : {1.5, 2.0, 1.0}) {
        CAPTURE(scale);
        moved.setScale(scale);
        RecordingBoard there(343, 229, scale);
        drawExercise(there);
        const controls::Raster& a = moved.image();
        const controls::Raster& b = there.image();
        REQUIRE(a.width() == b.width());
        CHECK(std::equal(a.bits(), a.bits() + a.width() * a.height(), b.bits()));
    }
}

// Whole device pixels, as Windows reports them, and positions in Qt's or the
// page's units, fractional ones too: each lies on one device pixel, and the
// press enters the design pixel drawn there.
TEST_CASE("a press enters the design pixel drawn under it, at every scale")
{
    for (const double scale : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
        CAPTURE(scale);
        const std::vector<int> drawnAt = designPixelsDrawn(scale);
        PressedBoard board(scale);
        REQUIRE(int(drawnAt.size()) == board.image().width());
        for (int device = 0; device < board.image().width(); ++device) {
            CAPTURE(device);
            const int down = device % board.image().height();
            const std::pair<int, int> expected{drawnAt[std::size_t(device)], drawnAt[std::size_t(down)]};
            board.pressOnDevicePixel(0, 0, device, down);
            CHECK(board.entered == expected);
            for (const double within : {0.0, 0.5, 0.999}) {
                board.entered = {};
                board.pressAt(0, 0, (device + within) / scale, (down + within) / scale);
                CHECK(board.entered == expected);
            }
        }
        board.entered = {-1, -1};
        board.pressOnDevicePixel(0, 0, board.image().width(), 0);
        board.pressAt(0, 0, -0.001, 0);
        CHECK(board.entered == std::pair{-1, -1});
    }
}

// A finger that slides off the inner area is still down and may come back;
// one lifted off it ends there.
TEST_CASE("a contact off the inner area is over no crossing until it comes back")
{
    using controls::Contact;
    PressedBoard board(1.5);
    board.contactOnDevicePixel(Contact::Moved, 10, 10);
    board.contactOnDevicePixel(Contact::Moved, -1, 10);
    board.contactOnDevicePixel(Contact::Moved, 10, 10);
    board.contactOnDevicePixel(Contact::Lifted, board.image().width(), 10);
    CHECK(board.contacts == std::vector{Contact::Moved, Contact::OffArea, Contact::Moved, Contact::Cancelled});
}

// A finger's crossing is marked over the picture, never in it, follows the
// finger, and is entered where it lifts; a cancelled finger enters nothing,
// and a full worksheet marks nothing.
TEST_CASE("a finger marks its crossing until it lifts there")
{
    RecordingBoard board(343, 229, 1.5);
    BoardOnlyForm form(board);
    const NoToolkit toolkit;
    Window window(form, toolkit);
    window.worksheet().GridStep = 20;
    window.worksheet().BoardHeight = 229;
    const auto showsImage = [&board] {
        const controls::Raster& shown = board.composeScreenImage();
        const controls::Raster& image = board.image();
        return std::equal(image.bits(), image.bits() + image.width() * image.height(), shown.bits());
    };
    const controls::Rgb mark = drelvikDesign().look.boardMarks.colour;
    Picture1_Contact(window, controls::Contact::Moved, 143, 57);
    CHECK(board.composeScreenImage().pixel(0, 90) == mark);
    Picture1_Contact(window, controls::Contact::Moved, 203, 118);
    CHECK(board.composeScreenImage().pixel(0, 180) == mark);
    CHECK(board.composeScreenImage().pixel(0, 90) == board.image().pixel(0, 90));
    CHECK(window.worksheet().PointCount == 0);
    Picture1_Contact(window, controls::Contact::Lifted, 203, 118);
    CHECK(window.worksheet().PointCount == 1);
    CHECK(board.image().pixel(300, 180) == controls::Rgb{});
    CHECK(showsImage());
    Picture1_Contact(window, controls::Contact::Moved, 60, 60);
    Picture1_Contact(window, controls::Contact::Cancelled, 60, 60);
    CHECK(window.worksheet().PointCount == 1);
    CHECK(showsImage());
    window.worksheet().PointCount = 3;
    Picture1_Contact(window, controls::Contact::Moved, 60, 60);
    CHECK(showsImage());
}

} // TEST_SUITE
