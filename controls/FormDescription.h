#pragma once

#include "controls/PixelRect.h"
#include "controls/Rgb.h"

#include <optional>
#include <string>
#include <vector>

namespace controls {

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
};

struct FontDescription {
    std::string family;
    // Used where the family is not installed; must show Cyrillic.
    std::string fallbackFamily;
    int pointSize = 12;
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
    std::vector<ControlDescription> controls;
};

} // namespace controls
