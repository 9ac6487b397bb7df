#pragma once

#include "controls/Board.h"
#include "controls/raster/Raster.h"
#include "window/Window.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Keys a scenario presses on a control that has the focus.
enum class Key { Left, Right, Down, Up, Home, End, PageUp, PageDown, Space, Enter, Digit2, Digit5, Digit7 };

// Works the real window of one toolkit as a user would, and reads back what
// the user sees. Every scenario is written against this alone, so that it
// runs on every toolkit. Lists, buttons and text boxes are named by their
// index in the window's control arrays.
class Driver
{
public:
    virtual ~Driver() = default;

    // The window as the program's procedures see it: its worksheet, and its
    // controls for putting in rows that no press could make.
    virtual Window& window() = 0;

    // A press and release at a pixel of the board's inner area; a pixel just
    // outside it lies on the board's border.
    virtual void pressBoard(int x, int y, std::int16_t button = controls::mouse::LeftButton,
                            std::int16_t shift = 0) = 0;
    virtual void doubleClickBoard(int x, int y) = 0;
    virtual void clickRow(std::int16_t list, int row, std::int16_t shift = 0) = 0;
    virtual void clickBelowRows(std::int16_t list) = 0;
    virtual void clickButton(std::int16_t button) = 0;
    // Gives the named control ("List1(0)", "Command1(2)") the focus and
    // presses the key there, with Ctrl if asked.
    virtual void pressKey(const std::string& control, Key key, bool ctrl = false) = 0;
    // Presses the key on the control that has the focus, as a user would.
    virtual void typeKey(Key key) = 0;
    virtual void pressTab() = 0;
    // Numbers are written with a comma, as in a Bulgarian locale, or a point.
    virtual void useDecimalComma(bool comma) = 0;
    // Turns the system's high-contrast mode on, in one of the platform's
    // contrast themes, or off again, as a pupil would in the system's
    // settings, and waits until the window shows the change.
    virtual void useHighContrast(bool on) = 0;

    // The name of the control with the keyboard focus.
    virtual std::string focusedControl() const = 0;
    virtual std::vector<std::string> rows(std::int16_t list) const = 0;
    virtual std::string report() const = 0;
    virtual bool buttonEnabled(std::int16_t button) const = 0;
    // The board's picture as the program drew it, and as the screen shows
    // it, with the focus mark and the keyboard cursor when they show.
    virtual const controls::Raster& boardImage() const = 0;
    virtual const controls::Raster& shownBoard() = 0;
    // What a screen reader is told: a control's name, and the board's
    // description of its keyboard cursor.
    virtual std::string accessibleName(const std::string& control) const = 0;
    virtual std::string boardDescription() const = 0;
    // How often the list has told of a change of its selection since the
    // window was built.
    virtual int selectionChanges(std::int16_t list) const = 0;
};

// The driver of the toolkit this test program is built for, on a new window.
std::unique_ptr<Driver> makeDriver();
