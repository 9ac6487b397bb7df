#pragma once

#include "controls/PixelRect.h"
#include "controls/Rgb.h"

#include <optional>
#include <string>
#include <vector>

namespace controls {

enum class TextAlignment {
    Left,
    Centre,
};

enum class ControlKind {
    Label,
    PictureBox,
    ListBox,
    CommandButton,
    TextBox,
};

// One control as it stands before any code of the program runs.
struct ControlDescription {
    ControlKind kind = ControlKind::Label;
    std::string name;
    // Position in its control array; -1 for a control that is not in one.
    int index = -1;
    PixelRect bounds;
    // Order in which the Tab key visits the controls that take the focus.
    int tabIndex = 0;
    // Caption of a label or button, initial text of a text box.
    std::string text;
    std::optional<Rgb> backColor;
    bool visible = true;
    // What a screen reader calls a control that no caption of its own and
    // no label above it names (see accessibleNameOf).
    std::string accessibleName;
    // Where a label's caption stands.
    TextAlignment alignment = TextAlignment::Left;
};

struct FontDescription {
    std::string family;
    // Used where the family is not installed; must show Cyrillic.
    std::string fallbackFamily;
    int pointSize = 12;
};

// A sunken edge round a control, as two bands on each side: the outer band
// half the width, rounded up, the inner band the rest.
struct EdgeLook {
    // In design pixels on each side.
    int width = 0;
    // The outer band's top and left sides, then its bottom and right.
    Rgb outerShadow;
    Rgb outerLight;
    // The inner band's.
    Rgb innerShadow;
    Rgb innerLight;
};

// The dotted outline round the control with the focus, while the window
// shows focus cues.
struct FocusOutlineLook {
    Rgb colour;
    // Design pixels between the control's outer edge and the outline.
    int inset = 0;
};

// A list's selected row, where the toolkit does not show it in the
// platform's own colours.
struct SelectionLook {
    Rgb background;
    Rgb text;
};

// The marks a board shows over its picture: the focus frame and the
// keyboard cursor while the focus shows, the contact mark under a finger.
struct BoardMarkLook {
    Rgb colour;
    // The thickness of every mark's lines, in design pixels.
    int thickness = 0;
    // The keyboard cursor and the contact mark are square rings this many
    // design pixels from their crossing on each side.
    int ringReach = 0;
};

// The colours the board's picture is shown in, by what each means: the
// program draws in the designed ones, and a board shows each in the colour
// its look gives that meaning.
struct BoardColoursLook {
    Rgb paper;
    // The grid, the points and the lines.
    Rgb ink;
    // The point selected in the coordinate lists.
    Rgb marked;
    // Where colours alone may not tell the selected point from the others,
    // a round ring shows round it too, over the picture.
    bool ringMarked = false;

    friend bool operator==(const BoardColoursLook&, const BoardColoursLook&) = default;
};

// How the window's controls look where no control's own colours say.
struct FormLook {
    // Captions of labels and buttons.
    Rgb textColour;
    // The caption of a disabled button.
    Rgb disabledTextColour;
    // The board's edge; the image fills what lies inside it.
    EdgeLook boardEdge;
    BoardMarkLook boardMarks;
    // The raised edge of a button, sunken while it is pressed, in design pixels.
    int buttonEdgeWidth = 0;
    FocusOutlineLook focusOutline;
    SelectionLook listSelection;
    BoardColoursLook boardColours;
};

// A fixed-size window and its controls, all direct children of it.
struct FormDescription {
    std::string name;
    std::string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    Rgb backColor;
    FontDescription font;
    // Name of the window's icon among the program's resources; each toolkit
    // finds it where it keeps its own.
    std::string icon;
    FormLook look;
    std::vector<ControlDescription> controls;
};

} // namespace controls
