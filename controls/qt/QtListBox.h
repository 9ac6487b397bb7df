#pragma once

#include "controls/form/FocusCues.h"
#include "controls/form/ListBoxBase.h"

#include <QListWidget>

namespace controls {

// The list on Qt. The selected row is the list index; the click event
// follows every change of it, made by the user or by the program. While it
// shows its focus and has no current row, it marks its first row's place,
// so that an empty list shows that it has the focus too.
class QtListBox : public QListWidget, public ListBoxBase
{
    Q_OBJECT

public:
    explicit QtListBox(const FocusCues& focusCues, QWidget* parent = nullptr);

    void AddItem(const std::string& text) override;
    int ListCount() const override;
    int ListIndex() const override;

protected:
    void removeRow(int row) override;
    void removeAllRows() override;
    std::string rowText(int row) const override;
    void showSelection(int row) override;
    void takeFocus() override;
    int rowsInView() const override;
    void keyboardSearch(const QString& search) override;

    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    const FocusCues& focusCues_;
};

} // namespace controls
