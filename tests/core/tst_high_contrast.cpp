#include "controls/form/ContrastRatio.h"
#include "controls/form/ContrastTheme.h"
#include "controls/form/HighContrastLook.h"
#include "controls/form/RasterBoard.h"
#include "window/BoardColours.h"
#include "window/DrelvikDesign.h"

#include <doctest/doctest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

using controls::contrastRatio;
using controls::HighContrastLook;
using controls::Rgb;
using controls::SystemColours;

namespace {

constexpr Rgb hex(unsigned value)
{
    return Rgb{std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value)};
}

struct Theme {
    std::string name;
    SystemColours colours;
};

// Contrast themes as Windows gives them: light on dark and dark on light,
// with highlights and greyed text of their own; and one whose own text
// falls short of high contrast.
const std::vector<Theme> Themes{
    {"High Contrast Black",
     {hex(0x000000), hex(0xFFFFFF), hex(0x1AEBFF), hex(0x000000), hex(0x3FF23F), hex(0x000000), hex(0xFFFFFF)}},
    {"High Contrast White",
     {hex(0xFFFFFF), hex(0x000000), hex(0x37006E), hex(0xFFFFFF), hex(0x600000), hex(0xFFFFFF), hex(0x000000)}},
    {"Night sky",
     {hex(0x000000), hex(0xFFFFFF), hex(0xD6B4FD), hex(0x2B2B2B), hex(0xA6A6A6), hex(0x000000), hex(0xFFEE32)}},
    {"Desert",
     {hex(0xFFFAEF), hex(0x3D3D3D), hex(0x903909), hex(0xFFF5E3), hex(0x676767), hex(0xFFFAEF), hex(0x202020)}},
    {"Aquatic",
     {hex(0x202020), hex(0xFFFFFF), hex(0x8EE3F0), hex(0x263B50), hex(0xA6A6A6), hex(0x202020), hex(0xFFFFFF)}},
    {"grey on grey",
     {hex(0x888888), hex(0x777777), hex(0x999999), hex(0x888888), hex(0x808080), hex(0x8A8A8A), hex(0x777777)}},
};

constexpr double Least = HighContrastLook::LeastContrast;

class ShownBoard : public controls::RasterBoard
{
public:
    explicit ShownBoard(double scale)
        : RasterBoard(drelvikDesign().controls[4], drelvikDesign().look, scale)
    {
    }

protected:
    void imageChanged(const controls::PixelRect&) override {}
};

// The board of an exercise: the grid, P0 and P1 black, P2 selected, the
// sides dash-dot-dot, the segment solid.
void drawExercise(controls::Board& board)
{
    board.SetBackColor(look::White);
    board.Cls();
    board.SetDrawWidth(1);
    board.SetDrawStyle(controls::DrawStyle::DashDotDot);
    for (int y = 0; y <= 220; y += 20)
        board.Line(0, float(y), 343, float(y), look::Black);
    board.SetDrawWidth(5);
    board.PSet(40, 40);
    board.PSet(200, 160, look::Black);
    board.PSet(120, 60, look::DarkRed);
    board.SetDrawWidth(1);
    board.Line(40, 40, 120, 60);
    board.Line(200, 160, 120, 60);
    board.SetDrawStyle(controls::DrawStyle::Solid);
    board.Line(40, 40, 200, 160);
}

std::vector<std::uint32_t> pixelsOf(const controls::Raster& image)
{
    return {image.bits(), image.bits() + image.width() * image.height()};
}

} // namespace

