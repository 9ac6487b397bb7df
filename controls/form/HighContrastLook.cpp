#include "controls/form/HighContrastLook.h"

#include "controls/form/ContrastRatio.h"

namespace controls {

namespace {

constexpr Rgb Black{0, 0, 0};
constexpr Rgb White{255, 255, 255};
// Disabled captions need only be seen as there.
constexpr double LeastDisabledContrast = 3;

bool lighterThanGrey(Rgb colour)
{
    return contrastRatio(colour, Black) > contrastRatio(colour, White);
}

} // namespace

// A system whose own text falls short of the contrast on its own
// background gets plain black on white, or white on black, as dark or light
// as its background is.
HighContrastLook::HighContrastLook(const SystemColours& system)
    : system_(system)
    , background_(system.window)
    , text_(system.windowText)
{
    if (contrastRatio(text_, background_) < LeastContrast) {
        background_ = lighterThanGrey(system.window) ? White : Black;
        text_ = background_ == White ? Black : White;
    }
    buttonFace_ = contrastRatio(text_, system.buttonFace) >= LeastContrast ? system.buttonFace : background_;
}

FormDescription HighContrastLook::applyTo(const FormDescription& designed) const
{
    FormDescription form = designed;
    form.backColor = background_;
    form.look = look(designed.look);
    for (ControlDescription& control : form.controls)
        control.backColor = controlColour(control);
    return form;
}

FormDescription HighContrastLook::shownForm(const FormDescription& designed,
                                            const std::optional<SystemColours>& system)
{
    return system ? HighContrastLook(*system).applyTo(designed) : designed;
}

Rgb HighContrastLook::legible(Rgb wanted) const
{
    return contrastRatio(wanted, background_) >= LeastContrast ? wanted : text_;
}

// The board's edge a plain frame in the text's colour, its marks and the
// selected point in the highlight's, the grid, points and lines in the
// text's; a list's selected row as the system shows selected text.
FormLook HighContrastLook::look(const FormLook& designed) const
{
    FormLook look = designed;
    look.textColour = text_;
    look.disabledTextColour =
        contrastRatio(system_.grayText, buttonFace_) >= LeastDisabledContrast ? system_.grayText : text_;
    look.boardEdge = EdgeLook{designed.boardEdge.width, text_, text_, text_, text_};
    look.boardMarks.colour = legible(system_.highlight);
    look.focusOutline.colour = text_;
    look.listSelection = contrastRatio(system_.highlightText, system_.highlight) >= LeastContrast
                             ? SelectionLook{system_.highlight, system_.highlightText}
                             : SelectionLook{text_, background_};
    look.boardColours = BoardColoursLook{background_, text_, legible(system_.highlight), true};
    return look;
}

// Labels on the window's background, buttons on the system's button face;
// the other controls take the system's colours themselves.
std::optional<Rgb> HighContrastLook::controlColour(const ControlDescription& control) const
{
    if (!control.backColor)
        return std::nullopt;
    return control.kind == ControlKind::CommandButton ? buttonFace_ : background_;
}

} // namespace controls
