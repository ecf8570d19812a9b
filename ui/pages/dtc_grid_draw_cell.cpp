#include "ui/pages/dtc_grid_draw_cell.h"

#include "ui/widgets/pictures.h"

#include <QPainter>

void drawCellText(QPainter* painter, const QStyleOptionViewItem& option, const QString& text,
                  bool rightAligned) {
    const QRect cell = option.rect;
    painter->save();
    painter->setClipRect(cell);
    painter->setFont(option.font);
    painter->setPen(option.palette.color(QPalette::Text));
    const QRect area = rightAligned ? cell.adjusted(0, 2, -2, 0) : cell.adjusted(2, 2, 0, 0);
    painter->drawText(area, Qt::AlignTop | (rightAligned ? Qt::AlignRight : Qt::AlignLeft), text);
    painter->restore();
}

void DtcGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    painter->fillRect(option.rect, QColor(0xF0, 0xF0, 0xF0));
    drawCellText(painter, option, index.data().toString(), false);
    if (index.column() != 0)
        return;
    const QString firstCode = index.model()->index(0, 1).data().toString();
    if (firstCode.isEmpty())
        return;
    const QString mark = firstCode != QLatin1String("P0000") ? QStringLiteral("BMP_ERROR")
                                                             : QStringLiteral("BMP_OK");
    painter->drawPixmap(option.rect.topLeft() + QPoint(2, 3), picture(mark, QSize(15, 13)));
}
