#pragma once

#include <cstdint>

class QWidget;

// What the handler benchmark does to a window, as a pupil does it, so that
// the program and the plain Qt window it is measured against take the very
// same steps. Rows are those of the x list.
class Pupil
{
public:
    virtual ~Pupil() = default;

    virtual QWidget* top() const = 0;
    virtual void pressBoard(int x, int y) = 0;
    virtual void clickRow(int row) = 0;
    virtual void clickButton(std::int16_t button) = 0;

    virtual int rowCount() const = 0;
    virtual int selectedRow() const = 0;
};
