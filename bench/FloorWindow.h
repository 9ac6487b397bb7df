#pragma once

#include "bench/FloorBoard.h"
#include "bench/Pupil.h"
#include "controls/FormDescription.h"
#include "window/ControlIndex.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

// The floor the handlers are measured against: a plain Qt window with the
// program's widgets, sizes, font and colours, built from the same design,
// which makes the same changes to its widgets on the same events and
// nothing else: no number texts read back, no drawing log, no raster of its
// own, no screen reader told. A pupil's steps reach it as they reach the
// program, through Qt Test events on its widgets.
class FloorWindow : public QWidget, public Pupil
{
public:
    explicit FloorWindow(const controls::FormDescription& design);

    // The text "Изчисли" shows; the floor computes nothing.
    void setCalculationReport(const std::string& text);

    QWidget* top() const override;
    void pressBoard(int x, int y) override;
    void clickRow(int row) override;
    void clickButton(std::int16_t button) override;
    int rowCount() const override;
    int selectedRow() const override;

private:
    QWidget* build(const controls::ControlDescription& control);
    void addPoint(QPoint at);
    void select(int row);
    void calculate();
    void clear();
    void deleteSelected();

    FloorBoard* board_ = nullptr;
    std::array<QListWidget*, lists::Count> lists_{};
    std::array<QPushButton*, buttons::Count> buttons_{};
    QPlainTextEdit* report_ = nullptr;
    QString calculationReport_;
    std::vector<QPoint> points_;
    int marked_ = -1;
};
