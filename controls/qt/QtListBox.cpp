#include "controls/qt/QtListBox.h"

#include "controls/qt/QtConvert.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionFocusRect>

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
    connect(this, &QListWidget::itemSelectionChanged, this, [this] { selectionMayHaveMoved(); });
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

// Qt would move on from the current row, which it keeps even without a
// selection. An arrow shows the focus from then on, as Tab does.
void QtListBox::keyPressEvent(QKeyEvent* event)
{
    const std::int16_t keyCode = toKeyCode(event->key());
    if (showsFocusCues(keyCode))
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
    if (const std::optional<int> first = rowForFirstKey(keyCode)) {
        SetListIndex(*first);
        return;
    }
    QListWidget::keyPressEvent(event);
}

void QtListBox::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    if (!hasFocus() || currentIndex().isValid())
        return;
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = QRect(0, 0, viewport()->width(), fontMetrics().height() + 2);
    QPainter painter(viewport());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

// The user moves the selection from row to row but never takes it away: Qt
// would clear it on a click below the last row or on Ctrl with the selected
// row, and leave this list out of step with the others.
QItemSelectionModel::SelectionFlags QtListBox::selectionCommand(const QModelIndex& index,
                                                                const QEvent* event) const
{
    if (!rowForPress(index.isValid() ? index.row() : -1))
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    // Ctrl toggles: it may move the selection to another row, never clear it.
    if (command.testFlag(QItemSelectionModel::Deselect))
        return selectionModel()->isSelected(index) ? QItemSelectionModel::NoUpdate
                                                   : QItemSelectionModel::ClearAndSelect;
    return command;
}

// Qt makes the next row current when one is taken out; the list should be
// left with no row current and none selected, and tells of no click.
void QtListBox::clearSelectionQuietly()
{
    const QSignalBlocker quiet(selectionModel());
    selectionModel()->clear();
    selectionForgotten();
}

} // namespace controls
