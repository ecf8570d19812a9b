#include "ui/pages/dtc_grid_draw_cell.h"

#include "ui/pages/result_grid.h"
#include "ui/widgets/pictures.h"

#include <QPainter>
#include <QTableWidget>

namespace {

// Carried by the code cell of row 0 of a list that could not be read.
constexpr int kNotReadRole = Qt::UserRole + 1;

} // namespace

void showCodesNotRead(QTableWidget* grid, const QString& message) {
    resetRows(grid, 1);
    setCellText(grid, 0, 1, QString());
    grid->item(0, 1)->setData(kNotReadRole, true);
    setCellText(grid, 0, 2, message);
    grid->viewport()->update();
}

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
    const QModelIndex first = index.model()->index(0, 1);
    const QString firstCode = first.data().toString();
    const bool notRead = first.data(kNotReadRole).toBool();
    if (firstCode.isEmpty() && !notRead)
        return;
    const QString mark = notRead || firstCode != QLatin1String("P0000")
                             ? QStringLiteral("BMP_ERROR")
                             : QStringLiteral("BMP_OK");
    painter->drawPixmap(option.rect.topLeft() + QPoint(2, 3), picture(mark, QSize(15, 13)));
}