TEST_SUITE("form")
{

TEST_CASE("every contrast theme keeps what the window shows at least 7:1 from what it stands on")
{
    const controls::FormDescription designed = drelvikDesign();
    for (const Theme& theme : Themes) {
        CAPTURE(theme.name);
        const controls::FormDescription form = HighContrastLook(theme.colours).applyTo(designed);
        const controls::FormLook& look = form.look;
        const Rgb paper = look.boardColours.paper;
        CHECK(contrastRatio(look.boardColours.ink, paper) >= Least);
        CHECK(contrastRatio(look.boardColours.marked, paper) >= Least);
        CHECK(contrastRatio(look.boardMarks.colour, paper) >= Least);
        CHECK(look.boardColours.ringMarked);
        CHECK(contrastRatio(look.boardEdge.outerShadow, form.backColor) >= Least);
        CHECK(contrastRatio(look.focusOutline.colour, form.backColor) >= Least);
        CHECK(contrastRatio(look.listSelection.text, look.listSelection.background) >= Least);
        for (const controls::ControlDescription& control : form.controls) {
            CAPTURE(control.name);
            CAPTURE(control.index);
            if (control.backColor)
                CHECK(contrastRatio(look.textColour, *control.backColor) >= Least);
        }
    }
}

TEST_CASE("a theme's own colours are kept where they reach the contrast")
{
    const SystemColours desert = Themes[3].colours;
    const controls::FormLook look = HighContrastLook(desert).applyTo(drelvikDesign()).look;
    CHECK(look.boardColours.paper == desert.window);
    CHECK(look.boardColours.ink == desert.windowText);
    CHECK(look.boardColours.marked == desert.highlight);
    CHECK(look.disabledTextColour == desert.grayText);
}

TEST_CASE("a contrast theme is told from an ordinary one by its colours")
{
    for (const Theme& theme : Themes) {
        CAPTURE(theme.name);
        CHECK(controls::isContrastTheme(theme.colours) == (theme.name != "grey on grey"));
    }
    // Ordinary light themes: text strong enough, selections on an accent
    // colour that is not.
    const std::vector<Theme> ordinary{
        {"Qt's own", {hex(0xEFEFEF), hex(0x000000), hex(0x308CC6), hex(0xFFFFFF), hex(0xBEBEBE), hex(0xEFEFEF),
                      hex(0x000000)}},
        {"Windows", {hex(0xFFFFFF), hex(0x000000), hex(0x0078D7), hex(0xFFFFFF), hex(0x6D6D6D), hex(0xF0F0F0),
                     hex(0x000000)}},
        {"Breeze", {hex(0xEFF0F1), hex(0x232629), hex(0x3DAEE9), hex(0xFCFCFC), hex(0xA0A2A2), hex(0xFCFCFC),
                    hex(0x232629)}},
        {"Adwaita", {hex(0xF6F5F4), hex(0x2E3436), hex(0x3584E4), hex(0xFFFFFF), hex(0x929595), hex(0xF6F5F4),
                     hex(0x2E3436)}},
    };
    for (const Theme& theme : ordinary) {
        CAPTURE(theme.name);
        CHECK_FALSE(controls::isContrastTheme(theme.colours));
    }
}

TEST_CASE("without a high-contrast mode the window is as designed")
{
    const controls::FormDescription designed = drelvikDesign();
    const controls::FormDescription shown = HighContrastLook::shownForm(designed, std::nullopt);
    CHECK(shown.backColor == designed.backColor);
    CHECK(shown.look.boardColours == designed.look.boardColours);
    CHECK(shown.look.boardMarks.colour == designed.look.boardMarks.colour);
}

TEST_CASE("the board in a contrast theme: every pixel on its paper or 7:1 from it, the selected point ringed, "
          "and the designed picture back when the mode ends")
{
    for (const double scale : {1.0, 1.5}) {
        CAPTURE(scale);
        ShownBoard board(scale);
        drawExercise(board);
        const std::vector<std::uint32_t> designedPixels = pixelsOf(board.composeScreenImage());
        for (const Theme& theme : Themes) {
            CAPTURE(theme.name);
            const controls::FormLook look = HighContrastLook(theme.colours).applyTo(drelvikDesign()).look;
            board.setLook(look);
            const controls::Raster& shown = board.composeScreenImage();
            const Rgb paper = shown.pixel(shown.width() - 2, shown.height() - 2);
            CHECK(paper == look.boardColours.paper);
            std::set<std::tuple<int, int, int>> seen;
            for (int y = 0; y < shown.height(); ++y) {
                for (int x = 0; x < shown.width(); ++x) {
                    const Rgb pixel = shown.pixel(x, y);
                    if (pixel != paper && seen.insert({pixel.red, pixel.green, pixel.blue}).second)
                        CHECK(contrastRatio(pixel, paper) >= Least);
                }
            }
            const controls::DeviceScale device(scale);
            const int ringAt = device.extent(7);
            CHECK(shown.pixel(device.pixel(120), device.pixel(60) + ringAt) == look.boardMarks.colour);
            CHECK(shown.pixel(device.pixel(40), device.pixel(40) + ringAt) == paper);
        }
        board.setLook(drelvikDesign().look);
        CHECK(pixelsOf(board.composeScreenImage()) == designedPixels);
    }
}

TEST_CASE("the ring goes with the selection")
{
    ShownBoard board(1);
    drawExercise(board);
    const controls::FormLook look = HighContrastLook(Themes[0].colours).applyTo(drelvikDesign()).look;
    board.setLook(look);
    board.SetDrawWidth(5);
    board.PSet(120, 60, look::Black);
    const controls::Raster& shown = board.composeScreenImage();
    CHECK(shown.pixel(120, 67) == look.boardColours.paper);
    CHECK(shown.pixel(120, 60) == look.boardColours.ink);
}

} // TEST_SUITE
