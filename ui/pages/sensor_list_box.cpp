#include "ui/pages/sensor_list_box.h"

#include "core/livedata/sensor_selection.h"
#include "ui/pages/sensor_item_delegate.h"

#include <QDropEvent>
#include <algorithm>

SensorListBox::SensorListBox(const QString& name, bool reorderable, QWidget* parent)
    : QListWidget(parent) {
    setObjectName(name);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setItemDelegate(new SensorItemDelegate(this));
    setUniformItemSizes(true);
    if (reorderable) {
        setDragEnabled(true);
        setAcceptDrops(true);
        setDragDropMode(QAbstractItemView::DragDrop);
        setDefaultDropAction(Qt::MoveAction);
        setDropIndicatorShown(true);
    }
}

SensorList SensorListBox::items() const {
    SensorList list;
    for (int row = 0; row < count(); ++row) {
        const QModelIndex index = model()->index(row, 0);
        list.append({index.data(Qt::DisplayRole).toString(), SensorItemDelegate::entryOf(index)});
    }
    return list;
}

void SensorListBox::setItems(const SensorList& list) {
    clear();
    for (int row = 0; row < list.size(); ++row) {
        addItem(QString());
        SensorItemDelegate::setItem(model(), row, list[row]);
    }
}

QList<int> SensorListBox::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void SensorListBox::dropCurrentAt(int row) {
    SensorList list = items();
    const int from = currentRow();
    if (!moveSensorWithin(list, from, row))
        return;
    setItems(list);
    setCurrentRow(row >= 0 && row < list.size() ? row : int(list.size()) - 1);
}

void SensorListBox::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void SensorListBox::dragMoveEvent(QDragMoveEvent* event) {
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void SensorListBox::dropEvent(QDropEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    const QModelIndex target = indexAt(event->position().toPoint());
    dropCurrentAt(target.isValid() ? target.row() : -1);
    // The move is made here; the view must not remove or insert anything itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}
