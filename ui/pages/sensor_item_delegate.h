#pragma once

#include "core/livedata/sensor_entry.h"

#include <QStyledItemDelegate>

class QAbstractItemModel;

// Draws a sensor of the graph selectors and of the sensor option lists: the OK mark for a sensor
// the vehicle supports, else the error mark, 3 pixels in from the top-left corner, then the name
// 6 pixels after the mark, 3 pixels below the top; 19 pixels a row. Selected rows are
// highlighted.
class SensorItemDelegate : public QStyledItemDelegate {
public:
    static constexpr int kItemHeight = 19;
    // The sensor entry of an item, as a pointer.
    static constexpr int EntryRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    // Where an item's name starts, relative to its rectangle.
    static int textLeft(const QModelIndex& index);
    static LiveSensor* entryOf(const QModelIndex& index);
    // Gives a model row the name, entry and mark of a sensor item.
    static void setItem(QAbstractItemModel* model, int row, const SensorListItem& item);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
