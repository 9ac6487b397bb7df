#pragma once

#include "app/Drelvik.h"

#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

#include <memory>

namespace controls {
class QtBoard;
}

// Drives the real window as a user would: presses on the board, clicks on
// rows and buttons, and reads back what the user sees.
class WindowDriver
{
public:
    WindowDriver();
    explicit WindowDriver(const controls::FormDescription& design);

    Window& window() { return drelvik_->window(); }
    Worksheet& sheet() { return window().worksheet(); }
    QWidget* top() const { return top_; }

    template <typename T>
    T* widget(const QString& name) const
    {
        return top()->findChild<T*>(name);
    }

    controls::QtBoard* board() const;
    QListWidget* list(int index) const;
    QPushButton* button(int index) const;

    // A press at a position inside the board's inner area, in board pixels.
    void press(int x, int y, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void clickButton(int index);
    void clickRow(int listIndex, int row);

    QStringList rows(int listIndex) const;
    std::string report() { return window().Text1(0).Text(); }
    QColor pixel(int x, int y) const;
    QImage image() const;

private:
    std::unique_ptr<Drelvik> drelvik_;
    QWidget* top_ = nullptr;
};
