#pragma once

#include "controls/FormDescription.h"
#include "controls/Rgb.h"
#include "controls/SystemColours.h"

#include <optional>

namespace controls {

// The window as a pupil who turned on the system's high-contrast mode sees
// it: every colour of the design replaced by one of the system's, each with
// the same meaning, so that the board reads as the design does. Everything
// on the board stands at least 7:1 against its paper, and the selected
// point has a ring as well as its colour.
class HighContrastLook
{
public:
    static constexpr double LeastContrast = 7;

    explicit HighContrastLook(const SystemColours& system);

    // The designed window in the system's colours.
    FormDescription applyTo(const FormDescription& designed) const;

    // The window as it shows: as designed, or in the system's colours while
    // the system asks for high contrast.
    static FormDescription shownForm(const FormDescription& designed, const std::optional<SystemColours>& system);

private:
    // The colour where it stands out enough from the background, else the
    // text's, which always does.
    Rgb legible(Rgb wanted) const;
    FormLook look(const FormLook& designed) const;
    std::optional<Rgb> controlColour(const ControlDescription& control) const;

    SystemColours system_;
    Rgb background_;
    Rgb text_;
    Rgb buttonFace_;
};

} // namespace controls
