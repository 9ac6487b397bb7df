#include "controls/qt/QtListBox.h"

#include "controls/qt/QtConvert.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace controls {

QtListBox::QtListBox(const FocusCues& focusCues, QWidget* parent)
    : QListWidget(parent)
    , focusCues_(focusCues)
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

int QtListBox::ListCount() const
{
    return count();
}

int QtListBox::ListIndex() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void QtListBox::removeRow(int row)
{
    delete takeItem(row);
}

void QtListBox::removeAllRows()
{
    clear();
}

std::string QtListBox::rowText(int row) const
{
    return item(row)->text().toStdString();
}

// Qt keeps a current row without a selection; with none selected, none is
// current either.
void QtListBox::showSelection(int row)
{
    if (row < 0)
        selectionModel()->clear();
    else
        setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void QtListBox::takeFocus()
{
    setFocus(Qt::MouseFocusReason);
}

int QtListBox::rowsInView() const
{
    return std::max(viewport()->height() / std::max(sizeHintForRow(0), 1), 1);
}

// The keys that pick a row by its text are the list's own; Qt would search
// the rows for every letter typed.
void QtListBox::keyboardSearch(const QString&)
{
}

void QtListBox::keyPressEvent(QKeyEvent* event)
{
    if (!keyPressed(toKeyCode(event->key())))
        QListWidget::keyPressEvent(event);
}

// The press is the list's; Qt is told of it still, for the drag that may follow.
void QtListBox::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex under = indexAt(event->position().toPoint());
    if (rowPressed(under.isValid() ? under.row() : -1))
        QListWidget::mousePressEvent(event);
}

void QtListBox::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    if (!focusCues_.showsFocusOf(hasFocus()) || currentIndex().isValid())
        return;
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = QRect(0, 0, viewport()->width(), fontMetrics().height() + 2);
    QPainter painter(viewport());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

// Presses and the keys the list knows are its own; what Qt still does, a
// drag or a page key, may move the selection but never take it away.
QItemSelectionModel::SelectionFlags QtListBox::selectionCommand(const QModelIndex& index,
                                                                const QEvent* event) const
{
    if (!index.isValid() || (event && event->type() == QEvent::MouseButtonPress))
        return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect;
}

} // namespace controls
