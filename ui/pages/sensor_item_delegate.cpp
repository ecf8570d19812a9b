#include "ui/pages/sensor_item_delegate.h"

#include "ui/widgets/pictures.h"

#include <QAbstractItemModel>
#include <QPainter>
#include <QPixmap>

namespace {

QPixmap markOf(const QModelIndex& index) {
    return index.data(Qt::DecorationRole).value<QPixmap>();
}

} // namespace

int SensorItemDelegate::textLeft(const QModelIndex& index) {
    const QPixmap mark = markOf(index);
    return mark.isNull() ? 2 : int(mark.deviceIndependentSize().width()) + 6;
}

LiveSensor* SensorItemDelegate::entryOf(const QModelIndex& index) {
    return reinterpret_cast<LiveSensor*>(index.data(EntryRole).value<quintptr>());
}

void SensorItemDelegate::setItem(QAbstractItemModel* model, int row, const SensorListItem& item) {
    const QModelIndex index = model->index(row, 0);
    model->setData(index, item.displayName, Qt::DisplayRole);
    model->setData(index, quintptr(item.entry), EntryRole);
    const bool supported = item.entry != nullptr && item.entry->supported;
    model->setData(
        index,
        picture(supported ? QStringLiteral("BMP_OK") : QStringLiteral("BMP_ERROR"), QSize(15, 13)),
        Qt::DecorationRole);
}

void SensorItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect,
                      option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
    const QPixmap mark = markOf(index);
    if (!mark.isNull())
        painter->drawPixmap(option.rect.topLeft() + QPoint(3, 3), mark);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(option.rect.adjusted(textLeft(index), 3, 0, 0),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize SensorItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    return {textLeft(index) +
                option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 4,
            kItemHeight};
}
