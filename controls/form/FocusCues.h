#pragma once

#include <cstdint>
#include <functional>

namespace controls {

// Whether a window shows where its keyboard focus is. A window starts with
// the cues hidden, so that a mouse user sees no focus marks; once the
// keyboard has been used to move in it, with Tab or an arrow, whichever
// control takes the key, it shows them for as long as it lives, a mouse
// press included. Where the user has asked the system always to see them,
// they show from the start.
class FocusCues
{
public:
    using ChangeHandler = std::function<void()>;

    explicit FocusCues(bool alwaysShown = false);

    bool shown() const { return shown_; }
    // Whether a control shows its focus mark.
    bool showsFocusOf(bool hasFocus) const { return hasFocus && shown_; }

    // A key went down anywhere in the window.
    void keyPressed(std::int16_t keyCode);

    // Told once, when the cues come on.
    void OnChange(ChangeHandler handler);

    // The keys that move in a window: Tab and the arrows.
    static bool movesInWindow(std::int16_t keyCode);

private:
    bool shown_;
    ChangeHandler changed_;
};

} // namespace controls
