#pragma once

#include "app/Drelvik.h"
#include "tests/scenarios/Driver.h"

#include <QListWidget>
#include <QPushButton>

#include <array>
#include <memory>

namespace controls {
class QtBoard;
}

// The scenarios' driver on Qt: Qt Test events on the real widgets.
class QtDriver : public Driver
{
public:
    QtDriver();
    ~QtDriver() override;

    Window& window() override { return drelvik_->window(); }

    void pressBoard(int x, int y, std::int16_t button = controls::mouse::LeftButton,
                    std::int16_t shift = 0) override;
    void doubleClickBoard(int x, int y) override;
    void clickRow(std::int16_t list, int row, std::int16_t shift = 0) override;
    void clickBelowRows(std::int16_t list) override;
    void clickButton(std::int16_t button) override;
    void pressKey(const std::string& control, Key key, bool ctrl = false) override;
    void typeKey(Key key) override;
    void pressTab() override;
    void useDecimalComma(bool comma) override;
    void useHighContrast(bool on) override;

    std::string focusedControl() const override;
    std::vector<std::string> rows(std::int16_t list) const override;
    std::string report() const override;
    bool buttonEnabled(std::int16_t button) const override;
    const controls::Raster& boardImage() const override;
    const controls::Raster& shownBoard() override;
    std::string accessibleName(const std::string& control) const override;
    std::string boardDescription() const override;
    int selectionChanges(std::int16_t list) const override;

    // The toolkit the drivers' windows are made with, on the test
    // program's QApplication.
    static controls::Toolkit& toolkit();

    // The top-level window and its widgets, for checks of Qt's own look.
    QWidget* top() const { return top_; }
    template <typename T>
    T* widget(const QString& name) const
    {
        return top_->findChild<T*>(name);
    }
    controls::QtBoard* board() const;
    // A left press at a position in Qt's units from the inner area's corner,
    // which may lie anywhere within a device pixel.
    void pressBoardAt(QPointF inner);
    QListWidget* list(std::int16_t index) const;
    QPushButton* button(std::int16_t index) const;

private:
    QPoint onBoard(int x, int y) const;

    // Counted by the window's lists, so kept until the window has gone.
    std::array<int, lists::Count> selectionChanges_{};
    std::unique_ptr<Drelvik> drelvik_;
    QWidget* top_ = nullptr;
};
