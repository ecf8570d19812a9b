#include "ui/pages/log_list_delegate.h"

#include <QPainter>
#include <QPixmap>

namespace {
QPixmap markOf(const QModelIndex& index) {
    return index.data(Qt::DecorationRole).value<QPixmap>();
}
} // namespace

int LogListDelegate::textLeft(const QModelIndex& index) {
    const QPixmap mark = markOf(index);
    return mark.isNull() ? 2 : int(mark.deviceIndependentSize().width()) + 6;
}

void LogListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    painter->save();
    painter->fillRect(option.rect, option.palette.color(QPalette::Base));
    const QPixmap mark = markOf(index);
    if (!mark.isNull())
        painter->drawPixmap(option.rect.topLeft() + QPoint(3, 3), mark);
    painter->setPen(option.palette.color(QPalette::Text));
    const QRect textRect = option.rect.adjusted(textLeft(index), 3, 0, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize LogListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const int width = textLeft(index) +
                      option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    return {width, kItemHeight};
}
