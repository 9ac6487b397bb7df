#include "controls/qt/QtListBox.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace controls {

QtListBox::QtListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every row is one line of the window's font; told so, the list measures
    // one row instead of every row each time it paints or hit-tests.
    setUniformItemSizes(true);
    // Selection signals come synchronously, inside the call that changed the
    // selection, so a handler that selects rows in other lists runs nested.
    connect(this, &QListWidget::itemSelectionChanged, this, &QtListBox::raiseClick);
}

void QtListBox::AddItem(const std::string& text)
{
    addItem(QString::fromStdString(text));
}

void QtListBox::RemoveItem(int row)
{
    if (row < 0 || row >= count())
        return;
    const QSignalBlocker quiet(this);
    delete takeItem(row);
    clearSelectionQuietly();
}

void QtListBox::Clear()
{
    const QSignalBlocker quiet(this);
    clear();
    clearSelectionQuietly();
}

std::string QtListBox::List(int row) const
{
    const QListWidgetItem* entry = item(row);
    return entry ? entry->text().toStdString() : std::string();
}

int QtListBox::ListCount() const
{
    return count();
}

int QtListBox::ListIndex() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void QtListBox::SetListIndex(int row)
{
    if (row < 0 || row >= count()) {
        clearSelection();
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void QtListBox::OnClick(ClickHandler handler)
{
    click_ = std::move(handler);
}

// With no row selected, Qt would move on from the current row, which it keeps
// even without a selection; the first key selects the first or last row.
void QtListBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool moves = key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_Home || key == Qt::Key_End;
    if (moves && ListIndex() < 0 && count() > 0) {
        SetListIndex(key == Qt::Key_End ? count() - 1 : 0);
        return;
    }
    QListWidget::keyPressEvent(event);
}

// The user moves the selection from row to row but never takes it away: Qt
// would clear it on a click below the last row or on Ctrl with the selected
// row, and leave this list out of step with the others.
QItemSelectionModel::SelectionFlags QtListBox::selectionCommand(const QModelIndex& index,
                                                                const QEvent* event) const
{
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    // Ctrl toggles: it may move the selection to another row, never clear it.
    if (command.testFlag(QItemSelectionModel::Deselect))
        return selectionModel()->isSelected(index) ? QItemSelectionModel::NoUpdate
                                                   : QItemSelectionModel::ClearAndSelect;
    return command;
}

// Qt makes the next row current when one is taken out; the list should be
// left with no row current and none selected.
void QtListBox::clearSelectionQuietly()
{
    const QSignalBlocker quiet(selectionModel());
    selectionModel()->clear();
}

void QtListBox::raiseClick()
{
    if (click_)
        click_();
}

} // namespace controls
